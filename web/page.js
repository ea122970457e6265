/*
 * The page of Palettra's browser face: a desktop of windows that shows what the C++ module tells it
 * and reports what the user does. The module owns every window, control, value and rule; nothing
 * here decides what a window shows.
 *
 * The module calls, on `palettraPage` (ids are the module's own; places and sizes are CSS pixels;
 * colours are CSS colours such as "#ff8000"):
 *
 *   createWindow(windowId, {name, caption, accessibleName, left, top, width, height, background, help, decorations})
 *       A window, hidden until shown, named in the layout `name`: its title bar at (left, top), its
 *       client area width × height below it, at 100 %; `help` is the text F1 shows. Decorations
 *       lie on the window's surface, beneath the controls, in the layout's pixels, the first drawn first:
 *         {kind: "line", x1, y1, x2, y2, lineWidth, stroke}
 *         {kind: "rectangle" or "circle", left, top, width, height, lineWidth (0 for none), stroke, fill}
 *   showWindow(windowId)          shows it, at its place and size at 100 % when it was hidden, or
 *                                 brings it to the front; the focus goes inside it
 *   hideWindow(windowId)
 *   setClientSize(windowId, width, height, factor)   the client area at a zoom factor
 *   setFocusOrder(windowId, [controlId, ...])        the order Tab takes; the first gets the focus
 *   destroyWindow(windowId)
 *   createControl(windowId, controlId, props)
 *       props: kind, control and index (its name in the layout), tab (its place in the layout's
 *       order, which is also the reading order), name
 *       (only when it has one besides what it shows) and description, and for each kind:
 *         "button"          caption, background (only for a button that shows its colour)
 *         "label"           caption, bold, foreground, alignRight
 *         "hbar", "vbar"    min, max, value, valueText, smallChange, largeChange
 *         "picture"         width, height (its size at 100 %), photo (a photo is always smoothed)
 *   placeControl(windowId, controlId, {left, top, width, height, zoom, fontPixels})
 *   destroyControl(windowId, controlId)
 *   setCaption(windowId, controlId, text)
 *   setBarValue(windowId, controlId, value, valueText)
 *   setDescription(windowId, controlId, text)
 *   showPixels(windowId, controlId, width, height, rgba, figure)
 *       The picture's model: width × height pixels, four bytes each (red, green, blue, alpha), row by
 *       row; copied at once, so a view of the module's memory will do. `figure`, when not null, is the
 *       same picture as the drawing calls that made it, which the page paints again at the screen's
 *       resolution whenever a model pixel is not one device pixel; see picture.js.
 *   announce(text)                what screen readers say after an action; shown nowhere
 *   update(changes, texts)        setCaption, setBarValue, setDescription and announce, as many as
 *                                 an action made, in one call: `changes` an Int32Array of five numbers
 *                                 a call, which of the four it is (in that order), the window's id,
 *                                 the control's (both 0 to announce), the bar's value (else 0) and
 *                                 the length of its text; `texts` a Uint16Array holding the texts
 *                                 one after another, in UTF-16
 *   reportError(code, message)    the run-time error report; the page goes on after OK
 *   ended()                       every window gone: the page that says so, with a button to start again
 *
 * and, once `connect(program)` has been called, calls back into the program (synchronously; the
 * module answers through the calls above, the bars' values included):
 *
 *   barCommitted(controlId, value)   arrows, track and keys at once; a dragged thumb when let go
 *   buttonPressed(controlId)         click, touch, Space or Enter
 *   windowClosed(windowId)           the close box
 *   zoomRequested(windowId, step)    Ctrl+= or Ctrl++ (1), Ctrl+- (-1), Ctrl+0 (0)
 *   start()                          the button of the ended page
 *
 * A call about a window or control that is no longer there does nothing. The page's script files
 * are joined into one scope when the page is built; this one comes last but the loader's.
 */

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
// so far left that the bar cannot be caught again.
function dragByTitle(element, titleBar) {
    titleBar.addEventListener('pointerdown', (event) => {
        if (event.button !== 0 || event.target.closest('button'))
            return;
        titleBar.setPointerCapture(event.pointerId);
        const startX = event.clientX - element.offsetLeft;
        const startY = event.clientY - element.offsetTop;
        const move = (moveEvent) => {
            element.style.left = `${Math.max(moveEvent.clientX - startX, 48 - element.offsetWidth)}px`;
            element.style.top = `${Math.max(moveEvent.clientY - startY, 0)}px`;
        };
        titleBar.addEventListener('pointermove', move);
        titleBar.addEventListener('lostpointercapture', () => titleBar.removeEventListener('pointermove', move), {
            once: true,
        });
    });
}

