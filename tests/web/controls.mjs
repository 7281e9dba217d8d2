// The glossary as a user meets it in the browser: by keyboard alone (real key events,
// text as an input method or a phone's keyboard hands it over), through the accessibility tree a screen
// reader reads, and with the mouse and a finger (drags that end outside the window, the
// wheel, a tap). What the program holds is read through its script interface.
//
//   node tests/web/controls.mjs
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { Report, ROOT, options, withSite } from './common.mjs';
import { Program, StepError, steps } from './mg.mjs';

const report = new Report('controls in the browser');
options();

// The glossary's own data: term -> { seeAlso, windows }.
function glossaryFile() {
    const terms = new Map();
    let term = null;
    for (const line of readFileSync(join(ROOT, 'assets', 'glossary', 'glossar.txt'), 'utf8').split('\n')) {
        if (line.startsWith('= ')) terms.set((term = line.slice(2).trim()), { seeAlso: [], windows: [] });
        const m = /^(siehe|ansehen):(.*)$/.exec(line);
        if (m && term) terms.get(term)[m[1] === 'siehe' ? 'seeAlso' : 'windows'] = m[2].split(';').map((s) => s.trim()).filter(Boolean);
    }
    return terms;
}
const TERMS = glossaryFile();
// One control of each kind, as the backend sends them (a label names the field beside it).
const base = { caption: '', accessibleName: '', enabled: true, focusable: true, focused: false, value: '', text: '' };
const KINDS = [
    { ...base, name: 'Button1', kind: 'Button', caption: '&Start', rect: [10, 10, 80, 35], enabled: false },
    { ...base, name: 'CheckBox1', kind: 'CheckBox', caption: 'Raster', rect: [10, 40, 120, 57], value: '1' },
    { ...base, name: 'RadioGroup1', kind: 'RadioGroup', caption: 'Detektor', rect: [10, 60, 150, 120], value: '1', count: 2,
        rows: [[0, 'SE', 18, 75, 146, 95], [1, 'BSE', 18, 95, 146, 116]] },
    { ...base, name: 'TrackBar1', kind: 'TrackBar', accessibleName: 'Spannung', rect: [160, 10, 300, 40], value: '20', text: '20 kV', min: 1, max: 30, pos: 20 },
    { ...base, name: 'ComboBox1', kind: 'ComboBox', accessibleName: 'Element', rect: [160, 50, 260, 71], value: '0', text: 'Fe',
        open: true, list: [160, 71, 260, 110], hot: 0, count: 3, rows: [[0, 'Fe', 161, 72, 259, 85], [1, 'Ni', 161, 85, 259, 98], [2, 'Cr', 161, 98, 259, 109]] },
    { ...base, name: 'ProgressBar1', kind: 'ProgressBar', accessibleName: 'Fortschritt', rect: [10, 130, 150, 146], focusable: false, value: '40', min: 0, max: 100, pos: 40 },
    { ...base, name: 'LabelProbe', kind: 'Label', caption: 'Probe:', rect: [160, 123, 200, 136], focusable: false },
    { ...base, name: 'Edit1', kind: 'Edit', rect: [204, 120, 300, 142], text: 'Stahl', selStart: 5, selEnd: 5, backward: false, focused: true },
    { ...base, name: 'Link1', kind: 'Link', caption: 'Mehr dazu', rect: [10, 150, 70, 163] },
];
const TERM = 'Rückstreuelektronen';

const { step, expect } = steps(report);

// In the page: the mirror element that has the browser's focus.
function focusedControl() {
    const e = document.activeElement;
    const w = e && e.closest('[data-form]');
    return e && e.dataset.control ? `${w ? w.dataset.form : '?'}.${e.dataset.control}` : `<${e ? e.tagName.toLowerCase() : 'none'}>`;
}

