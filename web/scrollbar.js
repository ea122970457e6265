// A scroll bar: two arrows, a track and a thumb, one slider to assistive tools. Arrows, track and
// keys commit a value at once; a dragged thumb only follows the pointer and commits when let go,
// as on the desktop. The bar shows the module's value: a commit asks, setValue answers.

const repeatDelay = 500;
const repeatInterval = 50;

function createScrollBar(props, events) {
    const horizontal = props.kind === 'hbar';
    const bar = document.createElement('div');
    bar.className = horizontal ? 'bar horizontal' : 'bar vertical';
    bar.tabIndex = 0;
    bar.setAttribute('role', 'slider');
    bar.setAttribute('aria-orientation', horizontal ? 'horizontal' : 'vertical');
    bar.setAttribute('aria-valuemin', Math.min(props.min, props.max));
    bar.setAttribute('aria-valuemax', Math.max(props.min, props.max));
    const less = bar.appendChild(document.createElement('div'));
    const track = bar.appendChild(document.createElement('div'));
    const thumb = track.appendChild(document.createElement('div'));
    const more = bar.appendChild(document.createElement('div'));
    less.className = 'arrow less';
    more.className = 'arrow more';
    track.className = 'track';
    thumb.className = 'thumb';

    // Towards the far end is towards max, whichever of min and max is the larger.
    const direction = Math.sign(props.max - props.min) || 1;
    const span = Math.abs(props.max - props.min);
    const clamp = (value) => Math.min(Math.max(value, Math.min(props.min, props.max)), Math.max(props.min, props.max));
    const along = horizontal ? { start: 'left', length: 'width', pointer: 'clientX' }
                             : { start: 'top', length: 'height', pointer: 'clientY' };
    let value;

    function show(shown) {
        const at = span ? Math.abs(shown - props.min) / span : 0;
        bar.style.setProperty('--at', at);
    }

    function commit(target) {
        target = clamp(target);
        if (target !== value)
            events.committed(target);
        show(value);
    }
    const step = (amount) => commit(value + direction * amount);

    function setValue(newValue, valueText) {
        value = newValue;
        bar.setAttribute('aria-valuenow', value);
        bar.setAttribute('aria-valuetext', valueText ?? String(value));
        show(value);
    }

    // The thumb's share of the track, as a page of the range; its length has a floor in the style.
    bar.style.setProperty('--share', `${(100 * props.largeChange) / (span + props.largeChange)}%`);
    setValue(props.value, props.valueText);

    const keySteps = {
        ArrowRight: () => step(props.smallChange),
        ArrowDown: () => step(props.smallChange),
        ArrowLeft: () => step(-props.smallChange),
        ArrowUp: () => step(-props.smallChange),
        PageDown: () => step(props.largeChange),
        PageUp: () => step(-props.largeChange),
        Home: () => commit(props.min),
        End: () => commit(props.max),
    };
    bar.addEventListener('keydown', (event) => {
        const action = keySteps[event.key];
        if (!action || event.altKey || event.ctrlKey || event.metaKey)
            return;
        event.preventDefault();
        action();
    });

    // Arrows and track act once on press and again while held, like the desktop's, until the
    // pointer lets go of the part, however it does.
    function holdRepeating(part, pointerEvent, action) {
        part.setPointerCapture(pointerEvent.pointerId);
        action();
        let timer = setTimeout(function again() {
            action();
            timer = setTimeout(again, repeatInterval);
        }, repeatDelay);
        part.addEventListener('lostpointercapture', () => clearTimeout(timer), { once: true });
    }

    // Where the pointer is against the thumb: -1 before it, 1 past it, 0 on it.
    function sideOfThumb(pointerEvent) {
        const box = thumb.getBoundingClientRect();
        const at = pointerEvent[along.pointer];
        const start = box[along.start];
        return at < start ? -1 : at >= start + box[along.length] ? 1 : 0;
    }

    function dragThumb(pointerEvent) {
        thumb.setPointerCapture(pointerEvent.pointerId);
        const grip = pointerEvent[along.pointer] - thumb.getBoundingClientRect()[along.start];
        let dragged = value;
        const follow = (moveEvent) => {
            const trackBox = track.getBoundingClientRect();
            const room = trackBox[along.length] - thumb.getBoundingClientRect()[along.length];
            if (room <= 0)
                return;
            const fraction = (moveEvent[along.pointer] - grip - trackBox[along.start]) / room;
            dragged = clamp(props.min + Math.round(Math.min(Math.max(fraction, 0), 1) * (props.max - props.min)));
            show(dragged);
        };
        // Let go, the thumb commits where it is; a gesture the browser takes over puts it back.
        const dragging = new AbortController();
        let cancelled = false;
        thumb.addEventListener('pointermove', follow, { signal: dragging.signal });
        thumb.addEventListener('pointercancel', () => (cancelled = true), { signal: dragging.signal });
        thumb.addEventListener('lostpointercapture', () => {
            dragging.abort();
            if (cancelled)
                show(value);
            else
                commit(dragged);
        }, { signal: dragging.signal });
    }

    bar.addEventListener('pointerdown', (event) => {
        if (event.button !== 0)
            return;
        event.preventDefault();
        bar.focus();
        if (event.target === less)
            holdRepeating(less, event, () => step(-props.smallChange));
        else if (event.target === more)
            holdRepeating(more, event, () => step(props.smallChange));
        else if (event.target === thumb)
            dragThumb(event);
        else if (event.target === track) {
            const side = sideOfThumb(event);
            holdRepeating(track, event, () => {
                if (sideOfThumb(event) === side)
                    step(side * props.largeChange);
            });
        }
    });

    return { element: bar, setValue, place: (box) => placeElement(bar, box) };
}
