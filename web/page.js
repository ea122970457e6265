/*
 * The page of Palettra's browser face: a desktop of windows that shows what the C++ module tells it
 * and reports what the user does. The module owns every window, control, value and rule; nothing
 * here decides what a window shows.
 *
 * The module calls, on `page`, which the loader hands it (ids are the module's own; places and sizes
 * are CSS pixels; colours are CSS colours such as "#ff8000"):
 *
 *   createWindow(windowId, {name, caption, accessibleName, buttons, background})
 *       A window, hidden until shown, named in the layout `name`; `buttons` are its title bar's, from
 *       the left, each {kind, name, onName, lang}: kind "language", "help", "zoomOut", "zoomIn",
 *       "fullScreen", "maximise", "close" or "more" (shown only while the bar has no room for the
 *       others, whose rows it unfolds), `name` what a screen reader calls it and `onName` what
 *       it calls it while the window is maximised or the page in full screen, `lang` the language
 *       of its name; the language switch shows its name, the others a figure.
 *   retitleWindow(windowId, {caption, accessibleName, buttons})
 *                                 the window's frame again in another language, its buttons as
 *                                 createWindow's, in the same order
 *   showLanguage(tag)             the language every text is in now, "ja" or "en"
 *   showWindow(windowId, {left, top, width, height})
 *                                 shows the hidden window, its title bar at (left, top), its client
 *                                 area width × height below it; without a place, brings it to the
 *                                 front; the focus goes inside it
 *   placeWindow(windowId, {left, top, width, height}, maximised)
 *                                 moves the open window there and sizes its client area, where it is
 *                                 among the others; `maximised` when it fills the page
 *   hideWindow(windowId)
 *   setClientSize(windowId, width, height, factor)   the client area at a zoom factor
 *   showDecorations(windowId, [decoration, ...])
 *       What lies on the window's surface, beneath the controls, in the client area's pixels at its
 *       zoom, the first drawn first; `antialiased` false keeps it to whole pixels:
 *         {kind: "line", x1, y1, x2, y2, lineWidth, stroke, antialiased}
 *         {kind: "rectangle" or "circle", left, top, width, height, lineWidth (0 for none), stroke,
 *          fill, antialiased}
 *   setFocusOrder(windowId, [controlId, ...])        the order Tab takes; the first gets the focus
 *   destroyWindow(windowId)
 *   createControl(windowId, controlId, props)
 *       props: kind, control and index (its name in the layout), tab (its place in the layout's
 *       order, which is also the reading order), name
 *       (only when it is fixed: a label without one is named by what it shows) and description, and
 *       for each kind:
 *         "button"          caption, bold, background (only for a button that shows its colour)
 *         "label"           caption, bold, foreground, alignRight
 *         "hbar", "vbar"    min, max, value, valueText, thumbShare (the thumb's length in per
 *                           cent of the track), repeatDelay and repeatInterval (the pace of a held
 *                           arrow or track, in milliseconds)
 *         "picture"         width, height (its size at 100 %), bevels (the border's bands from the
 *                           outside in, each {topLeft, bottomRight} and a layout pixel wide),
 *                           alwaysSmoothed (else enlarged in blocks wherever the enlargement is whole)
 *   placeControl(windowId, controlId, {left, top, width, height, zoom, fontPixels, touch})
 *       `touch` {left, top, right, bottom}: how far past the box a finger still hits the control, in
 *       CSS pixels, each side (0 for a control that takes no input)
 *   destroyControl(windowId, controlId)
 *   showPixels(windowId, controlId, width, height, rgba, figure)
 *       The picture's model: width × height pixels, four bytes each (red, green, blue, alpha), row by
 *       row; copied at once, so a view of the module's memory will do. `figure`, when not null, is the
 *       same picture as the drawing calls that made it, which the page paints again at the screen's
 *       resolution whenever a model pixel is not one device pixel; see picture.js.
 *   update(changes, texts)        once an action is over, every caption, bar value, dragged thumb,
 *                                 description and announcement it made, in one call: `changes` an
 *                                 Int32Array of five numbers a change, its kind (`Change` of
 *                                 protocol.json), the window's id, the control's (both 0 for an
 *                                 announcement, which screen readers say and the page shows
 *                                 nowhere), the bar's value or its thumb's (else 0) and the
 *                                 length of its text in bytes; `texts` a Uint8Array holding the texts
 *                                 one after another, in UTF-8
 *   showMessage(title, text, button)
 *                                 a run-time error's report or a window's help; the page goes on
 *                                 after its button, called `button`, is pressed
 *   ended(text, startAgain)       every window gone: the page that says so in `text`, with a button
 *                                 to start again called `startAgain`
 *
 * and, once `connect(program)` has been called, calls back into the program (synchronously; the
 * module answers through the calls above, the bars' values included):
 *
 *   barStepped(controlId, towards)   an arrow, pressed or held, or an arrow key; `towards` is 1 for
 *                                    the max end, -1 for the min end
 *   barPaged(controlId, towards)     Page Down (1), Page Up (-1)
 *   barToEnd(controlId, towards)     End (1), Home (-1)
 *   barTrackHeld(controlId, side)    the track pressed (or tapped) on this side of the thumb (-1
 *   barTrackRepeated(controlId, side)  before it, 1 past it, 0 on it), and again at each repeat while held
 *   barThumbHeld(controlId), barThumbMoved(controlId, offset, room), barThumbLetGo(controlId),
 *   barThumbCancelled(controlId)     the thumb caught, its start dragged `offset` CSS pixels into
 *                                    the `room` it moves in, let go, or taken over by the browser
 *                                    or a second finger
 *   barThumbCentred(controlId, at, track, thumb)
 *                                    the held thumb under a finger that drags the bar from anywhere
 *                                    on it, `at` CSS pixels into the `track`'s length, the thumb
 *                                    `thumb` long
 *   buttonPressed(controlId)         click, touch, Space or Enter
 *   windowClosed(windowId)           the close box
 *   helpRequested(windowId)          F1, or the title bar's help button
 *   zoomRequested(windowId, key)     Ctrl+= or Ctrl++ ("in"), Ctrl+- ("out"), Ctrl+0 ("actual"), or
 *                                    the title bar's zoom buttons
 *   maximiseRequested(windowId)      the maximise button, or a double click or tap on the title bar
 *   windowMoved(windowId, left, top) the title bar let go where it moved the window to
 *   screenResized(width, height, frameWidth, frameHeight)
 *                                    the page's size, once connected and whenever it changes, and
 *                                    how much wider and taller a window's frame is than its client area
 *   languagesPreferred(tags)         once connected: the address's ?lang= and the browser's preferred
 *                                    languages, first the most wanted, separated by commas
 *   languageRequested()              the menu's language switch
 *   start()                          the button of the ended page
 *
 * A call about a window or control that is no longer there does nothing.
 */

