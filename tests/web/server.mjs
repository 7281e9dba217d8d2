// A static file server on 127.0.0.1, for the built site: the browser tests start it on a
// free port, `scripts/web.sh --serve` on a chosen one (node tests/web/server.mjs SITE PORT).
// A file with a precompressed twin beside it (name.br, name.gz, no older than the file) goes
// out as that twin when the request's Accept-Encoding takes it, brotli before gzip.
import { createServer } from 'node:http';
import { createReadStream, statSync } from 'node:fs';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.css': 'text/css; charset=utf-8',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.json': 'application/json',
};
const CODINGS = [['br', '.br'], ['gzip', '.gz']];

// The codings an Accept-Encoding header takes: those named (or "*") with a q above 0.
export function acceptedCodings(header) {
    const q = new Map();
    for (const part of String(header || '').split(',')) {
        const [name, ...params] = part.trim().toLowerCase().split(';').map((s) => s.trim());
        if (!name) continue;
        const m = params.map((p) => /^q=([0-9.]+)$/.exec(p)).find(Boolean);
        q.set(name, m ? Number(m[1]) : 1);
    }
    return CODINGS.map(([c]) => c).filter((c) => (q.has(c) ? q.get(c) : q.get('*') || 0) > 0);
}

function regularFile(path) {
    try {
        const st = statSync(path);
        return st.isFile() ? st : null;
    } catch {
        return null;
    }
}

export function serve(root, { port = 0 } = {}) {
    root = resolve(root);
    const server = createServer((req, res) => {
        if (req.method !== 'GET' && req.method !== 'HEAD') {
            res.writeHead(405, { Allow: 'GET, HEAD' }).end();
            return;
        }
        let path;
        try {
            path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
        } catch {
            res.writeHead(400).end();
            return;
        }
        const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
        if (file !== root && !file.startsWith(root.endsWith(sep) ? root : root + sep)) {
            res.writeHead(403).end();
            return;
        }
        const st = regularFile(file);
        if (!st) {
            res.writeHead(404).end('not found');
            return;
        }
        const headers = {
            'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
            // Nothing in the site carries a version in its name: ask every time.
            'Cache-Control': 'no-cache',
        };
        const twins = CODINGS.map(([coding, ext]) => ({ coding, file: file + ext, st: regularFile(file + ext) }))
            .filter((t) => t.st && t.st.mtimeMs >= st.mtimeMs);
        let sent = { file, st };
        if (twins.length) {
            headers.Vary = 'Accept-Encoding';
            const take = acceptedCodings(req.headers['accept-encoding']);
            const twin = twins.find((t) => take.includes(t.coding));
            if (twin) {
                headers['Content-Encoding'] = twin.coding;
                sent = twin;
            }
        }
        headers['Content-Length'] = sent.st.size;
        res.writeHead(200, headers);
        if (req.method === 'HEAD') res.end();
        else createReadStream(sent.file).pipe(res);
    });
    return new Promise((resolvePromise, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => {
            const { port: at } = server.address();
            resolvePromise({
                url: `http://127.0.0.1:${at}/`,
                close: () => new Promise((r) => server.close(r)),
            });
        });
    });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    const [site, port] = process.argv.slice(2);
    if (!site || !/^\d+$/.test(port || '')) {
        console.error('Aufruf: node tests/web/server.mjs ORDNER PORT');
        process.exit(2);
    }
    const { url } = await serve(site, { port: Number(port) });
    console.log(`${url} (Ende mit Strg+C)`);
}
