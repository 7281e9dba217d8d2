// The page around the program: what the server sends (the compressed twins), what the
// browser loads (no failed request), the head (language, description, the program's icon),
// the single file from disk, the page where no worker compiles the program, the contrast of
// the page's greyed text, and the menus by keyboard (F10, a letter in a pop-up).
//
//   node tests/web/page.mjs [--native build/desktop/metallographie]   (its build's icons)
import { existsSync, readFileSync, statSync } from 'node:fs';
import { request } from 'node:http';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';
import { ROOT, Report, SINGLE_FILE, SITE, options, withSite } from './common.mjs';
import { Program, steps } from './mg.mjs';
import { decodePng } from './png.mjs';

const report = new Report('the page');
const opts = options();
const native = typeof opts.native === 'string' ? opts.native : join(ROOT, 'build', 'desktop', 'metallographie');
const ICON = join(dirname(dirname(native)), 'dist', 'icons', '64x64', 'apps', 'de.metallographie.Metallographie.png');

const { step, expect } = steps(report);

// One GET with the given Accept-Encoding: { status, headers, body }.
function get(url, acceptEncoding) {
    return new Promise((resolve, reject) => {
        const headers = acceptEncoding === undefined ? {} : { 'Accept-Encoding': acceptEncoding };
        request(url, { headers }, (res) => {
            const chunks = [];
            res.on('data', (c) => chunks.push(c));
            res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body: Buffer.concat(chunks) }));
            res.on('error', reject);
        }).on('error', reject).end();
    });
}

