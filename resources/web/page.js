// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The page round the game: what it says while the game loads, where the
// browser cannot run it, and when it has ended; what the game tells it
// (window.gitterspor, called from src/dialogs/PageWeb.cpp); the offline copy.
'use strict';

// the service worker's cache of this build (sw.js)
const CACHE = 'gitterspor-@VERSION@';
const message = document.getElementById('message');
const text = document.getElementById('text');
const progress = document.getElementById('progress');

function say(words, { link = null, showProgress = false } = {}) {
    text.textContent = words;
    if (link) {
        const a = document.createElement('a');
        a.href = link.href;
        a.textContent = link.text;
        text.append(' ', a);
    }
    progress.hidden = !showProgress;
    message.hidden = false;
}

// What the game needs of the browser, and what it lacks: null when it has it
// all. WebAssembly whose 64-bit numbers are JavaScript's BigInt came with
// Safari 15 (iPadOS 15), Chrome 85 and Firefox 78; Lockdown Mode on an iPad
// turns WebAssembly off altogether.
function missingFeature() {
    if (typeof WebAssembly !== 'object')
        return 'WebAssembly';
    try {
        // (module (func (export "f") (param i64)))
        const bytes = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 1, 126, 0, 3, 2, 1, 0,
                                      7, 5, 1, 1, 102, 0, 0, 10, 4, 1, 2, 0, 11]);
        new WebAssembly.Instance(new WebAssembly.Module(bytes)).exports.f(0n);
        if (typeof BigInt64Array !== 'function')
            throw new TypeError('BigInt64Array');
    } catch {
        return 'WebAssembly med BigInt';
    }
    const canvas = document.createElement('canvas');
    if (!(canvas.getContext('webgl2') || canvas.getContext('webgl')))
        return 'WebGL';
    return null;
}

const oldBrowser = 'Gitterspor kører i Safari 15 eller nyere (iPadOS 15), Chrome og Edge 85, Firefox 78 og nyere.';
const advice = {
    'WebAssembly': 'Er Låsetilstand slået til på en iPad, er WebAssembly slået fra; slå den fra for denne side.',
    'WebAssembly med BigInt': 'Opdatér browseren, eller iPadOS, til en nyere udgave.',
    'WebGL': 'Slå hardwareacceleration til, eller prøv en anden browser.',
};

// The game's code, compiled while it arrives, with its progress shown; the
// service worker may answer. What the page fetched is kept for the next
// visit (keepForOffline). Rejects with a NetworkError when the bytes do
// not come.
class NetworkError extends Error {}
let fetchedGame = null;
async function compileGame(url) {
    let response;
    try {
        response = await fetch(url);
    } catch (error) {
        throw new NetworkError(error.message);
    }
    if (!response.ok)
        throw new NetworkError(url + ': ' + response.status);
    fetchedGame = response.clone();
    const total = Number(response.headers.get('X-Uncompressed-Length') || response.headers.get('Content-Length')) || 0;
    const reader = response.body.getReader();
    let received = 0;
    const counted = new ReadableStream({
        async pull(controller) {
            let part;
            try {
                part = await reader.read();
            } catch (error) {
                const failed = new NetworkError(error.message);
                controller.error(failed);
                throw failed;
            }
            if (part.done) {
                controller.close();
                return;
            }
            received += part.value.length;
            if (total)
                progress.value = Math.min(100, Math.round(100 * received / total));
            controller.enqueue(part.value);
        },
    });
    const streamed = new Response(counted, { headers: { 'Content-Type': 'application/wasm' } });
    try {
        return await WebAssembly.compileStreaming(streamed);
    } catch (error) {
        // a stream cut short is the network's doing; bytes the browser cannot
        // compile are the browser's
        throw error instanceof NetworkError || (total && received < total) ? new NetworkError(error.message) : error;
    }
}

// After a first visit the game starts without the network: what this page
// fetched goes into the service worker's cache as it is, and the worker
// fetches only what is not there yet, so that nothing is downloaded twice.
async function keepForOffline() {
    if (!('serviceWorker' in navigator) || !window.caches)
        return;
    try {
        const cache = await caches.open(CACHE);
        if (fetchedGame && !(await cache.match('gitterspor.wasm')))
            await cache.put('gitterspor.wasm', fetchedGame);
        // the page's own files are in the browser's cache from this very load
        for (const file of ['./', 'gitterspor.js', 'qtloader.js', 'page.js', 'manifest.webmanifest']) {
            if (await cache.match(file))
                continue;
            const response = await fetch(file, { cache: 'force-cache' });
            if (file === './')
                await cache.put('index.html', response.clone());
            await cache.put(file, response);
        }
    } catch (error) {
        console.warn('offline copy', error);
    }
    fetchedGame = null;
    navigator.serviceWorker.register('sw.js').catch(() => {}); // the game runs without
}