function createWindow(windowId, props) {
    const element = document.createElement('section');
    element.className = 'window';
    element.hidden = true;
    element.setAttribute('role', 'dialog');
    element.setAttribute('aria-label', props.accessibleName);
    element.dataset.window = props.name;

    const titleBar = element.appendChild(document.createElement('div'));
    titleBar.className = 'title-bar';
    const title = titleBar.appendChild(document.createElement('h2'));
    title.textContent = props.caption;
    title.hidden = !props.caption; // the menu's bar stays empty, and no screen reader should find a blank heading
    const closeBox = titleBar.appendChild(document.createElement('button'));
    closeBox.type = 'button';
    closeBox.className = 'close-box';
    closeBox.textContent = '×';
    closeBox.setAttribute('aria-label', '閉じる (close)');
    closeBox.tabIndex = -1; // like the desktop's title bar, out of the window's Tab order
    closeBox.addEventListener('click', () => report('windowClosed', windowId));
    dragByTitle(element, titleBar);

    const client = element.appendChild(document.createElement('div'));
    client.className = 'client';
    client.style.background = props.background;
    const surface = client.appendChild(document.createElementNS('http://www.w3.org/2000/svg', 'svg'));
    surface.classList.add('decorations');
    surface.setAttribute('aria-hidden', 'true');
    surface.setAttribute('viewBox', `0 0 ${props.width} ${props.height}`);
    for (const decoration of props.decorations)
        createDecoration(decoration, surface);

    const frame = { id: windowId, props, element, client, help: props.help, controls: new Map(), focusOrder: [] };
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
}

function showWindow(windowId) {
    const frame = windows.get(windowId);
    if (!frame)
        return;
    // Each time the window opens it is where and as large as its layout says, not as it was left.
    if (frame.element.hidden) {
        frame.element.style.left = `${frame.props.left}px`;
        frame.element.style.top = `${frame.props.top}px`;
        setClientSize(windowId, frame.props.width, frame.props.height);
        frame.element.hidden = false;
    }
    raise(frame);
    if (!frame.element.contains(document.activeElement))
        frame.controls.get(frame.focusOrder[0])?.element.focus();
}

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
    windows.get(windowId)?.element.remove();
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
        committed: (value) => report('barCommitted', controlId, value),
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

function showMessage(title, text) {
    if (messageBox.open) {
        waitingMessages.push([title, text]);
        return;
    }
    focusBeforeMessage = document.activeElement;
    document.getElementById('message-title').textContent = title;
    document.getElementById('message-text').textContent = text;
    messageBox.showModal();
    document.getElementById('message-ok').focus();
}

document.getElementById('message-ok').addEventListener('click', () => messageBox.close());
messageBox.addEventListener('close', () => {
    focusBeforeMessage?.focus();
    if (waitingMessages.length)
        showMessage(...waitingMessages.shift());
});

function reportError(code, message) {
    showMessage('実行時エラー (Run-time error)', `実行時エラー '${code}': (Run-time error '${code}':)\n\n${message}`);
}

// While a message box is open the rest of the page is out of reach, its live region too, so the
// box has one of its own. The same text twice in a row is still a change, so that it is said again.
function announce(text) {
    const announcer = document.getElementById(messageBox.open ? 'message-announcer' : 'announcer');
    announcer.textContent = announcer.textContent === text ? `${text}\u00a0` : text;
}

function ended() {
    for (const windowId of [...windows.keys()])
        destroyWindow(windowId);
    if (messageBox.open)
        messageBox.close();
    waitingMessages.length = 0;
    desktop.hidden = true;
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
const zoomKeys = { '=': 1, '+': 1, '-': -1, 0: 0 };
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
            showMessage('キーボード (keyboard)', frame.help);
        else
            report('zoomRequested', frame.id, zoom);
    },
    { capture: true });

const utf16 = new TextDecoder('utf-16le');
const heldBack = [
    (windowId, controlId, value, text) => palettraPage.setCaption(windowId, controlId, text),
    (windowId, controlId, value, text) => palettraPage.setBarValue(windowId, controlId, value, text),
    (windowId, controlId, value, text) => palettraPage.setDescription(windowId, controlId, text),
    (windowId, controlId, value, text) => announce(text),
];

function update(changes, texts) {
    const text = utf16.decode(texts);
    for (let at = 0, start = 0; at < changes.length; at += 5) {
        const end = start + changes[at + 4];
        heldBack[changes[at]](changes[at + 1], changes[at + 2], changes[at + 3], text.slice(start, end));
        start = end;
    }
}

globalThis.palettraPage = {
    createWindow,
    showWindow,
    hideWindow,
    setClientSize,
    setFocusOrder,
    destroyWindow,
    createControl,
    placeControl: onControl((control, box) => control.place(box)),
    destroyControl,
    setCaption: onControl((control, text) => control.setCaption(text)),
    setBarValue: onControl((control, value, valueText) => control.setValue(value, valueText)),
    setDescription: onControl((control, text) => describeControl(control.element, text)),
    showPixels: onControl((control, ...picture) => control.showPixels(...picture)),
    announce,
    update,
    reportError,
    ended,
    connect: (connected) => (program = connected),
};
