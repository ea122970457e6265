// The simple controls of a window as DOM elements. Every control shows what the module tells it and
// reports the user's input through its `events`; none keeps a value the module has not given it.

function placeControl(element, props) {
    Object.assign(element.style, {
        left: `${props.left}px`,
        top: `${props.top}px`,
        width: `${props.width}px`,
        height: `${props.height}px`,
    });
}

function setLabelFont(element, font) {
    element.style.fontSize = `${font.pixels}px`;
    element.style.fontWeight = font.bold ? 'bold' : 'normal';
}

// A hidden text the control points at: every screen reader reads it, unlike the newer aria-description.
let descriptionCount = 0;
function describeControl(element, text) {
    if (!element.description) {
        element.description = document.createElement('span');
        element.description.hidden = true;
        element.description.id = `description-${++descriptionCount}`;
        element.setAttribute('aria-describedby', element.description.id);
        element.after(element.description);
    }
    element.description.textContent = text;
}

function createButton(props, events) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'button';
    button.textContent = props.caption;
    setLabelFont(button, props.font);
    if (props.background) {
        button.classList.add('graphical');
        button.style.setProperty('--back', props.background);
    }
    button.addEventListener('click', () => events.pressed());
    return { element: button, setCaption: (caption) => (button.textContent = caption) };
}

function createLabel(props) {
    const label = document.createElement('div');
    label.className = props.alignRight ? 'label right' : 'label';
    const text = label.appendChild(document.createElement('span'));
    text.textContent = props.caption;
    setLabelFont(label, props.font);
    label.style.color = props.foreground;
    label.style.background = props.background || 'transparent';
    return { element: label, setCaption: (caption) => (text.textContent = caption) };
}

// Shapes and lines lie on the window's own surface, beneath every control, in the layout's pixels.
function createDecoration(props, surface) {
    const half = props.lineWidth / 2;
    const [tag, attributes] = {
        line: ['line', { x1: props.x1, y1: props.y1, x2: props.x2, y2: props.y2, 'stroke-linecap': 'round' }],
        rectangle: ['rect', { x: props.left + half, y: props.top + half,
            width: props.width - props.lineWidth, height: props.height - props.lineWidth }],
        ellipse: ['ellipse', { cx: props.left + props.width / 2, cy: props.top + props.height / 2,
            rx: (props.width - props.lineWidth) / 2, ry: (props.height - props.lineWidth) / 2 }],
    }[props.kind];
    const shape = document.createElementNS('http://www.w3.org/2000/svg', tag);
    Object.assign(attributes, { fill: props.fill || 'none', stroke: props.stroke || 'none', 'stroke-width': props.lineWidth });
    for (const [name, value] of Object.entries(attributes))
        shape.setAttribute(name, value);
    surface.appendChild(shape);
}