import { createButton, createDecoration, createLabel, describeControl } from './controls.js';
import { createPicture } from './picture.js';
import protocol from './protocol.json';
import { createScrollBar } from './scrollbar.js';

const desktop = document.getElementById('desktop');
const endedPage = document.getElementById('ended');
const windows = new Map();
let program = {};
let frontLayer = 0;

function report(callback, ...args) {
    program[callback]?.(...args);
}

function frameOf(element) {
    const section = element?.closest?.('.window');
    return [...windows.values()].find((frame) => frame.element === section);
}

function frontFrame() {
    return [...windows.values()].find((frame) => frame.element.classList.contains('front') && !frame.element.hidden);
}

function raise(frame) {
    if (frame.element.classList.contains('front'))
        return;
    frontFrame()?.element.classList.remove('front');
    frame.element.classList.add('front');
    frame.element.style.zIndex = ++frontLayer;
}

// The title bar moves its window under a mouse, a finger or a pen, and never off the page's top or
// so far left that the bar cannot be caught again; where it is let go is the window's new place. A
// maximised window stays where it is.
function dragByTitle(windowId, element, titleBar) {
    titleBar.addEventListener('pointerdown', (event) => {
        if (event.button !== 0 || event.target.closest('button') || element.classList.contains('maximised'))
            return;
        titleBar.setPointerCapture(event.pointerId);
        const startX = event.clientX - element.offsetLeft;
        const startY = event.clientY - element.offsetTop;
        const move = (moveEvent) => {
            element.style.left = `${Math.max(moveEvent.clientX - startX, 48 - element.offsetWidth)}px`;
            element.style.top = `${Math.max(moveEvent.clientY - startY, 0)}px`;
        };
        titleBar.addEventListener('pointermove', move);
        titleBar.addEventListener('lostpointercapture', () => {
            titleBar.removeEventListener('pointermove', move);
            report('windowMoved', windowId, element.offsetLeft, element.offsetTop);
        }, { once: true });
    });
    titleBar.addEventListener('dblclick', (event) => {
        if (!event.target.closest('button'))
            report('maximiseRequested', windowId);
    });
}

