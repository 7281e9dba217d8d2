// The program on a phone (390 x 844 CSS pixels, 3 display pixels each) and a tablet
// (768 x 1024, 2 each), both upright with a finger: a landscape screen in display
// pixels, every window inside the viewport, the pictures of windows as large as the
// screen allows them the same as on a 1024 x 768 screen (so the text pages' lines and
// photographs stand where they stand there), a tap on the close box (and beside it, in its
// hit area) closes. Then the keyboard alone, from a fresh start: every window of the
// program's opener table, reached with F10, the arrows, Tab, Enter and Esc.
//
//   node tests/web/devices.mjs [--native build/desktop/metallographie]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fnv1a } from './checksum.mjs';
import { ROOT, Report, options, withSite } from './common.mjs';
import { Program, StepError, steps } from './mg.mjs';
import { decodePng } from './png.mjs';

const report = new Report('phones, tablets and the keyboard');
const opts = options();
const native = typeof opts.native === 'string' ? resolve(opts.native) : join(ROOT, 'build', 'desktop', 'metallographie');
const { step, expect } = steps(report);

const DEVICES = [
    { name: 'phone', width: 390, height: 844, dpr: 3 },
    { name: 'tablet', width: 768, height: 1024, dpr: 2 },
];

// The program's own table of how each window is opened from the window before it: its
// steps ("menu OPENER ITEM", "clickon OPENER PICTURE", "wait MS"), separated by ";".
const table = [...readFileSync(join(ROOT, 'app', 'OpenPath.cpp'), 'utf8').matchAll(/\{"(TForm\w+)", "([^"]*)"\}/g)];
const entries = table.map(([, form, how]) => {
    const steps = how.split(';').map((step) => step.trim().split(/\s+/));
    return { form, steps, opener: steps.at(-1)[1], picture: steps.at(-1)[0] === 'clickon' };
});

// The client picture of a window on a 1024 x 768 screen, as the native program draws it.
const nativeSums = new Map();
function nativeSum(form) {
    if (nativeSums.has(form)) return nativeSums.get(form);
    const dir = mkdtempSync(join(tmpdir(), 'mg-devices-'));
    try {
        const r = spawnSync(native, ['--headless', '--screen', '1024x768', '--open', form, '--script', '-'], {
            cwd: dir, input: `capture ${form} c.png\n`, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, timeout: 60000,
        });
        if (r.status !== 0) throw new StepError(`${native} --open ${form}: status ${r.status} ${r.stderr}`);
        const png = decodePng(readFileSync(join(dir, 'c.png')));
        const sum = { sum: fnv1a(png.width, png.height, png.data, png.channels), width: png.width, height: png.height };
        nativeSums.set(form, sum);
        return sum;
    } finally {
        rmSync(dir, { recursive: true, force: true });
    }
}

// Runs in the page: the shown windows (rectangles in CSS pixels), the active one, where the
// focus is, what the live region said, the screen's size.
function look() {
    const wins = [...document.querySelectorAll('section.mg-window')].filter((s) => !s.hidden).map((s) => {
        const r = s.getBoundingClientRect();
        return { form: s.dataset.form, active: s.classList.contains('mg-active'), inert: s.inert,
            rect: [r.left, r.top, r.right, r.bottom], caption: s.querySelector('.mg-title').textContent,
            client: [s.querySelector('canvas').width, s.querySelector('canvas').height],
            textPage: !!s.mgWin && s.mgWin.state.text.length > 0 };
    });
    const focused = document.activeElement && document.activeElement.closest && document.activeElement.closest('section.mg-window');
    const screen = document.getElementById('mg-screen');
    return { wins, focus: focused ? focused.dataset.form : null, live: document.getElementById('mg-live').textContent,
        screen: [parseFloat(screen.style.width), parseFloat(screen.style.height)],
        viewport: [document.documentElement.clientWidth, document.documentElement.clientHeight] };
}

// Runs in the page: the program's control that has the browser's focus (its mirror), if any.
function focusedControl() {
    const e = document.activeElement;
    return e && e.dataset ? e.dataset.control || null : null;
}

// Runs in the page: the key path to a menu item of a window, as indexes among the shown
// items of each level ([top, in its pop-up, in a sub-menu ...]), or null.
function menuPath(form, name) {
    const sec = document.querySelector(`section.mg-window[data-form="${form}"]`);
    const search = (items) => {
        const shown = items.filter((i) => i.visible);
        for (let k = 0; k < shown.length; ++k) {
            if (shown[k].name === name) return [k];
            const inner = search(shown[k].items);
            if (inner) return [k, ...inner];
        }
        return null;
    };
    return sec ? search([...sec.querySelectorAll('.mg-menubar > .mg-item')].map((e) => e.mgItem)) : null;
}

function outside(win, viewport) {
    const [l, t, r, b] = win.rect;
    return l < -0.5 || t < -0.5 || r > viewport[0] + 0.5 || b > viewport[1] + 0.5;
}

await withSite(async (browser, siteUrl) => {
    for (const device of DEVICES) {
        const page = await browser.newPage();
        await page.send('Emulation.setDeviceMetricsOverride',
            { width: device.width, height: device.height, deviceScaleFactor: device.dpr, mobile: true });
        await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
        const mg = new Program(page);
        await mg.open(`${siteUrl}index.html?clock=manual`);
        const where = `${device.name} ${device.width}x${device.height}@${device.dpr}`;

        await step(`${where}: the screen`, async () => {
            const l = await page.call(look);
            const [w, h] = l.screen;
            expect(w / h >= 4 / 3 - 1e-3 && w / h <= 16 / 9 + 1e-3, `a screen of ${w}x${h}, not landscape between 4:3 and 16:9`);
            expect(w === Math.floor(device.width * device.dpr), `a screen ${w} wide, not the viewport's ${device.width} CSS pixels times ${device.dpr}`);
            const meta = await page.eval(`document.querySelector('meta[name=viewport]').content`);
            expect(!/user-scalable\s*=\s*(no|0)|maximum-scale/.test(meta), `the viewport forbids zooming: ${meta}`);
        });

        // The hint to turn the device: on the phone once (closed by its button, not shown
        // after a reload), never on the tablet.
        await step(`${where}: the hint to turn it`, async () => {
            const hint = () => page.eval(`(() => { const h = document.getElementById('mg-hint'); return h ? h.textContent : null; })()`);
            const first = await hint();
            if (device.name === 'tablet') return expect(first === null, `the tablet shows the hint "${first}"`);
            expect(first && /quer/i.test(first), `the phone shows no hint to turn it: ${first}`);
            await mg.clickSelector('#mg-hint button', 0, 'the hint\'s close button');
            expect((await hint()) === null, 'the hint is still there after its close button');
            await mg.open(`${siteUrl}index.html?clock=manual`);
            expect((await hint()) === null, 'the hint shows again after a reload');
        });

        // The walk: open every window of the opener table by keys, from its opener; look at it;
        // walk on from it; close it with Esc.
        const reached = new Set(), textPages = new Set();
        const problems = [];
        const children = (opener) => {
            const list = entries.filter((e) => e.opener === opener);
            // Windows that open none first: a window that opens others may not close by Esc.
            const opens = (e) => entries.some((x) => x.opener === e.form);
            return [...list.filter((e) => !opens(e)), ...list.filter(opens)];
        };
        // A menu item by F10, the arrows and Enter; a picture by Tab and Enter; time passes.
        const byKeys = async ([kind, form, what]) => {
            if (kind === 'wait') return mg.advance(+form);
            if (kind === 'clickon') {
                for (let tabs = 0; tabs < 40 && (await page.call(focusedControl)) !== what; ++tabs) {
                    await page.pressKey('Tab');
                    await mg.settle();
                }
                if ((await page.call(focusedControl)) !== what) return `Tab never reaches ${form}'s ${what}`;
            } else {
                const path = await page.call(menuPath, form, what);
                if (!path) return `${what} not in ${form}'s menus`;
                await page.pressKey('F10');
                for (let i = 0; i < path[0]; ++i) await page.pressKey('ArrowRight');
                for (let level = 1; level < path.length; ++level) {
                    await page.pressKey(level === 1 ? 'Enter' : 'ArrowRight');
                    for (let i = 0; i < path[level]; ++i) await page.pressKey('ArrowDown');
                }
            }
            await page.pressKey('Enter');
            await mg.settle();
            await mg.settle();
            return '';
        };
        const openByKeys = async ({ form, steps }) => {
            for (const s of steps) {
                const problem = await byKeys(s);
                if (problem) return `${form}: ${problem}`;
            }
            const l = await page.call(look);
            const win = l.wins.find((x) => x.form === form);
            if (!win || !win.active) return `${form}: not shown and active after ${steps.map((s) => s.join(' ')).join('; ')} by keys`;
            const wrong = [];
            if (outside(win, l.viewport)) wrong.push(`stands outside the viewport: ${win.rect.map(Math.round)}`);
            if (l.focus !== form) wrong.push(`the focus is in ${l.focus}`);
            if (l.live !== `Fenster geöffnet: ${win.caption}`) wrong.push(`the live region says "${l.live}"`);
            const live = l.wins.filter((x) => x.form !== form && !x.inert).map((x) => x.form);
            if (live.length) wrong.push(`not inert: ${live.join(' ')}`);
            // A text page lies out as on a 1024 x 768 screen: the same picture there.
            if (win.textPage) {
                const want = nativeSum(form), got = await mg.checksum(form);
                if (got.sum !== want.sum || got.width !== want.width || got.height !== want.height)
                    wrong.push(`its text page differs from the native one at 1024x768 (${got.width}x${got.height} ${got.sum}, ` +
                        `${want.width}x${want.height} ${want.sum})`);
                textPages.add(form);
            }
            reached.add(form);
            return wrong.length ? `${form}: ${wrong.join('; ')}` : '';
        };
        const walk = async (opener, last) => {
            const list = children(opener);
            for (const [i, entry] of list.entries()) {
                const problem = await openByKeys(entry);
                if (problem) problems.push(problem);
                if (!reached.has(entry.form)) continue;
                await walk(entry.form, last && i === list.length - 1);
                if (last && i === list.length - 1) break;
                await page.escape();
                await mg.settle();
                const l = await page.call(look);
                const back = l.wins.find((x) => x.active);
                if (l.wins.some((x) => x.form === entry.form) || !back || back.form !== opener)
                    problems.push(`${entry.form}: Esc left ${back ? back.form : 'no window'} active, not ${opener}`);
            }
        };

        await step(`${where}: every window, by keys alone`, async () => {
            const root = (await page.call(look)).wins.find((x) => x.active);
            expect(root, 'no active window at the start');
            await walk(root.form, true);
            const missing = entries.map((e) => e.form).filter((f) => !reached.has(f));
            expect(textPages.size > 0, 'no text page among the windows (state.text with lines)');
            expect(!missing.length && !problems.length,
                `${reached.size} of ${entries.length} reached; not reached: ${missing.join(' ') || 'none'}; ${problems.join(' | ')}`);
            const pictures = entries.filter((e) => e.picture && reached.has(e.form)).length;
            console.log(`${where}: ${reached.size} windows by keys (${pictures} of them by a picture), ` +
                `${textPages.size} text pages as at 1024x768`);
        });

        await step(`${where}: a tap on the close box and one beside it close`, async () => {
            for (const [form, aside] of [['TFormLM45C1', false], ['TFormREMRaster', true]]) {
                await mg.open(`${siteUrl}index.html?clock=manual&open=${form}`);
                const box = await page.eval(`(() => { const s = document.querySelector('section.mg-window[data-form="${form}"]');
                    const c = s.querySelector('.mg-close').getBoundingClientRect(), r = s.getBoundingClientRect();
                    return { close: [c.left, c.top, c.right, c.bottom], win: [r.left, r.top, r.right, r.bottom] }; })()`);
                // Beside it: 40 CSS pixels in from the window's top right corner, over the
                // menu bar and the picture; the close box itself is far smaller.
                const [x, y] = aside ? [box.win[2] - 40, box.win[1] + 40] : [(box.close[0] + box.close[2]) / 2, (box.close[1] + box.close[3]) / 2];
                expect(!aside || x < box.close[0] - 20, `the close box is ${Math.round(box.close[2] - box.close[0])} CSS pixels wide`);
                await page.tap(x, y);
                await mg.settle();
                const state = await mg.formState(form);
                expect(state && state.hidden, `${form} still shown after a tap at ${x.toFixed(1)},${y.toFixed(1)} ` +
                    `(close box ${box.close.map(Math.round)})`);
            }
        });

        report.check(page.errors.length === 0, `${where}: the page reported: ${page.errors.join(' | ')}`);
        await page.close();
    }
});
report.finish();
