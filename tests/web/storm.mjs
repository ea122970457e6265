#!/usr/bin/env node
// A storm on the page, in one engine: thousands of seeded random actions as pupils make them
// (keys, clicks, taps, thumb and title-bar drags, zoom keys, close and reopen, End and restart),
// then: no error reached the console, the windows still answer, and the program, ended after each
// third of the actions, holds no more of its heap after the last third than after the earlier ones.
// The seed is printed, and `--seed` replays a storm.
//
// Usage: storm.mjs PAGE --engine chromium|firefox|webkit [--actions 3000] [--seed N]
import { openEngine } from './engines.mjs';
import { MENU, PageSession, WINDOWS, parseArguments } from './session.mjs';

// A small seeded generator (mulberry32): the same seed, the same storm.
function generator(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = Math.imul(state ^ (state >>> 15), 1 | state);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    const below = (count) => Math.floor(next() * count);
    return { next, below, pick: (list) => list[below(list.length)] };
}

// Where everything a pupil can reach is now.
function whatIsThere() {
    const { describe, nameOf, roleOf, visible } = palettraTest;
    const windows = [...document.querySelectorAll('[role="dialog"][data-window]')].filter(visible).map((window) => ({
        name: window.dataset.window,
        titleBar: describe(window.firstElementChild),
        controls: [...window.querySelectorAll('[role="slider"], button')].filter(visible).map((element) => ({
            ...describe(element), role: roleOf(element), name: nameOf(element),
            thumb: describe(element.querySelector('.thumb')),
        })),
    }));
    return {
        windows,
        viewport: { width: innerWidth, height: innerHeight },
        ended: !document.getElementById('ended').hidden,
        restart: describe(document.getElementById('restart')),
        messageOpen: document.getElementById('message').open,
        messageOk: describe(document.getElementById('message-ok')),
    };
}

const KEYS = ['Tab', 'Shift+Tab', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'PageUp', 'PageDown', 'Home', 'End',
    ' ', 'Enter', 'F1', 'Escape'];
const ZOOM_KEYS = ['Control+=', 'Control+-', 'Control+0'];

// The actions and how often each comes, out of their sum.
function actions(test, random) {
    const anyControl = (there) => random.pick(there.windows.flatMap((window) => window.controls));
    // A drag may aim off the page; the pointer stops at its edge, as a finger does.
    let viewport;
    const onPage = (x, y) => ({ x: Math.min(Math.max(x, 0), viewport.width - 1), y: Math.min(Math.max(y, 0), viewport.height - 1) });
    const within = (box) => onPage(box.left + 1 + random.next() * (box.width - 2), box.top + 1 + random.next() * (box.height - 2));
    const drag = (kind, from, dx, dy) => test.engine.pointer(kind, [onPage(from.x, from.y), 'down',
        onPage(from.x + dx / 2, from.y + dy / 2), onPage(from.x + dx, from.y + dy), 'up']);
    return {
        look: (there) => (viewport = there.viewport),
        key: [30, () => test.engine.keys(random.pick(KEYS))],
        zoom: [5, () => test.engine.keys(random.pick(ZOOM_KEYS))],
        click: [25, (there) => test.click(within(anyControl(there)))],
        tap: [10, (there) => test.engine.pointer('touch', [within(anyControl(there)), 'down', 'up'])],
        thumb: [10, (there) => {
            const bars = there.windows.flatMap((window) => window.controls).filter((control) => control.thumb);
            const bar = random.pick(bars);
            return bar && drag(random.pick(['mouse', 'touch']), bar.thumb, random.below(401) - 200, random.below(41) - 20);
        }],
        title: [5, (there) => {
            const window = random.pick(there.windows);
            const bar = window.titleBar;
            return drag('mouse', { x: bar.left + 8 + random.next() * Math.max(bar.width / 2 - 8, 1), y: bar.y },
                random.below(301) - 150, random.below(201) - 100);
        }],
        close: [4, (there) => {
            const window = random.pick(there.windows.filter((shown) => shown.name !== MENU));
            const box = window?.controls.find((control) => control.name === '閉じる (close)');
            return box && test.click(onPage(box.x, box.y));
        }],
        // The menu can be closed while tool windows stay open; then nothing opens until it ends.
        open: [10, (there) => menuButton(there, random.pick(Object.values(WINDOWS))[0])],
        end: [1, (there) => menuButton(there, 'End')],
    };
    function menuButton(there, name) {
        const button = there.windows.find((window) => window.name === MENU)?.controls.find((control) => control.name === name);
        return button ? test.click(onPage(button.x, button.y)) : test.engine.keys(random.pick(KEYS));
    }
}

