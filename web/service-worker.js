// Keeps the served page's files, so that it opens without a network and from a home screen. The build
// writes in its version, a digest of every file it keeps, and each file's own digest: a new build is a
// new worker, which the browser installs beside the one it has.
//
// A build is taken whole or not at all: the new worker fetches every file past the HTTP cache, checked
// against its digest (so a folder caught half copied on the server fails, and is tried again at a later
// visit), and keeps them before it takes over; only then are older builds dropped. The page that is
// open holds everything it runs once loaded and fetches nothing more, so the new worker may take over
// at once: that page runs on, and the next visit or launch opens the new build.
'use strict';

const VERSION = '@VERSION@';
const FILES = @FILES@;

// One cache per build of the page in this folder; another program, or a copy of this one in another
// folder, keeps its own.
const PREFIX = `palettra ${self.registration.scope} `;
const CACHE = PREFIX + VERSION;
const INDEX = new URL('index.html', self.location).href;
const KEPT = new Set(FILES.map(({ path }) => new URL(path, self.location).href));

async function keepFiles() {
    const responses = await Promise.all(FILES.map(async ({ path, integrity }) => {
        const response = await fetch(new Request(path, { cache: 'no-cache', integrity }));
        if (!response.ok)
            throw new Error(`${path}: ${response.status} ${response.statusText}`);
        return [path, response];
    }));
    const cache = await caches.open(CACHE);
    await Promise.all(responses.map(([path, response]) => cache.put(path, response)));
}

async function dropOlderBuilds() {
    const older = (await caches.keys()).filter((name) => name.startsWith(PREFIX) && name !== CACHE);
    await Promise.all(older.map((name) => caches.delete(name)));
}

// Kept files from the cache; the network only for one the browser has lost.
async function fromCache(url, request) {
    return (await (await caches.open(CACHE)).match(url)) ?? fetch(request);
}

self.addEventListener('install', (event) => event.waitUntil(keepFiles().then(() => self.skipWaiting())));

self.addEventListener('activate', (event) => event.waitUntil(dropOlderBuilds().then(() => self.clients.claim())));

// Every page of the folder is the one page; anything else is the network's.
self.addEventListener('fetch', (event) => {
    const { request } = event;
    const kept = request.mode === 'navigate' ? INDEX : KEPT.has(request.url) && request.url;
    if (request.method === 'GET' && kept)
        event.respondWith(fromCache(kept, request));
});
