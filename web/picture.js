// A picture box: a canvas at the device's resolution, inside the border the module describes.
// Where a model pixel is one device pixel it shows the model's pixels exactly; larger, it enlarges
// them (smoothly where the module says so, or where the enlargement is not whole; in blocks
// otherwise), or, for a figure the module keeps as its drawing calls, paints those calls again at
// the full resolution.

import { placeElement } from './controls.js';
import protocol from './protocol.json';

// A pinch enlarges the page without changing its device pixel ratio: the canvases are drawn again at
// the pinch's scale too, so that they stay sharp.
const pinch = () => window.visualViewport?.scale ?? 1;
const shownPictures = new Set();

// One observer for every picture: a browser zoom, a window zoom or a denser screen all end here.
const pictureResizes = new ResizeObserver((entries) => {
    for (const entry of entries) {
        const device = entry.devicePixelContentBoxSize?.[0];
        const box = entry.target.getBoundingClientRect();
        entry.target.picture.resize(
            Math.round((device ? device.inlineSize : box.width * devicePixelRatio) * pinch()),
            Math.round((device ? device.blockSize : box.height * devicePixelRatio) * pinch()));
    }
});

window.visualViewport?.addEventListener('resize', () => {
    for (const canvas of shownPictures) {
        const box = canvas.getBoundingClientRect();
        canvas.picture.resize(Math.round(box.width * devicePixelRatio * pinch()),
            Math.round(box.height * devicePixelRatio * pinch()));
    }
});

const hex = (colour) => `#${colour.toString(16).padStart(6, '0')}`;

// One drawing call of a figure, nine numbers from `at` (see WebPicture.cpp): what it is, x, y, width
// and height (or the line's other end), an arc's start and sweep in sixteenths of a degree
// counter-clockwise on screen, the pen in model pixels and the colour.
function paintCall(context, figure, at) {
    const [call, x, y, width, height, start, sweep, pen, colour] = figure.subarray(at, at + 9);
    context.strokeStyle = context.fillStyle = hex(colour);
    context.lineWidth = pen || 1;
    context.lineCap = call === protocol.FigureCall.Arc ? 'butt' : 'round';
    context.lineJoin = 'round';
    context.beginPath();
    switch (call) {
    case protocol.FigureCall.Fill:
        context.fillRect(x, y, width, height);
        return;
    case protocol.FigureCall.Line:
        context.moveTo(x, y);
        context.lineTo(width, height);
        break;
    case protocol.FigureCall.Circle:
        if (!(width > 0)) {
            context.arc(x, y, context.lineWidth / 2, 0, 2 * Math.PI); // a dot of the pen
            context.fill();
            return;
        }
        context.ellipse(x + width / 2, y + height / 2, width / 2, height / 2, 0, 0, 2 * Math.PI);
        break;
    case protocol.FigureCall.Arc: {
        // The canvas turns the other way.
        const radians = (sixteenths) => (-sixteenths * Math.PI) / (180 * 16);
        context.ellipse(x + width / 2, y + height / 2, width / 2, height / 2, 0, radians(start),
            radians(start + sweep), sweep > 0);
        break;
    }
    }
    context.stroke();
}

export function createPicture(props) {
    const canvas = document.createElement('canvas');
    canvas.className = 'picture';
    canvas.tabIndex = 0;
    canvas.setAttribute('role', 'img');
    const context = canvas.getContext('2d');
    let image = null; // the model's pixels, kept between changes
    let pixels = null; // a canvas of the model's size, holding them
    let figure = null; // the drawing calls of the model, when the module keeps them

    // Each band of the border is one layout pixel, rounded to whole device pixels on every side.
    function paintBorder(scaleX, scaleY) {
        const { width, height } = canvas;
        for (const [inset, band] of props.bevels.entries()) {
            const x = Math.round(inset * scaleX);
            const y = Math.round(inset * scaleY);
            const right = width - x;
            const bottom = height - y;
            const thickX = Math.round((inset + 1) * scaleX) - x;
            const thickY = Math.round((inset + 1) * scaleY) - y;
            context.fillStyle = band.topLeft;
            context.fillRect(x, y, right - x, thickY);
            context.fillRect(x, y, thickX, bottom - y);
            context.fillStyle = band.bottomRight;
            context.fillRect(x, bottom - thickY, right - x, thickY);
            context.fillRect(right - thickX, y, thickX, bottom - y);
        }
    }

    // Blocks keep the gradient's one-pixel rings and the strip's rows sharp where each model pixel
    // becomes a whole number of device pixels (give or take the one that rounding the size takes off);
    // elsewhere blocks would alternate in size.
    function smooth(scaleX, scaleY) {
        const whole = (scale, count) => Math.abs(scale - Math.round(scale)) * count < 1;
        return props.alwaysSmoothed || !whole(scaleX, pixels.width) || !whole(scaleY, pixels.height);
    }

    function paint() {
        const scaleX = canvas.width / props.width;
        const scaleY = canvas.height / props.height;
        context.setTransform(1, 0, 0, 1, 0, 0);
        const left = Math.round(props.bevels.length * scaleX);
        const top = Math.round(props.bevels.length * scaleY);
        const width = canvas.width - 2 * left;
        const height = canvas.height - 2 * top;
        if (figure && (scaleX !== 1 || scaleY !== 1)) {
            context.save();
            context.beginPath();
            context.rect(left, top, width, height);
            context.clip();
            context.translate(left, top);
            context.scale(width / pixels.width, height / pixels.height);
            for (let at = 0; at < figure.length; at += 9)
                paintCall(context, figure, at);
            context.restore();
        } else if (pixels) {
            context.imageSmoothingEnabled = smooth(scaleX, scaleY);
            context.imageSmoothingQuality = 'high';
            context.drawImage(pixels, left, top, width, height);
        }
        paintBorder(scaleX, scaleY);
    }

    function resize(deviceWidth, deviceHeight) {
        if (canvas.width === deviceWidth && canvas.height === deviceHeight)
            return;
        canvas.width = deviceWidth;
        canvas.height = deviceHeight;
        paint();
    }

    function showPixels(width, height, rgba, calls) {
        if (image?.width !== width || image?.height !== height) {
            image = new ImageData(width, height);
            pixels = document.createElement('canvas');
            pixels.width = width;
            pixels.height = height;
        }
        // A copy: the module's memory is reused, and can move when it grows.
        image.data.set(rgba);
        pixels.getContext('2d').putImageData(image, 0, 0);
        figure = calls && new Float64Array(calls);
        paint();
    }

    function place(box) {
        placeElement(canvas, box);
        // The observer reports the exact device pixels once the page is laid out.
        resize(Math.round(box.width * devicePixelRatio * pinch()), Math.round(box.height * devicePixelRatio * pinch()));
    }

    canvas.picture = { resize };
    shownPictures.add(canvas);
    try {
        pictureResizes.observe(canvas, { box: 'device-pixel-content-box' });
    } catch {
        pictureResizes.observe(canvas); // Safari: device pixels from the box's size
    }
    return { element: canvas, showPixels, place, destroyed: () => {
        pictureResizes.unobserve(canvas);
        shownPictures.delete(canvas);
    } };
}
