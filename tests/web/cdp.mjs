// Headless Chromium driven over the DevTools protocol on a pipe: the browser reads
// commands from file descriptor 3 and writes answers and events to descriptor 4, one
// JSON message per NUL-terminated record. No packages, only node's own modules.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

// Browsers still running when the test ends, however it ends, go with it.
const running = new Set();
process.on('exit', () => {
    for (const b of running) {
        b.proc.kill('SIGKILL');
        rmSync(b.profile, { recursive: true, force: true });
    }
});
for (const signal of ['SIGINT', 'SIGTERM']) process.on(signal, () => process.exit(128 + (signal === 'SIGINT' ? 2 : 15)));

export class Browser {
    static async launch({ windowSize = '1280,1024', extraArgs = [] } = {}) {
        const profile = mkdtempSync(join(tmpdir(), 'mg-chromium-'));
        const args = [
            '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--disable-default-apps', '--disable-extensions', '--mute-audio', '--hide-scrollbars',
            // Timers and animation frames of pages that are not in front keep running.
            '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
            '--disable-backgrounding-occluded-windows',
            `--window-size=${windowSize}`, `--user-data-dir=${profile}`, '--remote-debugging-pipe',
            ...extraArgs, 'about:blank',
        ];
        const proc = spawn(CHROMIUM, args, { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
        const browser = new Browser(proc, profile);
        running.add(browser);
        await browser.send('Target.setDiscoverTargets', { discover: true });
        return browser;
    }

    constructor(proc, profile) {
        this.proc = proc;
        this.profile = profile;
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = new Set();
        this.stderr = '';
        this.closed = false;
        this.out = proc.stdio[3];
        let buffer = Buffer.alloc(0);
        proc.stdio[4].on('data', (chunk) => {
            buffer = Buffer.concat([buffer, chunk]);
            let end;
            while ((end = buffer.indexOf(0)) >= 0) {
                const text = buffer.subarray(0, end).toString('utf8');
                buffer = buffer.subarray(end + 1);
                this.dispatch(JSON.parse(text));
            }
        });
        proc.stderr.on('data', (d) => {
            this.stderr = (this.stderr + d.toString()).slice(-20000);
        });
        proc.on('exit', (code, signal) => {
            this.closed = true;
            running.delete(this);
            const why = new Error(`Chromium ended (${signal || code}); its last words:\n${this.stderr.slice(-2000)}`);
            for (const { reject } of this.pending.values()) reject(why);
            this.pending.clear();
        });
        // A broken pipe shows up as the exit above.
        this.out.on('error', () => {});
    }

    dispatch(msg) {
        if (msg.id !== undefined) {
            const p = this.pending.get(msg.id);
            if (!p) return;
            this.pending.delete(msg.id);
            if (msg.error) p.reject(new Error(`${p.method}: ${msg.error.message}${msg.error.data ? ' (' + msg.error.data + ')' : ''}`));
            else p.resolve(msg.result);
            return;
        }
        for (const l of [...this.listeners]) l(msg);
    }

    send(method, params = {}, sessionId = undefined) {
        if (this.closed) return Promise.reject(new Error(`${method}: Chromium is not running`));
        const id = this.nextId++;
        const msg = { id, method, params };
        if (sessionId) msg.sessionId = sessionId;
        return new Promise((resolve, reject) => {
            this.pending.set(id, { resolve, reject, method });
            this.out.write(JSON.stringify(msg) + '\0');
        });
    }

    on(listener) {
        this.listeners.add(listener);
        return () => this.listeners.delete(listener);
    }

    // A new tab with its own session (flat mode: the session id travels in each message).
    async newPage() {
        const { targetId } = await this.send('Target.createTarget', { url: 'about:blank', newWindow: true });
        const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
        const page = new Session(this, sessionId, targetId);
        await page.init();
        return page;
    }

    async close() {
        if (!this.closed) {
            const exited = new Promise((r) => this.proc.once('exit', r));
            this.send('Browser.close').catch(() => {});
            const timer = setTimeout(() => this.proc.kill('SIGKILL'), 5000);
            await exited;
            clearTimeout(timer);
        }
        rmSync(this.profile, { recursive: true, force: true });
    }
}

// Keys by KeyboardEvent.key: the physical key's code, the Windows key code, the text it types.
const KEYS = {
    Tab: ['Tab', 9], Enter: ['Enter', 13, '\r'], Escape: ['Escape', 27], Backspace: ['Backspace', 8],
    Delete: ['Delete', 46], Home: ['Home', 36], End: ['End', 35], PageUp: ['PageUp', 33], PageDown: ['PageDown', 34],
    ArrowLeft: ['ArrowLeft', 37], ArrowUp: ['ArrowUp', 38], ArrowRight: ['ArrowRight', 39], ArrowDown: ['ArrowDown', 40],
    F1: ['F1', 112], F10: ['F10', 121], ' ': ['Space', 32, ' '],
};
// Characters of a German keyboard that are not letters A-Z.
const CHARACTER_CODES = { ü: 'BracketLeft', ö: 'Semicolon', ä: 'Quote', ß: 'Minus', '-': 'Slash' };

export class Session {
    constructor(browser, sessionId, targetId) {
        this.browser = browser;
        this.sessionId = sessionId;
        this.targetId = targetId;
        // Problems the page reported: console errors, uncaught exceptions, log errors.
        this.errors = [];
        this.off = browser.on((msg) => {
            if (msg.sessionId !== this.sessionId) return;
            this.event(msg);
        });
        this.waiters = [];
    }

    async init() {
        await Promise.all([
            this.send('Page.enable'),
            this.send('Runtime.enable'),
            this.send('Log.enable'),
        ]);
    }

    send(method, params = {}) {
        return this.browser.send(method, params, this.sessionId);
    }

    event(msg) {
        const p = msg.params || {};
        if (msg.method === 'Runtime.consoleAPICalled' && (p.type === 'error' || p.type === 'assert')) {
            this.errors.push('console.' + p.type + ': ' + (p.args || []).map((a) => a.value ?? a.description ?? '').join(' '));
        } else if (msg.method === 'Runtime.exceptionThrown') {
            const d = p.exceptionDetails || {};
            this.errors.push('exception: ' + ((d.exception && d.exception.description) || d.text) +
                (d.url ? ` at ${d.url}:${d.lineNumber}` : ''));
        } else if (msg.method === 'Log.entryAdded' && p.entry && p.entry.level === 'error') {
            this.errors.push('log: ' + p.entry.text + (p.entry.url ? ' (' + p.entry.url + ')' : ''));
        }
        for (const w of [...this.waiters]) {
            if (w.method === msg.method && w.test(p)) {
                this.waiters.splice(this.waiters.indexOf(w), 1);
                w.resolve(p);
            }
        }
    }

    waitFor(method, test = () => true, timeoutMs = 30000) {
        return new Promise((resolve, reject) => {
            const w = { method, test, resolve: (p) => { clearTimeout(timer); resolve(p); } };
            const timer = setTimeout(() => {
                this.waiters.splice(this.waiters.indexOf(w), 1);
                reject(new Error(`no ${method} within ${timeoutMs} ms`));
            }, timeoutMs);
            this.waiters.push(w);
        });
    }

    // Evaluates an expression in the page and returns its value (awaiting a promise).
    async eval(expression, { timeoutMs = 60000 } = {}) {
        const r = await this.send('Runtime.evaluate', {
            expression, returnByValue: true, awaitPromise: true, timeout: timeoutMs,
        });
        if (r.exceptionDetails) {
            const d = r.exceptionDetails;
            throw new Error(`in the page: ${(d.exception && (d.exception.description || d.exception.value)) || d.text}`);
        }
        return r.result.value;
    }

    // Calls fn(...args) in the page; fn must not use anything from its node scope.
    call(fn, ...args) {
        return this.eval(`(${fn.toString()})(...${JSON.stringify(args)})`);
    }

    async setViewport(width, height, deviceScaleFactor = 1) {
        await this.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor, mobile: false });
    }

