// The page in a browser set to English: every text English, then the menu's switch to Japanese and
// back, with the open mixer keeping its bar, captions and picture; an address's ?lang= wins over the
// browser. Usage: language_test.mjs PAGE --engine chromium|firefox|webkit
import { openEngine } from './engines.mjs';
import { MENU, PageSession, parseArguments } from './session.mjs';

const JAPANESE = /[\u3000-\u9fff\uff00-\uffef]/;

// Everything the page shows or tells: texts, names, descriptions and the last announcement, but for
// the switch, which says its language in that language.
function everyText() {
    const texts = [document.getElementById('announcer').textContent];
    for (const element of document.querySelectorAll('#desktop *')) {
        if (element.closest('[hidden], .title-button.language'))
            continue;
        for (const node of element.childNodes)
            if (node.nodeType === Node.TEXT_NODE)
                texts.push(node.data);
        texts.push(palettraTest.nameOf(element), palettraTest.descriptionOf(element));
    }
    return texts.filter((text) => text.trim());
}

async function checkEnglish(test, when) {
    const japanese = (await test.run(everyText)).filter((text) => JAPANESE.test(text));
    test.check(japanese.length === 0, `${when}, no text is left in Japanese ${JSON.stringify(japanese)}`);
}

// The switch shows, names and marks the language it goes to.
async function checkSwitch(test, name, lang) {
    const shown = await test.run(() => {
        const button = document.querySelector('.title-button.language');
        return [button.textContent, button.getAttribute('aria-label'), button.lang];
    });
    test.check(shown.join() === [name, name, lang].join(), `the switch offers ${name} (${shown})`);
}

const language = (test) => test.run(() => document.documentElement.lang);
const described = (test, window, name) => test.run((...args) =>
    palettraTest.descriptionOf(palettraTest.find(...args)), window, 'slider', name);

async function useTheEnglishMixer(test) {
    test.check(await language(test) === 'en', 'a browser set to English gets the English page');
    await test.press(MENU, 'RGB → 16.7M colours');
    test.check(await test.title('Form2') === 'RGB → 16.7M colours', 'the mixer is titled in English');
    await test.focus('Form2', 'slider', 'Red');
    await test.engine.keys('End');
    test.check(await test.announced() === '(255,0,0), hexadecimal FF0000, red',
        `the mixer's change is told in English: ${await test.announced()}`);
    await checkEnglish(test, 'with the mixer open');
    await checkSwitch(test, '日本語', 'ja');
}

async function switchBothWays(test) {
    const before = await test.picture('Form2', 'Picture1', 0);
    await test.press(MENU, '日本語');
    test.check(await language(test) === 'ja', 'the switch turns the page Japanese at once');
    await checkSwitch(test, 'English', 'en');
    test.check(await test.title('Form2') === 'RGB → 1677万色', 'the open mixer is titled in Japanese');
    test.check((await test.bar('Form2', '赤 (Red)')).value === 255, 'its bar keeps its value');
    test.check(await test.shows('Form2', 'RGB = (255,0,0)') && await test.shows('Form2', 'FF0000'),
        'its labels keep what they show');
    test.check((await test.picture('Form2', 'Picture1', 0)).rgba.equals(before.rgba), 'its picture keeps its pixels');
    test.check((await described(test, 'Form2', '赤 (Red)')).startsWith('赤の強さ 0～255'), 'its bars are described in Japanese');
    await test.press(MENU, 'English');
    test.check(await language(test) === 'en' && (await test.bar('Form2', 'Red')).value === 255,
        'the switch, named in English, turns it back');
    await checkEnglish(test, 'switched back');
}

async function main() {
    const { page, engineName } = parseArguments(process.argv.slice(2));
    const engine = await openEngine(engineName, { language: 'en-US' });
    console.log(`${engineName}: ${engine.version}`);
    if (!engine.emulates.language)
        console.log(`(${engineName}'s driver cannot set the browser's language: the address asks for English)`);
    const test = new PageSession(engine);
    try {
        await test.load(page.href);
        await useTheEnglishMixer(test);
        await switchBothWays(test);
        await test.load(`${page.href}?lang=ja`);
        test.check(await language(test) === 'ja', 'an address that asks for Japanese wins over the browser');
        await checkSwitch(test, 'English', 'en');
        const problems = await test.problems();
        test.check(problems.length === 0, `no error reaches the page ${problems.join(' | ')}`);
    } catch (error) {
        test.check(false, String(error.stack ?? error));
    } finally {
        await engine.close();
    }
    process.exit(test.summary());
}

await main();
