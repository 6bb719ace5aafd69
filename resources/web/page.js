// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The page round the game: what it says while the game loads, where the
// browser cannot run it, and when it has ended; the offline copy.
'use strict';

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

function hasWebGL() {
    const canvas = document.createElement('canvas');
    return !!(canvas.getContext('webgl2') || canvas.getContext('webgl'));
}

// The game's code, with its progress shown; the service worker may answer.
async function fetchGame(url) {
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(url + ': ' + response.status);
    const total = Number(response.headers.get('X-Uncompressed-Length') || response.headers.get('Content-Length')) || 0;
    const reader = response.body.getReader();
    const parts = [];
    let received = 0;
    for (;;) {
        const { done, value } = await reader.read();
        if (done)
            break;
        parts.push(value);
        received += value.length;
        if (total)
            progress.value = Math.min(100, Math.round(100 * received / total));
    }
    const bytes = new Uint8Array(received);
    let at = 0;
    for (const part of parts) {
        bytes.set(part, at);
        at += part.length;
    }
    return bytes.buffer;
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

window.gitterspor = {
    running: false,
    inTask: false, // told by the game
    scale: gameScale(),
    // called by the game when its window has closed
    ended() {
        this.running = false;
        document.getElementById('screen').hidden = true;
        say('Gitterspor er lukket. Tak for spillet!', { link: { href: location.pathname, text: 'Spil igen' } });
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
    if (typeof WebAssembly !== 'object') {
        say('Denne browser kan ikke køre Gitterspor: den mangler WebAssembly. Prøv en nyere browser.');
        return;
    }
    if (!hasWebGL()) {
        say('Denne browser kan ikke køre Gitterspor: den mangler WebGL. Slå hardwareacceleration til, eller prøv en anden browser.');
        return;
    }
    if ('serviceWorker' in navigator)
        navigator.serviceWorker.register('sw.js').catch(() => {}); // the game runs without
    danishScreenReaderButton(document.getElementById('screen'));
    say('Gitterspor hentes …', { showProgress: true });
    try {
        const wasmBinary = await fetchGame('gitterspor.wasm');
        say('Gitterspor starter …');
        await qtLoad({
            wasmBinary,
            qt: {
                containerElements: [document.getElementById('screen')],
                entryFunction: window.gitterspor_entry,
                environment: window.gitterspor.scale === 1 ? {} : { QT_SCALE_FACTOR: String(window.gitterspor.scale) },
                onLoaded: () => {
                    message.hidden = true;
                    window.gitterspor.running = true;
                },
                onExit: () => window.gitterspor.ended(),
            },
        });
    } catch (error) {
        say('Gitterspor kunne ikke hentes. Se efter, at der er forbindelse til nettet, og prøv igen.',
            { link: { href: location.pathname, text: 'Prøv igen' } });
        console.error(error);
    }
}

start();