    // Loads url and waits for its load event.
    async navigate(url) {
        const loaded = this.waitFor('Page.loadEventFired');
        const r = await this.send('Page.navigate', { url });
        if (r.errorText) throw new Error(`cannot load ${url}: ${r.errorText}`);
        await loaded;
    }

    // A real mouse click (press and release of the left button) at page coordinates.
    async click(x, y) {
        const base = { x, y, button: 'left', clickCount: 1 };
        await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
        await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...base, buttons: 1 });
        await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...base, buttons: 0 });
    }

    // commands: the editing commands the key stands for ('cut', 'paste'), which the
    // browser otherwise leaves out of synthetic key events.
    async key({ key, code, keyCode, modifiers = 0, text, commands }) {
        const base = { key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode, modifiers };
        await this.send('Input.dispatchKeyEvent', { type: 'keyDown', ...base, ...(text ? { text } : {}), ...(commands ? { commands } : {}) });
        await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
    }

    escape() {
        return this.key({ key: 'Escape', code: 'Escape', keyCode: 27 });
    }

    // A named key ('Tab', 'Enter', 'ArrowDown', 'F1', ...) or a character ('r', 'ü') as
    // a keyboard sends it; modifiers: 1 Alt, 2 Ctrl, 4 Meta, 8 Shift.
    pressKey(name, modifiers = 0, commands = undefined) {
        const named = KEYS[name];
        if (named) return this.key({ key: name, code: named[0], keyCode: named[1], modifiers, text: named[2], commands });
        const up = name.toUpperCase();
        const letter = /^[A-Z]$/.test(up);
        return this.key({ key: name, code: letter ? 'Key' + up : CHARACTER_CODES[name] || '', keyCode: letter ? up.charCodeAt(0) : 0,
            modifiers, text: modifiers & 3 ? undefined : name, commands });
    }

    // Text as an input method or a phone's keyboard hands it over, without key events.
    insertText(text) {
        return this.send('Input.insertText', { text });
    }

    // A mouse press at the first point, moves through the others, the release at the last.
    async drag(points) {
        const [x0, y0] = points[0];
        await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: x0, y: y0 });
        await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', x: x0, y: y0, button: 'left', buttons: 1, clickCount: 1 });
        for (const [x, y] of points.slice(1))
            await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y, button: 'left', buttons: 1 });
        const [x1, y1] = points[points.length - 1];
        await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x: x1, y: y1, button: 'left', buttons: 0, clickCount: 1 });
    }

    async wheel(x, y, deltaY) {
        await this.send('Input.dispatchMouseEvent', { type: 'mouseWheel', x, y, deltaX: 0, deltaY });
    }

    // A finger's tap.
    async tap(x, y) {
        await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
        await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    }

    // Alt+letter as a keyboard sends it: Alt down, the letter with the Alt modifier, Alt up.
    async altLetter(letter) {
        const up = letter.toUpperCase();
        await this.send('Input.dispatchKeyEvent', { type: 'keyDown', key: 'Alt', code: 'AltLeft', windowsVirtualKeyCode: 18, modifiers: 1 });
        await this.key({ key: letter.toLowerCase(), code: 'Key' + up, keyCode: up.charCodeAt(0), modifiers: 1 });
        await this.send('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Alt', code: 'AltLeft', windowsVirtualKeyCode: 18, modifiers: 0 });
    }

    async close() {
        this.off();
        await this.browser.send('Target.closeTarget', { targetId: this.targetId }).catch(() => {});
    }
}