// The page in full screen, or back; WebKit on iPads has had the calls only under its prefix.
const fullScreen = {
    available: () => Boolean(document.fullscreenEnabled ?? document.webkitFullscreenEnabled),
    on: () => Boolean(document.fullscreenElement ?? document.webkitFullscreenElement),
    toggle() {
        const root = document.documentElement;
        const asked = this.on()
            ? (document.exitFullscreen ?? document.webkitExitFullscreen).call(document)
            : (root.requestFullscreen ?? root.webkitRequestFullscreen).call(root);
        asked?.catch?.(() => {}); // refused, as a browser may: the page stays as it is
    },
};

// The title bar's buttons draw small figures of their own, in a 12 × 12 box.
const buttonFigures = {
    help: 'M4 4.5a2 2 0 1 1 3 1.7c-.7.4-1 .8-1 1.6V8.5M6 10v.5',
    zoomOut: 'M2.5 6h7',
    zoomIn: 'M2.5 6h7M6 2.5v7',
    fullScreen: 'M1.5 4.5v-3h3M7.5 1.5h3v3M10.5 7.5v3h-3M4.5 10.5h-3v-3',
    maximise: 'M2 2.5h8v7H2zM2 3.5h8',
    close: 'M3 3l6 6M9 3l-6 6',
    more: 'M2.5 6h.01M6 6h.01M9.5 6h.01',
};

function titleButtonAction(windowId, kind) {
    return {
        help: () => report('helpRequested', windowId),
        zoomOut: () => report('zoomRequested', windowId, 'out'),
        zoomIn: () => report('zoomRequested', windowId, 'in'),
        fullScreen: () => fullScreen.toggle(),
        maximise: () => report('maximiseRequested', windowId),
        close: () => report('windowClosed', windowId),
        language: () => report('languageRequested'),
        more: () => {
            const titleBar = windows.get(windowId).element.querySelector('.title-bar');
            unfold(titleBar, !titleBar.classList.contains('unfolded'));
        },
    }[kind];
}

// "More" shows only while a button has wrapped onto the bar's hidden rows.
function fitTitleButtons(titleBar) {
    const more = titleBar.querySelector('.title-button.more');
    if (!more)
        return;
    unfold(titleBar, false);
    more.hidden = true;
    titleBar.classList.remove('crowded');
    const rows = [...titleBar.querySelectorAll('.title-button:not([hidden])')].map((button) => button.offsetTop);
    const crowded = rows.some((top) => top >= titleBar.clientHeight);
    titleBar.classList.toggle('crowded', crowded);
    more.hidden = !crowded;
}

// The rows lie over the window's client area, which stays where it is; a second tap, a tap on a
// button or anywhere else, or Escape, folds them again.
function unfold(titleBar, open) {
    titleBar.classList.toggle('unfolded', open);
    titleBar.querySelector('.title-button.more')?.setAttribute('aria-expanded', String(open));
    const rowHeight = parseFloat(getComputedStyle(titleBar).getPropertyValue('--title-height'));
    titleBar.style.marginBottom = open ? `${rowHeight - titleBar.offsetHeight}px` : '';
}

function foldTitleBars(except) {
    for (const titleBar of document.querySelectorAll('.title-bar.unfolded'))
        if (titleBar !== except)
            unfold(titleBar, false);
}

document.addEventListener('pointerdown', (event) => foldTitleBars(event.target.closest?.('.title-bar')), { capture: true });
document.addEventListener('keydown', (event) => event.key === 'Escape' && foldTitleBars(), { capture: true });
// A bar is refitted when its window's width changes, which the client area's tells: the module sets
// it. Neither the bar nor its window is watched, as a fit that folds the bar changes the height of
// both, and an observer that changes what it watches leaves the browser a loop it reports as an error.
const clientWidths = new WeakMap();
const clientSizes = new ResizeObserver((entries) => entries.forEach(({ target, borderBoxSize: [{ inlineSize }] }) => {
    if (clientWidths.get(target) === inlineSize)
        return;
    clientWidths.set(target, inlineSize);
    fitTitleButtons(target.parentElement.querySelector('.title-bar'));
}));

