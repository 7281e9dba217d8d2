// Drives the program's page like a user: real clicks on the HTML menus, captions and
// canvases, real key presses; the script interface only to let manual time pass.
import { pageChecksumExpression } from './checksum.mjs';

// Runs in the page (inside hitTarget and canvasPoint): whether a press at x, y reaches el's
// window although it is covered (inert, so no hit reaches it): the page gives the press to
// the topmost shown window at that place.
function reachesInert(el, x, y) {
    const win = el.closest('section.mg-window');
    if (!win || !win.inert) return false;
    let top = null;
    for (const s of document.querySelectorAll('section.mg-window')) {
        if (s.hidden) continue;
        const r = s.getBoundingClientRect();
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
        if (!top || (+s.style.zIndex || 0) > (+top.style.zIndex || 0)) top = s;
    }
    return top === win;
}

// Runs in the page: where an element is, and whether a click at its centre reaches it.
function hitTarget(selector, index) {
    const reachesInert = REACHES_INERT;
    const els = [...document.querySelectorAll(selector)].filter((e) => e.getClientRects().length > 0);
    const el = els[index || 0];
    if (!el) return { error: `nothing visible matches ${selector}` };
    // The centre of the part a user sees (an item may stick out of the screen's edge).
    const r = el.getBoundingClientRect();
    const left = Math.max(r.left, 0), right = Math.min(r.right, document.documentElement.clientWidth);
    const top = Math.max(r.top, 0), bottom = Math.min(r.bottom, document.documentElement.clientHeight);
    if (right - left < 1 || bottom - top < 1) return { error: `${selector} lies outside the viewport` };
    const x = (left + right) / 2, y = (top + bottom) / 2;
    const hit = document.elementFromPoint(x, y);
    const describe = (e) => {
        if (!e) return 'nothing (outside the viewport?)';
        const w = e.closest('[data-form]');
        return `<${e.tagName.toLowerCase()}${e.className ? ' class="' + e.className + '"' : ''}${e.dataset.item ? ' data-item=' + e.dataset.item : ''}>` +
            (w ? ` of ${w.dataset.form}` : '');
    };
    return { x, y, reaches: (!!hit && (hit === el || el.contains(hit))) || reachesInert(el, x, y), hit: describe(hit),
        disabled: el.getAttribute('aria-disabled') === 'true' };
}

// Runs in the page: the page point of a client pixel of a window's canvas.
function canvasPoint(form, cx, cy) {
    const reachesInert = REACHES_INERT;
    const c = document.querySelector(`section.mg-window[data-form="${form}"] canvas.mg-client`);
    if (!c) return { error: `no canvas for ${form}` };
    if (c.closest('[hidden]')) return { error: `${form} is hidden` };
    if (cx < 0 || cy < 0 || cx >= c.width || cy >= c.height)
        return { error: `client point ${cx},${cy} lies outside ${form}'s canvas of ${c.width}x${c.height}` };
    const r = c.getBoundingClientRect();
    const x = r.left + (cx + 0.5) * r.width / c.width, y = r.top + (cy + 0.5) * r.height / c.height;
    const hit = document.elementFromPoint(x, y);
    const w = hit && hit.closest('[data-form]');
    return { x, y, reaches: hit === c || reachesInert(c, x, y), hit: hit ? `<${hit.tagName.toLowerCase()}>` + (w ? ` of ${w.dataset.form}` : '') : 'nothing' };
}

// hitTarget and canvasPoint as the page runs them, with reachesInert inside.
const inPage = (fn) => ({ toString: () => fn.toString().replace('REACHES_INERT', reachesInert.toString()) });
const hitTargetInPage = inPage(hitTarget), canvasPointInPage = inPage(canvasPoint);

