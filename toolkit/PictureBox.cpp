#include "toolkit/PictureBox.h"

#include "toolkit/Twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace palettra::toolkit {

namespace {

    // QRect's right and bottom are its last pixels already, so the outer bevel runs along them
    // and the two bevels frame the image exactly, covering none of it.
    void PaintSunkenBorder(QPainter& painter, const QRect& outer)
    {
        auto bevel = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
            painter.setPen(topLeft);
            painter.drawLine(box.topLeft(), box.topRight());
            painter.drawLine(box.topLeft(), box.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(box.bottomLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomRight());
        };
        bevel(outer, QColor(160, 160, 160), Qt::white);
        bevel(outer.adjusted(1, 1, -1, -1), QColor(105, 105, 105), QColor(227, 227, 227));
    }

    // Qt counts arcs in sixteenths of a degree, counter-clockwise on screen like the callers.
    int Sixteenths(double radians) { return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0)); }

} // namespace

PictureBox::PictureBox(Window& owner, const ControlLayout& layout)
    : QWidget(&owner)
    , outerWidth_(layout.width)
    , outerHeight_(layout.height)
    , innerWidth_(std::max(0, Pixels(layout.width) - 2 * Border))
    , innerHeight_(std::max(0, Pixels(layout.height) - 2 * Border))
    , backColor_(Resolve(layout.backColor.value_or(ButtonFaceColour)))
    , foreColor_(Resolve(layout.foreColor.value_or(WindowTextColour)))
    , scaleWidth_(static_cast<float>(innerWidth_ * TwipsPerPixel))
    , scaleHeight_(static_cast<float>(innerHeight_ * TwipsPerPixel))
    , image_(std::max(1, innerWidth_), std::max(1, innerHeight_), QImage::Format_RGB32)
    , pixels_(reinterpret_cast<QRgb*>(image_.bits()))
    , stride_(image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (layout.scale) {
        scaleLeft_ = layout.scale->left;
        scaleTop_ = layout.scale->top;
        scaleWidth_ = layout.scale->width;
        scaleHeight_ = layout.scale->height;
    }
    UpdateScale();
    image_.fill(ToQRgb(backColor_));
    if (!layout.picture.empty()) {
        QPainter painter(&image_);
        painter.drawImage(0, 0, QImage(QString::fromStdString(layout.picture)));
    }
}

void PictureBox::SetBackColor(common::ColourValue colour)
{
    backColor_ = colour;
    waitingCount_ = 0; // the fill covers every waiting run
    settledCount_ = 0;
    image_.fill(ToQRgb(colour));
    Touched();
}

void PictureBox::SetDrawWidth(int pixels)
{
    if (pixels < 1 || pixels > 32767)
        throw common::RuntimeError::InvalidPropertyValue();
    drawWidth_ = pixels;
}

void PictureBox::SetScaleLeft(float left)
{
    scaleLeft_ = left;
    UpdateScale();
}

void PictureBox::SetScaleTop(float top)
{
    scaleTop_ = top;
    UpdateScale();
}

void PictureBox::SetScaleWidth(float width)
{
    if (width == 0)
        throw common::RuntimeError::InvalidPropertyValue();
    scaleWidth_ = width;
    UpdateScale();
}

void PictureBox::SetScaleHeight(float height)
{
    if (height == 0)
        throw common::RuntimeError::InvalidPropertyValue();
    scaleHeight_ = height;
    UpdateScale();
}

void PictureBox::Scale(float x1, float y1, float x2, float y2)
{
    if (x1 == x2 || y1 == y2)
        throw common::RuntimeError::InvalidPropertyValue();
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
    UpdateScale();
}

void PictureBox::UpdateScale()
{
    mapping_ = { { scaleLeft_, scaleTop_ },
        { innerWidth_ / static_cast<double>(scaleWidth_), innerHeight_ / static_cast<double>(scaleHeight_) },
        { static_cast<double>(innerWidth_), static_cast<double>(innerHeight_) },
        { innerWidth_ - 1.0, innerHeight_ - 1.0 } };
}

