// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The browser build's load, in Debian's headless Chromium from a server on
// this machine: bytes over the wire, first paint of the board against a bare
// Qt window built the same way (alternating, each in a fresh profile), and a
// repeat visit answered by the service worker. Prints figures, never fails
// on a slow machine.
//     node web.mjs URL RUNS
import { launch } from '../tests/e2e/web/browser.mjs';

const [url, runs = '10'] = process.argv.slice(2);
const browser = await launch('chromium');
const median = list => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const sent = async () => Number(await (await fetch(`${url}/__bytes`)).text());

// ms from the request for the page to the program's first paint
async function firstPaint(program) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(() => {
        const log = console.log;
        console.log = (...args) => {
            if (String(args[0]).startsWith('FIRSTPAINT'))
                window.firstPaintAt = performance.now();
            log(...args);
        };
    });
    await page.goto(`${url}/run.html?test=${program}`);
    await page.waitForFunction(() => window.firstPaintAt !== undefined, { timeout: 120000, polling: 20 });
    const ms = await page.evaluate(() => window.firstPaintAt);
    await context.close();
    return ms;
}

// ms from the request for the game's own page to the board, and the bytes sent
async function visit(page) {
    const before = await sent();
    const started = Date.now();
    await page.goto(`${url}/`);
    await page.waitForFunction(() => window.gitterspor && window.gitterspor.running, { timeout: 120000, polling: 20 });
    return { ms: Date.now() - started, bytes: (await sent()) - before };
}

const game = [], bare = [];
for (let i = 0; i < Number(runs); i++) {
    bare.push(await firstPaint('firstpaint_minimal'));
    game.push(await firstPaint('firstpaint_gitterspor'));
}
console.log(`first paint, median of ${runs}: game ${median(game).toFixed(0)} ms, bare window ${median(bare).toFixed(0)} ms, `
    + `ratio ${(median(game) / median(bare)).toFixed(2)}`);
console.log(`  game: ${game.map(ms => ms.toFixed(0)).join(' ')}`);
console.log(`  bare: ${bare.map(ms => ms.toFixed(0)).join(' ')}`);

const context = await browser.createBrowserContext();
const page = await context.newPage();
const first = await visit(page);
await page.evaluate(() => navigator.serviceWorker.ready);
await page.evaluate(() => new Promise(resolve => setTimeout(resolve, 2000))); // the worker keeps the files
const again = await visit(page);
console.log(`first visit: ${(first.bytes / 1024 / 1024).toFixed(2)} MiB over the wire, board running after ${first.ms} ms`);
console.log(`repeat visit: ${again.bytes} bytes over the wire, board running after ${again.ms} ms`);
await browser.close();
