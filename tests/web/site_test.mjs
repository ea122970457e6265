#!/usr/bin/env node
// The page's folder for a web server (build-web/site) as a pupil's tablet meets it, in one engine,
// served from 127.0.0.1 by a server of the test's own: the page starts and registers its worker, which
// controls it; where the driver tells it (Chromium), the manifest loads and the page could be installed
// from it; the page opens and works with the server stopped; a new build put on the server replaces
// the kept one whole at the next visit; and nothing is refused on the way.
//
// Usage: site_test.mjs SITE --engine chromium|firefox|webkit --assembled PAGE --python PYTHON --site-script SCRIPT
//        --icon ICON --texts WEB_APP_TEXTS
// The new build is PAGE with a mark, made into a folder by SCRIPT from ICON and WEB_APP_TEXTS as the
// build does. Exits 77 (skipped) when there is no folder: `make web` builds it.
import { spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { openEngine } from './engines.mjs';
import { MENU, PageSession, parseArguments } from './session.mjs';

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
    '.webmanifest': 'application/manifest+json' };
const NEXT_BUILD_MARK = ['<main id="desktop"', '<main id="desktop" data-build="next"'];

// A static server of the folder's own files, as a school's web space is.
function serve(folder, port = 0) {
    const files = readdirSync(folder);
    const server = createServer((request, response) => {
        const path = new URL(request.url, 'http://server').pathname;
        const name = path === '/' ? 'index.html' : path.slice(1);
        if (!files.includes(name)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': TYPES[extname(name)] }).end(readFileSync(join(folder, name)));
    });
    return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve({
        port: server.address().port,
        stop: () => new Promise((stopped) => {
            server.close(stopped);
            server.closeAllConnections();
        }),
    })));
}

// The assembled page with a mark, made into a folder by the build's own script.
function writeNextBuild(options, scratch) {
    const page = join(scratch, 'palettra.html');
    writeFileSync(page, readFileSync(options.assembled, 'utf8').replace(...NEXT_BUILD_MARK));
    const folder = join(scratch, 'site');
    const made = spawnSync(options.python, [options['site-script'], folder, page, options.icon, options.texts],
        { encoding: 'utf8' });
    if (made.status !== 0)
        throw new Error(`the site script failed: ${made.stderr}`);
    return folder;
}

const digestOf = (bytes) => createHash('sha256').update(bytes).digest('base64');

// Each file the program's caches keep, by cache, as [name, its bytes' digest].
function keptFiles() {
    const digest = async (response) => btoa(String.fromCharCode(
        ...new Uint8Array(await crypto.subtle.digest('SHA-256', await response.arrayBuffer()))));
    return caches.keys().then((names) => Promise.all(names.filter((name) => name.startsWith('palettra '))
        .map(async (name) => {
            const cache = await caches.open(name);
            const files = await Promise.all((await cache.keys()).map(async (request) =>
                [new URL(request.url).pathname.slice(1), await digest(await cache.match(request))]));
            return [name, files];
        })));
}

// The folder's files that the worker keeps (all but itself), as [name, digest].
function filesOf(folder) {
    return readdirSync(folder).filter((name) => name !== 'service-worker.js')
        .map((name) => [name, digestOf(readFileSync(join(folder, name)))]);
}

const sameFiles = (some, others) => JSON.stringify(some.sort()) === JSON.stringify(others.sort());

async function startsAndRegisters(test, url) {
    await test.load(url);
    test.check(await test.shown(MENU), `the served page starts: the menu is on the page (${url})`);
    const scope = await test.waitFor(() => navigator.serviceWorker.getRegistration().then((registration) =>
        registration?.scope ?? palettraHealth.problems.find((problem) => problem.startsWith('service worker'))));
    test.check(scope === url, `it registers its worker for its folder (${scope})`);
}

async function controlledAndInstallable(test) {
    const told = await test.engine.installability();
    if (told) {
        const { manifest, manifestErrors, installabilityErrors } = told;
        const errors = [...manifestErrors, ...installabilityErrors];
        test.check(manifest.endsWith('/manifest.webmanifest') && !errors.length,
            `the manifest loads and the page could be installed ${JSON.stringify(errors)}`);
    }
    test.check(await test.waitFor(() => navigator.serviceWorker.controller?.scriptURL), 'the worker controls the page');
}

// At an address of the folder that is no file of it, as a teacher's link that names the language is:
// the worker answers every page of the folder with the one page.
async function worksOffline(test, url) {
    await test.load(`${url}?lang=ja`);
    await test.open('Form2');
    await test.focus('Form2', 'slider', '赤 (Red)');
    const red = await test.barAction('Form2', '赤 (Red)', () => test.engine.keys('End'));
    test.check(red === 255 && await test.shows('Form2', 'RGB = (255,0,0)'),
        'with the server stopped the page opens again, and the mixer takes a key');
}

// A visit with the new build on the server still opens the kept one, whole, while the new worker
// keeps the new files; once it has taken over, the next visit opens the new build, and only its
// files are kept, exactly as they are on the server.
async function takesTheNextBuild(test, url, next, server) {
    const isNext = () => test.run(() => document.getElementById('desktop').dataset.build === 'next');
    const [[kept]] = await test.run(keptFiles);
    await test.load(url);
    const stillKept = !await isNext();
    await test.waitFor((old) => caches.keys().then((names) => names.length === 1 && names[0] !== old), kept);
    await server.stop();
    await test.load(url);
    const now = await test.run(keptFiles);
    test.check(stillKept && await isNext() && now.length === 1 && sameFiles(now[0][1], filesOf(next)),
        'a new build on the server opens at the visit after the one that found it, whole '
        + `(${kept} to ${now.map(([name]) => name)})`);
}

async function main() {
    const options = parseArguments(process.argv.slice(2), ['assembled', 'python', 'site-script', 'icon', 'texts']);
    const engine = await openEngine(options.engineName);
    console.log(`${options.engineName}: ${engine.version}`);
    const test = new PageSession(engine);
    const scratch = mkdtempSync(join(tmpdir(), 'palettra-site-'));
    let server = await serve(fileURLToPath(options.page));
    const url = `http://127.0.0.1:${server.port}/`;
    try {
        await startsAndRegisters(test, url);
        await controlledAndInstallable(test);
        await server.stop();
        await worksOffline(test, url);
        const next = writeNextBuild(options, scratch);
        server = await serve(next, server.port);
        await takesTheNextBuild(test, url, next, server);
        const problems = await test.problems();
        test.check(problems.length === 0,
            `no error or refusal reaches the page or the console ${problems.join(' | ')}`);
    } finally {
        await server.stop();
        await engine.close();
        rmSync(scratch, { recursive: true, force: true });
    }
    return test.summary();
}

process.exitCode = await main();
