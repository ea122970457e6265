#pragma once

#include "common/ColourValue.h"
#include "toolkit/Colours.h"
#include "toolkit/Window.h"

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <array>
#include <vector>

namespace palettra::toolkit {

// A picture box with a two-pixel sunken border and a persistent image of its inner
// area. Drawing goes through a user coordinate system (twips until a scale is set).
// One-pixel lines along an axis and single points are written straight into the
// image's memory: they are nearly every call the forms make.
class PictureBox : public QWidget {
public:
    static constexpr int Border = 2;

    PictureBox(Window& owner, const ControlLayout& layout);

    common::ColourValue BackColor() const { return backColor_; }
    // Fills the whole inner area, wiping whatever was drawn.
    void SetBackColor(common::ColourValue colour);
    common::ColourValue ForeColor() const { return foreColor_; }
    void SetForeColor(common::ColourValue colour) { foreColor_ = colour; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int pixels);

    // Outer size in twips.
    int Width() const { return outerWidth_; }
    int Height() const { return outerHeight_; }

    float ScaleLeft() const { return scaleLeft_; }
    float ScaleTop() const { return scaleTop_; }
    float ScaleWidth() const { return scaleWidth_; }
    float ScaleHeight() const { return scaleHeight_; }
    void SetScaleLeft(float left);
    void SetScaleTop(float top);
    void SetScaleWidth(float width);
    void SetScaleHeight(float height);
    // The user coordinate system from its top-left and bottom-right corners.
    void Scale(float x1, float y1, float x2, float y2);

    void Line(float x1, float y1, float x2, float y2); // in the foreground colour
    void Line(float x1, float y1, float x2, float y2, common::ColourValue colour);
    void PSet(float x, float y, common::ColourValue colour);
    // The colour under a point, or -1 outside the drawable area.
    common::ColourValue Point(float x, float y);
    void Circle(float x, float y, float radius, common::ColourValue colour);
    // Only the arc that runs counter-clockwise on screen from start to end, in radians.
    void Circle(float x, float y, float radius, common::ColourValue colour, float start, float end);

    // Of the rows first..last, each painted across the box in increasing order,
    // the ones that stay visible: the last row on each pixel row, none outside.
    std::vector<common::Int16> VisibleRows(common::Int16 first, common::Int16 last) const;

    // A copy of the inner area as it stands, drawing included.
    QImage Snapshot();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A one-pixel run of one colour along a row or a column, in inner pixels, clipped, both ends included.
    struct Span {
        int left, top, right, bottom;
        QRgb colour;
        bool SamePixels(const Span& other) const
        {
            return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
        }
    };

    double PixelX(float x) const { return (static_cast<double>(x) - scaleLeft_) * xPixelsPerUnit_; }
    double PixelY(float y) const { return (static_cast<double>(y) - scaleTop_) * yPixelsPerUnit_; }
    int PixelColumn(float x) const;
    int PixelRow(float y) const;
    bool Inside(int column, int row) const
    {
        return column >= 0 && column < innerWidth_ && row >= 0 && row < innerHeight_;
    }
    void UpdateScale();

    // Takes the run's fields one by one: a run built in memory just before would be read back
    // whole before its parts have landed, and that stall was most of a repaint's time.
    void AddSpan(int left, int top, int right, int bottom, QRgb colour);
    void PaintLine(float x1, float y1, float x2, float y2, common::ColourValue colour); // through QPainter
    // Inline, like Point and PSet, so that a loop of reads or points sees no call that could change
    // the scale, and the compiler keeps the mapping of the outer coordinate out of the inner loop.
    void WriteSpan(const Span& span);
    void FlushSpans();
    void PaintWithPainter(const std::function<void(class QPainter&)>& draw);
    void Touched();

    int outerWidth_;
    int outerHeight_;
    int innerWidth_;
    int innerHeight_;
    common::ColourValue backColor_;
    common::ColourValue foreColor_;
    int drawWidth_ = 1;
    float scaleLeft_ = 0;
    float scaleTop_ = 0;
    float scaleWidth_;
    float scaleHeight_;
    double xPixelsPerUnit_ = 0;
    double yPixelsPerUnit_ = 0;

    QImage image_;
    QRgb* pixels_; // the image's memory, owned by image_, which is never shared
    qsizetype stride_; // pixels per image row

