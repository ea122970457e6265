/*
 * The page of Palettra's browser face: a desktop of windows that shows what the C++ module tells it
 * and reports what the user does. The module owns every window, control, value and rule; nothing
 * here decides what a window shows.
 *
 * The module calls, on `palettraPage` (ids are the module's own; places and sizes are CSS pixels of
 * the layout at 100 %, twips / 15; colours are CSS colours such as "#ff8000"; a font is
 * {pixels, bold}):
 *
 *   createWindow(windowId, {caption, accessibleName, left, top, width, height, background, help})
 *       A window, hidden until shown: its title bar at (left, top), its client area width × height
 *       below it; `help` is the text F1 shows.
 *   showWindow(windowId)          shows it, or brings it to the front, with the focus inside it
 *   setZoom(windowId, factor)     lays its client area out again at factor × its layout
 *   destroyWindow(windowId)
 *   createControl(windowId, controlId, props)
 *       props: kind, left, top, width, height, tab (place in the focus order), name and description
 *       (for assistive tools), and for each kind:
 *         "button"                 caption, font, background (only for a button that shows its colour)
 *         "label"                  caption, font, foreground, background (none: the window's), alignRight
 *         "hbar", "vbar"           min, max, value, valueText, smallChange, largeChange
 *         "picture"                smooth (a photo enlarged smoothly; otherwise pixel by pixel)
 *         "rectangle", "ellipse", "line"
 *                                  decorations on the window's surface, beneath the controls:
 *                                  stroke, fill, lineWidth (0 for none), and x1, y1, x2, y2 for a line
 *   setCaption(windowId, controlId, text)
 *   setBarValue(windowId, controlId, value, valueText)
 *   setDescription(windowId, controlId, text)
 *   showPixels(windowId, controlId, width, height, rgba)
 *       The picture's model: width × height pixels, four bytes each (red, green, blue, alpha), row by
 *       row; copied at once, so a view of the module's memory will do.
 *   replayStrokes(windowId, controlId, width, height, strokes)
 *       The same picture as the drawing calls that made it, in its model's pixels, painted again at
 *       the screen's resolution. A stroke is one of
 *         {kind: "fill", x, y, width, height, colour}
 *         {kind: "line", x1, y1, x2, y2, pen, colour}
 *         {kind: "circle", x, y, radius, pen, colour}          a radius of 0 is a dot of the pen
 *         {kind: "arc", x, y, width, height, start, sweep, pen, colour}
 *       with pens in model pixels (0 for one screen pixel) and angles in sixteenths of a degree,
 *       counter-clockwise on screen.
 *   announce(text)                what screen readers say after an action; shown nowhere
 *   reportError(code, message)    the run-time error report; the page goes on after OK
 *   ended()                       every window gone: the page that says so, with a button to start again
 *
 * and, once `connect(module)` has been called, calls back into the module (synchronously; the module
 * answers through the calls above, the bars' values included):
 *
 *   barCommitted(windowId, controlId, value)  arrows, track and keys at once; a dragged thumb when let go
 *   buttonPressed(windowId, controlId)        click, touch, Space or Enter
 *   windowClosed(windowId)                    the close box
 *   zoomRequested(windowId, step)             Ctrl+= or Ctrl++ (1), Ctrl+- (-1), Ctrl+0 (0)
 *   restart()                                 the button of the ended page
 *
 * The page's script files are joined into one scope when the page is built; this one comes last but
 * the loader's.
 */

const desktop = document.getElementById('desktop');
const endedPage = document.getElementById('ended');
const windows = new Map();
let module = {};
let frontLayer = 0;

function report(callback, ...args) {
    module[callback]?.(...args);
}

function frameOf(element) {
    const section = element?.closest?.('.window');
    return [...windows.values()].find((frame) => frame.element === section);
}

