// What the page's test and its storm share: the arguments, and a session on the page that finds
// windows and controls as a screen reader does (by role and accessible name), acts on them as a
// person does (keys, a pointer at a place on the screen) and records what the core was told, for
// the reference tool to tell it again.
import { existsSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

import { engineNames, missing } from './engines.mjs';

// PAGE --engine NAME [--out FOLDER] and the options the caller names; exits 77 (skipped) when
// there is no page, and fails with what to install when the engine is missing.
export function parseArguments(argv, wanted = []) {
    const options = { out: 'build-web/page-test' };
    const positional = [];
    for (let at = 0; at < argv.length; ++at) {
        if (argv[at].startsWith('--'))
            options[argv[at].slice(2)] = argv[++at];
        else
            positional.push(argv[at]);
    }
    const [page] = positional;
    if (!page || !engineNames.includes(options.engine) || wanted.some((name) => !options[name])) {
        console.error(`usage: PAGE --engine ${engineNames.join('|')} ${wanted.map((name) => `--${name} ...`).join(' ')}`);
        process.exit(2);
    }
    if (!existsSync(page)) {
        console.log(`skipped: no ${page}; \`make web\` builds it`);
        process.exit(77);
    }
    const problem = missing(options.engine);
    if (problem) {
        console.error(`${options.engine}: ${problem}`);
        process.exit(1);
    }
    return { ...options, engineName: options.engine, page: pathToFileURL(resolve(page)) };
}

// Installed in the page after every load: how a screen reader would name what it meets.
function installFinders() {
    const implicitRoles = { BUTTON: 'button', DIALOG: 'dialog', H2: 'heading', MAIN: 'main' };
    const roleOf = (element) => element.getAttribute('role') ?? implicitRoles[element.tagName] ?? null;
    const textOf = (ids) => ids.split(' ').map((id) => document.getElementById(id)?.textContent ?? '').join(' ');
    const nameOf = (element) => element.getAttribute('aria-label')
        ?? (element.hasAttribute('aria-labelledby') ? textOf(element.getAttribute('aria-labelledby'))
            : roleOf(element) === 'button' ? element.textContent.trim() : '');
    const descriptionOf = (element) => element.hasAttribute('aria-describedby')
        ? textOf(element.getAttribute('aria-describedby')) : '';
    const windowOf = (name) => document.querySelector(`[role="dialog"][data-window="${name}"]`);
    const visible = (element) => Boolean(element) && !element.closest('[hidden]');
    const within = (window, role) => [...(windowOf(window)?.querySelectorAll('*') ?? [])]
        .filter((element) => roleOf(element) === role && visible(element));
    function describe(element) {
        if (!element)
            return null;
        const box = element.getBoundingClientRect();
        return { x: box.left + box.width / 2, y: box.top + box.height / 2, left: box.left, top: box.top,
            width: box.width, height: box.height, value: Number(element.getAttribute('aria-valuenow')),
            control: element.dataset.control, index: Number(element.dataset.index),
            focused: document.activeElement === element };
    }
    globalThis.palettraTest = {
        roleOf, nameOf, descriptionOf, windowOf, visible, within, describe,
        find: (window, role, name) => within(window, role).find((element) => nameOf(element) === name),
    };
}

export const MENU = 'メニュー';
// Each tool window: the menu's button that opens it and the window's title.
export const WINDOWS = {
    Form2: ['RGB → 1677万色', 'RGB → 1677万色'],
    Form1: ['％カラーチェンジ', 'Form1'],
    Form3: ['カラー重なり', 'Form3'],
    Form4: ['カラー重なり (正方形)', 'Form4'],
    Form5: ['丸底フラスコ', 'Form5'],
    Form6: ['合成', 'Form4'],
};

export class PageSession {
    constructor(engine) {
        this.engine = engine;
        this.actions = []; // what the core was told, for the reference tool to tell it again
        this.results = [];
    }

    check(condition, what) {
        console.log((condition ? 'ok    ' : 'FAIL  ') + what);
        this.results.push(Boolean(condition));
    }

    summary() {
        const failed = this.results.filter((result) => !result).length;
        console.log(`${this.engine.name}: ${this.results.length - failed} passed, ${failed} failed`);
        return failed ? 1 : 0;
    }

    run(fn, ...args) {
        return this.engine.run(fn, ...args);
    }

    async load(url) {
        await this.engine.open(url.href ?? url);
        await this.waitFor(() => performance.getEntriesByName('palettra-started').length > 0);
        await this.run(installFinders);
    }

    async waitFor(fn, ...args) {
        for (const deadline = Date.now() + 10000; Date.now() < deadline;) {
            const result = await this.run(fn, ...args);
            if (result)
                return result;
            await new Promise((resolve) => setTimeout(resolve, 20));
        }
        throw new Error(`timed out waiting for ${fn}`);
    }

    // ---- what a person sees

    shown(window) {
        return this.run((name) => palettraTest.visible(palettraTest.windowOf(name)), window);
    }

    title(window) {
        return this.run((name) => palettraTest.windowOf(name).querySelector('h2').textContent, window);
    }

    shows(window, text) {
        return this.run((name, wanted) => palettraTest.windowOf(name).innerText.split('\n')
            .some((line) => line.trim() === wanted), window, text);
    }

    // The window whose title bar is on top where its title bar is.
    inFront(window) {
        return this.run((name) => {
            const bar = palettraTest.windowOf(name).firstElementChild.getBoundingClientRect();
            return document.elementFromPoint(bar.left + 4, bar.top + bar.height / 2)?.closest('[role="dialog"]')
                === palettraTest.windowOf(name);
        }, window);
    }

    announced() {
        return this.run(() => document.getElementById('announcer').textContent.trim());
    }

    problems() {
        return this.run(() => palettraHealth.problems).then((problems) => [...problems,
            ...(this.engine.consoleErrors() ?? [])]);
    }

    namesOf(window, role) {
        return this.run((name, wanted) => palettraTest.within(name, wanted).map(palettraTest.nameOf), window, role);
    }

    find(window, role, name) {
        return this.run((...args) => palettraTest.describe(palettraTest.find(...args)), window, role, name)
            .then((found) => found ?? Promise.reject(new Error(`no ${role} named ${JSON.stringify(name)} in ${window}`)));
    }

    bar(window, name) {
        return this.find(window, 'slider', name);
    }

    thumb(window, name) {
        return this.run((...args) => palettraTest.describe(palettraTest.find(...args).querySelector('.thumb')),
            window, 'slider', name);
    }

    // The model pixels as the canvas shows them at 100 %: inside its two-pixel border.
    async picture(window, control, index) {
        const [width, height, encoded] = await this.run((name, wanted, at) => {
            const canvas = palettraTest.windowOf(name).querySelector(`[data-control="${wanted}"][data-index="${at}"]`);
            const data = canvas.getContext('2d').getImageData(2, 2, canvas.width - 4, canvas.height - 4).data;
            let text = '';
            for (let i = 0; i < data.length; i += 0x8000)
                text += String.fromCharCode(...data.subarray(i, i + 0x8000));
            return [canvas.width - 4, canvas.height - 4, btoa(text)];
        }, window, control, index);
        return { width, height, rgba: Buffer.from(encoded, 'base64') };
    }

    // ---- what a person does, and what the core was told of it

    click(at) {
        return this.engine.pointer('mouse', [at, 'down', 'up']);
    }

    async press(window, name, byKey) {
        const button = await this.find(window, 'button', name);
        if (byKey && !this.engine.keysPressButtons)
            console.log(`(${this.engine.name}'s driver cannot press a button by key: ${name} is clicked)`);
        if (byKey && this.engine.keysPressButtons) {
            await this.focus(window, 'button', name);
            await this.engine.keys(byKey);
        } else {
            await this.click(button);
        }
        this.actions.push(`press ${window} ${button.control} ${button.index}`);
    }

    open(window) {
        return this.press(MENU, WINDOWS[window][0]);
    }

    // The bar's far ('more') or near ('less') end, where its arrows are.
    async pressArrow(window, name, end) {
        const bar = await this.bar(window, name);
        const horizontal = bar.width >= bar.height;
        const inset = 4;
        const at = horizontal
            ? { x: end === 'more' ? bar.left + bar.width - inset : bar.left + inset, y: bar.y }
            : { x: bar.x, y: end === 'more' ? bar.top + bar.height - inset : bar.top + inset };
        await this.click(at);
    }

    // Does `act` to the bar and records the value it committed, if any.
    async barAction(window, name, act) {
        const before = (await this.bar(window, name)).value;
        await act();
        const after = await this.bar(window, name);
        if (after.value !== before)
            this.actions.push(`commit ${window} ${after.control} ${after.index} ${after.value}`);
        return after.value;
    }

    // Tab until the control has the focus, as a keyboard user gets there.
    async focus(window, role, name) {
        for (let tries = 0; tries < 20; ++tries) {
            if ((await this.find(window, role, name)).focused)
                return;
            await this.engine.keys('Tab');
        }
        throw new Error(`Tab never reached ${name}`);
    }
}
