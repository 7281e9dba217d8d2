// FNV-1a (64 bit) over the width, the height and the 24 colour bits of every pixel, each
// value as four bytes, least significant first, the pixel as 0xRRGGBB: the checksum the
// reference pictures are stored with. Kept free of outside names so that the page can
// run the same function on a canvas (see pageChecksum).
//
// data: pixel bytes R, G, B[, A] row by row; channels: 3 or 4.
export function fnv1a(width, height, data, channels) {
    // The 64-bit state as four 16-bit limbs, lowest first, starting from the basis the
    // stored checksums use, 1469598103934665603 (0x14650FB0739D0383; it is one digit
    // short of the usual FNV basis, and has to stay so); the prime is 2^40 + 0x1B3.
    let h0 = 0x0383, h1 = 0x739d, h2 = 0x0fb0, h3 = 0x1465;
    function mix(b) {
        h0 ^= b;
        const t0 = h0 * 0x1b3;
        let t1 = h1 * 0x1b3;
        let t2 = h2 * 0x1b3 + (h0 << 8);
        const t3 = h3 * 0x1b3 + (h1 << 8);
        t1 += t0 >>> 16;
        t2 += t1 >>> 16;
        h0 = t0 & 0xffff;
        h1 = t1 & 0xffff;
        h2 = t2 & 0xffff;
        h3 = (t3 + (t2 >>> 16)) & 0xffff;
    }
    function mix32(v) {
        mix(v & 0xff);
        mix((v >>> 8) & 0xff);
        mix((v >>> 16) & 0xff);
        mix((v >>> 24) & 0xff);
    }
    mix32(width);
    mix32(height);
    const n = width * height * channels;
    for (let i = 0; i < n; i += channels) {
        mix(data[i + 2]);
        mix(data[i + 1]);
        mix(data[i]);
        mix(0);
    }
    const hex = (v) => v.toString(16).padStart(4, '0');
    return hex(h3) + hex(h2) + hex(h1) + hex(h0);
}

// Runs in the page: the checksum of a window's client canvas, read 1:1 with getImageData.
export function pageChecksum(form) {
    const canvas = document.querySelector(`section.mg-window[data-form="${form}"] canvas.mg-client`);
    if (!canvas) return { error: `no canvas.mg-client in section.mg-window[data-form="${form}"]` };
    let ctx = canvas.getContext('2d');
    if (!ctx) {
        // A canvas drawn some other way: copy it into a 2D one.
        const copy = document.createElement('canvas');
        copy.width = canvas.width;
        copy.height = canvas.height;
        ctx = copy.getContext('2d');
        ctx.drawImage(canvas, 0, 0);
    }
    const img = ctx.getImageData(0, 0, canvas.width, canvas.height);
    // eslint-disable-next-line no-undef
    return { sum: FNV1A(img.width, img.height, img.data, 4), width: img.width, height: img.height };
}

// The expression that evaluates pageChecksum(form) in the page.
export function pageChecksumExpression(form) {
    return `(() => { const FNV1A = ${fnv1a.toString()}; return (${pageChecksum.toString()})(${JSON.stringify(form)}); })()`;
}
