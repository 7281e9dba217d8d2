// What the browser tests share: where things are, options, a browser with the site served.
import { existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Browser } from './cdp.mjs';
import { serve } from './server.mjs';

export const ROOT = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
export const BUILD_WEB = process.env.METALLO_WEB_BUILD || join(ROOT, 'build-web');
export const SITE = join(BUILD_WEB, 'site');
export const SINGLE_FILE = join(BUILD_WEB, 'metallographie.html');

// --name value pairs and --flag switches from the command line.
export function options(argv = process.argv.slice(2)) {
    const o = {};
    for (let i = 0; i < argv.length; ++i) {
        const a = argv[i];
        if (!a.startsWith('--')) continue;
        const eq = a.indexOf('=');
        if (eq > 0) o[a.slice(2, eq)] = a.slice(eq + 1);
        else if (i + 1 < argv.length && !argv[i + 1].startsWith('--')) o[a.slice(2)] = argv[++i];
        else o[a.slice(2)] = true;
    }
    return o;
}

// Starts the server for the site and one browser; run(browser, siteUrl) does the work.
export async function withSite(run, { site = SITE } = {}) {
    if (!existsSync(join(site, 'index.html'))) throw new Error(`no site at ${site} (build it with scripts/web.sh)`);
    const server = await serve(site);
    const browser = await Browser.launch();
    try {
        return await run(browser, server.url);
    } finally {
        await browser.close();
        await server.close();
    }
}

// Collects failures and prints them; the exit status says whether there were any.
export class Report {
    constructor(title) {
        this.title = title;
        this.failures = [];
        this.t0 = performance.now();
    }

    fail(what) {
        this.failures.push(what);
        console.log(`FAIL ${what}`);
    }

    check(ok, what) {
        if (!ok) this.fail(what);
        return ok;
    }

    finish(summary = '') {
        const s = ((performance.now() - this.t0) / 1000).toFixed(1);
        const verdict = this.failures.length ? `${this.failures.length} failure(s)` : 'passed';
        console.log(`== ${this.title}: ${verdict}${summary ? ', ' + summary : ''} (${s} s)`);
        process.exitCode = this.failures.length ? 1 : 0;
    }
}

// Runs in the page before its own scripts: the moment a window's canvas first shows pixels.
export const PAINT_PROBE = `(() => {
    const probe = window.__mgProbe = { firstPaint: 0 };
    function look() {
        const c = document.querySelector('canvas.mg-client');
        if (c && c.width > 0) {
            const ctx = c.getContext('2d');
            if (ctx && ctx.getImageData(c.width >> 1, c.height >> 1, 1, 1).data[3] !== 0) {
                probe.firstPaint = performance.now();
                return;
            }
        }
        requestAnimationFrame(look);
    }
    requestAnimationFrame(look);
})();`;