// Runs in the page: the menu items (data-item names) currently shown in open pop-ups.
function openPopupItems() {
    return [...document.querySelectorAll('[role=menu] [role=menuitem][data-item]')]
        .filter((e) => e.getClientRects().length > 0)
        .map((e) => ({ name: e.dataset.item, sub: !!e.getAttribute('aria-haspopup') && e.getAttribute('aria-haspopup') !== 'false' }));
}

function topItems(form) {
    const bar = document.querySelector(`section.mg-window[data-form="${form}"] [role=menubar]`);
    if (!bar) return null;
    return [...bar.querySelectorAll('[role=menuitem][data-item]')]
        .filter((e) => !e.closest('[role=menu]') && e.getClientRects().length > 0)
        .map((e) => ({ name: e.dataset.item, sub: !!e.getAttribute('aria-haspopup') && e.getAttribute('aria-haspopup') !== 'false',
            disabled: e.getAttribute('aria-disabled') === 'true' }));
}

function formState(form) {
    const s = document.querySelector(`section.mg-window[data-form="${form}"]`);
    if (!s) return null;
    return { hidden: s.hidden || s.closest('[hidden]') !== null, active: s.classList.contains('mg-active'),
        disabled: s.classList.contains('mg-disabled') };
}

function activeForm() {
    const s = document.querySelector('section.mg-window.mg-active');
    return s ? s.dataset.form : null;
}

const q = JSON.stringify;

// The script language's key names ("tab", "shift+tab", "ctrl+a", "pagedown", a letter)
// as the browser's keys and the protocol's modifiers (1 Alt, 2 Ctrl, 8 Shift).
const KEY_NAMES = {
    tab: 'Tab', enter: 'Enter', return: 'Enter', space: ' ', esc: 'Escape', escape: 'Escape', left: 'ArrowLeft',
    right: 'ArrowRight', up: 'ArrowUp', down: 'ArrowDown', home: 'Home', end: 'End', pageup: 'PageUp',
    pagedown: 'PageDown', backspace: 'Backspace', delete: 'Delete', f1: 'F1',
};
function browserKey(name) {
    let modifiers = 0;
    const parts = name.toLowerCase().split('+');
    for (const m of parts.slice(0, -1)) modifiers |= { alt: 1, ctrl: 2, shift: 8 }[m] || 0;
    const last = parts.at(-1);
    return { key: KEY_NAMES[last] || (modifiers & 8 ? last.toUpperCase() : last), modifiers };
}

export class StepError extends Error {}

// A test's steps: a step that throws is one failure of the report, and the next step runs;
// `expect` ends a step with its message when the condition does not hold.
export function steps(report) {
    return {
        async step(what, fn) {
            try {
                await fn();
            } catch (e) {
                report.fail(`${what}: ${e instanceof StepError ? e.message : e.stack || e}`);
            }
        },
        expect(ok, what) {
            if (!ok) throw new StepError(what);
        },
    };
}

// Menu chains found by opening the menus: "FORM ITEM" -> [top item, sub-menu item, ...].
const chains = new Map();

export class Program {
    constructor(page) {
        this.page = page;
    }

    // A fresh page load; resolves when the program has started and painted.
    async open(url) {
        await this.page.navigate(url);
        await this.page.eval(`new Promise((resolve, reject) => {
            const t0 = performance.now();
            (function poll() {
                if (window.metallographie && window.metallographie.ready)
                    Promise.resolve(window.metallographie.ready).then(() => resolve(true), (e) => reject(new Error('ready rejected: ' + e)));
                else if (performance.now() - t0 > 60000) reject(new Error('window.metallographie.ready did not appear within 60 s'));
                else setTimeout(poll, 10);
            })();
        })`, { timeoutMs: 90000 });
    }

    // Lets input handlers and the paint they cause finish (one animation frame, then a task).
    settle() {
        return this.page.eval('new Promise((r) => requestAnimationFrame(() => setTimeout(() => r(true), 0)))');
    }

