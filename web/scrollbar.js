// A scroll bar: two arrows, a track and a thumb, one slider to assistive tools. It tells the module
// what the user does to it (a step, a page, an end, an arrow or the track held, the thumb held,
// dragged and let go) and shows what the module answers: the value with setValue, a dragged thumb
// with showThumb. The bar's rules, its steps and its pace are the module's.

import { placeElement } from './controls.js';

export function createScrollBar(props, events) {
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

    const span = Math.abs(props.max - props.min);
    const along = horizontal ? { start: 'left', length: 'width', pointer: 'clientX' }
                             : { start: 'top', length: 'height', pointer: 'clientY' };

    // Min is at the start whichever of min and max is the larger.
    function show(shown) {
        const at = span ? Math.abs(shown - props.min) / span : 0;
        bar.style.setProperty('--at', at);
    }

    function setValue(value, valueText) {
        bar.setAttribute('aria-valuenow', value);
        bar.setAttribute('aria-valuetext', valueText ?? String(value));
        show(value);
    }

    // The thumb's share of the track, from the module; its length has a floor in the style.
    bar.style.setProperty('--share', `${props.thumbShare}%`);
    setValue(props.value, props.valueText);

    // What each key asks of the module: 1 is towards max, -1 towards min.
    const keyActions = {
        ArrowRight: ['barStepped', 1],
        ArrowDown: ['barStepped', 1],
        ArrowLeft: ['barStepped', -1],
        ArrowUp: ['barStepped', -1],
        PageDown: ['barPaged', 1],
        PageUp: ['barPaged', -1],
        Home: ['barToEnd', -1],
        End: ['barToEnd', 1],
    };
    bar.addEventListener('keydown', (event) => {
        const action = keyActions[event.key];
        if (!action || event.altKey || event.ctrlKey || event.metaKey)
            return;
        event.preventDefault();
        events.acted(...action);
    });

    // Arrows and track act once on press and again while held, at the module's pace, until the
    // pointer lets go of the part, however it does, or the bar goes.
    let repeating = 0;
    function holdRepeating(part, pointerEvent, first, again) {
        part.setPointerCapture(pointerEvent.pointerId);
        repeating = setTimeout(function repeat() {
            repeating = setTimeout(repeat, props.repeatInterval);
            again();
        }, props.repeatDelay);
        part.addEventListener('lostpointercapture', () => clearTimeout(repeating), { once: true });
        first();
    }

    // Where the pointer is against the thumb: -1 before it, 1 past it, 0 on it.
    function sideOfThumb(pointerEvent) {
        const box = thumb.getBoundingClientRect();
        const at = pointerEvent[along.pointer];
        const start = box[along.start];
        return at < start ? -1 : at >= start + box[along.length] ? 1 : 0;
    }

    // The module is told where the thumb's start is in the room it moves in, in CSS pixels.
    function dragThumb(pointerEvent) {
        thumb.setPointerCapture(pointerEvent.pointerId);
        const grip = pointerEvent[along.pointer] - thumb.getBoundingClientRect()[along.start];
        const follow = (moveEvent) => {
            const trackBox = track.getBoundingClientRect();
            const room = trackBox[along.length] - thumb.getBoundingClientRect()[along.length];
            events.acted('barThumbMoved', moveEvent[along.pointer] - grip - trackBox[along.start], room);
        };
        // Let go, the thumb commits where it is; a gesture the browser takes over puts it back.
        const dragging = new AbortController();
        let cancelled = false;
        thumb.addEventListener('pointermove', follow, { signal: dragging.signal });
        thumb.addEventListener('pointercancel', () => (cancelled = true), { signal: dragging.signal });
        thumb.addEventListener('lostpointercapture', () => {
            dragging.abort();
            events.acted(cancelled ? 'barThumbCancelled' : 'barThumbLetGo');
        }, { signal: dragging.signal });
        events.acted('barThumbHeld');
    }

    bar.addEventListener('pointerdown', (event) => {
        if (event.button !== 0)
            return;
        event.preventDefault();
        bar.focus();
        const stepped = (towards) => () => events.acted('barStepped', towards);
        if (event.target === less)
            holdRepeating(less, event, stepped(-1), stepped(-1));
        else if (event.target === more)
            holdRepeating(more, event, stepped(1), stepped(1));
        else if (event.target === thumb)
            dragThumb(event);
        else if (event.target === track)
            holdRepeating(track, event, () => events.acted('barTrackHeld', sideOfThumb(event)),
                () => events.acted('barTrackRepeated', sideOfThumb(event)));
    });

    return {
        element: bar,
        setValue,
        showThumb: show,
        place: (box) => placeElement(bar, box),
        destroyed: () => clearTimeout(repeating),
    };
}