// The board window is laid out for 640 x 480. Where it does not fit, it is
// scaled down to fit. On a touch screen it is scaled up as far as it fits,
// for a child's finger, by the steps its pictures are drawn at, so the
// lattice stays on whole device pixels; with a mouse it stays as on the
// desktop. "?skala=1.5" asks for a scale.
function gameScale() {
    const asked = Number(new URLSearchParams(location.search).get('skala'));
    if (asked > 0)
        return asked;
    const fit = Math.min(innerWidth / 640, innerHeight / 480);
    if (fit < 1)
        return fit;
    if (!matchMedia('(any-pointer: coarse)').matches)
        return 1;
    return [2, 1.75, 1.5, 1.25].find(step => step <= fit) || 1;
}

// Qt's button that turns its accessibility tree on for a screen reader,
// named in Danish like the rest, whenever Qt makes one.
function danishScreenReaderButton(screen) {
    const danish = 'Slå skærmlæser til';
    const name = root => root.querySelectorAll('button.hidden-visually-read-by-screen-reader').forEach(button => {
        if (button.textContent !== danish)
            button.textContent = danish;
    });
    const watch = () => {
        const root = screen.querySelector('#qt-shadow-container')?.shadowRoot;
        if (!root)
            return false;
        name(root);
        new MutationObserver(() => name(root)).observe(root, { childList: true, subtree: true });
        return true;
    };
    if (!watch()) {
        const waiting = new MutationObserver(() => watch() && waiting.disconnect());
        waiting.observe(screen, { childList: true, subtree: true });
    }
}

// An installed web app (on an iPad's Home Screen): a download there opens a
// viewer with no way back to the game, so a printout goes to the share sheet.
function installedApp() {
    return navigator.standalone === true || matchMedia('(display-mode: standalone)').matches;
}

function download(file) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(file);
    link.download = file.name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// Two live regions taking turns: the same words twice are spoken twice.
let announcerTurn = 0;
let game = null; // emscripten's module of the running game

window.gitterspor = {
    running: false,
    inTask: false, // told by the game
    scale: gameScale(),
    // the game's WebAssembly memory in bytes (it grows, never shrinks)
    memory() {
        return game && game.HEAP8 ? game.HEAP8.length : 0;
    },
    // called by the game when its window has closed
    ended() {
        this.running = false;
        document.getElementById('screen').hidden = true;
        say('Gitterspor er lukket. Tak for spillet!', { link: { href: location.pathname, text: 'Spil igen' } });
    },
    // words for a screen reader
    announce(words) {
        const regions = document.querySelectorAll('.announcer');
        announcerTurn = 1 - announcerTurn;
        regions[1 - announcerTurn].textContent = '';
        regions[announcerTurn].textContent = words;
    },
    // a printout: shared from an installed app where the browser can share
    // files, downloaded elsewhere
    handOver(bytes, name, type) {
        const file = new File([bytes], name, { type });
        if (installedApp() && navigator.canShare && navigator.canShare({ files: [file] })) {
            navigator.share({ files: [file], title: name }).catch(error => {
                if (error.name !== 'AbortError') // the child closed the share sheet
                    download(file);
            });
            return;
        }
        download(file);
    },
};

// A tab closed in the middle of a task gets the browser's own question.
window.addEventListener('beforeunload', event => {
    if (window.gitterspor.running && window.gitterspor.inTask) {
        event.preventDefault();
        event.returnValue = '';
    }
});

async function start() {
    const missing = missingFeature();
    if (missing) {
        say(`Denne browser kan ikke køre Gitterspor: den mangler ${missing}. ${advice[missing]} ${oldBrowser}`);
        return;
    }
    danishScreenReaderButton(document.getElementById('screen'));
    say('Gitterspor hentes …', { showProgress: true });
    try {
        const module = compileGame('gitterspor.wasm');
        module.then(() => say('Gitterspor starter …'), () => {});
        await qtLoad({
            preRun: [instance => { game = instance; }],
            qt: {
                module,
                containerElements: [document.getElementById('screen')],
                entryFunction: window.gitterspor_entry,
                environment: {
                    // the accessibility tree from the start, for a screen reader
                    QT_WASM_ENABLE_ACCESSIBILITY: '1',
                    ...(window.gitterspor.scale === 1 ? {} : { QT_SCALE_FACTOR: String(window.gitterspor.scale) }),
                },
                onLoaded: () => {
                    message.hidden = true;
                    window.gitterspor.running = true;
                    keepForOffline();
                },
                onExit: () => window.gitterspor.ended(),
            },
        });
    } catch (error) {
        const again = { link: { href: location.pathname, text: 'Prøv igen' } };
        if (error instanceof NetworkError)
            say('Gitterspor kunne ikke hentes. Se efter, at der er forbindelse til nettet, og prøv igen.', again);
        else
            say(`Gitterspor kunne ikke starte i denne browser. ${oldBrowser}`, again);
        console.error(error);
    }
}

start();
