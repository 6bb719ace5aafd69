// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The browser build's load, in Debian's headless Chromium from a server on
// this machine: first paint of the board against a bare Qt window built the
// same way (alternating, each in a fresh profile), and side by side for both
// a first visit (bytes over the wire, time to the board) at full speed and
// on a school Chromebook's terms, and a repeat visit (the game's from its
// service worker). Prints figures, never fails
// on a slow machine.
//     node web.mjs URL RUNS
import { launch } from '../tests/e2e/web/browser.mjs';

const [url, runs = '10'] = process.argv.slice(2);
const browser = await launch('chromium');
const median = list => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const sent = async () => Number(await (await fetch(`${url}/__bytes`)).text());

// The program prints FIRSTPAINT when it has painted: the page notes when.
function watchFirstPaint(page) {
    return page.evaluateOnNewDocument(() => {
        const log = console.log;
        console.log = (...args) => {
            if (String(args[0]).startsWith('FIRSTPAINT'))
                window.firstPaintAt = performance.now();
            log(...args);
        };
    });
}

// ms from the request for the page to the program's first paint
async function firstPaint(program, environment = '') {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await watchFirstPaint(page);
    await page.goto(`${url}/run.html?test=${program}${environment && `&env=${environment}`}`);
    await page.waitForFunction(() => window.firstPaintAt !== undefined, { timeout: 120000, polling: 20 });
    const ms = await page.evaluate(() => window.firstPaintAt);
    await context.close();
    return ms;
}

// A school Chromebook's terms: a 10 Mbit/s line with 40 ms, a processor 4x slower.
async function schoolTerms(page) {
    const session = await page.createCDPSession();
    await session.send('Network.enable');
    await session.send('Network.emulateNetworkConditions', { offline: false, latency: 40,
        downloadThroughput: 10e6 / 8, uploadThroughput: 10e6 / 8 });
    await session.send('Emulation.setCPUThrottlingRate', { rate: 4 });
}

// A first visit in a fresh profile, then a repeat visit in the same one: ms
// to the board (the game running, or the bare window's first paint) and
// the bytes the server sent.
async function visits(program, school) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    if (school)
        await schoolTerms(page);
    const address = program === 'game' ? `${url}/` : `${url}/run.html?test=${program}`;
    const shown = program === 'game' ? () => window.gitterspor && window.gitterspor.running
        : () => window.firstPaintAt !== undefined;
    await watchFirstPaint(page);
    const once = async () => {
        const before = await sent();
        const started = Date.now();
        await page.goto(address);
        await page.waitForFunction(shown, { timeout: 180000, polling: 20 });
        return { ms: Date.now() - started, bytes: (await sent()) - before };
    };
    const first = await once();
    if (program === 'game') {
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.evaluate(() => new Promise(resolve => setTimeout(resolve, 2000))); // the worker keeps the rest
    }
    const again = await once();
    await context.close();
    return { first, again };
}

const game = [], bare = [], spoken = [];
for (let i = 0; i < Number(runs); i++) {
    bare.push(await firstPaint('firstpaint_minimal'));
    game.push(await firstPaint('firstpaint_gitterspor'));
    spoken.push(await firstPaint('firstpaint_gitterspor', 'QT_WASM_ENABLE_ACCESSIBILITY=1'));
}
console.log(`first paint, median of ${runs}: game ${median(game).toFixed(0)} ms, bare window ${median(bare).toFixed(0)} ms, `
    + `ratio ${(median(game) / median(bare)).toFixed(2)}; game with its accessibility tree from the start `
    + `${median(spoken).toFixed(0)} ms`);
console.log(`  game: ${game.map(ms => ms.toFixed(0)).join(' ')}`);
console.log(`  bare: ${bare.map(ms => ms.toFixed(0)).join(' ')}`);

const mib = bytes => (bytes / 1024 / 1024).toFixed(2);
console.log('visits, median of 3        game                    bare window');
for (const school of [false, true]) {
    const rows = { game: [], firstpaint_minimal: [] };
    for (let i = 0; i < 3; i++)
        for (const program of Object.keys(rows))
            rows[program].push(await visits(program, school));
    const pick = (program, which, key) => median(rows[program].map(v => v[which][key]));
    const terms = school ? 'school terms' : 'full speed  ';
    console.log(`first visit, ${terms}: ${pick('game', 'first', 'ms')} ms, ${mib(pick('game', 'first', 'bytes'))} MiB`
        + `   ${pick('firstpaint_minimal', 'first', 'ms')} ms, ${mib(pick('firstpaint_minimal', 'first', 'bytes'))} MiB`);
    console.log(`repeat visit, ${terms}: ${pick('game', 'again', 'ms')} ms, ${pick('game', 'again', 'bytes')} bytes`
        + `   ${pick('firstpaint_minimal', 'again', 'ms')} ms, ${pick('firstpaint_minimal', 'again', 'bytes')} bytes`);
}
await browser.close();