    async clickSelector(selector, index, what) {
        const t = await this.page.call(hitTargetInPage, selector, index || 0);
        if (t.error) throw new StepError(`${what}: ${t.error}`);
        if (!t.reaches) throw new StepError(`${what}: a click at its centre (${t.x.toFixed(1)},${t.y.toFixed(1)}) reaches ${t.hit}`);
        if (t.disabled) throw new StepError(`${what}: aria-disabled="true"`);
        await this.page.click(t.x, t.y);
    }

    async closePopups() {
        for (let i = 0; i < 6 && (await this.page.call(openPopupItems)).length > 0; ++i) {
            await this.page.escape();
            await this.settle();
        }
    }

    itemSelector(form, name) {
        // A top item in the window's menu bar, or an item of an open pop-up.
        return `section.mg-window[data-form=${q(form)}] [role=menubar] [role=menuitem][data-item=${q(name)}],` +
            ` [role=menu] [role=menuitem][data-item=${q(name)}]`;
    }

    // The window must be there and usable, as the native run expects of the same step.
    async usable(form, what) {
        const state = await this.page.call(formState, form);
        if (!state) throw new StepError(`${what}: no section.mg-window[data-form="${form}"]`);
        if (state.hidden) throw new StepError(`${what}: ${form} is hidden`);
        if (state.disabled) throw new StepError(`${what}: ${form} is disabled (mg-disabled); active: ${await this.activeForm()}`);
        return state;
    }

    async menu(form, item) {
        await this.usable(form, `menu ${form} ${item}`);
        let chain = chains.get(form + ' ' + item);
        // A search leaves the pop-up holding the item open.
        if (!chain) chain = (await this.findChain(form, item)) && [];
        for (const name of [...chain, item]) {
            await this.clickSelector(this.itemSelector(form, name), 0, `menu ${form} ${item}: item ${name}`);
            await this.settle();
        }
    }

    // Opens the window's menus one after the other until the item shows up; remembers
    // where every item seen on the way lives.
    async findChain(form, item) {
        await this.closePopups();
        const tops = await this.page.call(topItems, form);
        if (!tops) throw new StepError(`menu ${form} ${item}: ${form} has no [role=menubar]`);
        if (tops.some((t) => t.name === item)) return true;
        const openItem = async (name, what) => {
            const before = new Set((await this.page.call(openPopupItems)).map((e) => e.name));
            await this.clickSelector(this.itemSelector(form, name), 0, what);
            await this.settle();
            return (await this.page.call(openPopupItems)).filter((e) => !before.has(e.name));
        };
        const explore = async (path, items) => {
            for (const e of items) chains.set(form + ' ' + e.name, path);
            if (items.some((e) => e.name === item)) return true;
            for (const e of items.filter((x) => x.sub)) {
                const inner = await openItem(e.name, `opening ${form}'s sub-menu ${e.name}`);
                if (await explore([...path, e.name], inner)) return true;
            }
            return false;
        };
        for (const t of tops.filter((x) => x.sub && !x.disabled)) {
            const items = await openItem(t.name, `opening ${form}'s menu ${t.name}`);
            if (await explore([t.name], items)) return true;
            await this.closePopups();
        }
        const names = tops.map((t) => t.name + (t.sub ? '(pop-up)' : '') + (t.disabled ? '(disabled)' : '')).join(' ');
        throw new StepError(`menu ${form} ${item}: not found in its menus (top items: ${names || 'none'}; ` +
            'items that open a pop-up need aria-haspopup)');
    }

    // Esc goes to the active window; each Esc item of the program closes its window.
    async escape(form) {
        const active = await this.page.call(activeForm);
        if (active !== form) throw new StepError(`key ${form} esc: the active window is ${active}, Esc would go there`);
        const focus = await this.page.eval(`(() => { const e = document.activeElement;
            if (!e) return 'nothing';
            const w = e.closest('[data-form]');
            return '<' + e.tagName.toLowerCase() + (e.dataset.item ? ' data-item=' + e.dataset.item : '') + '>' +
                (w ? ' of ' + w.dataset.form : ''); })()`);
        await this.page.escape();
        await this.settle();
        const after = await this.page.call(formState, form);
        if (after && !after.hidden && after.active)
            throw new StepError(`key ${form} esc: ${form} is still shown and active after Escape (the focus was on ${focus})`);
    }

