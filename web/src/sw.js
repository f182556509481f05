// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the site's few files so that Brontel starts offline after the first visit. The origin
// may serve other applications, and other copies of Brontel in other folders: the worker owns
// only the caches named for its own folder, and of those keeps only this build's.
const ours = `brontel:${self.registration.scope}:`;
const cache = `${ours}BRONTEL_VERSION`;
const files = ['./', './index.html', './manifest.webmanifest', './icon.svg'];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cache).then((c) => c.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((n) => n.startsWith(ours) && n !== cache)
            .map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.open(cache)
        .then((c) => c.match(event.request, { ignoreSearch: true }))
        .then((hit) => hit ?? fetch(event.request)));
});
