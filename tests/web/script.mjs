// The page's script interface against the native program: the same script run through
// window.metallographie.script on a manual-clock page and by
// `metallographie --headless --screen WxH --script FILE` must print the same text, end
// with the same status and capture the same pixels; a wrong script is refused alike.
//
//   node tests/web/script.mjs [--native build/desktop/metallographie]
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { Report, ROOT, options, withSite } from './common.mjs';
import { decodeDataUrl, decodePng, firstDifference } from './png.mjs';
import { Program } from './mg.mjs';

// Windows, menus, time, a refused menu choice (the title window is disabled under the
// overview), the raster scan half-way, Esc, a capture of a hidden window and of the screen.
const SCRIPT = `forms
print TFormHaupt
menuinfo TFormHaupt
advance 700
capture TFormHaupt rings.png
advance 11000
menu TFormHaupt Programmstarten1
print TFormHaupt
print TFormMetallo
menu TFormHaupt Info1
menuinfo TFormMetallo
menu TFormMetallo StrahlengangbeimREM1
menu TFormREMRaster NeuStarten1
advance 777
capture TFormREMRaster raster.png
print TFormREMRaster
key TFormREMRaster esc
print TFormREMRaster
capture TFormREMRaster hidden.png
capture TFormMetallo overview.png
capture screen screen.png
`;
const CAPTURES = ['rings.png', 'raster.png', 'overview.png', 'screen.png'];
// A script with a wrong line runs nothing and says which line.
const WRONG = `print TFormHaupt
menu TFormHaupt KeinSolcherPunkt1
`;

const opt = options();
const native = resolve(opt.native || process.env.METALLO_NATIVE || join(ROOT, 'build', 'desktop', 'metallographie'));
const report = new Report('script interface against the native program');
if (!existsSync(native)) {
    report.fail(`no native program at ${native} (build it, or give --native PATH)`);
    report.finish();
    process.exit();
}

function runNative(screen, script) {
    const dir = mkdtempSync(join(tmpdir(), 'mg-native-'));
    try {
        writeFileSync(join(dir, 'script.txt'), script);
        const r = spawnSync(native, ['--headless', '--screen', screen, '--script', 'script.txt'], {
            cwd: dir, encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, timeout: 120000,
        });
        if (r.status === null) throw new Error(`${native} did not run to its end: ${r.error || r.signal}`);
        const captures = {};
        for (const name of CAPTURES) if (existsSync(join(dir, name))) captures[name] = decodePng(readFileSync(join(dir, name)));
        return { status: r.status, output: r.stdout, error: r.stderr, captures };
    } finally {
        rmSync(dir, { recursive: true, force: true });
    }
}

function firstLineDifference(a, b) {
    const la = a.split('\n'), lb = b.split('\n');
    for (let i = 0; i < Math.max(la.length, lb.length); ++i)
        if (la[i] !== lb[i]) return `line ${i + 1}: native ${JSON.stringify(la[i])}, page ${JSON.stringify(lb[i])}`;
    return '';
}

await withSite(async (browser, siteUrl) => {
    const page = await browser.newPage();
    const mg = new Program(page);
    for (const screen of ['800x600', '1024x768']) {
        const want = runNative(screen, SCRIPT);
        report.check(want.status === 0 && want.output.includes('TFormREMRaster') && Object.keys(want.captures).length === CAPTURES.length,
            `${screen}: the native run itself is not as expected (status ${want.status}, ` +
            `captures ${Object.keys(want.captures).join(' ')})`);
        const [w, h] = screen.split('x').map(Number);
        await page.setViewport(w, h);
        await mg.open(`${siteUrl}index.html?screen=${screen}&clock=manual`);
        const got = await mg.script(SCRIPT);
        if (!report.check(got && typeof got.output === 'string', `${screen}: script() answered ${JSON.stringify(got).slice(0, 300)}`)) continue;
        report.check(got.status === want.status, `${screen}: status ${got.status}, native ${want.status}`);
        report.check(got.output === want.output, `${screen}: output differs, ${firstLineDifference(want.output, got.output)}`);
        const names = Object.keys(got.captures || {}).sort();
        report.check(names.join(' ') === Object.keys(want.captures).sort().join(' '),
            `${screen}: captures ${names.join(' ') || 'none'}, native ${Object.keys(want.captures).sort().join(' ')}`);
        for (const name of CAPTURES) {
            if (!got.captures || !got.captures[name] || !want.captures[name]) continue;
            let pic;
            try {
                pic = decodeDataUrl(got.captures[name]);
            } catch (e) {
                report.fail(`${screen}: capture ${name}: ${e.message}`);
                continue;
            }
            const d = firstDifference(want.captures[name], pic);
            report.check(!d, `${screen}: capture ${name} differs from the native one: ` + (d && (d.size ||
                `${d.count} pixels, the first at ${d.x},${d.y}: native #${d.a}, page #${d.b}`)));
        }
        const wrongWant = runNative(screen, WRONG);
        const wrongGot = await mg.script(WRONG);
        report.check(wrongWant.status === 2 && wrongWant.output === '' && /^line 2: /.test(wrongWant.error),
            `${screen}: the native program on a wrong script: status ${wrongWant.status}, ${JSON.stringify(wrongWant.error)}`);
        report.check(wrongGot.status === wrongWant.status && wrongGot.output === wrongWant.output,
            `${screen}: a wrong script: status ${wrongGot.status}, output ${JSON.stringify(wrongGot.output)}; ` +
            `native ${wrongWant.status}, ${JSON.stringify(wrongWant.output)}`);
        if (wrongGot.error !== undefined)
            report.check(wrongGot.error === wrongWant.error, `${screen}: a wrong script's message ${JSON.stringify(wrongGot.error)}, ` +
                `native ${JSON.stringify(wrongWant.error)}`);
        report.check(page.errors.length === 0, `${screen}: the page reported ${page.errors.join(' | ')}`);
        page.errors.length = 0;
    }
    await page.close();
});
report.finish();
