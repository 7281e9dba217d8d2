// The page's script interface against the native program: the same script run through
// window.metallographie.script on a manual-clock page and by
// `metallographie --headless --screen WxH --script FILE` must print the same text, end
// with the same status and capture the same pixels; a wrong script is refused alike.
// Then what used to stop the page: texts up to and beyond the program's 4 MiB, output far
// beyond what one answer holds, names a capture must refuse, a call before start-up.
//
//   node tests/web/script.mjs [--native build/desktop/metallographie]
import { spawnSync } from 'node:child_process';
import { closeSync, existsSync, mkdtempSync, openSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
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

const LIMIT = 4 * 1024 * 1024; // the program's longest script, and the most output one answer holds
const timings = [];
const opt = options();
const native = resolve(opt.native || process.env.METALLO_NATIVE || join(ROOT, 'build', 'desktop', 'metallographie'));
const report = new Report('script interface against the native program');
if (!existsSync(native)) {
    report.fail(`no native program at ${native} (build it, or give --native PATH)`);
    report.finish();
    process.exit();
}

// The native run of a script from a file; { stdin: true } feeds it to standard input
// (as the page's text counts), { keep: N } keeps N bytes of its output (from a file).
function runNative(screen, script, { stdin = false, keep = 0, captures: names = CAPTURES } = {}) {
    const dir = mkdtempSync(join(tmpdir(), 'mg-native-'));
    try {
        writeFileSync(join(dir, 'script.txt'), script);
        const out = keep ? openSync(join(dir, 'out.txt'), 'w') : 'pipe';
        let r;
        try {
            r = spawnSync(native, ['--headless', '--screen', screen, '--script', stdin ? '-' : 'script.txt'], {
                cwd: dir, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, timeout: 120000,
                input: stdin ? script : '', stdio: ['pipe', out, 'pipe'], maxBuffer: 64 << 20,
            });
        } finally {
            if (keep) closeSync(out);
        }
        if (r.status === null) throw new Error(`${native} did not run to its end: ${r.error || r.signal}`);
        let output = r.stdout ? r.stdout.toString('utf8') : '', size = output.length;
        if (keep) {
            const all = readFileSync(join(dir, 'out.txt'));
            size = all.length;
            output = all.subarray(0, keep).toString('utf8');
        }
        const captures = {};
        for (const name of names) if (existsSync(join(dir, name))) captures[name] = decodePng(readFileSync(join(dir, name)));
        return { status: r.status, output, size, error: r.stderr.toString('utf8'), captures };
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
    await limits(browser, siteUrl);
});
report.finish(timings.join(', '));

// ---- Limits: every answer as the native program's, and the page alive after each.

// A page whose first call comes before start-up has finished; resolves with that call's
// answer and whether it was a promise.
async function earlyCall(browser, url, text) {
    const page = await browser.newPage();
    try {
        await page.send('Page.addScriptToEvaluateOnNewDocument', { source: `document.addEventListener('DOMContentLoaded', () => {
            const early = window.__early = { promise: false };
            try {
                const r = window.metallographie.script(${JSON.stringify(text)});
                early.promise = r instanceof Promise;
                Promise.resolve(r).then((a) => (early.answer = a), (e) => (early.answer = { thrown: String(e) }));
            } catch (e) {
                early.answer = { thrown: String(e) };
            }
        });` });
        await new Program(page).open(url);
        const early = await page.eval(`new Promise((resolve) => { const t0 = performance.now(); (function poll() {
            if (window.__early && window.__early.answer) resolve(window.__early);
            else if (performance.now() - t0 > 30000) resolve({ answer: { thrown: 'no answer within 30 s' } });
            else setTimeout(poll, 10);
        })(); })`);
        return { ...early, errors: [...page.errors] };
    } finally {
        await page.close();
    }
}

async function limits(browser, siteUrl) {
    const screen = '1024x768';
    const url = `${siteUrl}index.html?screen=${screen}&clock=manual`;
    const same = (what, got, want, { output = true } = {}) => {
        report.check(got.status === want.status, `${what}: status ${got.status}, native ${want.status}`);
        report.check(got.error === want.error, `${what}: error ${JSON.stringify(got.error.slice(0, 300))}, native ${JSON.stringify(want.error.slice(0, 300))}`);
        if (output) report.check(got.output === want.output, `${what}: output differs, ${firstLineDifference(want.output, got.output)}`);
        report.check(Object.keys(got.captures).join(' ') === Object.keys(want.captures).join(' '),
            `${what}: captures ${Object.keys(got.captures).join(' ') || 'none'}, native ${Object.keys(want.captures).join(' ') || 'none'}`);
    };

    const print = runNative(screen, 'print TFormHaupt\n');
    const early = await earlyCall(browser, url, 'print TFormHaupt\n');
    report.check(early.promise, 'a call before start-up: no promise, the program had already started');
    report.check(!early.answer.thrown, `a call before start-up threw ${early.answer.thrown}`);
    if (!early.answer.thrown) same('a call before start-up', early.answer, print);
    report.check(early.errors.length === 0, `a call before start-up: the page reported ${early.errors.join(' | ')}`);

    const page = await browser.newPage();
    await new Program(page).open(url);
    // The text is made in the page (`make` is its expression): sending megabytes through
    // the protocol costs more than the call. An exception is a failure of its own; a timed
    // call's time goes into the summary.
    const run = async (what, make, { timed = false } = {}) => {
        try {
            const r = await page.eval(`(() => { const text = ${make}; const t0 = performance.now();
                const a = window.metallographie.script(text); a.ms = performance.now() - t0; return a; })()`, { timeoutMs: 120000 });
            if (timed) timings.push(`${what} ${(r.ms / 1000).toFixed(1)} s`);
            return r;
        } catch (e) {
            report.fail(`${what}: ${e.message.split('\n')[0]}`);
            return { status: null, output: '', error: '', captures: {} };
        }
    };
    const utf8 = (s) => Buffer.byteLength(s);

    // Comment lines with umlauts (more bytes than characters) beyond 1.4 million characters,
    // a text of exactly the limit, one byte more as umlauts (fewer characters than the limit)
    // and as plain characters: the first two run, the others are refused by their length.
    const texts = [
        ['1.4 million characters', `'# Gefüge, Körner und Ätzgrübchen\\n'.repeat(42425) + 'print TFormHaupt\\n'`],
        ['4 MiB', `'print TFormHaupt\\n#' + '#'.repeat(${LIMIT - 19}) + '\\n'`],
        ['4 MiB + 1 byte of umlauts', `'#' + 'ä'.repeat(${LIMIT / 2})`, true],
        ['4 MiB + 1 character', `'#'.repeat(${LIMIT}) + '\\n'`, true],
    ];
    for (const [what, make, refused] of texts) {
        const text = Function(`return ${make}`)();
        report.check(refused ? utf8(text) === LIMIT + 1 : utf8(text) <= LIMIT && text.length >= 1.4e6,
            `${what}: the text has ${text.length} characters, ${utf8(text)} bytes`);
        // The page's text counts as the program's standard input.
        same(what, await run(what, make, { timed: true }), runNative(screen, text, { stdin: refused }));
    }

    // 100,000 lines of forms print hundreds of megabytes: the answer holds their beginning.
    const forms = await run('100,000 lines of forms', `'forms\\n'.repeat(100000)`, { timed: true });
    const formsWant = runNative(screen, 'forms\n'.repeat(100000), { keep: LIMIT });
    report.check(forms.status === formsWant.status && forms.status === 0, `forms: status ${forms.status}, native ${formsWant.status}`);
    report.check(forms.truncated === true && formsWant.size > LIMIT, `forms: truncated ${forms.truncated} for ${formsWant.size} bytes of output`);
    const kept = utf8(forms.output);
    report.check(kept <= LIMIT && kept > LIMIT - 200 && forms.output.endsWith('\n') && formsWant.output.startsWith(forms.output),
        `forms: the answer's ${kept} bytes are not the native output's beginning up to a whole line below ${LIMIT}`);
    report.check(/^metallographie: die Ausgabe ist länger als 4 MiB.*\n$/.test(forms.error), `forms: error ${JSON.stringify(forms.error)}`);
    timings.push(`native forms output ${(formsWant.size / 1e6).toFixed(0)} MB, answer ${(kept / 1e6).toFixed(1)} MB`);

    // Names a capture must refuse, as the program refuses them; a script that is refused
    // first touches none of them (the page used to remove them beforehand).
    const names = ['/dev/null', '/tmp', '/dev/stdout', '/dev/tty', '/', '.'];
    const wrong = names.map((n) => `capture screen ${n}\n`).join('') + 'frobnicate\n';
    same('refused capture script', await run('refused capture script', JSON.stringify(wrong)), runNative(screen, wrong));
    for (const name of names) {
        const text = `capture screen ${name}\n`;
        same(text.trim(), await run(text.trim(), JSON.stringify(text)), runNative(screen, text));
    }
    // A picture written before a refused name is listed under its name; the refused one is not.
    const mixed = 'capture screen ok.png\ncapture screen /\n';
    const mixedGot = await run('a capture, then a refused one', JSON.stringify(mixed));
    same('a capture, then a refused one', mixedGot, runNative(screen, mixed, { captures: ['ok.png'] }));
    if (mixedGot.captures['ok.png']) report.check(decodeDataUrl(mixedGot.captures['ok.png']).width === 1024, 'ok.png is no picture of the screen');

    same('print after all that', await run('print', JSON.stringify('print TFormHaupt\n')), print);
    report.check(page.errors.length === 0, `limits: the page reported ${page.errors.join(' | ')}`);
    await page.close();
}
