#!/usr/bin/env node
// The page on the screens pupils have, in one engine: at each device's size, pixel ratio and
// pointer, the menu and each tool window are whole on the page when they open and again after the
// screen is resized or turned; they are as large as fits; on a touch screen the title bars' buttons
// take a finger, a crowded bar's "more" unfolds them all, and a tap on them opens the help and
// maximises a window and puts it back.
//
// Every tool window opens at one place and size, so every one is checked at the tightest screens
// and one, a different one each time, elsewhere.
//
// Usage: fit_test.mjs PAGE --engine chromium|firefox|webkit [--out FOLDER]
// Exits 77 (skipped) when there is no page: `make web` builds it. A missing engine fails.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';

import { openEngine } from './engines.mjs';
import { MENU, PageSession, WINDOWS, parseArguments } from './session.mjs';

// Each group is one start of the engine, whose pixel ratio and touch are given then; its screens
// follow by resizing the page, the iPad's by turning it.
const DEVICES = [
    [{ name: 'Chromebook', width: 1366, height: 650, scale: 1, touch: true, every: true }],
    [{ name: 'iPad', width: 1080, height: 810, scale: 2, touch: true },
        { name: 'iPad turned upright', width: 810, height: 1080, scale: 2, touch: true, every: true }],
    [{ name: 'laptop', width: 1366, height: 768, scale: 1.5 }, { name: 'small laptop', width: 1280, height: 720, scale: 1.5 }],
    [{ name: 'projector', width: 1920, height: 1080, scale: 1 }, { name: 'old projector', width: 1280, height: 800, scale: 1 },
        { name: 'netbook', width: 1024, height: 600, scale: 1, every: true }],
];

// From the layouts: the menu lies 300 twips (20 pixels at 100 %) from the screen's corner, and a tool
// window's client area is 12000 twips (800 pixels) wide.
const MARGIN = 20;
const TOOL_CLIENT_WIDTH = 800;
// Places are whole CSS pixels, and a window's border is drawn a pixel outside its box.
const SLACK = 2;
const BORDER = 1;
const FINGER = 44;

// Installed in the page: the boxes of what a window shows, in CSS pixels of the viewport. A title
// button that wrapped onto the bar's cut-off second line has no box inside its bar: it is not
// shown, and it must not be half shown either.
function installMeasures() {
    const boxOf = (element) => {
        const { left, top, right, bottom, width, height } = element.getBoundingClientRect();
        return { left, top, right, bottom, width, height, x: left + width / 2, y: top + height / 2 };
    };
    globalThis.palettraFit = {
        viewport: () => ({ left: 0, top: 0, right: document.documentElement.clientWidth,
            bottom: document.documentElement.clientHeight }),
        measure(name) {
            const window = palettraTest.windowOf(name);
            const buttons = [...window.querySelectorAll('.title-button')].filter((button) => !button.hidden)
                .map((button) => {
                    const box = boxOf(button);
                    const hit = document.elementFromPoint(box.x, box.y);
                    return { kind: button.dataset.kind, box, onTop: hit?.closest('.title-button') === button,
                        hit: `${hit?.closest('.window')?.dataset.window} ${hit?.tagName}` };
                });
            const controls = [...window.querySelectorAll('.client [data-control]')]
                .filter((control) => palettraTest.visible(control) && control.offsetWidth > 0)
                .map((control) => ({ name: `${control.dataset.control}(${control.dataset.index ?? ''})`, box: boxOf(control) }));
            return { frame: boxOf(window), bar: boxOf(window.querySelector('.title-bar')),
                client: boxOf(window.querySelector('.client')), buttons, controls,
                maximised: window.classList.contains('maximised'),
                unfolded: window.querySelector('.title-bar').classList.contains('unfolded') };
        },
    };
}

const inside = (box, within) => box.left >= within.left - 0.5 && box.top >= within.top - 0.5
    && box.right <= within.right + 0.5 && box.bottom <= within.bottom + 0.5;
const apart = (box, from) => box.right <= from.left || box.left >= from.right || box.bottom <= from.top
    || box.top >= from.bottom;

// The title buttons as a person sees them: whole in the bar, or wrapped wholly out of it.
async function measured(test, window) {
    const measures = await test.run((name) => palettraFit.measure(name), window);
    for (const button of measures.buttons) {
        button.shown = inside(button.box, measures.bar);
        button.wrapped = apart(button.box, measures.bar);
    }
    return measures;
}

class FitSession extends PageSession {
    constructor(engine, device) {
        super(engine);
        this.touch = device.touch && engine.emulates.touch;
    }

    async load(url) {
        await super.load(url);
        await this.run(installMeasures);
    }

    measure(window) {
        return measured(this, window);
    }