function createTitleButton(windowId, props) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = `title-button ${props.kind}`;
    button.dataset.kind = props.kind;
    button.tabIndex = -1; // like the desktop's title bar, out of the window's Tab order
    button.hidden = props.kind === 'more' || (props.kind === 'fullScreen' && !fullScreen.available());
    if (props.kind !== 'language') {
        const figure = button.appendChild(document.createElementNS('http://www.w3.org/2000/svg', 'svg'));
        figure.setAttribute('viewBox', '0 0 12 12');
        figure.setAttribute('aria-hidden', 'true');
        const path = figure.appendChild(document.createElementNS('http://www.w3.org/2000/svg', 'path'));
        path.setAttribute('d', buttonFigures[props.kind]);
    }
    nameTitleButton(button, props);
    const action = titleButtonAction(windowId, props.kind);
    button.addEventListener('click', () => {
        if (props.kind !== 'more')
            foldTitleBars();
        action();
    });
    return button;
}

// The language switch says the language it goes to, in that language; the others are named only.
function nameTitleButton(button, props) {
    button.names = [props.name, props.onName];
    button.lang = props.lang;
    if (props.kind === 'language')
        button.textContent = props.name;
    showButtonOn(button, button.classList.contains('on'));
}

function retitleWindow(windowId, props) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    showTitle(frame.element, props);
    const buttons = frame.element.querySelectorAll('.title-button');
    props.buttons.forEach((button, at) => nameTitleButton(buttons[at], button));
    fitTitleButtons(frame.element.querySelector('.title-bar'));
}

function showTitle(element, props) {
    element.setAttribute('aria-label', props.accessibleName);
    const title = element.querySelector('.title-bar > h2');
    title.textContent = props.caption;
    title.hidden = !props.caption; // the menu's bar stays empty, and no screen reader should find a blank heading
}

function showLanguage(tag) {
    document.documentElement.lang = tag;
}

// A link a teacher hands out may name the language (?lang=en); otherwise the browser's own choice.
function preferredLanguages() {
    const asked = new URLSearchParams(location.search).get('lang');
    return [...(asked ? [asked] : []), ...navigator.languages];
}

// A button that puts back what it did is named for that while it is on.
function showButtonOn(button, on) {
    if (!button)
        return;
    const name = button.names[on ? 1 : 0];
    button.setAttribute('aria-label', name);
    button.title = name;
    button.classList.toggle('on', on);
}

function createWindow(windowId, props) {
    const element = document.createElement('section');
    element.className = 'window';
    element.hidden = true;
    element.setAttribute('role', 'dialog');
    element.dataset.window = props.name;

    const titleBar = element.appendChild(document.createElement('div'));
    titleBar.className = 'title-bar';
    titleBar.appendChild(document.createElement('h2'));
    showTitle(element, props);
    for (const button of props.buttons)
        titleBar.appendChild(createTitleButton(windowId, button));
    dragByTitle(windowId, element, titleBar);

    const client = element.appendChild(document.createElement('div'));
    client.className = 'client';
    client.style.background = props.background;
    clientSizes.observe(client, { box: 'border-box' });
    const surface = client.appendChild(document.createElementNS('http://www.w3.org/2000/svg', 'svg'));
    surface.classList.add('decorations');
    surface.setAttribute('aria-hidden', 'true');

    const frame = { id: windowId, element, client, surface, controls: new Map(), focusOrder: [] };
    element.addEventListener('pointerdown', () => raise(frame), { capture: true });
    element.addEventListener('focusin', () => raise(frame));
    windows.set(windowId, frame);
    desktop.appendChild(element);
}

function setClientSize(windowId, width, height) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    frame.client.style.width = `${width}px`;
    frame.client.style.height = `${height}px`;
    frame.surface.setAttribute('viewBox', `0 0 ${width} ${height}`);
}

function showDecorations(windowId, decorations) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    frame.surface.replaceChildren();
    for (const decoration of decorations)
        createDecoration(decoration, frame.surface);
}