await withSite(async (browser, siteUrl) => {
    await step('the compressed twins as the server sends them', async () => {
        for (const name of ['metallographie.wasm', 'metallographie.js', 'index.html']) {
            const raw = readFileSync(join(SITE, name));
            const type = { wasm: 'application/wasm', js: 'text/javascript; charset=utf-8', html: 'text/html; charset=utf-8' }[name.split('.').pop()];
            for (const [accept, coding, unpack] of [['gzip, deflate, br', 'br', brotliDecompressSync],
                ['br;q=0, gzip', 'gzip', gunzipSync], ['gzip;q=0', undefined, (b) => b], [undefined, undefined, (b) => b]]) {
                const r = await get(siteUrl + name, accept);
                const h = r.headers;
                expect(r.status === 200 && h['content-type'] === type && h['content-encoding'] === coding && h.vary === 'Accept-Encoding',
                    `${name} asked with ${accept}: ${r.status} ${JSON.stringify(h)}`);
                expect(+h['content-length'] === r.body.length && unpack(r.body).equals(raw),
                    `${name} asked with ${accept}: ${r.body.length} bytes that do not unpack to the file`);
                if (coding) expect(r.body.length < raw.length * 0.9, `${name} as ${coding}: ${r.body.length} of ${raw.length} bytes`);
            }
        }
        const index = await get(siteUrl, 'br, gzip');
        expect(index.status === 200 && index.headers['cache-control'] === 'no-cache' && index.headers['content-encoding'] === 'br',
            `index.html as the folder's page: ${index.status} ${JSON.stringify(index.headers)}`);
    });

    // Every request of a page, and those that failed or were answered with an error.
    const watch = async (page) => {
        const seen = { urls: [], failed: [] };
        const off = browser.on((msg) => {
            if (msg.sessionId !== page.sessionId) return;
            const p = msg.params || {};
            if (msg.method === 'Network.requestWillBeSent') seen.urls.push(p.request.url);
            else if (msg.method === 'Network.loadingFailed') seen.failed.push(`${p.errorText} (${p.type})`);
            else if (msg.method === 'Network.responseReceived' && p.response.status >= 400)
                seen.failed.push(`${p.response.status} ${p.response.url}`);
        });
        await page.send('Network.enable');
        return { seen, off };
    };

    // The head, the same on both pages; the icon as the browser draws it at 64 pixels.
    const head = (page) => page.eval(`(async () => {
        const icon = document.querySelector('link[rel=icon]');
        const img = new Image();
        img.src = icon ? icon.href : '';
        const drawn = await img.decode().then(() => true, () => false);
        const c = Object.assign(document.createElement('canvas'), { width: 64, height: 64 });
        const ctx = c.getContext('2d');
        if (drawn) ctx.drawImage(img, 0, 0, 64, 64);
        const meta = document.querySelector('meta[name=description]');
        return { lang: document.documentElement.lang, description: meta ? meta.content : null,
            icon: icon ? icon.href.slice(0, 20) : null, drawn, pixels: Array.from(ctx.getImageData(0, 0, 64, 64).data) };
    })()`);
    const iconPng = existsSync(ICON) ? decodePng(readFileSync(ICON)) : null;
    const checkHead = (h, where) => {
        expect(h.lang === 'de', `${where}: <html lang="${h.lang}">`);
        expect(h.description && h.description.length >= 60 && /Lehrprogramm/.test(h.description),
            `${where}: the description ${JSON.stringify(h.description)}`);
        expect(h.icon && h.icon.startsWith('data:image/svg+xml') && h.drawn, `${where}: the icon ${h.icon}, drawn: ${h.drawn}`);
        expect(iconPng, `${where}: no ${ICON} to compare the icon with (cmake --build build --target metallo_dist)`);
        const wrong = [];
        for (let i = 0; i < 64 * 64; ++i) {
            const a = h.pixels.slice(i * 4, i * 4 + 4);
            const b = [...iconPng.data.slice(i * iconPng.channels, i * iconPng.channels + 4)];
            // Where either is clear, only the alpha counts.
            const same = a[3] === b[3] && (a[3] === 0 || a.slice(0, 3).every((v, k) => v === b[k]));
            if (!same) wrong.push(`${i % 64},${i >> 6}: ${a} against ${b}`);
        }
        expect(!wrong.length, `${where}: the icon differs from icongen's in ${wrong.length} pixels, first ${wrong[0]}`);
    };

    const page = await browser.newPage();
    await page.setViewport(800, 600);
    const mg = new Program(page);
    const { seen, off } = await watch(page);
    await mg.open(`${siteUrl}index.html?screen=800x600`);

    await step('the page as the browser loads it', async () => {
        // The page's own download, or its compiling worker's: one in all.
        const wasm = await page.eval(`performance.getEntriesByType('resource').filter((e) => e.name.endsWith('.wasm'))
            .map((e) => ({ encoded: e.encodedBodySize, decoded: e.decodedBodySize }))
            .concat(window.metallographie.timing.wasmDownload || [])`);
        expect(wasm.length === 1 && wasm[0].encoded < wasm[0].decoded * 0.9,
            `the browser's download of the .wasm: ${JSON.stringify(wasm)}`);
        checkHead(await head(page), 'index.html');
        await mg.settle();
        expect(!seen.failed.length, `failed requests: ${seen.failed.join(' | ')}`);
        expect(!seen.urls.some((u) => u.endsWith('/favicon.ico')), `the browser asked for /favicon.ico: ${seen.urls.join(' ')}`);
    });

    // The title window inactive and disabled below the overview: its caption and greyed menu
    // bar, and a greyed item in a pop-up.
    await step('the contrast of greyed text', async () => {
        await mg.menu('TFormHaupt', 'Programmstarten1');
        const colours = await page.eval(`(() => {
            const style = (el) => { const s = getComputedStyle(el); return [s.color, s.backgroundColor]; };
            const title = document.querySelector('section.mg-window[data-form="TFormHaupt"]');
            const popup = Object.assign(document.createElement('div'), { className: 'mg-popup', innerHTML:
                '<div class="mg-item" role="menuitem" aria-disabled="true">x</div>' });
            document.body.append(popup);
            const r = { active: title.classList.contains('mg-active'), disabled: title.classList.contains('mg-disabled'),
                caption: style(title.querySelector('.mg-caption')),
                menubar: [getComputedStyle(title.querySelector('.mg-menubar > .mg-item')).color, style(title.querySelector('.mg-menubar'))[1]],
                popup: [getComputedStyle(popup.firstChild).color, style(popup)[1]] };
            popup.remove();
            return r;
        })()`);
        expect(!colours.active && colours.disabled, `the title window below the overview: ${JSON.stringify(colours)}`);
        const rgb = (css) => (css.match(/[\d.]+/g) || []).slice(0, 3).map(Number);
        const luminance = (css) => {
            const [r, g, b] = rgb(css).map((v) => (v /= 255) <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4);
            return 0.2126 * r + 0.7152 * g + 0.0722 * b;
        };
        const low = [];
        for (const what of ['caption', 'menubar', 'popup']) {
            const [fg, bg] = colours[what].map(luminance);
            const ratio = (Math.max(fg, bg) + 0.05) / (Math.min(fg, bg) + 0.05);
            console.log(`contrast of the ${what}'s greyed text: ${ratio.toFixed(2)} (${colours[what].join(' on ')})`);
            if (!(ratio >= 4.5)) low.push(`${what} ${ratio.toFixed(2)}`);
        }
        expect(!low.length, `below 4.5:1: ${low.join(', ')}`);
    });

    await step('F10 and a letter in a pop-up', async () => {
        const focusedItem = () => page.eval(`(() => { const e = document.activeElement;
            return e && e.getAttribute('role') === 'menuitem' ? { item: e.dataset.item, bar: !!e.closest('.mg-menubar'),
                form: e.mgWin.state.cls } : null; })()`);
        const first = await page.eval(`document.querySelector('section.mg-window[data-form="TFormMetallo"] .mg-menubar > .mg-item').dataset.item`);
        await page.pressKey('F10');
        await mg.settle();
        const on = await focusedItem();
        expect(on && on.bar && on.form === 'TFormMetallo' && on.item === first, `after F10 the focus is on ${JSON.stringify(on)}`);
        await page.pressKey('F10');
        await mg.settle();
        expect((await focusedItem()) === null, 'a second F10 left the focus in the menu bar');

        // The overview's first menu underlines nothing: "Beenden", "Hintergrund blau",
        // "Hintergrund schwarz". H (two items) moves the highlight, B chooses; the chosen item
        // is noted, not carried out (it ends the program).
        await page.eval(`(() => { window.__menu = Module._mg_menu; Module._mg_menu = (id, index) => { window.__chosen = index; }; })()`);
        try {
            const captions = await page.eval(`[...document.querySelector('section.mg-window[data-form="TFormMetallo"] .mg-menubar > .mg-item')
                .mgItem.items].filter((i) => i.visible).map((i) => [i.caption, i.index])`);
            const index = (caption) => (captions.find(([c]) => c === caption) || [])[1];
            expect(index('Beenden') !== undefined && index('Hintergrund blau') !== undefined && captions.every(([c]) => !c.includes('&')),
                `the overview's first menu: ${JSON.stringify(captions)}`);
            await page.pressKey('F10');
            await page.pressKey('ArrowDown');
            await mg.settle();
            const seen = [];
            for (const letter of ['h', 'h', 'h', 'b']) {
                await page.pressKey(letter);
                await mg.settle();
                seen.push(await page.eval(`(() => { const e = document.activeElement;
                    return [e && e.closest('[role=menu]') ? e.textContent : null, window.__chosen ?? null,
                        document.querySelectorAll('[role=menu]').length]; })()`));
            }
            const want = [['Hintergrund blau', null, 1], ['Hintergrund schwarz', null, 1], ['Hintergrund blau', null, 1],
                [null, index('Beenden'), 0]];
            expect(JSON.stringify(seen) === JSON.stringify(want),
                `H, H, H, B in the pop-up (focused item, chosen index, menus open): ${JSON.stringify(seen)}, not ${JSON.stringify(want)}`);
        } finally {
            await page.eval('Module._mg_menu = window.__menu');
        }
    });

    off();
    report.check(page.errors.length === 0, `the page reported: ${page.errors.join(' | ')}`);
    await page.close();

    // A browser that makes no worker compiles the .wasm on the page's thread.
    await step('the page without a worker for the compiling', async () => {
        const plain = await browser.newPage();
        await plain.setViewport(800, 600);
        await plain.send('Page.addScriptToEvaluateOnNewDocument', { source: 'window.Worker = function () { throw new Error("kein Worker"); };' });
        await new Program(plain).open(`${siteUrl}index.html?screen=800x600`);
        const shown = await plain.eval(`!!document.querySelector('section.mg-window[data-form="TFormHaupt"]:not([hidden])')`);
        expect(shown, 'without a worker the page shows no title window');
        expect(!plain.errors.length, `without a worker the page reported: ${plain.errors.join(' | ')}`);
        await plain.close();
    });

    await step('the single file from file://', async () => {
        const single = await browser.newPage();
        const watched = await watch(single);
        await single.setViewport(800, 600);
        await new Program(single).open(`${pathToFileURL(SINGLE_FILE).href}#screen=800x600`);
        checkHead(await head(single), 'metallographie.html');
        const size = statSync(SINGLE_FILE).size;
        expect(size <= 3_500_000, `the single file has ${size} bytes, more than 3.5 MB`);
        const shown = await single.eval(`!!document.querySelector('section.mg-window[data-form="TFormHaupt"]:not([hidden])')`);
        expect(shown, 'the single file shows no title window');
        expect(!watched.seen.failed.length, `failed requests: ${watched.seen.failed.join(' | ')}`);
        expect(!single.errors.length, `the page reported: ${single.errors.join(' | ')}`);
        watched.off();
        await single.close();
    });
});
report.finish();
