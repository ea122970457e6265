#pragma once

#include "common/ColourValue.h"
#include "toolkit/layout/Geometry.h"
#include "toolkit/layout/WindowLayout.h"
#include "toolkit/picture/FigureRecord.h"
#include "toolkit/picture/PixelMapping.h"
#include "toolkit/picture/Pixels.h"
#include "toolkit/picture/Rasteriser.h"
#include "toolkit/picture/RunWriter.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace palettra::toolkit {

// What the forms draw on: a persistent image of a picture box's inner area at the layout's pixel
// size, a user coordinate system (twips until a scale is set) and the drawing primitives. Nothing
// here depends on how large the box is shown. One-pixel lines along an axis and single points are
// written straight into the image's memory: they are nearly every call the forms make.
class PictureModel {
public:
    // An image of the given pixels, in the layout's colours, with its stored picture (if any) at the
    // top left. The rasteriser paints what the model cannot write itself, and must outlive it.
    PictureModel(Size pixels, const ControlLayout& layout, Rasteriser& rasteriser, const PixelBuffer& picture = {});
    // The writer keeps a pointer into the pixels.
    PictureModel(const PictureModel&) = delete;
    PictureModel& operator=(const PictureModel&) = delete;

    common::ColourValue BackColor() const { return backColor_; }
    // Fills the whole image, wiping whatever was drawn.
    void SetBackColor(common::ColourValue colour);
    common::ColourValue ForeColor() const { return foreColor_; }
    void SetForeColor(common::ColourValue colour) { foreColor_ = colour; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int pixels);

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

    void Line(float x1, float y1, float x2, float y2) { Line(x1, y1, x2, y2, foreColor_); }
    void Line(float x1, float y1, float x2, float y2, common::ColourValue colour);
    void PSet(float x, float y, common::ColourValue colour);
    // The colour under a point, or -1 outside the image.
    common::ColourValue Point(float x, float y);
    void Circle(float x, float y, float radius, common::ColourValue colour);
    // Only the arc that runs counter-clockwise on screen from start to end, in radians.
    void Circle(float x, float y, float radius, common::ColourValue colour, float start, float end);

    // Of the rows first..last, each painted across the image in increasing order,
    // the ones that stay visible: the last row on each pixel row, none outside.
    // Filled into the caller's vector, which keeps its room from one repaint to the next: returned by
    // value, it lived across every row's painting and made each of those calls dearer in the browser.
    void VisibleRows(common::Int16 first, common::Int16 last, std::vector<common::Int16>& rows) const;

    // Writes out every run still waiting.
    void Flush() { writer_.Flush(); }
    // A copy of the image as it stands, drawing included.
    PixelBuffer Snapshot();

    // Called on the first change after the last TakeChange, so that a view can ask for a repaint.
    void OnChange(std::function<void()> changed) { onChange_ = std::move(changed); }
    // Writes out what waits and tells whether anything changed since the last call.
    bool TakeChange();
    const PixelBuffer& Image() const { return pixels_; }
    // Kept only for a picture built to keep its figure as its drawing calls.
    const FigureRecord* Figure() const { return figure_ ? &*figure_ : nullptr; }

private:
    bool Inside(int column, int row) const { return column >= 0 && column < columns_ && row >= 0 && row < rows_; }
    void UpdateScale();
    void UpdateDirect() { direct_ = drawWidth_ == 1 && !figure_; }

    void AddRun(const PixelRun& run);
    void InsertRun(const PixelRun& run);
    // Lines that are not a one-pixel run along an axis, and every line of a recorded figure.
    void MapLine(float x1, float y1, float x2, float y2, Pixel colour);
    void PutPixel(float x, float y, Pixel colour);
    void PSetOther(float x, float y, common::ColourValue colour);
    void Draw(const Stroke& stroke); // through the rasteriser, and into the figure
    void Touched();

    int columns_;
    int rows_;
    common::ColourValue backColor_;
    common::ColourValue foreColor_;
    int drawWidth_ = 1;
    float scaleLeft_ = 0;
    float scaleTop_ = 0;
    float scaleWidth_;
    float scaleHeight_;
    PixelMapping mapping_;

    PixelBuffer pixels_;
    RunWriter writer_;
    Rasteriser& rasteriser_;
    std::optional<FigureRecord> figure_;
    // Lines and points may go straight into memory: a pen of one pixel and no figure to record.
    bool direct_ = true;
    bool changePending_ = false;
    std::function<void()> onChange_;
};

// Inline, so that a loop of lines pays no call for the ones that only wait.
inline void PictureModel::Line(float x1, float y1, float x2, float y2, common::ColourValue colour)
{
    // Converted before any branch, so that a loop drawing several lines in one colour converts it once.
    const Pixel rgb = ToPixel(colour);
    PixelRun run;
    switch (direct_ ? mapping_.MapAxisLine(x1, y1, x2, y2, run) : PixelMapping::AxisLine::Other) {
    case PixelMapping::AxisLine::Run:
        run.colour = rgb;
        AddRun(run);
        break;
    case PixelMapping::AxisLine::Outside:
        break;
    case PixelMapping::AxisLine::Other:
        MapLine(x1, y1, x2, y2, rgb);
        break;
    }
}

// No repaint to ask for when the writer takes a run over: its ring filled through InsertRun, which
// asked, and a repaint empties it.
inline void PictureModel::AddRun(const PixelRun& run)
{
    if (!writer_.TakeOver(run))
        InsertRun(run);
}

inline common::ColourValue PictureModel::Point(float x, float y)
{
    if (writer_.Waits())
        writer_.Flush();
    const double column = mapping_.X(x);
    const double row = mapping_.Y(y);
    // Every member is read before the first branch and the bounds are tested without short cuts:
    // reads that every step makes can be lifted out of a loop of points, as the scan's is.
    const Pixel* const pixels = writer_.Pixels();
    const std::ptrdiff_t stride = writer_.Stride();
    const double width = columns_;
    const double height = rows_;
    if (!((column >= 0) & (column < width) & (row >= 0) & (row < height)))
        return -1;
    return FromPixel(pixels[static_cast<std::ptrdiff_t>(row) * stride + static_cast<std::ptrdiff_t>(column)]);
}

inline void PictureModel::PSet(float x, float y, common::ColourValue colour)
{
    if (direct_)
        PutPixel(x, y, ToPixel(colour));
    else
        PSetOther(x, y, colour);
}

inline void PictureModel::PutPixel(float x, float y, Pixel colour)
{
    const double column = mapping_.X(x);
    const double row = mapping_.Y(y);
    if (writer_.Waits())
        writer_.Flush();
    if (column >= 0 && column < columns_ && row >= 0 && row < rows_)
        writer_.Pixels()[static_cast<std::ptrdiff_t>(row) * writer_.Stride() + static_cast<std::ptrdiff_t>(column)]
            = colour;
    Touched();
}

inline void PictureModel::Touched()
{
    if (!changePending_) {
        changePending_ = true;
        if (onChange_)
            onChange_();
    }
}

} // namespace palettra::toolkit