function moveWindow(frame, place) {
    frame.element.style.left = `${place.left}px`;
    frame.element.style.top = `${place.top}px`;
    setClientSize(frame.id, place.width, place.height);
}

// The focus never scrolls the page: the windows are where the module put them.
function showWindow(windowId, place) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    if (place) {
        moveWindow(frame, place);
        placeWindow(windowId, place, false);
        frame.element.hidden = false;
    }
    raise(frame);
    if (!frame.element.contains(document.activeElement))
        frame.controls.get(frame.focusOrder[0])?.element.focus({ preventScroll: true });
}

function placeWindow(windowId, place, maximised) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    moveWindow(frame, place);
    frame.element.classList.toggle('maximised', maximised);
    showButtonOn(frame.element.querySelector('.title-button.maximise'), maximised);
}

// The screen the module fits the windows to: the page's own size, and the frame a window has
// around its client area, its title bar and a pixel's border each side.
function reportScreen() {
    const root = document.documentElement;
    const titleHeight = parseFloat(getComputedStyle(root).getPropertyValue('--title-height'));
    report('screenResized', root.clientWidth, root.clientHeight, 2, titleHeight + 2);
}

// A turn of the tablet, a resized browser, full screen, or a keyboard taken off (the title bars grow).
addEventListener('resize', reportScreen);
matchMedia('(pointer: coarse)').addEventListener('change', () => {
    reportScreen();
    document.querySelectorAll('.title-bar').forEach(fitTitleButtons);
});
for (const change of ['fullscreenchange', 'webkitfullscreenchange'])
    document.addEventListener(change, () => {
        for (const button of document.querySelectorAll('.title-button.fullScreen'))
            showButtonOn(button, fullScreen.on());
    });

function hideWindow(windowId) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    frame.element.hidden = true;
    frame.element.classList.remove('front');
    // The focus goes on to the window that is now in front, as a desktop's does.
    const next = [...windows.values()]
        .filter((other) => !other.element.hidden)
        .sort((a, b) => (Number(a.element.style.zIndex) || 0) - (Number(b.element.style.zIndex) || 0))
        .pop();
    if (next)
        showWindow(next.id);
}

function destroyWindow(windowId) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    for (const control of frame.controls.values())
        control.destroyed?.();
    frame.element.remove();
    windows.delete(windowId);
}

function setFocusOrder(windowId, order) {
    const frame = windows.get(windowId);
    if (frame)
        frame.focusOrder = order;
}

const controlFactories = {
    button: createButton,
    label: createLabel,
    hbar: createScrollBar,
    vbar: createScrollBar,
    picture: createPicture,
};

// Controls stand in the document in the layout's tab order, which is the order Tab takes and a
// screen reader reads.
function insertInTabOrder(client, element, tab) {
    element.tab = tab;
    const next = [...client.children].find((child) => child.tab > tab);
    client.insertBefore(element, next ?? null);
}

function createControl(windowId, controlId, props) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    const control = controlFactories[props.kind](props, {
        pressed: () => report('buttonPressed', controlId),
        acted: (callback, ...args) => report(callback, controlId, ...args),
    });
    control.element.dataset.control = props.control;
    control.element.dataset.index = props.index;
    insertInTabOrder(frame.client, control.element, props.tab);
    if (props.name)
        control.element.setAttribute('aria-label', props.name);
    describeControl(control.element, props.description);
    frame.controls.set(controlId, control);
}

function destroyControl(windowId, controlId) {
    const control = windows.get(windowId)?.controls.get(controlId);
    if (!control)
        return;
    control.element.description?.remove();
    control.element.remove();
    control.destroyed?.();
    windows.get(windowId).controls.delete(controlId);
}

// Only what is there is told anything.
const onControl = (action) => (windowId, controlId, ...args) => {
    const control = windows.get(windowId)?.controls.get(controlId);
    if (control)
        action(control, ...args);
};

// The message box of the page, for the error report and the keyboard help; one at a time, in turn.
const messageBox = document.getElementById('message');
const waitingMessages = [];
let focusBeforeMessage = null;

