#pragma once

#include "common/ColourValue.h"
#include "toolkit/Colours.h"
#include "toolkit/Window.h"

#include <QImage>
#include <QWidget>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    // Writes out every run still waiting; the window calls it when a handler returns, so that
    // no drawing outlives the event that made it.
    void FinishDrawing() { FlushSpans(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A one-pixel run of one colour along a row or a column, in inner pixels, clipped, both ends included.
    struct Span {
        int left, top, right, bottom;
        QRgb colour;
        bool SamePixels(const Span& other) const;
    };

    double PixelX(float x) const { return (static_cast<double>(x) - mapping_.origin[0]) * mapping_.perUnit[0]; }
    double PixelY(float y) const { return (static_cast<double>(y) - mapping_.origin[1]) * mapping_.perUnit[1]; }
    int PixelColumn(float x) const;
    int PixelRow(float y) const;
    bool Inside(int column, int row) const
    {
        return column >= 0 && column < innerWidth_ && row >= 0 && row < innerHeight_;
    }
    void UpdateScale();

    enum class AxisMapping { Span, Outside, Other };
    // A one-pixel line along an axis of the user scale, mapped without a branch per coordinate;
    // any other line, and one with a coordinate that is not a number, is left to MapLine.
    AxisMapping MapAxisLine(float x1, float y1, float x2, float y2, Span& span) const;
    void MapLine(float x1, float y1, float x2, float y2, QRgb colour);
    void AddSpan(const Span& span); // a run with at least one pixel
    void InsertSpan(const Span& span); // the rest: a ring not yet full, or a match further in
    void PaintLine(float x1, float y1, float x2, float y2, QRgb colour); // through QPainter
    void WriteSpan(const Span& span);
    // A long column touches a cache line per row; written one after another, the columns of a
    // picture evict each other's lines. Band by band, each column's lines are still cached when
    // the next column comes. Within a band the runs keep their order, so the pixels are the same.
    void WriteSettled();
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
    // The scale as doubles, x then y, worked out when it changes: the ends of a line map both
    // coordinates at once, and a line then loads them instead of converting.
    struct PixelMapping {
        alignas(16) double origin[2]; // ScaleLeft, ScaleTop
        alignas(16) double perUnit[2];
        alignas(16) double size[2]; // of the inner area
        alignas(16) double last[2]; // its last pixel
    };
    PixelMapping mapping_ {};

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
    std::array<Span, MaxWaiting> waiting_ {};
    std::size_t waitingFirst_ = 0;
    std::size_t waitingCount_ = 0;
    // Runs that left the ring: nothing can replace them any more, but they are written together,
    // when the handler returns or the image is read. A fixed store, so that settling is a plain write.
    // Only a full ring settles a run, and only a flush empties the ring: while runs are settled,
    // some wait, and a look at waitingCount_ tells whether anything does.
    static constexpr std::size_t MaxSettled = 1024;
    static constexpr int BandRows = 32;
    std::vector<Span> settled_ = std::vector<Span>(MaxSettled);
    std::size_t settledCount_ = 0;
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
    // In locals: the pixels are unsigned ints, and a store through them could otherwise be
    // taken to change the run's own fields.
    const QRgb colour = span.colour;
    const qsizetype stride = stride_;
    QRgb* row = pixels_ + span.top * stride;
    if (span.left == span.right) {
        for (QRgb *pixel = row + span.left, *end = pixel + (span.bottom - span.top + 1) * stride; pixel != end;
             pixel += stride)
            *pixel = colour;
        return;
    }
    for (int y = span.top; y <= span.bottom; ++y, row += stride)
        std::fill(row + span.left, row + span.right + 1, colour);
}

inline void PictureBox::WriteSettled()
{
    for (int bandTop = 0; bandTop < innerHeight_; bandTop += BandRows) {
        const int bandBottom = std::min(bandTop + BandRows, innerHeight_) - 1;
        for (std::size_t i = 0; i < settledCount_; ++i) {
            const Span& span = settled_[i];
            const int top = std::max(span.top, bandTop);
            const int bottom = std::min(span.bottom, bandBottom);
            if (top <= bottom)
                WriteSpan({ span.left, top, span.right, bottom, span.colour });
        }
    }
    settledCount_ = 0;
}

// Without a call: a loop of reads or points that sees none can keep what it reads of the box in
// registers, and finds that nothing waits after its first step.
inline void PictureBox::FlushSpans()
{
    if (settledCount_ != 0)
        WriteSettled(); // older than the ring's
    for (std::size_t i = 0; i < waitingCount_; ++i)
        WriteSpan(Waiting(i));
    waitingCount_ = 0;
}

// Inline with Line, so that a loop of lines pays no call for the ones that only wait.
inline void PictureBox::Line(float x1, float y1, float x2, float y2, common::ColourValue colour)
{
    // Converted before any branch, so that a loop drawing several lines in one colour converts it once.
    const QRgb rgb = ToQRgb(colour);
    Span span;
    switch (drawWidth_ == 1 ? MapAxisLine(x1, y1, x2, y2, span) : AxisMapping::Other) {
    case AxisMapping::Span:
        span.colour = rgb;
        AddSpan(span);
        break;
    case AxisMapping::Outside:
        break;
    case AxisMapping::Other:
        MapLine(x1, y1, x2, y2, rgb);
        break;
    }
}

inline PictureBox::AxisMapping PictureBox::MapAxisLine(float x1, float y1, float x2, float y2, Span& span) const
{
#if defined(__SSE2__)
    const __m128 xy = _mm_setr_ps(x1, y1, x2, y2);
    const int equal = _mm_movemask_ps(_mm_cmpeq_ps(xy, _mm_movehl_ps(xy, xy))) & 0b11;
    const int notNumbers = _mm_movemask_ps(_mm_cmpunord_ps(xy, xy));
    if (equal == 0 || notNumbers != 0)
        return AxisMapping::Other;
    // The same double operations as PixelX and PixelY, both coordinates at once.
    const __m128d origin = _mm_load_pd(mapping_.origin);
    const __m128d perUnit = _mm_load_pd(mapping_.perUnit);
    const __m128d first = _mm_mul_pd(_mm_sub_pd(_mm_cvtps_pd(xy), origin), perUnit);
    const __m128d second = _mm_mul_pd(_mm_sub_pd(_mm_cvtps_pd(_mm_movehl_ps(xy, xy)), origin), perUnit);
    // The mapping never reverses the order of two points, so the ends of the run come from
    // the smaller and the larger of the two, clipped to the first and last pixel.
    const __m128d low = _mm_min_pd(first, second);
    const __m128d high = _mm_max_pd(first, second);
    const __m128d zero = _mm_setzero_pd();
    const __m128d size = _mm_load_pd(mapping_.size);
    if (_mm_movemask_pd(_mm_or_pd(_mm_cmplt_pd(high, zero), _mm_cmpge_pd(low, size))) != 0)
        return AxisMapping::Outside;
    const __m128d last = _mm_load_pd(mapping_.last);
    const __m128i corners
        = _mm_unpacklo_epi64(_mm_cvttpd_epi32(_mm_max_pd(low, zero)), _mm_cvttpd_epi32(_mm_min_pd(high, last)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&span.left), corners);
    return AxisMapping::Span;
#else
    (void)x1, (void)y1, (void)x2, (void)y2, (void)span;
    return AxisMapping::Other;
#endif
}

// All four ends in one comparison, where the processor has one.
inline bool PictureBox::Span::SamePixels(const Span& other) const
{
#if defined(__SSE2__)
    const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&left));
    const __m128i otherEnds = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&other.left));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(ends, otherEnds)) == 0xFFFF;
#else
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
#endif
}

// No repaint to ask for here: the ring filled through InsertSpan, which asked, and a repaint empties it.
inline void PictureBox::AddSpan(const Span& span)
{
    if (waitingCount_ == MaxWaiting) {
        Span& oldest = waiting_[waitingFirst_];
        const bool replaces = oldest.SamePixels(span);
        // Next most often: a run that replaces none, as a square's side moves on to the next pixel.
        // The oldest then settles, and the new run takes its slot all the same.
        if (replaces || !(Waiting(1).SamePixels(span) || Waiting(2).SamePixels(span) || Waiting(3).SamePixels(span))) {
            if (!replaces) {
                settled_[settledCount_++] = oldest;
                if (settledCount_ == MaxSettled)
                    WriteSettled();
            }
            oldest = span;
            waitingFirst_ = (waitingFirst_ + 1) % MaxWaiting;
            return;
        }
    }
    InsertSpan(span);
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
