// Decodes PNG files with 8-bit RGB or RGBA pixels, not interlaced (what the program
// writes and what a canvas exports), into { width, height, channels, data }.
import { inflateSync } from 'node:zlib';

const SIGNATURE = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

export function decodePng(buf) {
    if (buf.length < 8 || !buf.subarray(0, 8).equals(SIGNATURE)) throw new Error('not a PNG file');
    let pos = 8;
    let ihdr = null;
    const idat = [];
    while (pos + 8 <= buf.length) {
        const len = buf.readUInt32BE(pos);
        const type = buf.toString('latin1', pos + 4, pos + 8);
        const body = buf.subarray(pos + 8, pos + 8 + len);
        pos += 12 + len;
        if (type === 'IHDR') {
            ihdr = {
                width: body.readUInt32BE(0), height: body.readUInt32BE(4), depth: body[8],
                colourType: body[9], interlace: body[12],
            };
        } else if (type === 'IDAT') {
            idat.push(body);
        } else if (type === 'IEND') {
            break;
        }
    }
    if (!ihdr) throw new Error('PNG without IHDR');
    const { width, height, depth, colourType, interlace } = ihdr;
    if (depth !== 8 || (colourType !== 2 && colourType !== 6) || interlace !== 0)
        throw new Error(`unsupported PNG: depth ${depth}, colour type ${colourType}, interlace ${interlace}`);
    const channels = colourType === 6 ? 4 : 3;
    const raw = inflateSync(Buffer.concat(idat));
    const stride = width * channels;
    if (raw.length < height * (stride + 1)) throw new Error('PNG data too short');
    const data = new Uint8Array(height * stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        const out = y * stride;
        const prev = out - stride;
        for (let i = 0; i < stride; ++i) {
            const a = i >= channels ? data[out + i - channels] : 0;
            const b = y > 0 ? data[prev + i] : 0;
            const c = y > 0 && i >= channels ? data[prev + i - channels] : 0;
            let v;
            switch (filter) {
                case 0: v = 0; break;
                case 1: v = a; break;
                case 2: v = b; break;
                case 3: v = (a + b) >> 1; break;
                case 4: {
                    const p = a + b - c;
                    const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
                    v = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
                    break;
                }
                default: throw new Error(`PNG filter ${filter} in row ${y}`);
            }
            data[out + i] = (line[i] + v) & 0xff;
        }
    }
    return { width, height, channels, data };
}

export function decodeDataUrl(url) {
    const m = /^data:image\/png;base64,(.*)$/s.exec(url || '');
    if (!m) throw new Error(`not a PNG data URL: ${String(url).slice(0, 40)}`);
    return decodePng(Buffer.from(m[1], 'base64'));
}

// The first pixel where two decoded pictures differ in colour (alpha ignored), or null.
export function firstDifference(a, b) {
    if (a.width !== b.width || a.height !== b.height) return { size: `${a.width}x${a.height} against ${b.width}x${b.height}` };
    let count = 0;
    let first = null;
    for (let y = 0; y < a.height; ++y) {
        for (let x = 0; x < a.width; ++x) {
            const i = (y * a.width + x) * a.channels, j = (y * b.width + x) * b.channels;
            if (a.data[i] !== b.data[j] || a.data[i + 1] !== b.data[j + 1] || a.data[i + 2] !== b.data[j + 2]) {
                ++count;
                if (!first) {
                    const hex = (d, k) => ((d[k] << 16) | (d[k + 1] << 8) | d[k + 2]).toString(16).padStart(6, '0');
                    first = { x, y, a: hex(a.data, i), b: hex(b.data, j) };
                }
            }
        }
    }
    return first ? { ...first, count } : null;
}
