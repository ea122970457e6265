#include "toolkit/PictureBox.h"

#include "common/ColourText.h"
#include "toolkit/Twips.h"

#include <QPainter>

#include <cmath>

namespace palettra::toolkit {

namespace {

    // Bands of whole layout pixels rather than lines, so that at any scale the bevels keep their
    // share of the border and meet the picture with neither a gap nor an overlap.
    void PaintSunkenBorder(QPainter& painter, const QRect& outer)
    {
        auto bevel = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
            painter.fillRect(box.left(), box.top(), box.width(), 1, topLeft);
            painter.fillRect(box.left(), box.top(), 1, box.height(), topLeft);
            painter.fillRect(box.left(), box.bottom(), box.width(), 1, bottomRight);
            painter.fillRect(box.right(), box.top(), 1, box.height(), bottomRight);
        };
        bevel(outer, QColor(160, 160, 160), Qt::white);
        bevel(outer.adjusted(1, 1, -1, -1), QColor(105, 105, 105), QColor(227, 227, 227));
    }

    QSize LayoutPixels(const ControlLayout& layout) { return { Pixels(layout.width), Pixels(layout.height) }; }

} // namespace

PictureBox::PictureBox(Window& owner, const ControlLayout& layout)
    : QWidget(&owner)
    , outerWidth_(layout.width)
    , outerHeight_(layout.height)
    , outerPixels_(LayoutPixels(layout))
    , storedPicture_(!layout.picture.empty())
    , model_(outerPixels_ - QSize(2 * Border, 2 * Border), layout)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    model_.OnChange([this] { update(); });
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (model_.TakeChange())
        replayedStale_ = true;
    QPainter painter(this);
    // The ratio of the device painted on, which need not be the widget's own: rendered into an image
    // of another ratio, the widget still reports the screen's.
    const QSizeF deviceScale = DeviceScale(painter.deviceTransform());
    const FigureRecord* figure = model_.Figure();
    // One device pixel per model pixel is the image itself, exactly as drawn.
    if (figure && figure->Complete() && deviceScale != QSizeF(1, 1)) {
        painter.drawImage(rect(), Replayed(*figure, deviceScale));
        return;
    }
    // Everything in the layout's pixels: at 100 % on a plain screen this is the identity.
    painter.scale(
        width() / static_cast<double>(outerPixels_.width()), height() / static_cast<double>(outerPixels_.height()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, Smooth(deviceScale));
    painter.drawImage(Inside(), model_.Image());
    PaintSunkenBorder(painter, QRect(QPoint(), outerPixels_));
}

QSizeF PictureBox::DeviceScale(const QTransform& toDevice) const
{
    return { width() * toDevice.m11() / outerPixels_.width(), height() * toDevice.m22() / outerPixels_.height() };
}

QRect PictureBox::Inside() const { return { QPoint(Border, Border), model_.Image().size() }; }

// Kept until the figure or the device size changes: replaying the flask's thick rings at 300 % takes
// longer than a repaint may, and a window is repainted far more often than it is drawn on.
const QImage& PictureBox::Replayed(const FigureRecord& figure, QSizeF deviceScale)
{
    const QSize size(static_cast<int>(std::lround(outerPixels_.width() * deviceScale.width())),
        static_cast<int>(std::lround(outerPixels_.height() * deviceScale.height())));
    if (!replayedStale_ && replayed_.size() == size)
        return replayed_;
    replayed_ = QImage(size, QImage::Format_RGB32);
    QPainter painter(&replayed_);
    painter.scale(size.width() / static_cast<double>(outerPixels_.width()),
        size.height() / static_cast<double>(outerPixels_.height()));
    painter.save();
    painter.setClipRect(Inside());
    painter.translate(Inside().topLeft());
    figure.Replay(painter, Inside().size());
    painter.restore();
    PaintSunkenBorder(painter, QRect(QPoint(), outerPixels_));
    replayedStale_ = false;
    return replayed_;
}

// Where each model pixel becomes a whole block of screen pixels, the blocks keep the gradient's
// one-pixel rings and the strip's rows sharp. At a fraction the blocks would alternate in size and
// the rings would beat, so the image is smoothed. A photo is always smoothed: its pixels are no
// pattern to keep, and blocks would only show. "Whole" allows the one pixel that rounding the
// widget's size can take off a multiple.
bool PictureBox::Smooth(QSizeF deviceScale) const
{
    const QSize pixels = model_.Image().size();
    auto whole = [](double scale, int count) { return std::abs(scale - std::round(scale)) * count < 1; };
    return storedPicture_ || !whole(deviceScale.width(), pixels.width())
        || !whole(deviceScale.height(), pixels.height());
}

Outcome BackColourOf(const PictureBox& swatch)
{
    return [&swatch] { return common::ColourText(swatch.BackColor()); };
}

} // namespace palettra::toolkit