// In the page: the mirror's picture of a control (its field's text and selection, its rows).
function mirrorOf(form, control) {
    const el = document.querySelector(`section[data-form="${form}"] [data-control="${control}"]`);
    if (!el) return null;
    const rows = [...el.querySelectorAll('[role=option]')].map((o) => ({
        text: o.textContent, pos: +o.getAttribute('aria-posinset'), rect: o.getBoundingClientRect().toJSON() }));
    return { value: el.value, selStart: el.selectionStart, selEnd: el.selectionEnd, direction: el.selectionDirection,
        rows, rect: el.getBoundingClientRect().toJSON() };
}

await withSite(async (browser, siteUrl) => {
    const page = await browser.newPage();
    await page.setViewport(800, 600);
    const mg = new Program(page);
    const script = async (text) => {
        const r = await mg.script(text);
        if (r.status !== 0) throw new StepError(`script ${JSON.stringify(text)}: ${r.error}`);
        return r.output;
    };
    const values = async () => Object.fromEntries((await script('values TFormGlossar')).trim().split('\n').map((l) => l.split('\t')));
    const control = async (name) => {
        const line = (await script('controls TFormGlossar')).split('\n').find((l) => l.startsWith(name + '\t'));
        const [, , , text, , focused] = line.split('\t');
        return { text, focused: focused === '1' };
    };
    const focus = () => page.call(focusedControl);
    const key = async (name, modifiers) => {
        await page.pressKey(name, modifiers);
        await mg.settle();
    };

    await mg.open(`${siteUrl}index.html?screen=800x600&clock=manual`);
    await mg.menu('TFormHaupt', 'Programmstarten1');
    await mg.menu('TFormMetallo', 'Glossar1');

    await step('the glossary by keyboard', async () => {
        expect((await focus()) === 'TFormGlossar.EditSuche', `the opened glossary's focus is on ${await focus()}, not its search field`);
        await key('r');
        await key('ü');
        // An input method's word: the program searches while it is still being composed.
        await page.send('Input.imeSetComposition', { text: 'c', selectionStart: 1, selectionEnd: 1 });
        await mg.settle();
        const composing = (await control('EditSuche')).text;
        expect(composing === 'rüc', `while "c" is composed the program holds ${JSON.stringify(composing)}`);
        await page.insertText('ck');
        await mg.settle();
        const edit = await control('EditSuche');
        const field = await page.call(mirrorOf, 'TFormGlossar', 'EditSuche');
        expect(edit.text === 'rück' && field.value === 'rück', `typed "rück": the program holds ${JSON.stringify(edit.text)}, the field ${JSON.stringify(field.value)}`);
        const v = await values();
        expect(+v.treffer >= 1 && +v.treffer < +v.begriffe, `the search "rück" lists ${v.treffer} of ${v.begriffe} terms`);
        // The system's clipboard through the field: everything cut, then pasted back.
        await key('a', 2);
        await page.pressKey('x', 2, ['cut']);
        await mg.settle();
        const cut = (await control('EditSuche')).text;
        await page.pressKey('v', 2, ['paste']);
        await mg.settle();
        const pasted = (await control('EditSuche')).text;
        expect(cut === '' && pasted === 'rück', `cut and paste in the search field: ${JSON.stringify(cut)}, then ${JSON.stringify(pasted)}`);

        await key('ArrowDown');
        expect((await focus()) === 'TFormGlossar.ListBoxBegriffe', `Down in the search field moved the focus to ${await focus()}`);
        for (let i = 0; i < 10 && (await values()).begriff !== TERM; ++i) await key('ArrowDown');
        expect((await values()).begriff === TERM, `Down through the list never chose ${TERM}`);

        await key('Tab', 8);
        expect((await focus()) === 'TFormGlossar.EditSuche', `Shift+Tab from the list went to ${await focus()}`);
        await key('Tab');
        const seen = [];
        for (let i = 0; i < 12 && (await focus()) !== 'TFormGlossar.LinkAnsehen2'; ++i) {
            await key('Tab');
            seen.push(await focus());
            const program = (await script('controls TFormGlossar')).split('\n').find((l) => l.split('\t')[5] === '1') || '';
            expect(`TFormGlossar.${program.split('\t')[0]}` === seen.at(-1),
                `after Tab the browser's focus is on ${seen.at(-1)}, the program's on ${program.split('\t')[0]}`);
        }
        expect((await focus()) === 'TFormGlossar.LinkAnsehen2', `Tab never reached the second window link: ${seen.join(' ')}`);
        await key('Enter');
        const window = TERMS.get(TERM).windows[1];
        const state = await mg.formState(window);
        expect(state && !state.hidden && state.active, `Enter on the link did not open ${window}: ${JSON.stringify(state)}`);
        const printed = await script(`print ${window}`);
        expect(printed.includes('|visible=1|') && printed.includes('|active=1'), `print ${window}: ${printed.trim()}`);

        await key('F1');
        const help = await values();
        const terms = [...TERMS].filter(([, t]) => t.windows.includes(window)).map(([name]) => name);
        expect((await mg.activeForm()) === 'TFormGlossar' && +help.treffer === terms.length && terms.includes(help.begriff),
            `F1 in ${window}: active ${await mg.activeForm()}, ${help.treffer} terms listed (the file names ${terms.length}), chosen ${help.begriff}`);
        expect((await focus()) === 'TFormGlossar.ListBoxBegriffe', `after F1 the focus is on ${await focus()}`);
    });

    await step('the glossary in the accessibility tree', async () => {
        // Back to the term, by keyboard: the search field, everything selected, the name
        // typed, Down into the list.
        await key('Tab', 8);
        await key('a', 2);
        await page.insertText(TERM);
        await mg.settle();
        await key('ArrowDown');
        const { nodes } = await page.send('Accessibility.getFullAXTree');
        const byId = new Map(nodes.map((n) => [n.nodeId, n]));
        const dialog = nodes.find((n) => n.role && n.role.value === 'dialog' && n.name && n.name.value === 'Glossar');
        expect(dialog, 'no dialog "Glossar" in the accessibility tree');
        const inside = [];
        (function walk(n) {
            if (!n.ignored) inside.push(n);
            for (const c of n.childIds || []) if (byId.has(c)) walk(byId.get(c));
        })(dialog);
        const prop = (n, name) => ((n.properties || []).find((p) => p.name === name) || { value: {} }).value.value;
        const of = (role) => inside.filter((n) => n.role && n.role.value === role);
        const name = (n) => n.name && n.name.value;

        const box = of('textbox');
        expect(box.length === 1 && name(box[0]) === 'Suche im Glossar' && box[0].value && box[0].value.value === TERM,
            `the search field: ${JSON.stringify(box.map((n) => [name(n), n.value && n.value.value, prop(n, 'focused')]))}`);
        const list = of('listbox');
        expect(list.length === 1 && name(list[0]) === 'Begriffe' && prop(list[0], 'focused') === true,
            `the list: ${JSON.stringify(list.map((n) => [name(n), prop(n, 'focused')]))}`);
        const options = of('option');
        const chosen = options.filter((o) => prop(o, 'selected') === true);
        expect(options.length >= 1 && chosen.length === 1 && name(chosen[0]) === TERM,
            `the list's options: ${options.length}, chosen ${JSON.stringify(chosen.map(name))}`);
        const links = of('link').map(name);
        const t = TERMS.get(TERM);
        expect(t.seeAlso.every((s) => links.includes(s)) && links.length === t.seeAlso.length + t.windows.length,
            `the links ${JSON.stringify(links)}, the file names ${JSON.stringify(t.seeAlso)} and ${t.windows.length} windows`);
        const texts = inside.filter((n) => n.role && n.role.value === 'StaticText').map(name);
        expect(texts.some((s) => s && s.startsWith(TERM + ' (BSE')), 'the definition is not among the texts a screen reader reads');
        // Read in order: each heading just before its links.
        const read = texts.filter((s, i) => s !== texts[i - 1]);
        for (const [heading, first] of [['Siehe auch:', t.seeAlso[0]], ['Im Programm ansehen:', links[t.seeAlso.length]]])
            expect(read[read.indexOf(heading) + 1] === first, `after "${heading}" a screen reader reads "${read[read.indexOf(heading) + 1]}", not "${first}"`);
        expect(of('button').some((b) => name(b) === 'Schließen'), 'no button "Schließen"');

        // A screen reader's actions arrive as focus and clicks on the elements.
        const element = (control) => `document.querySelector('[data-form="TFormGlossar"] [data-control="${control}"]')`;
        await page.eval(`${element('EditSuche')}.focus()`);
        await mg.settle();
        expect((await control('EditSuche')).focused, 'the search field\'s element took the focus, the program\'s focus stayed elsewhere');
        await mg.activate('TFormGlossar');
        expect((await focus()) === 'TFormGlossar.EditSuche', `a click on the caption moved the focus to ${await focus()}`);
        await page.eval(`${element('LinkSiehe2')}.click()`);
        await mg.settle();
        expect((await values()).begriff === t.seeAlso[1], `a click on the second link's element showed ${(await values()).begriff}, not ${t.seeAlso[1]}`);
    });

    await step('drags that end outside the window, the wheel and a tap', async () => {
        // The search field: a click into it, the term typed; then a press behind the text
        // and a drag far to the left out of the window.
        const edit = await page.call(mirrorOf, 'TFormGlossar', 'EditSuche');
        const y = edit.rect.top + edit.rect.height / 2;
        await page.click(edit.rect.left + 10, y);
        await mg.settle();
        expect((await focus()) === 'TFormGlossar.EditSuche', `a click into the search field left the focus on ${await focus()}`);
        await key('a', 2);
        await page.insertText(TERM);
        await mg.settle();
        const n = [...TERM].length;
        await page.drag([[edit.rect.right - 4, y], [edit.rect.left + 20, y], [2, y]]);
        await mg.settle();
        let field = await page.call(mirrorOf, 'TFormGlossar', 'EditSuche');
        expect(field.selStart === 0 && field.selEnd === n && field.direction === 'backward',
            `dragged over the whole text: the field selects ${field.selStart}-${field.selEnd} ${field.direction}, the text has ${n} characters`);
        // Released outside: moving back over the field selects nothing more.
        await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: edit.rect.left + 30, y });
        await mg.settle();
        field = await page.call(mirrorOf, 'TFormGlossar', 'EditSuche');
        expect(field.selStart === 0 && field.selEnd === n, `after the release a move changed the selection to ${field.selStart}-${field.selEnd}`);
        await key('Backspace');
        expect((await control('EditSuche')).text === '' && +(await values()).treffer === TERMS.size, 'Backspace on the selection did not empty the search');

        // The list's scroll-bar thumb (at the top after Home), dragged down past the bottom
        // of the window.
        await key('Tab');
        await key('Home');
        const list = await page.call(mirrorOf, 'TFormGlossar', 'ListBoxBegriffe');
        const x = list.rect.right - 9, top = list.rect.top + 17 + 4;
        await page.drag([[x, top], [x, top + 40], [x, 598]]);
        await mg.settle();
        const shown = async () => (await page.call(mirrorOf, 'TFormGlossar', 'ListBoxBegriffe')).rows.filter((r) => r.rect.height > 0);
        const last = await shown();
        expect(last.some((r) => r.pos === TERMS.size), `the thumb dragged to the end: the last rows shown are ${last.map((r) => r.pos).slice(-3).join(',')}`);
        await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y: top });
        await mg.settle();
        const after = await shown();
        expect(after[0].pos === last[0].pos, `after the release a move over the scroll bar scrolled the list from row ${last[0].pos} to ${after[0].pos}`);

        // The wheel scrolls the list, never the page (here taller than the browser's window).
        await page.setViewport(800, 450);
        await page.wheel(x - 60, top + 100, -300);
        await mg.settle();
        const up = await shown();
        await page.wheel(x - 60, top + 100, 300);
        await mg.settle();
        await new Promise((r) => setTimeout(r, 300));
        const down = await shown();
        const scrollY = await page.eval('window.scrollY');
        expect(up[0].pos === after[0].pos - 9 && down[0].pos === after[0].pos && scrollY === 0,
            `three notches up and down: the list's first row ${after[0].pos} -> ${up[0].pos} -> ${down[0].pos}, the page scrolled to ${scrollY}`);

        // A finger taps a row: it is chosen.
        const row = down[2];
        await page.tap(row.rect.left + row.rect.width / 2, row.rect.top + row.rect.height / 2);
        await mg.settle();
        expect((await values()).begriff === row.text, `a tap on "${row.text}" chose "${(await values()).begriff}"`);
        await page.setViewport(800, 600);
    });

    await step('a link to a term', async () => {
        // Another query than the page open now, so the browser loads it anew.
        await mg.open(`${siteUrl}index.html?screen=800x600&clock=manual&fresh=1#begriff=${encodeURIComponent(TERM)}`);
        const v = await values();
        expect(v.begriff === TERM && (await focus()).startsWith('TFormGlossar.'),
            `#begriff=${TERM} opened the glossary at ${JSON.stringify(v.begriff)}, the focus on ${await focus()}`);
    });

    report.check(page.errors.length === 0, `the page reported: ${page.errors.join(' | ')}`);
    await page.close();

    // The kinds no window of the program shows yet, as the backend describes them.
    await step('every kind of control in the mirror', async () => {
        const blank = await browser.newPage();
        await blank.navigate('about:blank');
        await blank.eval(readFileSync(join(ROOT, 'web', 'page', 'mirror.js'), 'utf8'));
        await blank.call((controls) => {
            const layer = document.body.appendChild(document.createElement('div'));
            window.acts = [];
            const act = (what) => (...args) => window.acts.push([what, ...args]);
            window.mgMirror(layer, 't', { focus: act('focus'), press: act('press'), set: act('set'), edit: act('edit') }).update(controls);
        }, KINDS);
        const { nodes } = await blank.send('Accessibility.getFullAXTree');
        const prop = (n, name) => ((n.properties || []).find((p) => p.name === name) || { value: {} }).value.value;
        const found = (role, name) => nodes.find((n) => !n.ignored && n.role && n.role.value === role && n.name && n.name.value === name);
        const want = [
            ['button', 'Start', (n) => prop(n, 'disabled') === true],
            ['checkbox', 'Raster', (n) => prop(n, 'checked') === 'true'],
            ['radiogroup', 'Detektor', () => true],
            ['radio', 'BSE', (n) => prop(n, 'checked') === 'true'],
            ['radio', 'SE', (n) => prop(n, 'checked') === 'false'],
            ['slider', 'Spannung', (n) => prop(n, 'valuemin') === 1 && prop(n, 'valuemax') === 30 && n.value && n.value.value === 20],
            ['combobox', 'Element', (n) => prop(n, 'expanded') === true],
            ['option', 'Fe', (n) => prop(n, 'selected') === true],
            ['progressbar', 'Fortschritt', (n) => n.value && +n.value.value === 40],
            ['textbox', 'Probe:', (n) => n.value && n.value.value === 'Stahl'],
            ['link', 'Mehr dazu', () => true],
        ];
        const wrong = want.filter(([role, name, ok]) => { const n = found(role, name); return !n || !ok(n); })
            .map(([role, name]) => { const n = found(role, name); return `${role} "${name}"` + (n ? ` ${JSON.stringify(n.properties)} ${JSON.stringify(n.value)}` : ' missing'); });
        expect(!wrong.length, wrong.join('; '));
        // The slider's words for its value (this browser's tree leaves them out).
        const valueText = await blank.eval(`document.getElementById('t-TrackBar1').getAttribute('aria-valuetext')`);
        expect(valueText === '20 kV', `the slider's aria-valuetext is ${JSON.stringify(valueText)}`);
        // A screen reader's clicks go to the program as they come (it refuses a disabled
        // button itself).
        const acts = await blank.eval(`document.getElementById('t-RadioGroup1-0').click();
            document.getElementById('t-Button1').click(); document.getElementById('t-CheckBox1').click(); window.acts`);
        expect(JSON.stringify(acts) === JSON.stringify([['set', 'RadioGroup1', '0'], ['press', 'Button1'], ['press', 'CheckBox1']]),
            `the elements' clicks asked the program for ${JSON.stringify(acts)}`);
        await blank.close();
    });
});
report.finish();