    // Runs along an axis wait here before they are written, so that a run that covers
    // exactly the pixels of a waiting one replaces it instead of being written twice.
    // Writing a run later changes nothing as long as the runs keep their order.
    // A ring, as the run to leave is nearly always the oldest: a square's side replaces the
    // same side of the square before.
    static constexpr std::size_t MaxWaiting = 4;
    Span& Waiting(std::size_t i) { return waiting_[(waitingFirst_ + i) % MaxWaiting]; }
    void DropOldest()
    {
        waitingFirst_ = (waitingFirst_ + 1) % MaxWaiting;
        --waitingCount_;
    }
    std::array<Span, MaxWaiting> waiting_ {};
    std::size_t waitingFirst_ = 0;
    std::size_t waitingCount_ = 0;
    bool repaintPending_ = false;
};

inline int PictureBox::PixelColumn(float x) const
{
    const double pixel = PixelX(x);
    return pixel >= 0 && pixel < innerWidth_ ? static_cast<int>(pixel) : (pixel < 0 ? -1 : innerWidth_);
}

inline int PictureBox::PixelRow(float y) const
{
    const double pixel = PixelY(y);
    return pixel >= 0 && pixel < innerHeight_ ? static_cast<int>(pixel) : (pixel < 0 ? -1 : innerHeight_);
}

inline void PictureBox::WriteSpan(const Span& span)
{
    QRgb* row = pixels_ + span.top * stride_;
    if (span.left == span.right) {
        for (QRgb *pixel = row + span.left, *end = pixel + (span.bottom - span.top + 1) * stride_; pixel != end;
             pixel += stride_)
            *pixel = span.colour;
        return;
    }
    for (int y = span.top; y <= span.bottom; ++y, row += stride_)
        std::fill(row + span.left, row + span.right + 1, span.colour);
}

inline void PictureBox::FlushSpans()
{
    for (std::size_t i = 0; i < waitingCount_; ++i)
        WriteSpan(Waiting(i));
    waitingCount_ = 0;
}

// Inline with Line, so that a loop of lines pays no call for the ones that only wait.
inline void PictureBox::Line(float x1, float y1, float x2, float y2, common::ColourValue colour)
{
    // Nearly every line runs along an axis; its shared coordinate is mapped once.
    const int column1 = PixelColumn(x1);
    const int column2 = x2 == x1 ? column1 : PixelColumn(x2);
    const int row1 = PixelRow(y1);
    const int row2 = y2 == y1 ? row1 : PixelRow(y2);
    if (drawWidth_ != 1 || (column1 != column2 && row1 != row2)) {
        PaintLine(x1, y1, x2, y2, colour);
        return;
    }
    AddSpan(std::max(0, std::min(column1, column2)), std::max(0, std::min(row1, row2)),
        std::min(innerWidth_ - 1, std::max(column1, column2)), std::min(innerHeight_ - 1, std::max(row1, row2)),
        ToQRgb(colour));
}

inline void PictureBox::AddSpan(int left, int top, int right, int bottom, QRgb colour)
{
    Touched();
    if (left > right || top > bottom)
        return; // wholly outside
    const Span span { left, top, right, bottom, colour };
    std::size_t same = 0;
    while (same < waitingCount_ && !Waiting(same).SamePixels(span))
        ++same;
    if (same == 0 && waitingCount_ != 0) {
        DropOldest();
    } else if (same < waitingCount_) {
        for (std::size_t i = same; i + 1 < waitingCount_; ++i)
            Waiting(i) = Waiting(i + 1);
        --waitingCount_;
    } else if (waitingCount_ == MaxWaiting) {
        WriteSpan(Waiting(0));
        DropOldest();
    }
    Waiting(waitingCount_++) = span;
}

inline common::ColourValue PictureBox::Point(float x, float y)
{
    if (waitingCount_ != 0)
        FlushSpans();
    const double column = PixelX(x);
    const double row = PixelY(y);
    // Every member is read before the first branch and the bounds are tested without short cuts:
    // reads that every step makes can be lifted out of a loop of points, as the scan's is.
    const QRgb* const pixels = pixels_;
    const qsizetype stride = stride_;
    const double width = innerWidth_;
    const double height = innerHeight_;
    if (!((column >= 0) & (column < width) & (row >= 0) & (row < height)))
        return -1;
    return FromQRgb(pixels[static_cast<qsizetype>(row) * stride + static_cast<qsizetype>(column)]);
}

inline void PictureBox::PSet(float x, float y, common::ColourValue colour)
{
    if (drawWidth_ == 1) {
        const double column = PixelX(x);
        const double row = PixelY(y);
        if (waitingCount_ != 0)
            FlushSpans();
        if (column >= 0 && column < innerWidth_ && row >= 0 && row < innerHeight_)
            pixels_[static_cast<qsizetype>(row) * stride_ + static_cast<qsizetype>(column)] = ToQRgb(colour);
        Touched();
        return;
    }
    Circle(x, y, 0, colour);
}

inline void PictureBox::Touched()
{
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
}

} // namespace palettra::toolkit