    tap(at) {
        return this.engine.pointer(this.touch ? 'touch' : 'mouse', [at, 'down', 'up']);
    }

    async titleButton(window, kind) {
        return (await this.measure(window)).buttons.find((button) => button.kind === kind);
    }

    // The page has its new size and has fitted its windows to it, which it does in its resize event.
    async resize(device) {
        await this.engine.resize(device.width, device.height);
        await this.waitFor((width, height) => document.documentElement.clientWidth === width
            && document.documentElement.clientHeight === height, device.width, device.height);
        await this.run(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    }
}

function describe(device, engine) {
    const lacking = [device.scale !== 1 && !engine.emulates.scale && `a pixel ratio of ${device.scale}`,
        device.touch && !engine.emulates.touch && 'a touch screen'].filter(Boolean);
    if (lacking.length)
        console.log(`(${engine.name}'s driver cannot give the page ${lacking.join(' nor ')}: the ${device.name} at its size alone)`);
    return `${device.name} ${device.width} × ${device.height}`;
}

const outside = (parts, viewport) => parts.filter((part) => !inside(part.box, viewport)).map((part) => part.name);

// Every control and every shown title button of the menu and of `window` lies on the page, and each
// shown button is on top where a finger would press it; a wrapped one is wholly out of its bar.
async function checkWhole(test, window, when) {
    const viewport = await test.run(() => palettraFit.viewport());
    for (const name of [MENU, window]) {
        const { buttons, controls } = await test.measure(name);
        const shown = buttons.filter((button) => button.shown);
        const off = outside([...controls, ...shown.map((button) => ({ name: button.kind, box: button.box }))], viewport);
        const halfShown = buttons.filter((button) => !button.shown && !button.wrapped).map((button) => button.kind);
        const covered = shown.filter((button) => !button.onTop).map((button) => `${button.kind} (${button.hit})`);
        const wrapped = buttons.filter((button) => button.wrapped).map((button) => button.kind);
        const unreachable = wrapped.length && !shown.some((button) => button.kind === 'more');
        test.check(controls.length > 0 && shown.length > 0 && !off.length && !halfShown.length && !covered.length
            && !unreachable,
            `${name} ${when}: its ${controls.length} controls and ${shown.length} title buttons lie on the page`
            + `${wrapped.length ? ` (${wrapped} wrapped out of sight${unreachable ? ', with no "more"' : ', behind "more"'})` : ''}`
            + `${off.length ? `; off it: ${off}` : ''}${halfShown.length ? `; half cut off: ${halfShown}` : ''}`
            + `${covered.length ? `; under another window: ${covered}` : ''}`);
    }
}

// On the axis that limits the fit, the menu and the tool window together, their borders too, leave
// no more than the layouts' margin at the fit's scale on either side: they could not be larger.
async function checkLargest(test, window) {
    const viewport = await test.run(() => palettraFit.viewport());
    const menu = (await test.measure(MENU)).frame;
    const tool = await test.measure(window);
    const margin = MARGIN * tool.client.width / TOOL_CLIENT_WIDTH + SLACK;
    const gaps = {
        across: [Math.min(menu.left, tool.frame.left) - BORDER,
            viewport.right - Math.max(menu.right, tool.frame.right) - BORDER],
        down: [Math.min(menu.top, tool.frame.top) - BORDER,
            viewport.bottom - Math.max(menu.bottom, tool.frame.bottom) - BORDER],
    };
    const tight = Object.entries(gaps).filter(([, [near, far]]) => near <= margin && far <= margin);
    test.check(tight.length > 0, `the windows are as large as fits: room left across ${gaps.across.map(Math.round)}, `
        + `down ${gaps.down.map(Math.round)}, margin ${margin.toFixed(1)}`);
}

async function checkFingerSized(test, window) {
    const small = [];
    for (const name of [MENU, window])
        for (const button of (await test.measure(name)).buttons)
            if (button.shown && (button.box.width < FINGER - 0.5 || button.box.height < FINGER - 0.5))
                small.push(`${name} ${button.kind} ${button.box.width} × ${button.box.height}`);
    test.check(!small.length, `the title bars' buttons take a finger, ${FINGER} × ${FINGER}${small.length ? `: ${small}` : ''}`);
}

// A tap on "more" unfolds every button of a crowded bar whole on the page, each on top and a
// finger's size on touch; a second tap folds them away again.
async function checkUnfolding(test, window) {
    const more = await test.titleButton(window, 'more');
    if (!more)
        return;
    await test.tap(more.box);
    const viewport = await test.run(() => palettraFit.viewport());
    const { buttons } = await test.measure(window);
    const amiss = buttons.filter((button) => !button.shown || !button.onTop || !inside(button.box, viewport)
        || (test.touch && Math.min(button.box.width, button.box.height) < FINGER - 0.5)).map((button) => button.kind);
    await test.tap(more.box);
    const folded = (await test.measure(window)).buttons.some((button) => button.wrapped);
    test.check(!amiss.length && folded, `${window}'s "more" unfolds all ${buttons.length} title buttons`
        + `${amiss.length ? `, not ${amiss}` : ''} and folds them again${folded ? '' : ': it did not'}`);
}

// Leaves the window's title bar unfolded, if it has a "more"; whether it had.
async function unfold(test, window) {
    const more = await test.titleButton(window, 'more');
    if (more?.shown)
        await test.tap(more.box);
    return Boolean(more?.shown);
}

// A zoom key pressed with the bar unfolded resizes the window, and the fit folds the bar again.
async function checkZoomWhileUnfolded(test, window) {
    if (!await unfold(test, window))
        return;
    await test.engine.keys('Control+=');
    await test.run(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    const folded = !(await test.measure(window)).unfolded;
    await test.engine.keys('Control+-');
    test.check(folded, `${window}'s unfolded bar folds as a zoom key resizes the window`);
}

async function checkHelpByTap(test, window) {
    await test.tap((await test.titleButton(window, 'help')).box);
    const opened = await test.run(() => document.getElementById('message').open);
    await test.tap(await test.run(() => palettraTest.describe(document.getElementById('message-ok'))));
    test.check(opened && !await test.run(() => document.getElementById('message').open),
        `${window}'s help button opens the help, its OK closes it`);
}

async function checkMaximiseByTap(test, window) {
    const before = (await test.measure(window)).frame;
    const viewport = await test.run(() => palettraFit.viewport());
    await test.tap((await test.titleButton(window, 'maximise')).box);
    const maximised = await test.measure(window);
    const edges = [maximised.frame.left, maximised.frame.top, viewport.right - maximised.frame.right,
        viewport.bottom - maximised.frame.bottom];
    test.check(maximised.maximised && edges.every((edge) => edge >= 0 && edge <= SLACK),
        `${window}'s maximise button fills the page (room left ${edges.map(Math.round)})`);
    await test.tap((await test.titleButton(window, 'maximise')).box);
    const after = await test.measure(window);
    const moved = ['left', 'top', 'width', 'height'].map((side) => Math.abs(after.frame[side] - before[side]));
    test.check(!after.maximised && moved.every((by) => by < 1), `a second tap puts it back where it was`);
}

// Opens the window, or every one, checks each and then the last one's fit and title bar; returns it.
async function checkDevice(test, device, window) {
    const when = `opened at the ${describe(device, test.engine)}`;
    const toOpen = device.every ? Object.keys(WINDOWS) : [window];
    for (const opened of toOpen) {
        await test.open(opened);
        await checkWhole(test, opened, when);
    }
    const front = toOpen.at(-1);
    await checkLargest(test, front);
    if (test.touch)
        await checkFingerSized(test, front);
    await checkUnfolding(test, MENU);
    await checkZoomWhileUnfolded(test, MENU);
    await checkHelpByTap(test, front);
    await checkMaximiseByTap(test, front);
    return front;
}

async function checkGroup(engineName, url, devices, turn) {
    const [first] = devices;
    const engine = await openEngine(engineName, { ...first, touch: Boolean(first.touch) });
    const test = new FitSession(engine, first);
    try {
        await test.load(url);
        const windows = Object.keys(WINDOWS);
        let front;
        for (const [at, device] of devices.entries()) {
            if (at > 0) {
                const unfolded = await unfold(test, MENU);
                await test.resize(device);
                await checkWhole(test, front, `after a resize to ${device.width} × ${device.height}`);
                if (unfolded)
                    test.check(!(await test.measure(MENU)).unfolded, `the menu's unfolded bar folds as the page is fitted again`);
            }
            front = await checkDevice(test, device, windows[(turn + at) % windows.length]);
        }
        const problems = await test.problems();
        test.check(!problems.length, `no error reached the page while it was fitted ${problems.slice(0, 3).join(' | ')}`);
        return test;
    } catch (error) {
        mkdirSync(out, { recursive: true });
        await engine.screenshot(join(out, `fit-failure-${engine.name}.png`)).catch(() => {});
        throw error;
    } finally {
        await engine.close();
    }
}

const { page, engineName, out } = parseArguments(process.argv.slice(2));
const results = [];
for (const [turn, devices] of DEVICES.entries())
    results.push(...(await checkGroup(engineName, page.href, devices, turn * 2)).results);
const failed = results.filter((result) => !result).length;
console.log(`${engineName}: ${results.length - failed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;