function frontFrame() {
    return [...windows.values()].find((frame) => frame.element.classList.contains('front'));
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
    element.setAttribute('aria-label', props.accessibleName || props.caption);
    element.style.left = `${props.left}px`;
    element.style.top = `${props.top}px`;

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
    closeBox.addEventListener('click', () => report('windowClosed', windowId));
    dragByTitle(element, titleBar);

    const client = element.appendChild(document.createElement('div'));
    client.className = 'client';
    client.style.width = `${props.width}px`;
    client.style.height = `${props.height}px`;
    client.style.background = props.background;
    const surface = client.appendChild(document.createElementNS('http://www.w3.org/2000/svg', 'svg'));
    surface.classList.add('decorations');
    surface.setAttribute('aria-hidden', 'true');

    const frame = { id: windowId, element, client, surface, help: props.help, controls: new Map() };
    element.addEventListener('pointerdown', () => raise(frame), { capture: true });
    element.addEventListener('focusin', () => raise(frame));
    windows.set(windowId, frame);
    desktop.appendChild(element);
}

function showWindow(windowId) {
    const frame = windows.get(windowId);
    frame.element.hidden = false;
    raise(frame);
    if (!frame.element.contains(document.activeElement))
        frame.client.querySelector('[tabindex="0"], button')?.focus();
}

function setZoom(windowId, factor) {
    windows.get(windowId).client.style.zoom = factor;
}

function destroyWindow(windowId) {
    windows.get(windowId).element.remove();
    windows.delete(windowId);
}

const controlFactories = {
    button: createButton,
    label: createLabel,
    hbar: createScrollBar,
    vbar: createScrollBar,
    picture: createPicture,
};

// Controls stand in the document in their focus order, which is also the order a screen reader reads.
function insertInTabOrder(client, element, tab) {
    element.tab = tab;
    const next = [...client.children].find((child) => child.tab > tab);
    client.insertBefore(element, next ?? null);
}

function createControl(windowId, controlId, props) {
    const frame = windows.get(windowId);
    if (!controlFactories[props.kind]) {
        createDecoration(props, frame.surface);
        return;
    }
    const control = controlFactories[props.kind](props, {
        pressed: () => report('buttonPressed', windowId, controlId),
        committed: (value) => report('barCommitted', windowId, controlId, value),
    });
    placeControl(control.element, props);
    insertInTabOrder(frame.client, control.element, props.tab);
    if (props.name)
        control.element.setAttribute('aria-label', props.name);
    if (props.description)
        describeControl(control.element, props.description);
    frame.controls.set(controlId, control);
}

const controlOf = (windowId, controlId) => windows.get(windowId).controls.get(controlId);

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
    desktop.hidden = true;
    endedPage.hidden = false;
    document.getElementById('restart').focus();
}

document.getElementById('restart').addEventListener('click', () => {
    endedPage.hidden = true;
    desktop.hidden = false;
    report('restart');
});

// F1 and the zoom keys belong to the window with the focus, whichever control has it; they are taken
// on their way in, so that no control sees them and the browser does not zoom the whole page.
const zoomKeys = { '=': 1, '+': 1, '-': -1, 0: 0 };
document.addEventListener(
    'keydown',
    (event) => {
        const frame = frameOf(document.activeElement) ?? frontFrame();
        const zoom = event.ctrlKey && !event.altKey ? zoomKeys[event.key] : undefined;
        if (!frame || messageBox.open || (event.key !== 'F1' && zoom === undefined))
            return;
        event.preventDefault();
        event.stopPropagation();
        if (event.key === 'F1')
            showMessage('キーボード (keyboard)', frame.help);
        else
            report('zoomRequested', frame.id, zoom);
    },
    { capture: true });

globalThis.palettraPage = {
    createWindow,
    showWindow,
    setZoom,
    destroyWindow,
    createControl,
    setCaption: (windowId, controlId, text) => controlOf(windowId, controlId).setCaption(text),
    setBarValue: (windowId, controlId, value, valueText) => controlOf(windowId, controlId).setValue(value, valueText),
    setDescription: (windowId, controlId, text) => describeControl(controlOf(windowId, controlId).element, text),
    showPixels: (windowId, controlId, width, height, rgba) =>
        controlOf(windowId, controlId).showPixels(width, height, rgba),
    replayStrokes: (windowId, controlId, width, height, strokes) =>
        controlOf(windowId, controlId).replayStrokes(width, height, strokes),
    announce,
    reportError,
    ended,
    connect: (connected) => (module = connected),
};
