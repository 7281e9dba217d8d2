// Every window's text alternative as a screen reader finds it in the browser: one page,
// each window of the program opened in turn (as --open reaches it), the accessibility tree
// read through the DevTools protocol. The window's dialog carries its description, its
// text (description, then a text page's lines in order) is real text in a document, and
// the canvas with the picture is not in the tree.
//
//   node tests/web/describe.mjs
import { Report, options, withSite } from './common.mjs';
import { Program, StepError, steps } from './mg.mjs';

const report = new Report('text alternatives in the browser');
options();
const { step, expect } = steps(report);
// The window that stays open underneath the others.
const BASE = new Set(['TFormHaupt']);

let checked = 0;
await withSite(async (browser, siteUrl) => {
    const page = await browser.newPage();
    await page.setViewport(1024, 768);
    const mg = new Program(page);
    const script = async (text) => {
        const r = await mg.script(text);
        if (!r || r.status !== 0) throw new StepError(`script ${JSON.stringify(text)}: ${JSON.stringify(r).slice(0, 300)}`);
        return r.output;
    };
    await mg.open(`${siteUrl}index.html?screen=1024x768&clock=manual`);
    const forms = (await script('forms')).trim().split('\n').map((l) => l.split('\t')[0]);
    const { root } = await page.send('DOM.getDocument', { depth: 0 });
    const backendId = async (selector) => {
        const { nodeId } = await page.send('DOM.querySelector', { nodeId: root.nodeId, selector });
        if (!nodeId) return null;
        return (await page.send('DOM.describeNode', { nodeId })).node.backendNodeId;
    };

    // Closes every window above the title window, top first, with Esc as a user does.
    const closeTopics = async () => {
        for (let round = 0; round < 6; ++round) {
            const states = (await script(forms.map((f) => `print ${f}`).join('\n'))).trim().split('\n');
            const open = forms.filter((f, i) => !BASE.has(f) && /\|visible=1\|enabled=1\|/.test(states[i]));
            if (!open.length) return;
            await script(open.map((f) => `key ${f} esc`).join('\n'));
            await mg.settle();
        }
        throw new StepError('windows above the title window did not close with Esc');
    };

    for (const form of forms) {
        await step(form, async () => {
            const note = await script(`open ${form}`);
            expect(note === '', `open ${form}: ${note.trim()}`);
            await mg.settle();
            const [caption, description, ...lines] = (await script(`describe ${form}`)).replace(/\n$/, '').split('\n');
            expect(description && description.length >= 100, `${form} has no description (assets/descriptions/beschreibungen.txt)`);

            const section = `section.mg-window[data-form="${form}"]`;
            const dialogId = await backendId(section);
            const canvasId = await backendId(`${section} canvas.mg-client`);
            expect(dialogId && canvasId, `${form} has no window in the page`);
            const { nodes } = await page.send('Accessibility.getFullAXTree');
            const byId = new Map(nodes.map((n) => [n.nodeId, n]));
            const dialog = nodes.find((n) => n.backendDOMNodeId === dialogId && !n.ignored);
            expect(dialog, `${form}: its window is not in the accessibility tree`);
            const value = (v) => (v && v.value) || '';
            // A name as a screen reader gets it: runs of blanks are one.
            expect(value(dialog.name) === caption.replace(/\s+/g, ' ').trim(), `${form}: the window is named ${JSON.stringify(value(dialog.name))}`);
            expect(value(dialog.description) === description,
                `${form}: the window's description is ${JSON.stringify(value(dialog.description).slice(0, 80))}`);

            const inside = [];
            (function walk(n) {
                if (!n.ignored) inside.push(n);
                for (const c of n.childIds || []) if (byId.has(c)) walk(byId.get(c));
            })(dialog);
            expect(!inside.some((n) => n.backendDOMNodeId === canvasId), `${form}: the canvas is in the accessibility tree`);
            expect(inside.some((n) => n.role && n.role.value === 'document'), `${form}: no document with the window's text`);
            // What a screen reader reads, in order: the description, then every line.
            const texts = inside.filter((n) => n.role && n.role.value === 'StaticText').map((n) => value(n.name).trim());
            let at = texts.indexOf(description);
            expect(at >= 0, `${form}: the description is not among the texts a screen reader reads`);
            for (const line of lines.map((l) => l.trim()).filter(Boolean)) {
                const next = texts.indexOf(line, at + 1);
                expect(next > at, `${form}: the line ${JSON.stringify(line)} is missing or out of order`);
                at = next;
            }
            ++checked;
        });
        await step(`${form}: closing`, closeTopics);
    }
    expect(forms.length >= 64, `the program lists ${forms.length} windows`);
});
report.finish(`${checked} windows`);
