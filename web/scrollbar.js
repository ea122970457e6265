// A scroll bar: two arrows, a track and a thumb, one slider to assistive tools. It tells the module
// what the user does to it (a step, a page, an end, an arrow or the track held, the thumb held,
// dragged and let go) and shows what the module answers: the value with setValue, a dragged thumb
// with showThumb. The bar's rules, its steps and its pace are the module's.
//
// A finger covers what it touches and slips as it lifts, so it drags the bar from anywhere on it:
// moved along the bar past a slop, it holds the thumb, centred under it, until it lifts; lifted
// before that, it taps, and a tap on the track pages as a click does; held still on the track, it
// repeats as a held button does. Two fingers never move a bar: a second one ends the gesture.

import { placeElement } from './controls.js';

// A pen touches as a finger does, and may be as unsteady as it lifts.
const byFinger = (pointerEvent) => pointerEvent.pointerType === 'touch' || pointerEvent.pointerType === 'pen';

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
    function repeatAtPace(again) {
        repeating = setTimeout(function repeat() {
            repeating = setTimeout(repeat, props.repeatInterval);
            again();
        }, props.repeatDelay);
    }

    function holdRepeating(part, pointerEvent, first, again) {
        part.setPointerCapture(pointerEvent.pointerId);
        repeatAtPace(again);
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

    // ---- A finger, or a pen

    // The part a finger is on along the bar, wherever it is across it: its touch area reaches past
    // the bar's box, and the border is no part at all.
    function partAlong(pointerEvent) {
        const at = pointerEvent[along.pointer];
        const lessBox = less.getBoundingClientRect();
        if (at < lessBox[along.start] + lessBox[along.length])
            return less;
        if (at >= more.getBoundingClientRect()[along.start])
            return more;
        return sideOfThumb(pointerEvent) === 0 ? thumb : track;
    }

    // The finger along the track, the track's length and the thumb's: the module centres the thumb
    // on the finger, which covers it.
    function fingerOnTrack(pointerEvent) {
        const trackBox = track.getBoundingClientRect();
        return [pointerEvent[along.pointer] - trackBox[along.start], trackBox[along.length],
            thumb.getBoundingClientRect()[along.length]];
    }

    const dragSlop = 8; // CSS pixels a finger may slip along the bar and still tap
    let gesture = null; // a finger's, until every finger that joined it has lifted

    // What a finger pressed on a part does: 'pressed' until it moves along the bar past the slop
    // ('dragging') or is held still on the track ('repeating'; an arrow repeats at once), and 'ended'
    // once it lifts or another finger comes, after which nothing more happens to the bar.
    function fingerGesture(part, downEvent) {
        const finger = downEvent.pointerId;
        const fingers = new Set([finger]);
        const side = sideOfThumb(downEvent);
        const listening = new AbortController();
        let phase = 'pressed';

        function end(dragEnd) {
            clearTimeout(repeating);
            if (phase === 'dragging')
                events.acted(dragEnd);
            phase = 'ended';
        }
        function stop() {
            clearTimeout(repeating);
            listening.abort();
            gesture = null;
        }
        function joined(event) {
            if (byFinger(event)) {
                fingers.add(event.pointerId);
                end('barThumbCancelled');
            }
        }
        function moved(event) {
            if (event.pointerId !== finger || phase === 'ended' || phase === 'repeating')
                return;
            if (phase === 'pressed') {
                if (Math.abs(event[along.pointer] - downEvent[along.pointer]) <= dragSlop)
                    return;
                clearTimeout(repeating);
                phase = 'dragging';
                events.acted('barThumbHeld');
            }
            events.acted('barThumbCentred', ...fingerOnTrack(event));
        }
        function lifted(event) {
            if (!fingers.delete(event.pointerId))
                return;
            if (event.pointerId === finger) {
                const up = event.type === 'pointerup';
                if (up && phase === 'pressed' && part === track)
                    events.acted('barTrackHeld', side);
                end(up ? 'barThumbLetGo' : 'barThumbCancelled');
            }
            if (fingers.size === 0)
                stop();
        }

        for (const [type, listener] of [['pointerdown', joined], ['pointermove', moved], ['pointerup', lifted],
            ['pointercancel', lifted]])
            document.addEventListener(type, listener, { capture: true, signal: listening.signal });
        bar.setPointerCapture(finger);
        if (part === less || part === more) {
            phase = 'repeating';
            const step = () => events.acted('barStepped', part === less ? -1 : 1);
            repeatAtPace(step);
            step();
        } else if (part === track) {
            repeatAtPace(() => {
                events.acted(phase === 'repeating' ? 'barTrackRepeated' : 'barTrackHeld', side);
                phase = 'repeating';
            });
        }
        gesture = {
            stop,
            cancel() {
                end('barThumbCancelled');
                stop();
            },
        };
    }

    bar.addEventListener('pointerdown', (event) => {
        if (event.button !== 0)
            return;
        event.preventDefault();
        bar.focus();
        // A finger that comes while another touches the page is part of that gesture, whatever it is.
        if (byFinger(event)) {
            if (event.isPrimary) {
                gesture?.cancel(); // one that never heard its fingers lift
                fingerGesture(event.target === bar ? partAlong(event) : event.target, event);
            }
            return;
        }
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
        // Nothing is told of a gesture on a bar that is gone.
        destroyed: () => {
            clearTimeout(repeating);
            gesture?.stop();
        },
    };
}
