// The page on its live clock, as a user meets it: the first paint, the title animation
// at its nominal pace, Alt+letter, a modal window that disables the one below it (a real
// click there changes nothing), an animation running, Esc back to the title, no error in
// the console; and the single-file page opened from disk.
//
//   node tests/web/live.mjs
import { existsSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { Report, SINGLE_FILE, options, withSite, PAINT_PROBE } from './common.mjs';
import { pageChecksumExpression } from './checksum.mjs';
import { Program, StepError } from './mg.mjs';

const SCREEN = '800x600';
const [W, H] = SCREEN.split('x').map(Number);
const report = new Report('live clock');
options();


// In the page: waits until the window's picture has the given checksum, looking on every
// animation frame; resolves with that moment (performance.now()) or 0 after limitMs.
function waitForPicture(form, sum, limitMs) {
    // eslint-disable-next-line no-undef
    const checksum = CHECKSUM;
    return new Promise((resolve) => {
        const t0 = performance.now();
        function look(now) {
            const r = checksum(form);
            if (r.sum === sum) resolve(now);
            else if (now - t0 > limitMs) resolve(0);
            else requestAnimationFrame(look);
        }
        requestAnimationFrame(look);
    });
}

async function checksum(mg, form) {
    const r = await mg.page.eval(pageChecksumExpression(form));
    if (r.error) throw new StepError(r.error);
    return r.sum;
}

async function step(what, fn) {
    try {
        return await fn();
    } catch (e) {
        report.fail(`${what}: ${e instanceof StepError ? e.message : e.stack || e}`);
        return undefined;
    }
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// In the page from its first moment: counts the timer tasks that run while the program
// starts (from the page's start of it until its start-up time is known).
const START_PROBE = `(() => {
    window.__mgStartTicks = 0;
    const tick = () => {
        const t = window.metallographie && window.metallographie.timing;
        if (t && t.startUp > 0) return;
        if (t && t.navigationToRuntime > 0) ++window.__mgStartTicks;
        setTimeout(tick, 0);
    };
    setTimeout(tick, 0);
})();`;

await withSite(async (browser, siteUrl) => {
    const page = await browser.newPage();
    await page.setViewport(W, H);
    const mg = new Program(page);

    // The title animation on the manual clock: when does it reach its last picture?
    await mg.open(`${siteUrl}index.html?screen=${SCREEN}&clock=manual`);
    const STEP = 10;
    let nominal = 0, last = '';
    const before = await checksum(mg, 'TFormHaupt');
    for (let t = STEP; t <= 20000; t += STEP) {
        await mg.advance(STEP);
        const sum = await checksum(mg, 'TFormHaupt');
        if (sum !== last) nominal = t;
        last = sum;
        if (t - nominal >= 1500) break;
    }
    const endSum = last;
    report.check(nominal >= 200 && endSum !== before, `the title animation on the manual clock: last change at ${nominal} ms`);
    page.errors.length = 0;

    // The live page.
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: PAINT_PROBE });
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: START_PROBE });
    await mg.open(`${siteUrl}index.html?screen=${SCREEN}`);
    const t = await page.eval('({ probe: window.__mgProbe.firstPaint, page: window.metallographie.timing || null })');
    console.log(`first canvas paint ${Math.round(t.probe)} ms after navigation` +
        (t.page ? ` (the page's own count: ${Math.round(t.page.firstPaint)} ms, start-up ${Math.round(t.page.startUp)} ms)` : ''));
    report.check(t.probe > 0 && t.probe < 5000, `first canvas paint after ${Math.round(t.probe)} ms`);
    const ticks = await page.eval('window.__mgStartTicks');
    report.check(t.page && t.page.slices > 1 && ticks > 1,
        `the start-up gives the browser the thread back: ${ticks} timer tasks ran during its ${t.page ? t.page.slices : 0} slices` +
        (t.page ? ` (the longest ${Math.round(t.page.longestSlice)} ms)` : ''));

    await step('title animation pace', async () => {
        const startedAt = t.page ? t.page.navigationToRuntime : 0;
        const seen = await page.eval(`(() => { const CHECKSUM = (form) => ${pageChecksumExpression('__F__').replace('"__F__"', 'form')};
            return (${waitForPicture.toString()})('TFormHaupt', ${JSON.stringify(endSum)}, 25000); })()`, { timeoutMs: 40000 });
        if (!seen) throw new StepError(`the title window never showed its last picture (${endSum}) within 25 s`);
        const live = seen - startedAt;
        console.log(`title animation: last picture after ${Math.round(live)} ms on the live clock, ${nominal} ms on the manual one`);
        // A few frames either way is fine; a clock that runs slow or fast, or catches up
        // in a burst, is not.
        const slack = Math.max(150, nominal * 0.1);
        if (Math.abs(live - nominal) > slack)
            throw new StepError(`the title animation took ${Math.round(live)} ms, nominal ${nominal} ms (± ${Math.round(slack)} ms)`);
    });

    await step('Alt+P in the title window', async () => {
        await page.altLetter('p');
        await mg.settle();
        const overview = await mg.formState('TFormMetallo');
        if (!overview || overview.hidden || !overview.active)
            throw new StepError(`the overview is not shown and active after Alt+P: ${JSON.stringify(overview)}`);
        const title = await mg.formState('TFormHaupt');
        if (!title.disabled) throw new StepError('the title window lacks mg-disabled while the overview is up');
    });

    await step('Alt+letter opens a menu of the overview', async () => {
        const letter = await page.eval(`(() => { const u = document.querySelector(
            'section.mg-window[data-form="TFormMetallo"] [role=menubar] [data-item="Rasterelektronenmikroskop1"] u');
            return u ? u.textContent : null; })()`);
        if (!letter) throw new StepError('the menu item Rasterelektronenmikroskop1 has no underlined letter');
        await page.altLetter(letter);
        await mg.settle();
        const shown = await page.eval(`[...document.querySelectorAll('[role=menu][data-form="TFormMetallo"] [role=menuitem]')]
            .map((e) => e.dataset.item)`);
        if (!shown.includes('StrahlengangbeimREM1'))
            throw new StepError(`Alt+${letter} shows no pop-up with StrahlengangbeimREM1 (items shown: ${shown.join(' ') || 'none'})`);
        await mg.clickSelector('[role=menu] [role=menuitem][data-item="StrahlengangbeimREM1"]', 0, 'StrahlengangbeimREM1');
        await mg.settle();
        const raster = await mg.formState('TFormREMRaster');
        if (!raster || raster.hidden || !raster.active) throw new StepError('the raster scan window did not open from the pop-up');
    });

    await step('the raster scan animates', async () => {
        await mg.menu('TFormREMRaster', 'NeuStarten1');
        const sums = new Set();
        for (let i = 0; i < 8; ++i) {
            sums.add(await checksum(mg, 'TFormREMRaster'));
            await sleep(150);
        }
        if (sums.size < 4) throw new StepError(`only ${sums.size} different pictures in 8 looks over 1.2 s`);
    });

    await step('Esc back to the title', async () => {
        // The focus a mouse-chosen menu item leaves behind must not swallow Esc.
        await mg.escape('TFormREMRaster');
        await mg.escape('TFormMetallo');
        const title = await mg.formState('TFormHaupt');
        if (!title.active || title.disabled) throw new StepError(`the title window is not active and enabled again: ${JSON.stringify(title)}`);
    });

    await step('a modal window disables the one below it', async () => {
        // Whatever the steps before left behind: start again from a fresh page.
        await mg.open(`${siteUrl}index.html?screen=${SCREEN}`);
        await mg.menu('TFormHaupt', 'Programmstarten1');
        await mg.menu('TFormMetallo', 'SEDetektor1');
        await mg.menu('TFormREMSE', 'Wechselwirkung1');
        await mg.settle();
        const below = await mg.formState('TFormREMSE');
        const modal = await mg.formState('TFormREMEWK');
        if (!below.disabled || !modal || modal.hidden || !modal.active)
            throw new StepError(`TFormREMSE ${JSON.stringify(below)}, TFormREMEWK ${JSON.stringify(modal)}`);
        const picture = await checksum(mg, 'TFormREMSE');
        // A click into its picture and a click on the menu item that starts its animation.
        const p = await page.call((x, y) => {
            const c = document.querySelector('section.mg-window[data-form="TFormREMSE"] canvas.mg-client');
            const r = c.getBoundingClientRect();
            return { x: r.left + (x + 0.5) * r.width / c.width, y: r.top + (y + 0.5) * r.height / c.height };
        }, 100, 300);
        await page.click(p.x, p.y);
        await mg.settle();
        const item = await page.eval(`(() => { const e = document.querySelector(
            'section.mg-window[data-form="TFormREMSE"] [role=menubar] [data-item="Lichtquelleanschalten1"]');
            const r = e.getBoundingClientRect(); return { x: r.left + r.width / 2, y: r.top + r.height / 2 }; })()`);
        await page.click(item.x, item.y);
        await sleep(600);
        const after = await mg.formState('TFormREMSE');
        const modalAfter = await mg.formState('TFormREMEWK');
        if (!after.disabled || after.active || !modalAfter.active)
            throw new StepError(`after the clicks: TFormREMSE ${JSON.stringify(after)}, TFormREMEWK ${JSON.stringify(modalAfter)}`);
        if ((await checksum(mg, 'TFormREMSE')) !== picture) throw new StepError('the disabled window\'s picture changed after the clicks');
        const popups = await page.eval(`document.querySelectorAll('[role=menu]').length`);
        if (popups) throw new StepError('a click on the disabled window\'s menu opened a pop-up');
    });

    // Clicks reach the pixel they aim at: just inside and just outside each edge of the
    // upper picture of a two-picture window (it opens the first picture page), also on a
    // display with two device pixels per CSS pixel.
    await step('clicks at the edges of a picture', async () => {
        const probes = [[399, 150, false], [400, 150, true], [719, 150, true], [720, 150, false],
            [500, 49, false], [500, 50, true], [500, 249, true], [500, 250, false]];
        const wrong = [];
        for (const scale of [1, 2]) {
            await page.setViewport(W, H, scale);
            for (const [x, y, opens] of probes) {
                await mg.open(`${siteUrl}index.html?screen=${SCREEN}&clock=manual`);
                const r = await mg.script('menu TFormHaupt Programmstarten1\nmenu TFormMetallo KorrosionimunlegiertenStahl1');
                if (r.status !== 0 || r.output) throw new StepError(`opening TFormMakroSt1: ${JSON.stringify(r)}`);
                await mg.clickClient('TFormMakroSt1', x, y);
                const page2 = await mg.formState('TFormMakroSt2');
                // A window never shown has no section yet.
                const shown = !!page2 && !page2.hidden;
                if (shown !== opens) wrong.push(`${x},${y} ${opens ? 'opens nothing' : 'opens the page'} at ${scale}x`);
            }
        }
        await page.setViewport(W, H);
        if (wrong.length) throw new StepError(`clicks on TFormMakroSt1's Image1 (400,50)-(720,250): ${wrong.join('; ')}`);
    });

    report.check(page.errors.length === 0, `the page reported: ${page.errors.join(' | ')}`);
    await page.close();

    // The single file from disk: no server, everything inlined.
    await step('the single-file page from file://', async () => {
        if (!existsSync(SINGLE_FILE)) throw new StepError(`no ${SINGLE_FILE}`);
        const single = await browser.newPage();
        await single.setViewport(W, H);
        const one = new Program(single);
        await one.open(`${pathToFileURL(SINGLE_FILE).href}#screen=${SCREEN}`);
        const r = await single.eval(`(() => { const c = document.querySelector('section.mg-window[data-form="TFormHaupt"] canvas.mg-client');
            if (!c) return null;
            const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            const colours = new Set();
            for (let i = 0; i < d.length && colours.size < 50; i += 4 * 97) colours.add((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]);
            return { width: c.width, height: c.height, colours: colours.size, alpha: d[3] }; })()`);
        if (!r || r.colours < 10 || r.alpha !== 255) throw new StepError(`the title window's canvas: ${JSON.stringify(r)}`);
        if (single.errors.length) throw new StepError(`the page reported: ${single.errors.join(' | ')}`);
        await single.close();
    });
});
report.finish();