void PictureBox::Line(float x1, float y1, float x2, float y2) { Line(x1, y1, x2, y2, foreColor_); }

void PictureBox::MapLine(float x1, float y1, float x2, float y2, QRgb colour)
{
    const int column1 = PixelColumn(x1);
    const int column2 = PixelColumn(x2);
    const int row1 = PixelRow(y1);
    const int row2 = PixelRow(y2);
    if (drawWidth_ != 1 || (column1 != column2 && row1 != row2)) {
        PaintLine(x1, y1, x2, y2, colour);
        return;
    }
    const Span span { std::max(0, std::min(column1, column2)), std::max(0, std::min(row1, row2)),
        std::min(innerWidth_ - 1, std::max(column1, column2)), std::min(innerHeight_ - 1, std::max(row1, row2)),
        colour };
    if (span.left <= span.right && span.top <= span.bottom)
        AddSpan(span);
}

void PictureBox::InsertSpan(const Span& span)
{
    Touched();
    std::size_t same = 0;
    while (same < waitingCount_ && !Waiting(same).SamePixels(span))
        ++same;
    if (same < waitingCount_) { // the replaced run leaves; the others keep their order
        for (std::size_t i = same; i + 1 < waitingCount_; ++i)
            Waiting(i) = Waiting(i + 1);
        --waitingCount_;
    }
    Waiting(waitingCount_++) = span;
}

void PictureBox::PaintLine(float x1, float y1, float x2, float y2, QRgb colour)
{
    const int width = drawWidth_;
    const QLineF line(PixelX(x1), PixelY(y1), PixelX(x2), PixelY(y2));
    PaintWithPainter([&](QPainter& painter) {
        painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(line);
    });
}

void PictureBox::Circle(float x, float y, float radius, common::ColourValue colour)
{
    const QPointF centre(PixelX(x), PixelY(y));
    const double pixels = std::fabs(radius * mapping_.perUnit[0]);
    const int width = drawWidth_;
    PaintWithPainter([&](QPainter& painter) {
        painter.setPen(QPen(ToQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (pixels == 0)
            painter.drawPoint(centre);
        else
            painter.drawEllipse(centre, pixels, pixels);
    });
}

void PictureBox::Circle(float x, float y, float radius, common::ColourValue colour, float start, float end)
{
    const double pixels = std::fabs(radius * mapping_.perUnit[0]);
    const QRectF box(PixelX(x) - pixels, PixelY(y) - pixels, 2 * pixels, 2 * pixels);
    double sweep = static_cast<double>(end) - static_cast<double>(start);
    if (sweep < 0)
        sweep += 2 * std::numbers::pi;
    const int width = drawWidth_;
    PaintWithPainter([&](QPainter& painter) {
        painter.setPen(QPen(ToQColor(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawArc(box, Sixteenths(start), Sixteenths(sweep));
    });
}

std::vector<common::Int16> PictureBox::VisibleRows(common::Int16 first, common::Int16 last) const
{
    std::vector<common::Int16> rows;
    if (first > last)
        return rows;
    int row = PixelRow(first);
    for (int y = first; y <= last; ++y) {
        const int next = y < last ? PixelRow(static_cast<float>(y + 1)) : -2;
        if (row != next && Inside(0, row))
            rows.push_back(static_cast<common::Int16>(y));
        row = next;
    }
    return rows;
}

QImage PictureBox::Snapshot()
{
    FlushSpans();
    return image_.copy();
}

void PictureBox::PaintWithPainter(const std::function<void(QPainter&)>& draw)
{
    FlushSpans();
    {
        QPainter painter(&image_);
        draw(painter);
    }
    // QPainter never reallocates an image it does not share, but the pointer is cheap to renew.
    pixels_ = reinterpret_cast<QRgb*>(image_.bits());
    Touched();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    FlushSpans();
    repaintPending_ = false;
    QPainter painter(this);
    painter.drawImage(Border, Border, image_, 0, 0, innerWidth_, innerHeight_);
    PaintSunkenBorder(painter, rect());
}

} // namespace palettra::toolkit
