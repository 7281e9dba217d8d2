// Figures of the browser version in headless Chromium (printed, never failing):
// first canvas paint after navigation over http, start-up of the windows, frame pacing
// while the raster scan animates, the electron-beam lab's electrons per second, the size of
// the .wasm file.
//
//   node tests/web/bench.mjs [--runs 5] [--screen 1024x768] [--seconds 5]
import { readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { SINGLE_FILE, SITE, options, withSite, PAINT_PROBE } from './common.mjs';
import { Program } from './mg.mjs';

const opt = options();
const runs = Number(opt.runs || 5);
const screen = String(opt.screen || '1024x768');
const seconds = Number(opt.seconds || 5);
const [W, H] = screen.split('x').map(Number);


const median = (xs) => {
    const s = [...xs].sort((a, b) => a - b);
    return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const ms = (v) => `${Math.round(v)} ms`;
const list = (xs) => xs.map((x) => Math.round(x)).join(', ');

const wasm = join(SITE, 'metallographie.wasm');
const raw = statSync(wasm).size;
const gz = gzipSync(readFileSync(wasm), { level: 9 }).length;
console.log(`.wasm: ${(raw / 1e6).toFixed(2)} MB, gzipped ${(gz / 1e6).toFixed(2)} MB (${raw} and ${gz} bytes)`);
try {
    console.log(`single file: ${(statSync(SINGLE_FILE).size / 1e6).toFixed(2)} MB`);
} catch {
    console.log('single file: not built');
}

await withSite(async (browser, siteUrl) => {
    const page = await browser.newPage();
    await page.setViewport(W, H);
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: PAINT_PROBE });
    await page.send('Network.enable');
    const mg = new Program(page);
    for (const cache of [false, true]) {
        // Without the cache every load fetches and compiles the .wasm again, as a first visit does.
        await page.send('Network.setCacheDisabled', { cacheDisabled: !cache });
        const paint = [], start = [], ready = [], slice = [];
        for (let i = 0; i < runs; ++i) {
            await mg.open(`${siteUrl}index.html?screen=${screen}`);
            const t = await page.eval(`({ probe: window.__mgProbe.firstPaint, ready: performance.now(),
                page: window.metallographie.timing || null })`);
            paint.push(t.probe);
            ready.push(t.ready);
            if (t.page) start.push(t.page.startUp);
            if (t.page && typeof t.page.longestSlice === 'number') slice.push(t.page.longestSlice);
        }
        const how = cache ? 'with the browser cache' : 'without the browser cache';
        console.log(`first canvas paint after navigation (${how}, ${screen}): median ${ms(median(paint))} of ${list(paint)}`);
        if (start.length) console.log(`  start-up (its slices with the browser's work between them): median ${ms(median(start))} of ${list(start)}`);
        if (slice.length) console.log(`  the longest slice of the start-up: median ${ms(median(slice))} of ${list(slice)}`);
        console.log(`  navigation to ready answered: median ${ms(median(ready))}`);
    }

    // Frame pacing: animation frames while the raster scan runs.
    await page.send('Network.setCacheDisabled', { cacheDisabled: false });
    await mg.open(`${siteUrl}index.html?screen=${screen}`);
    await mg.menu('TFormHaupt', 'Programmstarten1');
    await mg.menu('TFormMetallo', 'StrahlengangbeimREM1');
    await mg.menu('TFormREMRaster', 'NeuStarten1');
    const f = await page.eval(`new Promise((resolve) => {
        const gaps = [];
        let last = 0;
        const t0 = performance.now();
        function frame(now) {
            if (last) gaps.push(now - last);
            last = now;
            if (now - t0 < ${seconds * 1000}) requestAnimationFrame(frame);
            else resolve(gaps);
        }
        requestAnimationFrame(frame);
    })`, { timeoutMs: (seconds + 30) * 1000 });
    const longest = Math.max(...f);
    const over = f.filter((g) => g > 20).length;
    const mean = f.reduce((a, b) => a + b, 0) / f.length;
    console.log(`frames during the raster scan (${seconds} s, ${screen}): ${f.length} frames, mean ${mean.toFixed(1)} ms, ` +
        `longest ${longest.toFixed(1)} ms, ${over} over 20 ms, median ${median(f).toFixed(1)} ms`);

    // The Monte Carlo simulation: iron at 20 kV, 20 000 electrons computed by the timer's slices in
    // one script call (virtual time), timed by the page's clock.
    await mg.open(`${siteUrl}index.html?screen=${screen}`);
    const lab = await page.eval(`(() => {
        const mg = window.metallographie;
        mg.script('menu TFormHaupt Programmstarten1\\nmenu TFormMetallo LabMC1\\n' +
                  'set TFormLabMC EditElektronen 20000\\npress TFormLabMC ButtonStart');
        const t0 = performance.now();
        mg.script('advance 600000');
        const t1 = performance.now();
        const v = mg.script('values TFormLabMC').output;
        const t2 = performance.now();
        mg.script('menu TFormMetallo LabEDX1\\npress TFormLabEDX ButtonStart\\nadvance 10000');
        const t3 = performance.now();
        return { ms: t1 - t0, values: v, edxMs: t3 - t2 };
    })()`, { timeoutMs: 300000 });
    const electrons = Number((/elektronen\t(\d+)/.exec(lab.values) || [])[1] || 0);
    console.log(`electron-beam lab: ${electrons} electrons (Fe, 20 kV) in ${ms(lab.ms)}: ` +
        `${Math.round(electrons / (lab.ms / 1000))} electrons/s; a 60 s EDX spectrum in ${ms(lab.edxMs)}`);

    // The virtual light microscope: a new field of the window for every objective (the script
    // call that changes the objective renders it), and one step of a drag.
    const micro = await page.eval(`(() => {
        const mg = window.metallographie;
        mg.script('menu TFormMetallo LabLicht1');
        const times = [];
        for (let k = 0; k < 5; ++k) {
            mg.script('set TFormLabLicht ComboBoxProbe 0');
            const t0 = performance.now();
            mg.script('set TFormLabLicht ComboBoxObjektiv ' + k);
            times.push(performance.now() - t0);
        }
        mg.script('set TFormLabLicht ComboBoxProbe 4\\nset TFormLabLicht ComboBoxObjektiv 0');
        const t1 = performance.now();
        mg.script('set TFormLabLicht ComboBoxObjektiv 1');
        const martensite = performance.now() - t1;
        return { times, martensite };
    })()`, { timeoutMs: 120000 });
    console.log(`microscope: a new field of the window (584x438), carbon steel 5x..100x: ${list(micro.times)} ms; ` +
        `martensite 10x: ${ms(micro.martensite)}`);
    if (page.errors.length) console.log(`the page reported: ${page.errors.join(' | ')}`);
    await page.close();
});
