// The simple controls of a window as DOM elements. Every control shows what the module tells it and
// reports the user's input through its `events`; none keeps a value the module has not given it.

// A touch area reaches past what its control draws, for a finger; a mouse hits what it points at and
// nothing beside it, so the areas take hits only while a finger or a pen was the last to move.
const root = document.documentElement;
root.classList.toggle('by-finger', matchMedia('(any-pointer: coarse)').matches);
for (const type of ['pointerdown', 'pointermove'])
    addEventListener(type, (event) => root.classList.toggle('by-finger', event.pointerType !== 'mouse'),
        { capture: true, passive: true });

// Its box and the size of its text at the window's zoom, both worked out by the module, and how far
// past the box a finger still hits it.
export function placeElement(element, box) {
    Object.assign(element.style, {
        left: `${box.left}px`,
        top: `${box.top}px`,
        width: `${box.width}px`,
        height: `${box.height}px`,
    });
    element.style.setProperty('--zoom', box.zoom);
    for (const [side, reach] of Object.entries(box.touch ?? {}))
        element.style.setProperty(`--reach-${side}`, `${reach}px`);
    if (box.fontPixels)
        element.style.fontSize = `${box.fontPixels}px`;
}

// A hidden text the control points at: every screen reader reads it, unlike the newer aria-description.
// Its text node is kept and only its characters change, which costs the document less than a new node.
let descriptionCount = 0;
export function describeControl(element, text) {
    if (!element.description) {
        element.description = document.createElement('span');
        element.description.hidden = true;
        element.description.id = `description-${++descriptionCount}`;
        element.description.append('');
        element.setAttribute('aria-describedby', element.description.id);
        element.after(element.description);
    }
    element.description.firstChild.data = text;
}

export function createButton(props, events) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'button';
    button.textContent = props.caption;
    button.style.fontWeight = props.bold ? 'bold' : 'normal';
    if (props.background) {
        button.classList.add('graphical');
        button.style.setProperty('--back', props.background);
    }
    button.addEventListener('click', () => events.pressed());
    return {
        element: button,
        place: (box) => placeElement(button, box),
        setCaption: (caption) => (button.textContent = caption),
    };
}

export function createLabel(props) {
    const label = document.createElement('div');
    label.className = props.alignRight ? 'label right' : 'label';
    const text = label.appendChild(document.createElement('span'));
    text.textContent = props.caption;
    label.style.fontWeight = props.bold ? 'bold' : 'normal';
    label.style.color = props.foreground;
    return {
        element: label,
        place: (box) => placeElement(label, box),
        setCaption: (caption) => (text.textContent = caption),
    };
}

// Shapes and lines lie on the window's own surface, beneath every control, as the module hands them.
export function createDecoration(props, surface) {
    const half = props.lineWidth / 2;
    const [tag, attributes] = {
        line: ['line', { x1: props.x1, y1: props.y1, x2: props.x2, y2: props.y2, 'stroke-linecap': 'round' }],
        rectangle: ['rect', { x: props.left + half, y: props.top + half,
            width: props.width - 1, height: props.height - 1 }],
        circle: ['circle', { cx: props.left + props.width / 2, cy: props.top + props.height / 2,
            r: (Math.min(props.width, props.height) - 1) / 2 }],
    }[props.kind];
    const shape = document.createElementNS('http://www.w3.org/2000/svg', tag);
    Object.assign(attributes, { fill: props.fill || 'none', stroke: props.stroke || 'none', 'stroke-width': props.lineWidth });
    if (!props.antialiased)
        attributes['shape-rendering'] = 'crispEdges';
    for (const [name, value] of Object.entries(attributes))
        shape.setAttribute(name, value);
    surface.appendChild(shape);
}
