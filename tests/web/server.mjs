// A static file server on 127.0.0.1 and a free port, for the built site.
import { createServer } from 'node:http';
import { createReadStream, statSync } from 'node:fs';
import { extname, join, normalize, sep } from 'node:path';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.css': 'text/css; charset=utf-8',
    '.png': 'image/png',
    '.json': 'application/json',
};

export function serve(root) {
    const server = createServer((req, res) => {
        const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
        const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
        if (file !== root && !file.startsWith(root.endsWith(sep) ? root : root + sep)) {
            res.writeHead(403).end();
            return;
        }
        let st;
        try {
            st = statSync(file);
        } catch {
            // The browser asks for an icon the site does not have: no error for that.
            res.writeHead(path === '/favicon.ico' ? 204 : 404).end();
            return;
        }
        if (!st.isFile()) {
            res.writeHead(404).end('not found');
            return;
        }
        res.writeHead(200, {
            'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
            'Content-Length': st.size,
            'Cache-Control': 'no-cache',
        });
        createReadStream(file).pipe(res);
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            resolve({
                url: `http://127.0.0.1:${port}/`,
                close: () => new Promise((r) => server.close(r)),
            });
        });
    });
}
