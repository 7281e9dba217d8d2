// The reference scenes replayed in the browser: each block in a fresh page at 800x600
// and at 1024x768, menus chosen by clicks on the HTML menus, clicks, keys, typing and
// the wheel as real input; every picture of a window must have the checksum the native
// tests stored.
// Pictures of the whole screen are left out: in the browser the screen is the page.
//
//   node tests/web/reference.mjs [--only Block1,Block2] [--screens 800x600] [--jobs 2] [--scenes DIR]
//
// A changed picture is named and written as NAME.actual.png to build-web/reference.
import { mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';
import { BUILD_WEB, Report, ROOT, options, withSite } from './common.mjs';
import { Program, StepError } from './mg.mjs';

const SCENES = options().scenes || join(ROOT, 'tests', 'reference');
const OUT = join(BUILD_WEB, 'reference');

function loadScenes() {
    const blocks = [];
    for (const file of readdirSync(SCENES).filter((f) => f.endsWith('.scn')).sort()) {
        const path = join(SCENES, file);
        const sums = new Map();
        const sumsText = readFileSync(path.replace(/\.scn$/, '.sums'), 'utf8');
        for (const line of sumsText.split('\n')) {
            const [name, hex] = line.trim().split(/\s+/);
            if (name && hex) sums.set(name, hex);
        }
        readFileSync(path, 'utf8').split('\n').forEach((raw, i) => {
            const line = raw.includes('#') ? raw.slice(0, raw.indexOf('#')) : raw;
            const words = line.trim().split(/\s+/).filter(Boolean);
            if (!words.length) return;
            if (words[0].startsWith('[') && words[0].endsWith(']')) {
                blocks.push({ file, name: words[0].slice(1, -1), sums, steps: [] });
                return;
            }
            if (!blocks.length || blocks.at(-1).file !== file) throw new Error(`${file}:${i + 1}: command before the first [block]`);
            blocks.at(-1).steps.push({ line: i + 1, words });
        });
    }
    return blocks;
}

async function replay(mg, siteUrl, block, screen, report, counts) {
    const [w, h] = screen.split('x').map(Number);
    await mg.page.setViewport(w, h);
    mg.page.errors.length = 0;
    await mg.open(`${siteUrl}index.html?screen=${screen}&clock=manual`);
    for (const { line, words } of block.steps) {
        const where = `${block.file}:${line} [${block.name}] ${screen}`;
        const [cmd, a, b, c] = words;
        try {
            if (cmd === 'menu' && words.length === 3) await mg.menu(a, b);
            else if (cmd === 'key' && words.length === 3 && b === 'esc') await mg.escape(a);
            else if (cmd === 'click' && words.length === 4) await mg.clickClient(a, Number(b), Number(c));
            else if (cmd === 'clickon' && words.length === 3) await mg.clickOn(a, b);
            else if (cmd === 'activate' && words.length === 2) await mg.activate(a);
            else if (cmd === 'advance' && words.length === 2) await mg.advance(Number(a));
            else if (cmd === 'show' && words.length === 2) await mg.show(a);
            else if (cmd === 'keys' && words.length >= 3) await mg.keys(a, words.slice(2));
            else if (cmd === 'type' && words.length >= 3) await mg.type(a, words.slice(2).join(' '));
            else if (cmd === 'wheel' && words.length === 5) await mg.wheel(a, Number(b), Number(c), Number(words[4]));
            else if (['drag', 'set', 'press'].includes(cmd)) {
                const r = await mg.script(words.join(' '));
                if (r.status !== 0 || r.output) throw new Error(`${words.join(' ')}: ${r.error || r.output}`);
            }
            else if (cmd === 'shot' && words.length === 3) {
                if (b === 'screen') {
                    counts.skipped++;
                    continue;
                }
                const name = `${block.name}.${a}@${screen}`;
                const stored = block.sums.get(name);
                const got = await mg.checksum(b);
                counts.shots++;
                if (got.sum !== stored) {
                    const png = await mg.canvasPng(b);
                    mkdirSync(OUT, { recursive: true });
                    const file = join(OUT, `${name}.actual.png`);
                    if (png) writeFileSync(file, Buffer.from(png.split(',')[1], 'base64'));
                    report.fail(`${where}: picture ${name} changed: ${stored ? 'stored ' + stored : 'no stored checksum'}, ` +
                        `now ${got.sum} (${got.width}x${got.height}); written to ${file}`);
                }
            } else {
                report.fail(`${where}: unknown or malformed command '${words.join(' ')}'`);
                return;
            }
        } catch (e) {
            // The rest of the block depends on this step.
            report.fail(`${where}: ${e instanceof StepError ? e.message : e.stack || e}`);
            return;
        }
    }
    if (mg.page.errors.length) report.fail(`[${block.name}] ${screen}: the page reported ${mg.page.errors.join(' | ')}`);
}

const opt = options();
const only = opt.only ? new Set(String(opt.only).split(',')) : null;
const screens = opt.screens ? String(opt.screens).split(',') : ['800x600', '1024x768'];
const jobs = [];
for (const block of loadScenes()) {
    if (only && !only.has(block.name) && !only.has(basename(block.file, '.scn'))) continue;
    for (const screen of screens) jobs.push({ block, screen });
}
// Pictures a former run left of the blocks run now would mislead.
mkdirSync(OUT, { recursive: true });
for (const f of readdirSync(OUT))
    if (f.endsWith('.actual.png') && jobs.some((j) => f.startsWith(j.block.name + '.') && f.includes('@' + j.screen + '.')))
        rmSync(join(OUT, f));
const report = new Report('reference pictures in the browser');
const counts = { shots: 0, skipped: 0, blocks: 0 };
await withSite(async (browser, siteUrl) => {
    const workers = Math.max(1, Number(opt.jobs || process.env.METALLO_WEB_JOBS || 2));
    await Promise.all(Array.from({ length: Math.min(workers, jobs.length) }, async () => {
        const page = await browser.newPage();
        const mg = new Program(page);
        for (let job; (job = jobs.shift());) {
            const t0 = performance.now();
            let failed = false;
            const mine = { fail: (what) => { failed = true; report.fail(what); } };
            try {
                await replay(mg, siteUrl, job.block, job.screen, mine, counts);
            } catch (e) {
                mine.fail(`[${job.block.name}] ${job.screen}: ${e.stack || e}`);
            }
            counts.blocks++;
            if (opt.verbose) console.log(`${failed ? 'failed' : 'ok'} [${job.block.name}] ${job.screen} ${Math.round(performance.now() - t0)} ms`);
        }
        await page.close();
    }));
});
report.finish(`${counts.blocks} block runs, ${counts.shots} window pictures compared, ${counts.skipped} screen pictures left out`);
