// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The browser build played in a real browser, as a child plays it: laid out,
// a guess by mouse, a composed task, printing to PDF, the settings, help, a
// whole task by keyboard alone, touch and a touch cancelled, the sizes of a
// Chromebook and an iPad, an installed app's printout, browsers too old, a
// device pixel ratio of 2, dark mode, the accessibility tree and the live
// region, a second start with the network cut, and what the server was
// asked for.
//     node play.mjs chromium|firefox|webkit URL OUT-FOLDER
// The pictures and the text on them are checked with tests/e2e/lib.sh.
import { execFileSync } from 'node:child_process';
import { mkdirSync, readdirSync, rmSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { boardShown, launch, openPage } from './browser.mjs';

const [browserName, url, out] = process.argv.slice(2);
const lib = join(dirname(fileURLToPath(import.meta.url)), '..', 'lib.sh');
const downloads = join(out, `downloads-${browserName}`);
rmSync(downloads, { recursive: true, force: true });
mkdirSync(downloads, { recursive: true });
const chromium = browserName === 'chromium';
let failures = 0;

async function check(what, test) {
    let ok = false;
    try {
        ok = await test();
    } catch (error) {
        console.log(`   ${error.message.split('\n')[0]}`);
    }
    console.log(`${ok ? 'PASS' : 'FAIL'}: ${what} (${browserName})`);
    if (!ok)
        failures++;
    return ok;
}

// lib.sh's helpers on a picture, true when the command succeeds
function sh(command) {
    try {
        return execFileSync('bash', ['-c', `source "${lib}"; ${command}`], { encoding: 'utf8' });
    } catch {
        return null;
    }
}
const pixel = (png, x, y) => (sh(`pixel "${png}" ${x} ${y}`) || '').trim();
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// The board's places, in the window's client coordinates (lib.sh's too).
const xButton = n => [45 + 30 * n + 12, 427];
const yButton = n => [27, 84 + 30 * (10 - n) + 12];
const point = (x, y) => [57 + 30 * x, 96 + 30 * (10 - y)];

// The game's windows as the page holds them in Qt's shadow DOM: title and
// client area. The one titled `close` is closed by the cross in its title
// bar, as a user closes it.
function windows(page, close = null) {
    return page.evaluate(close => {
        const found = [];
        const visit = root => root.querySelectorAll('*').forEach(element => {
            if (element.shadowRoot)
                visit(element.shadowRoot);
            if (!element.classList.contains('qt-window') || element.offsetParent === null)
                return;
            const title = element.querySelector('.window-name')?.textContent ?? '';
            const box = (element.querySelector('canvas') || element).getBoundingClientRect();
            found.push({ title, x: box.x, y: box.y, width: box.width, height: box.height });
            if (title === close)
                [...element.querySelectorAll('.title-bar .image-button')].pop().click();
        });
        visit(document);
        return found;
    }, close);
}
// TEST's first true answer, or null once TIMEOUT ms have gone by without.
async function until(test, timeout = 5000) {
    for (const end = Date.now() + timeout; Date.now() < end; await sleep(50)) {
        const answer = await test();
        if (answer)
            return answer;
    }
    return null;
}
const windowNamed = (page, title, timeout) => until(async () => (await windows(page)).find(w => w.title === title), timeout);
const gone = (page, title, timeout) => until(async () => !(await windows(page)).some(w => w.title === title), timeout);

// Answers the open question from the keyboard, as a child does: the
// question has the keyboard the moment it opens. Return "Ja", Escape "Nej".
async function answer(page, key, title = '', timeout = 5000) {
    if (!await windowNamed(page, title, timeout))
        return false;
    await page.keyboard.press(key);
    return gone(page, title);
}

async function startGame(page, path = '') {
    await page.goto(url + path);
    await boardShown(page).catch(async error => {
        throw new Error(`${error.message}; the page says: ${await page.evaluate(() => document.body.innerText)}`);
    });
    // the splash goes by itself
    await sleep(500);
    return gone(page, 'fmSplash', 6000);
}

async function click(page, [x, y], origin = { x: 0, y: 0 }) {
    await page.mouse.click(origin.x + x, origin.y + y);
    await sleep(150);
}
async function guess(page, x, y) {
    await click(page, xButton(x));
    await click(page, yButton(y));
}
async function shot(page, name) {
    const path = join(out, `web-${browserName}-${name}.png`);
    await page.screenshot({ path });
    return path;
}
async function pdfText(before) {
    const pdf = await until(() => readdirSync(downloads).find(name => name.endsWith('.pdf') && !before.includes(name)), 10000);
    await sleep(200); // the browser writes the download under its name, then fills it
    return pdf ? execFileSync('pdftotext', ['-layout', join(downloads, pdf), '-'], { encoding: 'utf8' }) : '';
}

await fetch(`${url}__requests?reset=1`);
const browser = await launch(browserName, downloads);
try {
    // ---- a Chromebook's screen, by mouse and keyboard ----
    const page = await openPage(browser, browserName, downloads, { width: 1366, height: 768 });
    page.on('pageerror', error => console.log(`   page error: ${error.message}`));
    await check('the board appears and the splash goes', () => startGame(page));
    const board = await windowNamed(page, 'Gitterspor');
    await check('the board fills the page from its corner', () => board && board.x === 0 && board.y === 0
        && board.width === 1366 && board.height === 768);
    const empty = await shot(page, 'chromebook');
    await check('the coordinate buttons stand at their pitch', () => sh(`buttons_at_pitch "${empty}" 0 0`) !== null);
    await check('the notepad says "Taxi afstand"', () => /Taxi afstand/.test(sh(`notepad_words "${empty}" 0 0`) || ''));

    await click(page, [26, 20]); // "Start opgave"
    await guess(page, 3, 3);
    const first = await shot(page, 'guess');
    await check('a guess by mouse is drawn', () => ['255,0,0', '0,255,0'].includes(pixel(first, ...point(3, 3))));
    await check('the guess is logged "1. gæt"', () => /1\. gæt/.test(sh(`notepad_words "${first}" 0 0`) || ''));

    // "Lav opgave" in the middle of a task asks first
    await click(page, [66, 20]);
    await check('"Lav opgave" asks first, and "Ja" answers', () => answer(page, 'Enter'));
    await guess(page, 5, 5);
    const composed = await shot(page, 'composed');
    await check('the composed place is a lime disc', () => pixel(composed, ...point(5, 5)) === '0,255,0');
    await click(page, [204, 61]); // "Løs opgaven"
    await guess(page, 4, 6);
    const solving = await shot(page, 'solving');
    await check('the composed task is played: a red disc at (4,6)', () => pixel(solving, ...point(4, 6)) === '255,0,0');
    await check('and the hidden place is hidden again', () => pixel(solving, ...point(5, 5)) !== '0,255,0');

    // the task printout: the name is asked for, a PDF is handed over
    let before = readdirSync(downloads);
    await click(page, [1366 - 216 + 18, 20]); // "Udskriv opgave"
    const prompt = await windowNamed(page, 'Skriv dit navn');
    await check('printing asks for the name', () => prompt);
    await page.keyboard.type('Bo'); // the name box has the keyboard as it opens
    await page.keyboard.press('Enter');
    const task = await pdfText(before);
    await check('the task printout is a PDF with the name in its title', () => /Bo/.test(task));
    await check('the task printout lists the guess', () => /1\. gæt: ?\(4, ?6\)/.test(task));

    // the statistics window is shown modal, and its printout asks for the name inside it
    await click(page, [1366 - 136 + 18, 20]);
    const stat = await windowNamed(page, 'Spil statistik');
    await check('the statistics window opens', () => stat);
    before = readdirSync(downloads);
    if (stat)
        await click(page, [49, 18], stat);
    await check('its printout asks for the name, and keeps it', () => answer(page, 'Enter', 'Skriv dit navn'));
    const report = await pdfText(before);
    await check('the statistics printout is a PDF with the name', () => /Bo/.test(report) && /Antal gæt/.test(report));
    await check('the statistics window is still open after printing', () => windowNamed(page, 'Spil statistik', 500));
    if (chromium) // the peak: WebAssembly memory only grows
        console.log(`   WebAssembly memory after both printouts: ${await page.evaluate(() => window.gitterspor.memory())} bytes`);
    await check('the statistics window closes', () => answer(page, 'Escape', 'Spil statistik'));

    // the settings: direct distance, and the next guess is answered in it
    await click(page, [1366 - 176 + 18, 20]);
    await check('the settings in the middle of a task ask first', () => answer(page, 'Enter'));
    const settings = await windowNamed(page, 'Indstillinger');
    await check('the settings open', () => settings);
    if (settings) {
        await shot(page, 'settings');
        await click(page, [40, 72], settings); // "Direkte afstand"
        await click(page, [192 + 38, 36 + 11], settings); // "OK"
    }
    await gone(page, 'Indstillinger');
    await click(page, [26, 20]);
    await answer(page, 'Enter', '', 1000); // should it ask
    const direct = await shot(page, 'direct');
    await check('the notepad says "Direkte afstand"', () => /Direkte afstand/.test(sh(`notepad_words "${direct}" 0 0`) || ''));

    // help: "Hjælp" drops its menu down, "Vejledning" is the first item
    const shown = (await windows(page)).length;
    await click(page, [1366 - 84 + 18, 20]);
    await until(async () => (await windows(page)).length > shown, 2000);
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    await check('the help opens', () => windowNamed(page, 'Gitterspor – vejledning'));
    await shot(page, 'help');
    await windows(page, 'Gitterspor – vejledning');
    await check('the help closes', () => gone(page, 'Gitterspor – vejledning'));

    // closing: yes ends the game, and the page says so
    await click(page, [1366 - 44 + 18, 20]);
    await check('closing asks "Luk Gitterspor?", and "Ja" answers', () => answer(page, 'Enter'));
    await check('the page says the game has ended, with a way to play again', () => page.waitForFunction(
        () => /Tak for spillet/.test(document.body.innerText) && document.querySelector('#message a'), { timeout: 5000 }));
    await page.close();

    // ---- a whole task from the keyboard alone: composed at (7, 7) so that no
    // luck is involved, solved in six guesses, printed with a typed name, and
    // the game closed; every window has the keyboard as it opens ----
    {
        const keys = await openPage(browser, browserName, downloads, { width: 1366, height: 768 });
        await startGame(keys);
        const press = async (key, times = 1) => {
            for (let n = 0; n < times; n++) {
                await keys.keyboard.press(key);
                await sleep(80);
            }
        };
        await press('Escape'); // "Lav opgave"
        await press('ArrowRight', 7);
        await press(' ', 3); // x 7, y 7, "Løs opgaven"
        for (let n = 1; n <= 6; n++) { // (1, 1) … (6, 6)
            await press('ArrowRight');
            await press(' ', 2);
        }
        const solved = await shot(keys, 'keyboard');
        await check('six guesses by keyboard, then the solution', () => pixel(solved, ...point(6, 6)) === '255,0,0'
            && pixel(solved, ...point(7, 7)) === '0,128,0'); // the solution's green disc
        const before = readdirSync(downloads);
        await press('Tab', 3); // from "Start opgave" to "Udskriv opgave"
        await press(' ');
        await windowNamed(keys, 'Skriv dit navn');
        await keys.keyboard.type('Åse Ørbæk');
        await shot(keys, 'name-typed');
        await press('Enter');
        const printed = await pdfText(before);
        await check('the name typed at once, æ, ø and å too, is in the printout', () => /Åse Ørbæk/.test(printed)
            && /6\. gæt: ?\(6, ?6\)/.test(printed));
        if (browserName === 'webkit') {
            // WebKitGTK's driver sends Tab with Shift held as the key
            // "Unidentified" (code "Tab"), which no page takes for a Tab:
            // the question is opened by mouse there
            await click(keys, [1366 - 44 + 18, 20]);
        } else {
            await keys.keyboard.down('Shift');
            await press('Tab', 6); // back to "Luk Gitterspor"
            await keys.keyboard.up('Shift');
            await press(' ');
        }
        await check('"Luk Gitterspor?" is answered with Return', () => answer(keys, 'Enter'));
        await check('and the game has ended', () => keys.waitForFunction(() => !window.gitterspor.running, { timeout: 5000 }));
        await keys.close();
    }

    // ---- the accessibility tree, there from the start: the tool bar, the
    // coordinate buttons, and the lattice as a grid of 11 rows of 11 points ----
    if (chromium) {
        const page = await openPage(browser, browserName, null, { width: 1366, height: 768 });
        await startGame(page);
        const a11y = await page.createCDPSession();
        await a11y.send('Accessibility.enable');
        const { nodes } = await a11y.send('Accessibility.getFullAXTree');
        const byId = new Map(nodes.map(node => [node.nodeId, node]));
        const name = node => (node && node.name && node.name.value) || '';
        const found = nodes.map(name).filter(Boolean);
        console.log(`   accessibility tree: ${[...new Set(found)].slice(0, 40).join(' | ')}`);
        const children = (node, role) => ((node && node.childIds) || []).map(id => byId.get(id)).filter(n => n && n.role.value === role);
        const rows = children(nodes.find(node => node.role && node.role.value === 'grid'), 'row');
        const cells = rows.map(row => children(row, 'gridcell'));
        for (const [what, ok] of [
            ['the tool bar is in the accessibility tree', ['Start opgave', 'Lav opgave'].every(n => found.includes(n))],
            ['the coordinate buttons are in the accessibility tree', found.includes('x 3') && found.includes('y 5')],
            ['the lattice is a grid of 11 rows of 11 points, named as on the desktop', rows.length === 11
                && cells.every(row => row.length === 11) && /^punkt \(0, 10\)/.test(name(cells[0][0]))
                && /^punkt \(10, 0\)/.test(name(cells[10][10]))]])
            await check(what, () => ok);
        // a guess is said in the page's live region, the same words again too
        await page.keyboard.press(' '); // "Start opgave"
        await page.keyboard.press(' '); // x 0
        await page.keyboard.press(' '); // y 0
        const heard = await until(() => page.evaluate(() => [...document.querySelectorAll('.announcer')]
            .map(region => region.textContent).join('')), 3000);
        console.log(`   the live region says: ${heard}`);
        await check('a guess is said in the live region', () => /afstand|Netop/.test(heard || ''));
        await page.close();
    }

    // ---- an iPad in both orientations, by touch: the whole board in view,
    // scaled up for fingers where it fits ----
    const green = (png, [x, y]) => pixel(png, Math.round(x), Math.round(y)) === '0,128,64';
    const inView = (png, s) => [0, 10].every(n => !green(png, xButton(n).map(v => v * s))
        && green(png, [(45 + 30 * n + 27) * s, 427 * s]) && !green(png, yButton(n).map(v => v * s)));
    // (Firefox's driver has no touch screen to emulate: there it is as with a
    // mouse; WebKitGTK has neither touch nor a page of its own per size)
    for (const [name, width, height, scale] of browserName === 'webkit' ? [] : [['ipad-landscape', 1024, 768, chromium ? 1.5 : 1], ['ipad-portrait', 768, 1024, 1]]) {
        const ipad = await openPage(browser, browserName, null, { width, height, hasTouch: true, isMobile: true });
        await startGame(ipad);
        const png = await shot(ipad, name);
        const s = await ipad.evaluate(() => window.gitterspor.scale);
        await check(`the whole board is in view on an iPad, ${name.slice(5)}, at scale ${s}`, () => s === scale && inView(png, s));
        if (chromium && name === 'ipad-landscape') {
            // touch: a tap plays, a hold sets the yellow mark
            const at = ([x, y]) => [x * s, y * s];
            const tap = async place => {
                await ipad.touchscreen.tap(...at(place));
                await sleep(150);
            };
            await tap([26, 20]);
            await tap(xButton(2));
            await tap(yButton(7));
            await ipad.touchscreen.touchStart(...at(point(6, 2)));
            await sleep(700);
            await ipad.touchscreen.touchEnd();
            await sleep(150);
            const touched = await shot(ipad, 'touch');
            await check('a tap plays', () => ['255,0,0', '0,255,0'].includes(pixel(touched, ...at(point(2, 7)))));
            await check('a hold sets the yellow mark', () => pixel(touched, ...at(point(6, 2))) === '255,255,0');
            // a touch the system takes back (the Home indicator, a palm) clicks
            // nothing, and the taps after it play
            await tap([26, 20]); // a new task, whatever became of the last
            await answer(ipad, 'Enter', '', 1000);
            const touch = await ipad.createCDPSession();
            const [cx, cy] = at(xButton(6));
            await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: cx, y: cy }] });
            await sleep(100);
            await touch.send('Input.dispatchTouchEvent', { type: 'touchCancel', touchPoints: [] });
            await sleep(150);
            await tap(xButton(7));
            await tap(yButton(3));
            const after = await shot(ipad, 'touch-cancelled');
            const disc = place => ['255,0,0', '0,255,0'].includes(pixel(after, ...at(point(...place))));
            await check('after a cancelled touch the next taps play, and it clicked nothing', () =>
                disc([7, 3]) && !disc([6, 3]));
        }
        await ipad.close();
    }

    if (chromium) {
        // ---- installed on an iPad's Home Screen: a printout goes to the share
        // sheet, named after it, not to a download ----
        const app = await openPage(browser, browserName, downloads, { width: 1024, height: 768 });
        await app.evaluateOnNewDocument(() => {
            Object.defineProperty(navigator, 'standalone', { get: () => true });
            navigator.canShare = data => !!(data && data.files && data.files.length);
            navigator.share = async data => { window.shared = data.files.map(file => `${file.name} ${file.type} ${file.size}`); };
        });
        await startGame(app);
        const beforeShare = readdirSync(downloads);
        await click(app, [1024 - 216 + 18, 20]); // "Udskriv opgave"
        await windowNamed(app, 'Skriv dit navn');
        await app.keyboard.type('Bo');
        await app.keyboard.press('Enter');
        const shared = await until(() => app.evaluate(() => window.shared), 5000);
        console.log(`   shared: ${shared}`);
        await check('an installed app shares the printout, named after it, and downloads nothing', () => shared
            && /^Gitterspor \(Bo\)\.pdf application\/pdf [1-9]/.test(shared[0])
            && readdirSync(downloads).length === beforeShare.length);
        await app.close();

        // ---- a browser too old, or without WebAssembly (Lockdown Mode): told
        // what it lacks and which browsers run the game, never the network ----
        for (const [lacks, takeAway] of [
            ['BigInt', () => { delete window.BigInt64Array; }],
            ['WebAssembly', () => { delete window.WebAssembly; }],
            ['WebGL', () => { HTMLCanvasElement.prototype.getContext = () => null; }]]) {
            const old = await openPage(browser, browserName, null, { width: 1024, height: 768 });
            await old.evaluateOnNewDocument(takeAway);
            await old.goto(url);
            const said = await until(() => old.evaluate(() => !document.querySelector('#message').hidden
                && document.querySelector('#text').textContent), 10000);
            console.log(`   without ${lacks}: ${said}`);
            if (lacks === 'BigInt')
                await shot(old, 'old-browser');
            await check(`without ${lacks} the page says so, names the browsers that run it, and blames no network`,
                () => said && said.includes(lacks) && /iPadOS 15/.test(said) && !/nettet/.test(said));
            await old.close();
        }

        // ---- a device pixel ratio of 2: drawn at the screen's ratio; and a
        // Chromebook in dark mode ----
        const sharp = await openPage(browser, browserName, null, { width: 1024, height: 768, deviceScaleFactor: 2 });
        await sharp.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
        await startGame(sharp);
        const png = await shot(sharp, 'ratio2');
        await check('in dark mode the tool bar is light, with dark ink', () => sh(`light "${png}" 2048x80+0+0`) !== null);
        // across a lattice line between two points: black and white only, no grey of a
        // picture blown up
        const [lineX, lineY] = point(2, 5);
        const colours = sh(`convert "${png}" -crop 30x1+${2 * lineX - 15}+${2 * (lineY + 15)} -unique-colors txt:- | grep -o '#[0-9A-F]\\{6\\}' | sort -u | tr '\\n' ' '`);
        console.log(`   colours across a lattice line at ratio 2: ${colours}`);
        await check('the lattice is sharp at ratio 2', () => colours && colours.trim() === '#000000 #FFFFFF');
        await sharp.close();
    }

    // ---- leaving in the middle of a task asks; a second start with the
    // network cut comes from the service worker ----
    const offline = await openPage(browser, browserName, null, { width: 1366, height: 768 });
    await startGame(offline);
    await offline.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    await click(offline, [26, 20]);
    await click(offline, xButton(1));
    let asked = '';
    offline.once('dialog', dialog => {
        asked = dialog.type();
        dialog.accept();
    });
    await fetch(`${url}__offline?on=1`);
    await check('a second start with the network cut shows the board', () => startGame(offline));
    await fetch(`${url}__offline?on=0`);
    if (browserName !== 'webkit') // WebDriver answers the question itself
        await check('leaving in the middle of a task asks first', () => asked === 'beforeunload');
    // the page's own fetches went into the offline copy: the worker fetched none again
    const requests = await (await fetch(`${url}__requests`)).json();
    console.log(`   asked of the server: ${JSON.stringify(requests)}`);
    // (WebKit fetches the page's small files again, its cache notwithstanding)
    await check('a first visit fetched the program once', () => requests['/gitterspor.wasm'] === 1
        && (browserName === 'webkit' || requests['/gitterspor.js'] === 1 && requests['/qtloader.js'] === 1));
    await offline.close();
} finally {
    await browser.close();
}
console.log(failures ? `web (${browserName}): ${failures} check(s) failed` : `web (${browserName}): all checks passed`);
process.exit(failures ? 1 : 0);
