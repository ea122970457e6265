// The three browser engines that pupils' devices run, behind one small interface, so that the page's
// checks are written once: Chromium (Blink) and Firefox ESR (Gecko) through puppeteer-core, the one
// over the DevTools protocol, the other over WebDriver BiDi; WebKitGTK's MiniBrowser (WebKit)
// through WebKitWebDriver, over plain WebDriver. Every engine is Debian's own; none is downloaded.
//
// An engine opens a page and then:
//   run(fn, ...args)      calls fn in the page and returns what it returns (plain data)
//   keys(...keys)         presses keys in turn, by their DOM names ('Tab', 'End', ' ');
//                         'Control+=' holds Control while it presses '='
//   pointer(kind, steps)  a mouse or a finger ('mouse', 'touch'): steps of {x, y} (move there,
//                         in CSS pixels of the viewport), 'down', 'up' and {pause: ms}
//   fingers(frames)       several fingers at once, where the engine has a touch screen (else it has
//                         no `fingers`): each frame the points touched then, [{x, y}, ...], the
//                         first finger first; a frame with fewer lifts the last ones, [] lifts them all
//   screenshot(path)
//   accessibilityTree()   what a screen reader meets, where the driver tells it; else null
//   requests()            the addresses the page asked for, where the driver tells them; else null
//   consoleErrors()       the console's errors, where the driver tells them; else null
//   installability()      what the browser makes of the page's web app manifest, where the driver
//                         tells it ({manifest, manifestErrors, installabilityErrors}); else null
//   resize(width, height) the viewport to that size in CSS pixels, as a turned tablet or a resized
//                         browser window does
//   close()
//   version               the engine's name and version as it tells them
// and says what its driver cannot do: `keysPressButtons` is false where a key sent by the driver
// reaches the page but never presses a button (Firefox over BiDi, even on a bare <button>), and
// `emulates` whether it gives the page a device's pixel ratio (`scale`) and touch screen (`touch`)
// and prefers a language of the test's choosing (`language`; else the page is asked by its address)
// as openEngine is asked; where it cannot, the page has the engine's own (one, and a mouse).
import { spawn } from 'node:child_process';
import { existsSync, writeFileSync, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const binaries = {
    chromium: '/usr/bin/chromium',
    firefox: '/usr/bin/firefox-esr',
    webkit: '/usr/bin/WebKitWebDriver',
};

export const engineNames = Object.keys(binaries);

// Null when the engine is on the machine; else what to install.
export function missing(name) {
    if (!existsSync(binaries[name]))
        return `${binaries[name]} is missing: scripts/install-deps installs it`;
    try {
        import.meta.resolve('puppeteer-core');
    } catch {
        return 'puppeteer-core is missing: scripts/install-deps installs it with npm ci';
    }
    return null;
}

// 'Control+=' is Control held while '=' is pressed; '+' alone is the key itself.
const chord = (key) => (key.length > 1 && key.includes('+') ? key.split('+') : [key]);

// A device: its viewport's size, its CSS pixel's device pixels and whether it has a touch screen.
// Chromium has touch unless told otherwise, for the drags of the page's test and its storm.
// `language` is the one the browser prefers, which the page speaks: Japanese unless a test asks for
// another, whatever the machine's own.
export async function openEngine(name,
    { width = 1366, height = 800, scale = 1, touch = name === 'chromium', language = 'ja' } = {}) {
    return name === 'webkit' ? openWebKit(width, height, language)
        : openPuppeteer(name, { width, height, scale, touch, language });
}

async function openPuppeteer(name, { width, height, scale, touch, language }) {
    const { default: puppeteer } = await import('puppeteer-core');
    const viewport = (width, height) => ({ width, height, deviceScaleFactor: scale, hasTouch: touch, isMobile: false });
    const browser = await puppeteer.launch({
        browser: name === 'firefox' ? 'firefox' : 'chrome',
        executablePath: binaries[name],
        headless: true,
        defaultViewport: viewport(width, height),
        // As root Chromium runs only without its sandbox; the background flags keep it off the closed
        // network. A fast sideways finger on the page would go back to the blank page the driver opened
        // first, which a storm's drags can make on a loaded machine.
        args: name === 'chromium'
            ? ['--no-sandbox', '--disable-dev-shm-usage', '--hide-scrollbars', '--disable-background-networking',
                '--disable-component-update', '--disable-sync', '--no-first-run', '--overscroll-history-navigation=0',
                `--lang=${language}`, `--accept-lang=${language}`]
            : [],
        // Gecko takes its pointer from the system, which a preference stands in for: 1 is a finger alone.
        extraPrefsFirefox: { 'dom.w3c_touch_events.enabled': 1, 'intl.accept_languages': language,
            ...(touch ? { 'ui.primaryPointerCapabilities': 1 } : {}) },
    });
    const page = (await browser.pages())[0] ?? (await browser.newPage());
    await page.setViewport(viewport(width, height)); // Firefox takes the default as its window's size
    const requests = [];
    const errors = [];
    page.on('request', (request) => requests.push(request.url()));
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    page.on('pageerror', (error) => errors.push(String(error)));
    return {
        name,
        version: await browser.version(),
        keysPressButtons: name !== 'firefox',
        emulates: { scale: true, touch: true, language: true },
        async open(url, beforeStart) {
            if (beforeStart)
                await page.evaluateOnNewDocument(beforeStart);
            await page.goto(url);
        },
        resize: (width, height) => page.setViewport(viewport(width, height)),
        run: (fn, ...args) => page.evaluate(fn, ...args),
        async keys(...keys) {
            for (const key of keys) {
                const parts = chord(key);
                const pressed = parts.pop();
                for (const modifier of parts)
                    await page.keyboard.down(modifier);
                await page.keyboard.press(pressed);
                for (const modifier of parts.reverse())
                    await page.keyboard.up(modifier);
            }
        },
        async pointer(kind, steps) {
            let at = { x: 0, y: 0 };
            let touching = false;
            for (const step of steps) {
                if (step.pause)
                    await new Promise((resolve) => setTimeout(resolve, step.pause));
                else if (step === 'down' || step === 'up') {
                    if (kind === 'mouse')
                        await page.mouse[step]();
                    else if (step === 'down')
                        await page.touchscreen.touchStart(at.x, at.y);
                    else
                        await page.touchscreen.touchEnd();
                    touching = step === 'down';
                } else {
                    at = step;
                    if (kind === 'mouse')
                        await page.mouse.move(at.x, at.y);
                    else if (touching)
                        await page.touchscreen.touchMove(at.x, at.y);
                }
            }
        },
        fingers: (frames) => (name === 'chromium' ? touchFrames(page, frames) : touchHandles(page, frames)),
        screenshot: (path) => page.screenshot({ path }),
        async accessibilityTree() {
            if (name !== 'chromium')
                return null;
            const session = await page.createCDPSession();
            return accessibilityNodes((await session.send('Accessibility.getFullAXTree')).nodes);
        },
        requests: () => requests,
        consoleErrors: () => errors,
        async installability() {
            if (name !== 'chromium')
                return null;
            const session = await page.createCDPSession();
            const { url, errors: manifestErrors } = await session.send('Page.getAppManifest');
            const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
            await session.detach();
            return { manifest: url, manifestErrors, installabilityErrors };
        },
        close: () => browser.close(),
    };
}

// WebDriver BiDi moves each finger on its own.
async function touchHandles(page, frames) {
    const handles = [];
    for (const points of frames) {
        while (handles.length > points.length)
            await handles.pop().end();
        for (const [finger, point] of points.entries()) {
            if (finger < handles.length)
                await handles[finger].move(point.x, point.y);
            else
                handles.push(await page.touchscreen.touchStart(point.x, point.y));
        }
    }
}

// The DevTools protocol takes the points still touching at each event: more than before press, fewer lift.
async function touchFrames(page, frames) {
    const session = await page.createCDPSession();
    let held = 0;
    for (const points of frames) {
        const type = points.length > held ? 'touchStart' : points.length < held ? 'touchEnd' : 'touchMove';
        await session.send('Input.dispatchTouchEvent',
            { type, touchPoints: points.map((point, id) => ({ x: point.x, y: point.y, id })) });
        held = points.length;
    }
    await session.detach();
}

// Every node a screen reader meets, as {role, name, value, description, ...properties}.
function accessibilityNodes(nodes) {
    return nodes.filter((node) => !node.ignored).map((node) => {
        const entry = { role: node.role?.value, name: node.name?.value, value: node.value?.value,
            description: node.description?.value };
        for (const property of node.properties ?? [])
            entry[property.name] = property.value?.value;
        return entry;
    });
}

// ---- WebKit: WebKitWebDriver starts MiniBrowser, which needs a display, so it gets one of its own.

const webDriverKeys = {
    Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009', Escape: '\uE00C', ' ': '\uE00D',
    PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012',
    ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', F1: '\uE031',
};

function freePort() {
    return new Promise((resolve) => {
        const server = createServer().listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

async function startDisplay(width, height) {
    for (let display = 90 + (process.pid % 100); ; ++display) {
        if (existsSync(`/tmp/.X11-unix/X${display}`) || existsSync(`/tmp/.X${display}-lock`))
            continue;
        const server = spawn('Xvfb', [`:${display}`, '-screen', '0', `${width}x${height}x24`, '-noreset', '-nolisten', 'tcp'],
            { stdio: 'ignore' });
        for (let waited = 0; waited < 200; ++waited) {
            if (existsSync(`/tmp/.X11-unix/X${display}`))
                return { display: `:${display}`, stop: () => server.kill() };
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
        server.kill();
        throw new Error('Xvfb did not start within 20 s');
    }
}

// WebKitGTK takes the languages it prefers from a locale of its process that the system has, and
// this one has none but C: the address asks for the language instead (?lang=), where none is named.
function inLanguage(url, language) {
    const address = new URL(url);
    if (!address.searchParams.has('lang'))
        address.searchParams.set('lang', language);
    return address.href;
}

async function openWebKit(width, height, language) {
    // Room for the largest screen a later resize asks for.
    const screen = await startDisplay(Math.max(width, 2560), Math.max(height, 1600));
    const port = await freePort();
    const home = mkdtempSync(join(tmpdir(), 'palettra-webkit-'));
    const driver = spawn(binaries.webkit, [`--port=${port}`], {
        stdio: 'ignore',
        env: { ...process.env, DISPLAY: screen.display, HOME: home, XDG_RUNTIME_DIR: home, GDK_BACKEND: 'x11',
            WEBKIT_DISABLE_COMPOSITING_MODE: '1', NO_AT_BRIDGE: '1' },
    });
    const address = `http://127.0.0.1:${port}`;
    async function call(method, path, body) {
        const response = await fetch(address + path, {
            method, headers: { 'Content-Type': 'application/json' },
            body: body === undefined ? undefined : JSON.stringify(body),
        });
        const answer = await response.json();
        if (!response.ok)
            throw new Error(`WebDriver ${path}: ${answer.value?.error}: ${answer.value?.message}`);
        return answer.value;
    }
    let session;
    let capabilities;
    for (let tries = 0; !session; ++tries) {
        try {
            ({ sessionId: session, capabilities } = await call('POST', '/session', { capabilities: { alwaysMatch: {
                'webkitgtk:browserOptions': { args: ['--automation'] } } } }));
        } catch (error) {
            if (tries > 100)
                throw error;
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
    }
    const inSession = (method, path, body) => call(method, `/session/${session}${path}`, body);
    const run = (fn, ...args) => inSession('POST', '/execute/sync', {
        script: `return (${fn}).apply(null, arguments)`, args });
    // The window's rect takes in MiniBrowser's own bars; what is asked for is the page's viewport.
    async function resize(width, height) {
        const [barsWidth, barsHeight] = await run(() => [outerWidth - innerWidth, outerHeight - innerHeight]);
        await inSession('POST', '/window/rect', { x: 0, y: 0, width: width + barsWidth, height: height + barsHeight });
    }
    await inSession('POST', '/window/rect', { x: 0, y: 0, width, height });
    await resize(width, height);
    const perform = (actions) => inSession('POST', '/actions', { actions });
    return {
        name: 'webkit',
        version: `${capabilities.browserName} ${capabilities.browserVersion}`,
        keysPressButtons: true,
        emulates: { scale: false, touch: false, language: false },
        async open(url, beforeStart) {
            if (beforeStart)
                throw new Error('WebDriver cannot run a script before the page');
            await inSession('POST', '/url', { url: inLanguage(url, language) });
        },
        run,
        resize,
        async keys(...keys) {
            const actions = [];
            for (const key of keys) {
                const codes = chord(key).map((part) => webDriverKeys[part] ?? part);
                actions.push(...codes.map((value) => ({ type: 'keyDown', value })));
                actions.push(...codes.reverse().map((value) => ({ type: 'keyUp', value })));
            }
            await perform([{ type: 'key', id: 'keyboard', actions }]);
            await inSession('DELETE', '/actions');
        },
        async pointer(kind, steps) {
            const actions = steps.map((step) => step === 'down' || step === 'up'
                ? { type: step === 'down' ? 'pointerDown' : 'pointerUp', button: 0 }
                : step.pause ? { type: 'pause', duration: step.pause }
                : { type: 'pointerMove', origin: 'viewport', x: Math.round(step.x), y: Math.round(step.y), duration: 0 });
            await perform([{ type: 'pointer', id: kind, parameters: { pointerType: kind }, actions }]);
        },
        async screenshot(path) {
            writeFileSync(path, Buffer.from(await inSession('GET', '/screenshot'), 'base64'));
        },
        accessibilityTree: async () => null,
        requests: () => null,
        consoleErrors: () => null,
        installability: async () => null,
        async close() {
            await inSession('DELETE', '').catch(() => {});
            driver.kill();
            screen.stop();
            rmSync(home, { recursive: true, force: true });
        },
    };
}