async function storm(test, random, count, page) {
    const { look, ...menu } = actions(test, random);
    const total = Object.values(menu).reduce((sum, [weight]) => sum + weight, 0);
    const done = Object.fromEntries([...Object.keys(menu), 'restart', 'dismiss'].map((name) => [name, 0]));
    const memory = [];
    const navigations = [];
    for (let step = 1; step <= count; ++step) {
        let there;
        try {
            there = await test.run(whatIsThere);
        } catch (error) {
            // Chromium under load has once left the page during a storm, cause not yet found: it is
            // told and counted, and the page is opened again so that the storm goes on.
            if (!String(error).includes('Execution context was destroyed'))
                throw error;
            navigations.push(step);
            await test.load(page);
            there = await test.run(whatIsThere);
        }
        look(there);
        let kind;
        if (there.ended) {
            kind = 'restart';
            await test.click(there.restart);
        } else if (there.messageOpen && random.next() < 0.5) {
            kind = 'dismiss';
            await (random.next() < 0.5 ? test.engine.keys('Escape') : test.click(there.messageOk));
        } else {
            let roll = random.below(total);
            kind = Object.keys(menu).find((name) => (roll -= menu[name][0]) < 0);
            await menu[kind][1](there);
        }
        ++done[kind];
        if (step % Math.ceil(count / 3) === 0 || step === count) {
            await endProgram(test);
            memory.push(await test.run(() => palettraHealth.heapInUse()));
        }
    }
    if (navigations.length)
        console.log(`the page was left and opened again before actions ${navigations.join(', ')}`);
    return { done, memory };
}

// Once ended, the program still holds what lasts from one start to the next, and its buffers keep
// the room the largest action so far took: a rare action first made in a later third has taken up to
// 9 KiB more. A leak of 16 bytes an action over a third's thousand actions is more than this.
const BUFFERS_KEPT = 16 * 1024;

// Ends the program as the menu's End does, or with the menu closed the windows' close boxes, pressed
// from the script whatever lies on top of them; a message box, which holds the page, goes first.
async function endProgram(test) {
    while (!await test.run(() => !document.getElementById('ended').hidden)) {
        await test.run((menu) => {
            const message = document.getElementById('message');
            if (message.open)
                return message.close();
            const shown = [...document.querySelectorAll('[role="dialog"][data-window]')].filter(palettraTest.visible);
            const end = shown.find((window) => window.dataset.window === menu)?.querySelector('[data-control="Command2"]');
            return (end ?? shown[0].querySelector('.title-button.close')).click();
        }, MENU);
    }
}

// After the storm: a tool window's bar still goes to its ends by key. Windows may lie on top of one
// another by now, so the bar takes the focus from the script; the keys are a pupil's.
async function stillAnswers(test) {
    await test.run(() => document.getElementById('message').open && document.getElementById('message').close());
    if (await test.run(() => !document.getElementById('ended').hidden))
        await test.click(await test.run(() => palettraTest.describe(document.getElementById('restart'))));
    const toolWindow = async () => (await test.run(whatIsThere)).windows.find((window) => window.name !== MENU);
    let window = await toolWindow();
    if (!window) { // by the menu's first button, whatever language the storm's switch left the page in
        await test.click(await test.run((menu) =>
            palettraTest.describe(palettraTest.windowOf(menu).querySelector('[data-control="Command1"]')), MENU));
        window = await toolWindow();
    }
    const bar = window.controls.find((control) => control.role === 'slider');
    const ends = await test.run((name, barName) => {
        const element = palettraTest.find(name, 'slider', barName);
        element.focus();
        return [element.getAttribute('aria-valuemin'), element.getAttribute('aria-valuemax')].map(Number);
    }, window.name, bar.name);
    await test.engine.keys('End');
    const atEnd = (await test.bar(window.name, bar.name)).value;
    await test.engine.keys('Home');
    const atHome = (await test.bar(window.name, bar.name)).value;
    console.log(`${window.name}'s ${bar.name}: End ${atEnd}, Home ${atHome} (range ${ends.join(' to ')})`);
    return Math.max(...ends) === atEnd && Math.min(...ends) === atHome;
}

async function main() {
    const options = parseArguments(process.argv.slice(2));
    const count = Number(options.actions ?? 3000);
    const seed = Number(options.seed ?? Math.floor(Math.random() * 2 ** 31));
    const engine = await openEngine(options.engineName);
    console.log(`${options.engineName}: ${engine.version}; seed ${seed} (--seed ${seed} replays it), ${count} actions`);
    const test = new PageSession(engine);
    try {
        await test.load(options.page);
        const started = Date.now();
        const { done, memory } = await storm(test, generator(seed), count, options.page);
        console.log(`${count} actions in ${((Date.now() - started) / 1000).toFixed(1)} s: `
            + Object.entries(done).map(([kind, times]) => `${kind} ${times}`).join(', '));
        console.log(`heap held by the ended program after each third: ${memory.map((bytes) => `${bytes} bytes`).join(', ')}`);
        test.check(await stillAnswers(test), "after the storm a window's bar still answers its keys");
        const problems = await test.problems();
        test.check(problems.length === 0, `no error, warning or refusal reached the console ${problems.slice(0, 5).join(' | ')}`);
        test.check(memory.at(-1) <= Math.max(...memory.slice(0, -1)) + BUFFERS_KEPT,
            'the ended program holds no more after the last third than after an earlier one, '
            + `but for what its buffers keep of the largest action (${BUFFERS_KEPT} bytes)`);
    } catch (error) {
        console.error(`seed ${seed}: ${error.stack}`);
        throw error;
    } finally {
        await engine.close();
    }
    return test.summary();
}

process.exitCode = await main();