    // Keys and typed text go to the active window, as on the desktop.
    async keys(form, names) {
        await this.usable(form, `keys ${form}`);
        const active = await this.activeForm();
        if (active !== form) throw new StepError(`keys ${form}: the active window is ${active}, the keys would go there`);
        for (const name of names) {
            const { key, modifiers } = browserKey(name);
            await this.page.pressKey(key, modifiers);
            await this.settle();
        }
    }

    async type(form, text) {
        await this.keys(form, []);
        for (const ch of text) {
            await this.page.pressKey(ch);
            await this.settle();
        }
    }

    // Wheel notches (> 0 towards the user) at a client point: 100 pixels each.
    async wheel(form, x, y, notches) {
        const p = await this.page.call(canvasPointInPage, form, x, y);
        if (p.error || !p.reaches) throw new StepError(`wheel ${form} ${x} ${y}: ${p.error || 'the point reaches ' + p.hit}`);
        await this.page.wheel(p.x, p.y, notches * 100);
        await this.settle();
    }

    async clickClient(form, x, y) {
        const what = `click ${form} ${x} ${y}`;
        await this.usable(form, what);
        let p = await this.page.call(canvasPointInPage, form, x, y);
        if (p.error) throw new StepError(`${what}: ${p.error}`);
        if (!p.reaches && /of TForm/.test(p.hit)) {
            // Another window lies over the point: the user brings the window forward by its
            // caption first (the click would activate it anyway).
            console.log(`note: ${what}: the point is under ${p.hit}; ${form} brought forward by its caption first`);
            await this.activate(form);
            p = await this.page.call(canvasPointInPage, form, x, y);
        }
        if (!p.reaches) throw new StepError(`${what}: page point ${p.x.toFixed(1)},${p.y.toFixed(1)} reaches ${p.hit}`);
        await this.page.click(p.x, p.y);
        await this.settle();
    }

    async clickOn(form, control) {
        const r = await this.page.eval(`window.metallographie.controlRect(${q(form)}, ${q(control)})`);
        if (!r) throw new StepError(`clickon ${form} ${control}: controlRect gives null`);
        // The centre as the native tests take it (integer division).
        await this.clickClient(form, Math.trunc((r.left + r.right) / 2), Math.trunc((r.top + r.bottom) / 2));
    }

    async activate(form) {
        await this.clickSelector(`section.mg-window[data-form=${q(form)}] .mg-caption .mg-title`, 0, `activate ${form}: caption`);
        await this.settle();
    }

    async script(text) {
        return this.page.eval(`window.metallographie.script(${q(text)})`);
    }

    async advance(ms) {
        const r = await this.script(`advance ${ms}`);
        if (!r || r.status !== 0 || r.output) throw new StepError(`advance ${ms}: script answered ${JSON.stringify(r).slice(0, 200)}`);
    }

    async show(form) {
        await this.page.eval(`window.metallographie.show(${q(form)})`);
        await this.settle();
    }

    async checksum(form) {
        const r = await this.page.eval(pageChecksumExpression(form));
        if (r.error) throw new StepError(r.error);
        return r;
    }

    async canvasPng(form) {
        return this.page.eval(`(() => { const c = document.querySelector('section.mg-window[data-form=${q(form)}] canvas.mg-client');
            return c ? c.toDataURL('image/png') : null; })()`);
    }

    formState(form) {
        return this.page.call(formState, form);
    }

    activeForm() {
        return this.page.call(activeForm);
    }
}
