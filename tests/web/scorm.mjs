// The package for learning platforms under a real SCORM 1.2 runtime (scorm-again, as
// platforms use it) in a frame: the manifest's required parts, a chapter's test answered
// through the script interface, status, score, suspend data and the commits in the
// runtime, the session ended on leaving, and a second session resumed from that data;
// without a platform the page keeps its progress in its own storage.
//
//   node tests/web/scorm.mjs --runtime DIR   (DIR: the scorm-again package's folder)
import { execFileSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { BUILD_WEB, ROOT, Report, options, withSite } from './common.mjs';

const report = new Report('SCORM package');
const opts = options();
const ZIP = join(BUILD_WEB, 'metallographie-scorm12.zip');
const runtime = opts.runtime || join(BUILD_WEB, 'npm', 'node_modules', 'scorm-again');

// ---- The package and its manifest.
const dir = mkdtempSync(join(tmpdir(), 'metallo-scorm-'));
execFileSync('python3', ['-c', 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])', ZIP, dir]);
const manifest = readFileSync(join(dir, 'imsmanifest.xml'), 'utf8');
const has = (re, what) => report.check(re.test(manifest), `the manifest: ${what}`);
has(/<schema>ADL SCORM<\/schema>/, 'metadata schema "ADL SCORM"');
has(/<schemaversion>1\.2<\/schemaversion>/, 'schema version 1.2');
has(/xmlns="http:\/\/www\.imsproject\.org\/xsd\/imscp_rootv1p1p2"/, 'the IMS content packaging namespace');
has(/xmlns:adlcp="http:\/\/www\.adlnet\.org\/xsd\/adlcp_rootv1p2"/, 'the ADL namespace');
has(/xsi:schemaLocation="[^"]*imscp_rootv1p1p2\.xsd[^"]*adlcp_rootv1p2\.xsd/, 'the schema locations');
const defaultOrg = (manifest.match(/<organizations default="([^"]+)"/) || [])[1];
report.check(defaultOrg && manifest.includes(`<organization identifier="${defaultOrg}"`), 'the default organization exists');
const ref = (manifest.match(/<item [^>]*identifierref="([^"]+)"/) || [])[1];
const scos = [...manifest.matchAll(/<resource identifier="([^"]+)"[^>]*adlcp:scormtype="sco"[^>]*href="([^"]+)"/g)];
report.check(scos.length === 1, `one SCO (found ${scos.length})`);
const launch = scos.length ? scos[0][2] : 'metallographie.html';
report.check(scos.length === 1 && scos[0][1] === ref, 'the item refers to the SCO');
report.check(existsSync(join(dir, launch)), `the launch file ${launch} is in the package`);

// ---- The platform: scorm-again's runtime as window.API, the package in a frame.
copyFileSync(join(runtime, 'dist', 'scorm12.js'), join(dir, 'scorm12.js'));
// The served folder's start page (the helpers look for one): the platform.
writeFileSync(join(dir, 'index.html'), '<!doctype html><meta charset="utf-8"><link rel="icon" href="data:,"><title>Plattform</title><a href="platform.html">Plattform</a>');
writeFileSync(join(dir, 'platform.html'), `<!doctype html><meta charset="utf-8"><link rel="icon" href="data:,"><title>Plattform</title>
<script src="scorm12.js"></script>
<script>
  const params = new URLSearchParams(location.search);
  window.API = new Scorm12API({ logLevel: 5 });
  window.commits = 0;
  window.finished = false;
  API.on('LMSCommit', () => { window.commits++; });
  API.on('LMSFinish', () => { window.finished = true; });
  // What the page set, write-only elements (the session time) included.
  window.sets = {};
  API.on('LMSSetValue.cmi.*', (element, value) => { window.sets[element] = value; });
  if (params.get('resume')) API.loadFromJSON({ core: { entry: 'resume' }, suspend_data: params.get('resume') });
  addEventListener('DOMContentLoaded', () => {
    const f = document.createElement('iframe');
    f.id = 'sco';
    f.width = 1024; f.height = 700;
    f.src = ${JSON.stringify(launch)} + '?clock=manual&screen=800x600' + (params.get('test') ? '&test=' + params.get('test') : '');
    document.body.append(f);
  });
</script>`);

// The right answers of the single-choice questions, from the question file (the others
// are checked unanswered: wrong).
function singleChoice() {
    const right = new Map();
    let q = null;
    for (const raw of readFileSync(join(ROOT, 'assets', 'selbsttest', 'fragen.txt'), 'utf8').split('\n')) {
        const line = raw.trim();
        if (line.startsWith('? ')) q = { text: line.slice(2), kind: '', right: '', open: true };
        else if (!q) continue;
        else if (line.startsWith('art:')) (q.kind = line.slice(4).trim()), (q.open = false);
        else if (line.startsWith('+ ')) (q.right = line.slice(2).trim()), (q.open = false);
        else if (q.open && line && !line.startsWith('#')) q.text += ' ' + line;
        if (q && q.kind === 'einfach' && q.right) right.set(q.text, q.right);
    }
    return right;
}

const frameEval = (page, expr) => page.eval(`(async () => { const w = document.getElementById('sco').contentWindow; ${expr} })()`);
const waitFrame = (page) => page.eval(`new Promise((resolve, reject) => {
    const t0 = performance.now();
    (function poll() {
        const f = document.getElementById('sco');
        const w = f && f.contentWindow;
        if (w && w.metallographie && w.metallographie.ready) w.metallographie.ready.then(() => resolve(true));
        else if (performance.now() - t0 > 60000) reject(new Error('the page in the frame did not start'));
        else setTimeout(poll, 20);
    })();
})`, { timeoutMs: 90000 });
const script = (page, text) => frameEval(page, `return w.metallographie.script(${JSON.stringify(text)});`);
const valuesOf = async (page, form) => Object.fromEntries((await script(page, `values ${form}`)).output.trim().split('\n').map((l) => l.split('\t')));

await withSite(async (browser, url) => {
    const page = await browser.newPage();
    await page.navigate(`${url}platform.html?test=rem`);
    await waitFrame(page);
    report.check(await page.eval('API.cmi.core.lesson_status') === 'incomplete', 'lesson_status incomplete while working');
    const answers = singleChoice();
    let v = await valuesOf(page, 'TFormSelbsttest');
    report.check(v.kapitel === 'rem', `?test=rem opened the test of chapter ${v.kapitel}`);
    const n = +v.fragen;
    let expectedRight = 0;
    for (let i = 0; i < n; ++i) {
        const controls = (await script(page, 'controls TFormSelbsttest')).output.split('\n');
        const question = (controls.find((l) => l.startsWith('LabelFrage\t')) || '').split('\t')[3];
        let lines = '';
        if (answers.has(question)) {
            lines += `set TFormSelbsttest RadioAntwort ${answers.get(question)}\n`;
            ++expectedRight;
        }
        const r = await script(page, lines + 'press TFormSelbsttest ButtonPruefen\npress TFormSelbsttest ButtonWeiter\n');
        if (!report.check(r.status === 0, `question ${i + 1}: ${r.error}`)) break;
    }
    v = await valuesOf(page, 'TFormSelbsttest');
    const percent = Math.round((100 * expectedRight) / n);
    report.check(+v.richtig === expectedRight && +v.punkte_prozent === percent, `the test counted ${v.richtig} right, ${v.punkte_prozent} %`);
    const cmi = await page.eval(`({ status: API.cmi.core.lesson_status, raw: API.cmi.core.score.raw, min: API.cmi.core.score.min,
        max: API.cmi.core.score.max, suspend: API.cmi.suspend_data, commits: window.commits })`);
    console.log(`REM test: ${v.richtig} of ${n} right; the runtime: ${cmi.status}, score ${cmi.raw}, ${cmi.commits} commit(s), ` +
        `suspend data ${cmi.suspend.length} characters`);
    report.check(cmi.status === (percent >= 80 ? 'passed' : 'failed'), `lesson_status ${cmi.status} at ${percent} %`);
    report.check(+cmi.raw === percent && cmi.min === '0' && cmi.max === '100', `score ${cmi.raw} (${cmi.min}..${cmi.max})`);
    report.check(cmi.suspend.includes(`test rem ${percent} ${percent >= 80 ? 1 : 0} 1`) && cmi.suspend.length < 4096,
        `suspend data holds the test: ${JSON.stringify(cmi.suspend.slice(0, 120))}`);
    report.check(cmi.commits >= 1, 'committed after the finished test');
    // Leaving: the frame goes elsewhere (pagehide).
    await page.eval(`new Promise((r) => { const f = document.getElementById('sco'); f.onload = () => r(true); f.src = 'about:blank'; })`);
    const end = await page.eval('({ finished: window.finished, time: window.sets["cmi.core.session_time"], commits: window.commits })');
    report.check(end.finished && end.commits > cmi.commits, `LMSFinish and a commit on leaving (${end.commits} commits)`);
    report.check(/^\d{4}:\d{2}:\d{2}(\.\d{1,2})?$/.test(end.time) && end.time !== '0000:00:00', `session time ${end.time}`);

    // The next session resumes from the suspend data.
    await page.navigate(`${url}platform.html?resume=${encodeURIComponent(cmi.suspend)}`);
    await waitFrame(page);
    const kept = await valuesOf(page, 'TFormFortschritt');
    report.check(+kept.test_rem_bestwert === percent, `the second session shows the REM test at ${kept.test_rem_bestwert} %`);

    // Without a platform: the page's own storage keeps the progress between visits.
    await page.navigate(`${url}${launch}?test=lm`);
    await page.eval('window.metallographie.ready');
    report.check(await page.eval('window.mgStudy.connected()') === false, 'no platform found when the page runs alone');
    await page.eval(`window.metallographie.script('press TFormSelbsttest ButtonPruefen\\npress TFormSelbsttest ButtonWeiter\\n'.repeat(${n + 2}))`);
    await page.navigate(`${url}${launch}`);
    await page.eval('window.metallographie.ready');
    const alone = Object.fromEntries((await page.eval(`window.metallographie.script('values TFormFortschritt')`)).output.trim().split('\n').map((l) => l.split('\t')));
    report.check(alone.test_lm_bestwert === '0', `the page's storage kept the LM test (${alone.test_lm_bestwert})`);
    report.check(page.errors.length === 0, `no error in the console: ${page.errors.join(' | ')}`);
}, { site: dir });

rmSync(dir, { recursive: true, force: true });
report.finish();
