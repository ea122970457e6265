#include "desktop/PictureView.h"

#include "desktop/Colours.h"
#include "desktop/Described.h"
#include "desktop/QtGeometry.h"
#include "desktop/QtRasteriser.h"
#include "toolkit/layout/Twips.h"

#include <QPainter>

#include <cmath>

namespace palettra::desktop {

using namespace toolkit;

namespace {

    // Bands of whole layout pixels rather than lines, so that at any scale the bevels keep their
    // share of the border and meet the picture with neither a gap nor an overlap.
    void PaintBorder(QPainter& painter, const QRect& outer, const PictureBox& picture)
    {
        QRect box = outer;
        for (const Bevel& bevel : picture.Bevels()) {
            const QColor topLeft = ToQColor(bevel.topLeft);
            const QColor bottomRight = ToQColor(bevel.bottomRight);
            painter.fillRect(box.left(), box.top(), box.width(), 1, topLeft);
            painter.fillRect(box.left(), box.top(), 1, box.height(), topLeft);
            painter.fillRect(box.left(), box.bottom(), box.width(), 1, bottomRight);
            painter.fillRect(box.right(), box.top(), 1, box.height(), bottomRight);
            box.adjust(1, 1, -1, -1);
        }
    }

    QSize ImageSize(const PixelBuffer& pixels) { return { pixels.Width(), pixels.Height() }; }

} // namespace

PictureView::PictureView(PictureBox& picture, QWidget& window)
    : QWidget(&window)
    , picture_(picture)
    , outerPixels_(Pixels(picture.Layout().width), Pixels(picture.Layout().height))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::Place(const Rect& box, double, const TouchReach&) { setGeometry(ToQRect(box)); }

void PictureView::Describe(const std::string& description) { DescribeWidget(*this, description); }

void PictureView::paintEvent(QPaintEvent*)
{
    PictureModel& model = picture_.Model();
    if (model.TakeChange())
        replayedStale_ = true;
    QPainter painter(this);
    // The ratio of the device painted on, which need not be the widget's own: rendered into an image
    // of another ratio, the widget still reports the screen's.
    const QSizeF deviceScale = DeviceScale(painter.deviceTransform());
    const FigureRecord* figure = model.Figure();
    // One device pixel per model pixel is the image itself, exactly as drawn.
    if (figure && figure->Complete() && deviceScale != QSizeF(1, 1)) {
        painter.drawImage(rect(), Replayed(*figure, deviceScale));
        return;
    }
    // Everything in the layout's pixels: at 100 % on a plain screen this is the identity.
    painter.scale(
        width() / static_cast<double>(outerPixels_.width()), height() / static_cast<double>(outerPixels_.height()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, Smooth(deviceScale));
    painter.drawImage(Inside(), ImageView(model.Image()));
    PaintBorder(painter, QRect(QPoint(), outerPixels_), picture_);
}

QSizeF PictureView::DeviceScale(const QTransform& toDevice) const
{
    return { width() * toDevice.m11() / outerPixels_.width(), height() * toDevice.m22() / outerPixels_.height() };
}

QRect PictureView::Inside() const
{
    return { QPoint(PictureBox::Border, PictureBox::Border), ImageSize(picture_.Model().Image()) };
}

// Kept until the figure or the device size changes: replaying the flask's thick rings at 300 % takes
// longer than a repaint may, and a window is repainted far more often than it is drawn on.
const QImage& PictureView::Replayed(const FigureRecord& figure, QSizeF deviceScale)
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
    Replay(painter, figure, Inside().size());
    painter.restore();
    PaintBorder(painter, QRect(QPoint(), outerPixels_), picture_);
    replayedStale_ = false;
    return replayed_;
}

// Where each model pixel becomes a whole block of screen pixels, the blocks keep the gradient's
// one-pixel rings and the strip's rows sharp. At a fraction the blocks would alternate in size and
// the rings would beat, so the image is smoothed, as it is at every scale when the picture box says
// so. "Whole" allows the one pixel that rounding the widget's size can take off a multiple.
bool PictureView::Smooth(QSizeF deviceScale) const
{
    const QSize pixels = ImageSize(picture_.Model().Image());
    auto whole = [](double scale, int count) { return std::abs(scale - std::round(scale)) * count < 1; };
    return picture_.AlwaysSmoothed() || !whole(deviceScale.width(), pixels.width())
        || !whole(deviceScale.height(), pixels.height());
}

} // namespace palettra::desktop
