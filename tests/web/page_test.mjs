#!/usr/bin/env node
// The browser page as a pupil meets it, in one engine: opened from disk, every window opened from
// the menu and used by keyboard and pointer, then held against the desktop.
//
// Checks captions, scroll bars' values and the commit rule of a dragged thumb, a bar by finger (a
// drag from its track, a tap, its touch area, two fingers that do nothing), the pictures' pixels
// read back from their canvases against the desktop's after the same actions (the reference tool
// replays them on the core), roles, names, values and descriptions as the page gives them to
// assistive tools (and, where the driver reads it, the engine's own accessibility tree), the live
// region, F1, the zoom keys, a closed window rebuilt, "End" and a restart, that nothing leaves the
// page and that no error reaches the console; that a run-time error of the module is reported in the
// page, which goes on (on the benchmark page, whose module has a handler that fails); and that a
// browser lacking what the module needs is told so, as is one that fails to start it. Controls are found by their roles and accessible names, as a screen reader finds them.
//
// Usage: page_test.mjs PAGE --engine chromium|firefox|webkit --reference REFERENCE_TOOL --bench-page BENCH_PAGE
//        [--out FOLDER]
// Exits 77 (skipped) when there is no page: `make web` builds it. A missing engine fails.
import { spawnSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

import { openEngine } from './engines.mjs';
import { MENU, PageSession, WINDOWS, parseArguments } from './session.mjs';

// Pixels of the flask that may differ from the desktop: its curves' outermost pixels, where the
// desktop's painter and the page's sampling part ways.
const FLASK_EDGE_PIXELS = 300;

async function openEveryWindow(test) {
    test.check(await test.shown(MENU), 'the menu is on the page at start');
    for (const [window, [, title]] of Object.entries(WINDOWS)) {
        await test.open(window);
        test.check(await test.shown(window) && (await test.title(window)) === title,
            `${window} opens from the menu, titled ${JSON.stringify(title)}`);
    }
    await test.open('Form2');
    test.check(await test.run(() => document.querySelectorAll('[data-window="Form2"]').length === 1)
        && await test.inFront('Form2'), 'its button again brings the one Form2 to the front');
}

async function useTheMixer(test) {
    await test.focus('Form2', 'slider', '赤 (Red)');
    const red = await test.barAction('Form2', '赤 (Red)', () => test.engine.keys('End'));
    test.check(red === 255 && await test.shows('Form2', 'RGB = (255,0,0)') && await test.shows('Form2', 'FF0000'),
        'End takes red to 255 and the captions follow');
    test.check((await test.announced()).startsWith('(255,0,0)、16進数 FF0000、'), 'the mix is announced in the live region');

    // A dragged thumb follows the pointer and acts only when let go; a key while it is held does nothing.
    const thumb = await test.thumb('Form2', '緑 (Green)');
    let held;
    const green = await test.barAction('Form2', '緑 (Green)', async () => {
        await test.engine.pointer('mouse', [thumb, 'down', { x: thumb.x + 40, y: thumb.y }, { x: thumb.x + 120, y: thumb.y }]);
        await test.engine.keys('ArrowRight');
        held = (await test.bar('Form2', '緑 (Green)')).value === 0 && await test.shows('Form2', 'RGB = (255,0,0)')
            && (await test.thumb('Form2', '緑 (Green)')).x > thumb.x + 100;
        await test.engine.pointer('mouse', ['up']);
    });
    test.check(held && green > 0 && green < 255 && await test.shows('Form2', `RGB = (255,${green},0)`),
        `a thumb dragged by the pointer commits when let go, not before nor at a key (${green})`);

    const blue = await test.barAction('Form2', '青 (Blue)', () => test.pressArrow('Form2', '青 (Blue)', 'more'));
    test.check(blue === 1 && await test.shows('Form2', `RGB = (255,${green},1)`), 'an arrow steps by one');
}

async function useTheToolWindows(test) {
    await test.open('Form1');
    const step = await test.barAction('Form1', '赤の割合 (red share)', async () => {
        const bar = await test.bar('Form1', '赤の割合 (red share)');
        await test.click({ x: bar.left + bar.width - 30, y: bar.y });
    });
    test.check(step > 50 && await test.shows('Form1', String(step)) && await test.shows('Form1', String(100 - step)),
        `the track takes a large step (${step})`);

    await test.open('Form3');
    await test.press('Form3', '中間色');
    await test.focus('Form3', 'slider', '重なり量 (overlap amount)');
    const overlap = await test.barAction('Form3', '重なり量 (overlap amount)', () => test.engine.keys('PageDown'));
    test.check(overlap > 0 && (await test.announced()).includes('重なり (overlap)'), 'the overlap is drawn and told');
    await test.focus('Form3', 'slider', 'A の Red');
    for (let i = 0; i < 5; ++i)
        await test.barAction('Form3', 'A の Red', () => test.engine.keys('ArrowRight'));
    await test.press('Form3', '← Set (A)', ' ');

    await test.open('Form4');
    await test.focus('Form4', 'slider', '外部の Blue');
    for (let i = 0; i < 3; ++i)
        await test.barAction('Form4', '外部の Blue', () => test.engine.keys('ArrowRight'));

    await test.open('Form5');
    await test.press('Form5', 'Draw', 'Enter');
    await test.focus('Form5', 'slider', '液体の Red');
    await test.barAction('Form5', '液体の Red', () => test.engine.keys('End'));

    await test.open('Form6');
    await test.press('Form6', '初期設定');
    await test.focus('Form6', 'slider', '新しい色の Green');
    await test.barAction('Form6', '新しい色の Green', () => test.engine.keys('PageDown'));
    await test.press('Form6', '色 ちぇ～んじ', 'Enter');
    const told = await test.announced();
    test.check(told.includes('塗った (painted'), `the colour change is told (${JSON.stringify(told)})`);
}

// A finger drags a bar from anywhere on it, the thumb centred under it, and commits once, when it
// lifts; a tap on the track takes a large step, as does one just beside the bar, where its touch area
// reaches; two fingers never move a bar.
async function useBarsByFinger(test) {
    if (!test.engine.emulates.touch) {
        console.log(`(${test.engine.name}'s driver touches as a mouse does: fingers are tried in the other engines)`);
        return;
    }
    const window = 'Form5';
    await test.open(window);
    const part = (bar, name) => test.run((inWindow, slider, wanted) => palettraTest.describe(
        palettraTest.find(inWindow, 'slider', slider).querySelector(`.${wanted}`)), window, bar, name);
    // How often the bar's value has changed since the first time this is asked; a value shown again,
    // as a cancelled thumb's is, is no change.
    const commits = (bar) => test.run((inWindow, name) => {
        const slider = palettraTest.find(inWindow, 'slider', name);
        if (slider.commits === undefined) {
            slider.commits = 0;
            let shown = slider.getAttribute('aria-valuenow');
            new MutationObserver(() => {
                slider.commits += slider.getAttribute('aria-valuenow') !== shown;
                shown = slider.getAttribute('aria-valuenow');
            }).observe(slider, { attributeFilter: ['aria-valuenow'] });
        }
        return slider.commits;
    }, window, bar);
    // The browser hands a finger's moves to the page at its next frame.
    const nextFrames = () => test.run(() => new Promise((resolve) =>
        requestAnimationFrame(() => requestAnimationFrame(resolve))));

    const green = '液体の Green';
    const greenTrack = await part(green, 'track');
    const from = { x: greenTrack.left + greenTrack.width * 0.4, y: greenTrack.y };
    const to = { x: greenTrack.left + greenTrack.width * 0.7, y: greenTrack.y };
    await commits(green);
    let held;
    const dragged = await test.barAction(window, green, async () => {
        await test.engine.pointer('touch', [from, 'down', { x: from.x + 20, y: from.y }, to]);
        await nextFrames();
        held = (await test.bar(window, green)).value === 0 && await commits(green) === 0
            && Math.abs((await part(green, 'thumb')).x - to.x) <= 3;
        await test.engine.pointer('touch', ['up']);
    });
    test.check(held && dragged > 0 && await commits(green) === 1,
        `a finger drags a bar from its track, the thumb under it, and commits once, when it lifts (${dragged})`);

    const blue = '液体の Blue';
    const blueBar = await test.bar(window, blue);
    const tapAt = (kind, y) => test.barAction(window, blue,
        () => test.engine.pointer(kind, [{ x: blueBar.left + blueBar.width * 0.7, y }, 'down', 'up']));
    const reach = await test.run((inWindow, name) => parseFloat(
        getComputedStyle(palettraTest.find(inWindow, 'slider', name)).getPropertyValue('--reach-bottom')), window, blue);
    const tapped = await tapAt('touch', blueBar.y);
    const beside = await tapAt('touch', blueBar.top + blueBar.height + reach / 2);
    const clicked = await tapAt('mouse', blueBar.top + blueBar.height + reach / 2);
    test.check(tapped === 1 && reach >= 4 && beside === 2 && clicked === 2,
        `a tap on the track takes a large step, and so does one below the bar, in its touch area (${reach} pixels), `
        + 'where a mouse does nothing');

    const red = '液体の Red';
    const redTrack = await part(red, 'track');
    const at = (share, dx = 0) => ({ x: redTrack.left + redTrack.width * share + dx, y: redTrack.y });
    const [value, thumb, before] = [(await test.bar(window, red)).value, await part(red, 'thumb'), await commits(red)];
    let still = true;
    for (const frames of [[[at(0.3)], [at(0.3), at(0.5)], [at(0.3, -40), at(0.5, -40)], []],
        [[at(0.3)], [at(0.3, -40)], [at(0.3, -40), at(0.6)], [at(0.3, -60), at(0.6)], []]]) {
        await test.engine.fingers(frames);
        await nextFrames();
        still = still && (await test.bar(window, red)).value === value && (await part(red, 'thumb')).x === thumb.x;
    }
    test.check(still && await commits(red) === before,
        'two fingers on a bar never move it, nor does a second finger that joins a drag');
}

// The page opens its windows at what fits the screen; a picture's pixels are the desktop's at 100 %,
// which the zoom keys reach from any fit.
async function atActualSize(test, window) {
    const clientWidth = () => test.run((name) => palettraTest.windowOf(name).querySelector('.client').offsetWidth, window);
    await test.run((name) => palettraTest.windowOf(name).querySelector('[tabindex="0"]').focus(), window);
    for (let width = await clientWidth(), tries = 0; width !== 800 && tries < 6; width = await clientWidth(), ++tries)
        await test.engine.keys(width > 800 ? 'Control+-' : 'Control+=');
    return await clientWidth() === 800;
}

async function comparePictures(test, reference) {
    const run = spawnSync(reference, { input: test.actions.join('\n'), encoding: 'utf8', maxBuffer: 1 << 28,
        env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
    if (run.status !== 0)
        throw new Error(`the reference tool failed: ${run.stderr}`);
    for (const [key, picture] of Object.entries(JSON.parse(run.stdout)).sort()) {
        const [window, name, index] = key.split('/');
        if (!await atActualSize(test, window)) {
            test.check(false, `${window} reaches 100 % by its zoom keys`);
            continue;
        }
        const shown = await test.picture(window, name, Number(index));
        const wanted = Buffer.from(picture.rgba, 'base64');
        if (shown.width !== picture.width || shown.height !== picture.height) {
            test.check(false, `${key} is ${shown.width}x${shown.height}, the desktop's ${picture.width}x${picture.height}`);
            continue;
        }
        let differing = 0;
        for (let at = 0; at < wanted.length; at += 4)
            differing += wanted[at] !== shown.rgba[at] || wanted[at + 1] !== shown.rgba[at + 1] || wanted[at + 2] !== shown.rgba[at + 2];
        const allowed = window === 'Form5' ? FLASK_EDGE_PIXELS : 0;
        test.check(differing <= allowed, `${key}: ${differing} of ${shown.width * shown.height} pixels differ from the desktop's`);
    }
}

// What the page hands assistive tools, read from its document in every engine.
async function checkAccessibility(test) {
    const page = await test.run(() => {
        const { roleOf, nameOf } = palettraTest;
        return [...document.querySelectorAll('[role], button')].filter((element) => !element.closest('[hidden]'))
            .map((element) => ({ role: roleOf(element), name: nameOf(element),
                value: element.getAttribute('aria-valuenow'), min: element.getAttribute('aria-valuemin'),
                max: element.getAttribute('aria-valuemax'), valueText: element.getAttribute('aria-valuetext'),
                description: palettraTest.descriptionOf(element) }));
    });
    const has = (nodes, role, name, properties = {}) => nodes.some((node) => node.role === role && node.name === name
        && Object.entries(properties).every(([key, value]) => node[key] === value));
    for (const [window, [, title]] of Object.entries(WINDOWS))
        test.check(has(page, 'dialog', title), `${window} is a dialog named ${JSON.stringify(title)}`);
    test.check(has(page, 'dialog', 'メニュー (menu)'), 'the menu is named though its title bar is empty');
    test.check(has(page, 'slider', '赤 (Red)', { value: '255', min: '0', max: '255', valueText: '255' }),
        'the red bar is a slider with its name, value, range and value text');
    test.check(has(page, 'button', 'Draw') && has(page, 'button', 'End'), 'buttons are named by their captions');
    // The bars have taken red from 0 to 255 since the swatch was made.
    const describesSwatch = (description = '') => description.startsWith('三つのチャンネルを混ぜた色')
        && description.includes('(255,');
    test.check(page.some((node) => node.role === 'img' && describesSwatch(node.description)),
        'the swatch is an image described with the colour it shows now');
    test.check(await test.run(() => document.querySelector('#announcer[aria-live="polite"]') !== null),
        "the announcements' live region is there");

    const tree = await test.engine.accessibilityTree();
    if (!tree)
        return;
    // Chromium leaves the tree's value text empty whatever the attribute says; that is read above.
    test.check(has(tree, 'dialog', 'RGB → 1677万色') && has(tree, 'dialog', 'メニュー (menu)')
        && has(tree, 'slider', '赤 (Red)', { value: 255, valuemin: 0, valuemax: 255 })
        && has(tree, 'button', 'Draw') && tree.some((node) => node.role === 'image' && describesSwatch(node.description))
        && tree.some((node) => node.live === 'polite'),
    "the engine's accessibility tree has the dialogs, the slider, the buttons, the swatch and the live region");
}

async function useKeysOfThePage(test) {
    await test.open('Form2');
    await test.engine.keys('F1');
    const help = await test.run(() => document.getElementById('message').open
        && document.getElementById('message-title').textContent + '\n' + document.getElementById('message-text').textContent);
    test.check(Boolean(help) && help.startsWith('キーボード (keyboard)\nTab で次') && help.includes('赤 (Red)'),
        "F1 shows the window's keyboard help");
    await test.engine.keys('Escape');
    test.check(!await test.run(() => document.getElementById('message').open), 'Escape closes it');

    const clientWidth = () => test.run(() => palettraTest.windowOf('Form2').querySelector('.client').offsetWidth);
    await test.engine.keys('Control+0');
    const width = await clientWidth();
    await test.engine.keys('Control+=');
    const zoomed = await clientWidth();
    await test.engine.keys('Control+0');
    test.check(zoomed > width && await clientWidth() === width,
        `Ctrl+= zooms the window a step (${width} to ${zoomed}), Ctrl+0 back to what fits the page`);
}

async function closeEndAndRestart(test, url) {
    await test.click(await test.find('Form2', 'button', '閉じる (close)'));
    test.actions.push('close Form2');
    test.check(!await test.shown('Form2'), 'the close box closes the window');
    await test.open('Form2');
    test.check(await test.shows('Form2', 'RGB = (0,0,0)') && (await test.bar('Form2', '赤 (Red)')).value === 0,
        'opened again, the window is as it first was');

    await test.press(MENU, 'End');
    test.check(await test.run(() => !document.getElementById('ended').hidden && !document.querySelector('[role="dialog"]')
        && document.getElementById('ended').innerText.replace(/\s*\n\s*/g, '\n').trim()
            === 'プログラムは終了しました (The program has ended)\nもう一度始める (Start again)'),
    'End closes every window and says the program has ended, with its button to start again');
    await test.click(await test.run(() => palettraTest.describe(document.getElementById('restart'))));
    await test.open('Form2');
    await test.focus('Form2', 'slider', '赤 (Red)');
    await test.engine.keys('ArrowRight');
    test.check(await test.shows('Form2', 'RGB = (1,0,0)'), 'started again, the program works');

    const foreign = (test.engine.requests() ?? []).filter((address) => address !== url && !address.startsWith('data:'));
    test.check(foreign.length === 0, `no request leaves the page ${foreign.join(' ')}`);
    const problems = await test.problems();
    test.check(problems.length === 0, `no error, warning or refusal reaches the console ${problems.join(' | ')}`);
}

// No user action makes one of the program's handlers fail, so the benchmark page's module runs one
// that does on the same face and page, pressed twice: the first run overflows, the second goes through.
async function reportARunTimeError(test, benchPage) {
    await test.engine.open(`${benchPage}?failing-handler`);
    const finished = await test.waitFor(() => document.body.dataset.finishedRuns);
    const shown = () => test.run(() => {
        const box = document.getElementById('message');
        const ok = document.getElementById('message-ok').getBoundingClientRect();
        return { open: box.open, title: document.getElementById('message-title').textContent,
            text: document.getElementById('message-text').textContent,
            ok: { x: ok.left + ok.width / 2, y: ok.top + ok.height / 2 } };
    });
    const report = await shown();
    await test.click(report.ok);
    const problems = await test.problems();
    test.check(report.open && report.title === '実行時エラー (Run-time error)'
        && report.text.startsWith("実行時エラー '6': (Run-time error '6':)") && report.text.includes('(Overflow)')
        && !(await shown()).open && finished === '1' && problems.length === 0,
    `an overflow in a handler is reported once in the page, and the next run goes through ${JSON.stringify(report.text)} ${problems.join(' | ')}`);
}

// Browsers that cannot run the program, made so before the page loads: one lacks a feature the
// module needs (SIMD, hidden from the page's script), one fails to start the module.
function breakTheBrowser() {
    if (location.search === '?without-simd') {
        const validate = WebAssembly.validate;
        WebAssembly.validate = (bytes) => !new Uint8Array(bytes).includes(0xfd) && validate(bytes);
    } else if (location.search === '?failing-start') {
        WebAssembly.instantiate = () => Promise.reject(new Error('no room for the module'));
    }
}

async function whatThePageSays(engine, url) {
    await engine.open(url, breakTheBrowser);
    return engine.run(() => new Promise((resolve) => setTimeout(() => resolve({
        notice: [...document.querySelectorAll('.notice')].filter((notice) => !notice.hidden)
            .map((notice) => notice.innerText).join('\n'),
        started: performance.getEntriesByName('palettra-started').length > 0,
        problems: palettraHealth.problems,
    }), 300)));
}

async function checkBrowsersThatCannot(test, openEngine, url) {
    const engine = await openEngine();
    try {
        const older = await whatThePageSays(engine, `${url}?without-simd`);
        test.check(!older.started && older.notice.includes('古いため') && older.notice.includes('too old')
            && older.notice.includes('Safari 16.4') && older.notice.includes('SIMD') && older.problems.length === 0,
        `a browser without SIMD is told, in Japanese and English, that it is too old and which work ${JSON.stringify(older.notice)}`);
        const failing = await whatThePageSays(engine, `${url}?failing-start`);
        test.check(!failing.started && failing.notice.includes('始められませんでした')
            && failing.notice.includes('could not start') && failing.notice.includes('no room for the module'),
        `a start that fails says so and why ${JSON.stringify(failing.notice)}`);
    } finally {
        await engine.close();
    }
}

async function main() {
    const { page, engineName, reference, out, 'bench-page': benchPage } = parseArguments(process.argv.slice(2),
        ['reference', 'bench-page']);
    const engine = await openEngine(engineName);
    console.log(`${engineName}: ${engine.version}`);
    const url = page.href;
    const test = new PageSession(engine);
    try {
        await test.load(url);
        await openEveryWindow(test);
        await useTheMixer(test);
        await useTheToolWindows(test);
        await useBarsByFinger(test);
        await comparePictures(test, reference);
        await checkAccessibility(test);
        await useKeysOfThePage(test);
        await closeEndAndRestart(test, url);
        await reportARunTimeError(test, pathToFileURL(resolve(benchPage)).href);
    } catch (error) {
        mkdirSync(out, { recursive: true });
        await engine.screenshot(join(out, `failure-${engine.name}.png`)).catch(() => {});
        throw error;
    } finally {
        await engine.close();
    }
    if (engine.name === 'webkit')
        console.log('(WebDriver cannot run a script before a page: browsers that cannot run the program are tried in the other engines)');
    else
        await checkBrowsersThatCannot(test, () => openEngine(engineName), url);
    return test.summary();
}

process.exitCode = await main();
