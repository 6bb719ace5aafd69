// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The game starts offline after the first visit: every file of the folder is
// kept at install, and answered from there first. A new build has a new
// cache name (@VERSION@ is the build's hash) and drops the old one.
'use strict';

const CACHE = 'gitterspor-@VERSION@';
const FILES = [@FILES@];

self.addEventListener('install', event => {
    event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(name => name !== CACHE).map(name => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.match(event.request, { ignoreSearch: true })
        .then(kept => kept || fetch(event.request)));
});
