// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// The game starts offline after the first visit: every file of the folder is
// kept, and answered from there first. The page puts what it fetched itself
// into the cache before it registers the worker, and the worker fetches only
// the rest, so a first visit downloads each file once. A new build has a new
// cache name (@VERSION@ is the build's hash) and drops the old one.
'use strict';

const CACHE = 'gitterspor-@VERSION@';
const FILES = [@FILES@];

self.addEventListener('install', event => {
    event.waitUntil(caches.open(CACHE)
        .then(async cache => {
            const kept = await Promise.all(FILES.map(file => cache.match(file)));
            return cache.addAll(FILES.filter((file, n) => !kept[n]));
        })
        .then(() => self.skipWaiting()));
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
