#include "toolkit/picture/PictureModel.h"

#include "common/RuntimeError.h"
#include "toolkit/layout/SystemColours.h"
#include "toolkit/layout/Twips.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace palettra::toolkit {

namespace {

    // Arcs go in sixteenths of a degree, counter-clockwise on screen like the callers, as Qt counts them.
    int Sixteenths(double radians) { return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0)); }

    // With a corner at NaN or infinity every coordinate would map to NaN or to an infinity: a
    // one-pixel line would then cover the whole picture, or nothing.
    void CheckCorner(float coordinate)
    {
        if (!std::isfinite(coordinate))
            throw common::RuntimeError::InvalidPropertyValue();
    }

    // A scale extent must be a number of some size: with 0, NaN or infinity every coordinate
    // would map to one pixel, or to none.
    void CheckExtent(float extent)
    {
        if (extent == 0 || !std::isfinite(extent))
            throw common::RuntimeError::InvalidPropertyValue();
    }

} // namespace

PictureModel::PictureModel(Size pixels, const ControlLayout& layout, Rasteriser& rasteriser, const PixelBuffer& picture)
    : columns_(std::max(0, pixels.width))
    , rows_(std::max(0, pixels.height))
    , backColor_(Resolve(layout.backColor.value_or(ButtonFaceColour)))
    , foreColor_(Resolve(layout.foreColor.value_or(WindowTextColour)))
    , scaleWidth_(static_cast<float>(columns_ * TwipsPerPixel))
    , scaleHeight_(static_cast<float>(rows_ * TwipsPerPixel))
    , pixels_({ std::max(1, columns_), std::max(1, rows_) })
    , writer_(pixels_)
    , rasteriser_(rasteriser)
{
    if (layout.scale) {
        scaleLeft_ = layout.scale->left;
        scaleTop_ = layout.scale->top;
        scaleWidth_ = layout.scale->width;
        scaleHeight_ = layout.scale->height;
    }
    UpdateScale();
    pixels_.Fill(ToPixel(backColor_));
    pixels_.Paste(picture);
    if (layout.drawnAtScreenResolution)
        figure_.emplace(ToPixel(backColor_));
    UpdateDirect();
}

void PictureModel::SetBackColor(common::ColourValue colour)
{
    backColor_ = colour;
    writer_.Discard();
    pixels_.Fill(ToPixel(colour));
    if (figure_)
        figure_->Clear(ToPixel(colour));
    Touched();
}

void PictureModel::SetDrawWidth(int pixels)
{
    if (pixels < 1 || pixels > 32767)
        throw common::RuntimeError::InvalidPropertyValue();
    drawWidth_ = pixels;
    UpdateDirect();
}

void PictureModel::SetScaleLeft(float left)
{
    CheckCorner(left);
    scaleLeft_ = left;
    UpdateScale();
}

void PictureModel::SetScaleTop(float top)
{
    CheckCorner(top);
    scaleTop_ = top;
    UpdateScale();
}

void PictureModel::SetScaleWidth(float width)
{
    CheckExtent(width);
    scaleWidth_ = width;
    UpdateScale();
}

void PictureModel::SetScaleHeight(float height)
{
    CheckExtent(height);
    scaleHeight_ = height;
    UpdateScale();
}

void PictureModel::Scale(float x1, float y1, float x2, float y2)
{
    // Corners far apart can be finite while their distance is not.
    const float width = x2 - x1;
    const float height = y2 - y1;
    CheckExtent(width);
    CheckExtent(height);
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = width;
    scaleHeight_ = height;
    UpdateScale();
}

void PictureModel::UpdateScale() { mapping_ = { scaleLeft_, scaleTop_, scaleWidth_, scaleHeight_, columns_, rows_ }; }

void PictureModel::InsertRun(const PixelRun& run)
{
    Touched();
    writer_.Insert(run);
}

void PictureModel::MapLine(float x1, float y1, float x2, float y2, Pixel colour)
{
    // An end that is not a number says nowhere; an axis line would otherwise run to the far edge.
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2))
        return;
    const int column1 = mapping_.Column(x1);
    const int column2 = mapping_.Column(x2);
    const int row1 = mapping_.Row(y1);
    const int row2 = mapping_.Row(y2);
    if (drawWidth_ != 1 || (column1 != column2 && row1 != row2)) {
        Draw(Stroke::Line(
            { { mapping_.X(x1), mapping_.Y(y1) }, { mapping_.X(x2), mapping_.Y(y2) } }, drawWidth_, colour));
        return;
    }
    const PixelRun run { std::max(0, std::min(column1, column2)), std::max(0, std::min(row1, row2)),
        std::min(columns_ - 1, std::max(column1, column2)), std::min(rows_ - 1, std::max(row1, row2)), colour };
    if (run.left > run.right || run.top > run.bottom)
        return;
    if (figure_)
        figure_->Add(Stroke::Fill({ run.left, run.top, run.right - run.left + 1, run.bottom - run.top + 1 }, colour));
    AddRun(run);
}

void PictureModel::PSetOther(float x, float y, common::ColourValue colour)
{
    if (drawWidth_ != 1) {
        Circle(x, y, 0, colour);
        return;
    }
    const Pixel rgb = ToPixel(colour);
    PutPixel(x, y, rgb);
    const int column = mapping_.Column(x);
    const int row = mapping_.Row(y);
    if (Inside(column, row))
        figure_->Add(Stroke::Fill({ column, row, 1, 1 }, rgb));
}

void PictureModel::Circle(float x, float y, float radius, common::ColourValue colour)
{
    const double pixels = std::fabs(radius * mapping_.PixelsPerUnitX());
    Draw(Stroke::Circle({ mapping_.X(x), mapping_.Y(y) }, pixels, drawWidth_, ToPixel(colour)));
}

void PictureModel::Circle(float x, float y, float radius, common::ColourValue colour, float start, float end)
{
    const double pixels = std::fabs(radius * mapping_.PixelsPerUnitX());
    const RectF box { mapping_.X(x) - pixels, mapping_.Y(y) - pixels, 2 * pixels, 2 * pixels };
    double sweep = static_cast<double>(end) - static_cast<double>(start);
    if (sweep < 0)
        sweep += 2 * std::numbers::pi;
    Draw(Stroke::Arc(box, Sixteenths(start), Sixteenths(sweep), drawWidth_, ToPixel(colour)));
}

void PictureModel::VisibleRows(common::Int16 first, common::Int16 last, std::vector<common::Int16>& rows) const
{
    rows.clear();
    // At most one for each pixel row between the ends, and so one allocation, not one per doubling.
    if (first <= last)
        rows.reserve(static_cast<std::size_t>(std::abs(mapping_.Row(last) - mapping_.Row(first))) + 1);
    for (int y = first; y <= last; ++y) {
        const int row = mapping_.Row(static_cast<float>(y));
        y = mapping_.LastOnRow(y, last);
        if (Inside(0, row))
            rows.push_back(static_cast<common::Int16>(y));
    }
}

PixelBuffer PictureModel::Snapshot()
{
    writer_.Flush();
    return pixels_;
}

bool PictureModel::TakeChange()
{
    writer_.Flush();
    const bool changed = changePending_;
    changePending_ = false;
    return changed;
}

void PictureModel::Draw(const Stroke& stroke)
{
    writer_.Flush();
    rasteriser_.Paint(pixels_, stroke);
    if (figure_)
        figure_->Add(stroke);
    Touched();
}

} // namespace palettra::toolkit
