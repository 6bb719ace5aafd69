// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// A static web server for the browser build, as a school's host serves it:
// a file's precompressed .br or .gz beside it is sent where the browser
// takes it. Every byte sent is counted, for the benchmark.
//     node serve.mjs PORT FOLDER...
// PORT 0 takes a free port. Prints "listening PORT" when it answers; GET
// /__bytes gives the bytes sent so far, /__requests how often each file was
// asked for (?reset=1 starts both anew); /__offline?on=1 cuts the network
// (every other request is dropped unanswered) until /__offline?on=0.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const [port, ...folders] = process.argv.slice(2);
const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
    '.wasm': 'application/wasm', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
    '.png': 'image/png', '.svg': 'image/svg+xml', '.txt': 'text/plain; charset=utf-8',
};
let sent = 0;
let requests = {};
let offline = false;

async function file(path) {
    for (const base of folders) {
        const full = join(base, normalize(path).replace(/^(\.\.[/\\])+/, ''));
        try {
            if ((await stat(full)).isFile())
                return full;
        } catch {}
    }
    return null;
}

const server = createServer(async (request, response) => {
    const url = new URL(request.url, 'http://localhost');
    if (url.pathname === '/__bytes') {
        response.end(String(sent));
        return;
    }
    if (url.pathname === '/__requests') {
        response.end(JSON.stringify(requests));
        if (url.searchParams.get('reset') === '1') {
            requests = {};
            sent = 0;
        }
        return;
    }
    if (url.pathname === '/__offline') {
        offline = url.searchParams.get('on') === '1';
        response.end();
        return;
    }
    if (offline) {
        request.socket.destroy();
        return;
    }
    const path = decodeURIComponent(url.pathname.endsWith('/') ? url.pathname + 'index.html' : url.pathname);
    requests[path] = (requests[path] || 0) + 1;
    const found = await file(path);
    if (!found) {
        response.writeHead(404).end();
        return;
    }
    const headers = { 'Content-Type': types[extname(found)] || 'application/octet-stream', 'Cache-Control': 'no-cache' };
    const accepts = request.headers['accept-encoding'] || '';
    let body = await readFile(found);
    for (const [encoding, ending] of [['br', '.br'], ['gzip', '.gz']]) {
        const packed = accepts.includes(encoding) && await file(path + ending);
        if (packed) {
            headers['Content-Encoding'] = encoding;
            headers['X-Uncompressed-Length'] = String(body.length);
            body = await readFile(packed);
            break;
        }
    }
    sent += body.length;
    response.writeHead(200, headers).end(body);
});
server.listen(Number(port), '127.0.0.1', () => console.log(`listening ${server.address().port}`));