function showMessage(title, text, button) {
    if (messageBox.open) {
        waitingMessages.push([title, text, button]);
        return;
    }
    focusBeforeMessage = document.activeElement;
    document.getElementById('message-title').textContent = title;
    document.getElementById('message-text').textContent = text;
    document.getElementById('message-ok').textContent = button;
    messageBox.showModal();
    document.getElementById('message-text').scrollTop = 0;
    document.getElementById('message-ok').focus();
}

document.getElementById('message-ok').addEventListener('click', () => messageBox.close());
messageBox.addEventListener('close', () => {
    focusBeforeMessage?.focus();
    if (waitingMessages.length)
        showMessage(...waitingMessages.shift());
});

// While a message box is open the rest of the page is out of reach, its live region too, so the
// box has one of its own. The same text twice in a row is still a change, so that it is said again.
function announce(text) {
    const announcer = document.getElementById(messageBox.open ? 'message-announcer' : 'announcer');
    announcer.textContent = announcer.textContent === text ? `${text}\u00a0` : text;
}

function ended(text, startAgain) {
    for (const windowId of [...windows.keys()])
        destroyWindow(windowId);
    if (messageBox.open)
        messageBox.close();
    waitingMessages.length = 0;
    desktop.hidden = true;
    document.getElementById('ended-text').textContent = text;
    document.getElementById('restart').textContent = startAgain;
    endedPage.hidden = false;
    document.getElementById('restart').focus();
}

document.getElementById('restart').addEventListener('click', () => {
    endedPage.hidden = true;
    desktop.hidden = false;
    report('start');
});

// Tab and Shift+Tab go round the window's controls in the module's focus order, as in a desktop window.
function nextInFocusOrder(frame, backwards) {
    const order = frame.focusOrder.map((id) => frame.controls.get(id)?.element).filter(Boolean);
    const at = order.indexOf(document.activeElement);
    if (at < 0)
        return backwards ? order.at(-1) : order[0];
    return order[(at + (backwards ? -1 : 1) + order.length) % order.length];
}

// F1, Tab and the zoom keys belong to the window with the focus, whichever control has it; they are
// taken on their way in, so that no control sees them and the browser does not zoom the whole page.
const zoomKeys = { '=': 'in', '+': 'in', '-': 'out', 0: 'actual' };
document.addEventListener(
    'keydown',
    (event) => {
        const frame = frameOf(document.activeElement) ?? frontFrame();
        const zoom = event.ctrlKey && !event.altKey ? zoomKeys[event.key] : undefined;
        const tab = event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey;
        if (!frame || messageBox.open || (event.key !== 'F1' && zoom === undefined && !tab))
            return;
        event.preventDefault();
        event.stopPropagation();
        if (tab)
            nextInFocusOrder(frame, event.shiftKey)?.focus();
        else if (event.key === 'F1')
            report('helpRequested', frame.id);
        else
            report('zoomRequested', frame.id, zoom);
    },
    { capture: true });

const heldBack = {
    [protocol.Change.Caption]: onControl((control, value, text) => control.setCaption(text)),
    [protocol.Change.BarValue]: onControl((control, value, text) => control.setValue(value, text)),
    [protocol.Change.BarThumb]: onControl((control, value) => control.showThumb(value)),
    [protocol.Change.Description]: onControl((control, value, text) => describeControl(control.element, text)),
    [protocol.Change.Name]: onControl((control, value, text) => control.element.setAttribute('aria-label', text)),
    [protocol.Change.Announcement]: (windowId, controlId, value, text) => announce(text),
};

const utf8 = new TextDecoder();
function update(changes, texts) {
    for (let at = 0, start = 0; at < changes.length; at += 5) {
        const end = start + changes[at + 4];
        heldBack[changes[at]](changes[at + 1], changes[at + 2], changes[at + 3], utf8.decode(texts.subarray(start, end)));
        start = end;
    }
}

export const page = {
    createWindow,
    retitleWindow,
    showLanguage,
    showWindow,
    hideWindow,
    setClientSize,
    showDecorations,
    setFocusOrder,
    destroyWindow,
    createControl,
    placeControl: onControl((control, box) => control.place(box)),
    destroyControl,
    showPixels: onControl((control, ...picture) => control.showPixels(...picture)),
    update,
    showMessage,
    ended,
    placeWindow,
    connect(connected) {
        program = connected;
        report('languagesPreferred', preferredLanguages().join(','));
        reportScreen();
    },
};
