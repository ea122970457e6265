// A picture box: a canvas at the device's resolution, inside the desktop's two-pixel sunken border.
// It shows the module's picture either as pixels (enlarged smoothly for a photo, pixel by pixel
// otherwise) or as the drawing calls that made it, painted again at full resolution.

// One observer for every picture: a browser zoom, a window zoom or a denser screen all end here.
const pictureResizes = new ResizeObserver((entries) => {
    for (const entry of entries) {
        const device = entry.devicePixelContentBoxSize?.[0];
        const box = entry.target.getBoundingClientRect();
        entry.target.picture.resize(
            device ? device.inlineSize : Math.round(box.width * devicePixelRatio),
            device ? device.blockSize : Math.round(box.height * devicePixelRatio));
    }
});

const borderBands = [
    { inset: 0, topLeft: '#a0a0a0', bottomRight: '#ffffff' },
    { inset: 1, topLeft: '#696969', bottomRight: '#e3e3e3' },
];
const borderWidth = borderBands.length;

function paintStroke(context, stroke, onePixel) {
    context.strokeStyle = context.fillStyle = stroke.colour;
    context.lineWidth = stroke.pen || onePixel;
    context.lineCap = stroke.kind === 'arc' ? 'butt' : 'round';
    context.lineJoin = 'round';
    context.beginPath();
    switch (stroke.kind) {
    case 'fill':
        context.fillRect(stroke.x, stroke.y, stroke.width, stroke.height);
        return;
    case 'line':
        context.moveTo(stroke.x1, stroke.y1);
        context.lineTo(stroke.x2, stroke.y2);
        break;
    case 'circle':
        if (stroke.radius === 0) {
            context.arc(stroke.x, stroke.y, context.lineWidth / 2, 0, 2 * Math.PI);
            context.fill();
            return;
        }
        context.arc(stroke.x, stroke.y, stroke.radius, 0, 2 * Math.PI);
        break;
    case 'arc': {
        // Sixteenths of a degree, counter-clockwise on screen: the canvas turns the other way.
        const radians = (sixteenths) => (-sixteenths * Math.PI) / (180 * 16);
        context.ellipse(stroke.x + stroke.width / 2, stroke.y + stroke.height / 2, stroke.width / 2,
            stroke.height / 2, 0, radians(stroke.start), radians(stroke.start + stroke.sweep), stroke.sweep > 0);
        break;
    }
    }
    context.stroke();
}

function createPicture(props) {
    const canvas = document.createElement('canvas');
    canvas.className = 'picture';
    canvas.tabIndex = 0;
    canvas.setAttribute('role', 'img');
    const context = canvas.getContext('2d');
    let pixels = null; // a canvas of the model's size
    let figure = null; // the model's size and the drawing calls of its last figure

    // Each band of the border is one layout pixel, rounded to whole device pixels on every side.
    function paintBorder(scaleX, scaleY) {
        const { width, height } = canvas;
        for (const band of borderBands) {
            const x = Math.round(band.inset * scaleX);
            const y = Math.round(band.inset * scaleY);
            const right = width - x;
            const bottom = height - y;
            const thickX = Math.round((band.inset + 1) * scaleX) - x;
            const thickY = Math.round((band.inset + 1) * scaleY) - y;
            context.fillStyle = band.topLeft;
            context.fillRect(x, y, right - x, thickY);
            context.fillRect(x, y, thickX, bottom - y);
            context.fillStyle = band.bottomRight;
            context.fillRect(x, bottom - thickY, right - x, thickY);
            context.fillRect(right - thickX, y, thickX, bottom - y);
        }
    }

    function paint() {
        const scaleX = canvas.width / props.width;
        const scaleY = canvas.height / props.height;
        context.setTransform(1, 0, 0, 1, 0, 0);
        paintBorder(scaleX, scaleY);
        const left = Math.round(borderWidth * scaleX);
        const top = Math.round(borderWidth * scaleY);
        const width = canvas.width - 2 * left;
        const height = canvas.height - 2 * top;
        if (pixels) {
            context.imageSmoothingEnabled = props.smooth;
            context.imageSmoothingQuality = 'high';
            context.drawImage(pixels, left, top, width, height);
        } else if (figure) {
            context.save();
            context.beginPath();
            context.rect(left, top, width, height);
            context.clip();
            context.translate(left, top);
            context.scale(width / figure.width, height / figure.height);
            for (const stroke of figure.strokes)
                paintStroke(context, stroke, figure.width / width);
            context.restore();
        }
    }

    function resize(deviceWidth, deviceHeight) {
        if (canvas.width === deviceWidth && canvas.height === deviceHeight)
            return;
        canvas.width = deviceWidth;
        canvas.height = deviceHeight;
        paint();
    }

    function showPixels(width, height, rgba) {
        pixels ??= document.createElement('canvas');
        pixels.width = width;
        pixels.height = height;
        // A copy: the module's memory can move when it grows.
        pixels.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), 0, 0);
        figure = null;
        paint();
    }

    function replayStrokes(width, height, strokes) {
        figure = { width, height, strokes };
        pixels = null;
        paint();
    }

    canvas.picture = { resize };
    canvas.width = props.width;
    canvas.height = props.height;
    paint();
    try {
        pictureResizes.observe(canvas, { box: 'device-pixel-content-box' });
    } catch {
        pictureResizes.observe(canvas); // Safari: device pixels from the box's size
    }
    return { element: canvas, showPixels, replayStrokes };
}
