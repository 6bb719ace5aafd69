// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Debian's WebKitGTK (MiniBrowser, the engine of every browser on an iPad)
// driven over W3C WebDriver by WebKitWebDriver, behind the few calls of
// puppeteer's that the play script makes. Puppeteer does not drive WebKit.
// One session, one browser profile; each page is a tab of its own.
import { spawn } from 'node:child_process';
import { mkdtempSync, openSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { createServer } from 'node:net';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const keys = {
    Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', Shift: '\uE008', Space: ' ',
    ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
};

function freePort() {
    return new Promise(resolve => {
        const server = createServer().listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

class Session {
    constructor(base) {
        this.base = base;
    }
    async send(method, path, body) {
        const response = await fetch(`${this.base}${path}`, {
            method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body),
        });
        const answer = await response.json();
        if (answer.value && answer.value.error)
            throw new Error(`${path}: ${answer.value.error}: ${answer.value.message}`);
        return answer.value;
    }
}

class Page {
    constructor(session, handle) {
        this.session = session;
        this.handle = handle;
        this.held = new Set();
        this.mouse = { click: (x, y) => this.actions([{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
            actions: [{ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
                { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] }]) };
        // a key held down (Shift) is pressed again before each key: WebKit lets
        // go of it between two calls
        const value = key => keys[key] || key;
        const stroke = key => [...this.held].map(held => ({ type: 'keyDown', value: held }))
            .concat({ type: 'keyDown', value: value(key) }, { type: 'keyUp', value: value(key) });
        this.keyboard = {
            press: key => this.keys(stroke(key)),
            down: key => {
                this.held.add(value(key));
                return this.keys([{ type: 'keyDown', value: value(key) }]);
            },
            up: key => {
                this.held.delete(value(key));
                return this.keys([{ type: 'keyUp', value: value(key) }]);
            },
            type: text => this.keys([...text].flatMap(stroke)),
        };
    }
    async command(method, path, body) {
        await this.session.send('POST', '/window', { handle: this.handle });
        return this.session.send(method, path, body);
    }
    actions(sources) {
        return this.command('POST', '/actions', { actions: sources });
    }
    keys(actions) {
        return this.actions([{ type: 'key', id: 'keyboard', actions }]);
    }
    on() {} // page errors and dialogs: WebDriver answers a page's prompts itself
    once() {}
    goto(url) {
        return this.command('POST', '/url', { url });
    }
    evaluate(fn, ...args) {
        return this.command('POST', '/execute/sync', { script: `return (${fn}).apply(null, arguments);`, args });
    }
    async waitForFunction(fn, { timeout = 30000, polling = 50 } = {}) {
        for (const end = Date.now() + timeout; Date.now() < end; await sleep(polling)) {
            if (await this.evaluate(fn).catch(() => false))
                return true;
        }
        throw new Error(`waiting for ${fn} timed out`);
    }
    async setViewport({ width, height }) {
        // the window's size less what its frame and tool bar take is the page's
        for (let tries = 0; tries < 3; tries++) {
            const [innerW, innerH, outerW, outerH] = await this.evaluate(() => [innerWidth, innerHeight, outerWidth, outerHeight]);
            if (innerW === width && innerH === height)
                return;
            await this.command('POST', '/window/rect', { width: outerW + width - innerW, height: outerH + height - innerH });
            await sleep(200);
        }
    }
    async screenshot({ path }) {
        writeFileSync(path, Buffer.from(await this.command('GET', '/screenshot'), 'base64'));
    }
    async close() {
        await this.command('DELETE', '/window');
        await this.session.send('POST', '/window', { handle: this.session.home });
    }
}

// A browser whose pages are tabs of one MiniBrowser, on the X display of
// DISPLAY; its downloads land in DOWNLOADS (the XDG download folder, which
// GLib reads from user-dirs.dirs).
export async function launchWebKit(downloads) {
    const port = await freePort();
    const config = mkdtempSync(join(tmpdir(), 'webkit-'));
    writeFileSync(join(config, 'user-dirs.dirs'), `XDG_DOWNLOAD_DIR="${downloads}"\n`);
    const env = { ...process.env, XDG_CONFIG_HOME: config };
    // what the driver and the browser print, and the core of a process of
    // theirs that crashes, are kept beside the downloads
    const log = openSync(join(dirname(downloads), 'webkit.log'), 'w');
    const driver = spawn('WebKitWebDriver', [`--port=${port}`], { env, cwd: dirname(downloads), stdio: ['ignore', log, log] });
    const base = `http://127.0.0.1:${port}`;
    let value = null;
    for (const end = Date.now() + 20000; !value && Date.now() < end; await sleep(100)) {
        value = await fetch(`${base}/session`, { method: 'POST', headers: { 'Content-Type': 'application/json' },
            body: JSON.stringify({ capabilities: { alwaysMatch: { browserName: 'MiniBrowser',
                'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } } }) })
            .then(response => response.json()).then(answer => answer.value).catch(() => null);
    }
    if (!value || !value.sessionId)
        throw new Error(`WebKitWebDriver gave no session: ${JSON.stringify(value)}`);
    const session = new Session(`${base}/session/${value.sessionId}`);
    session.home = await session.send('GET', '/window');
    return {
        // a tab of its own; the session's first tab stays, or closing the
        // last page would end the session
        async newPage() {
            return new Page(session, (await session.send('POST', '/window/new', { type: 'window' })).handle);
        },
        async close() {
            await session.send('DELETE', '').catch(() => {});
            driver.kill();
        },
    };
}
