#include "web/SampledRasteriser.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace palettra::web {

using toolkit::PixelBuffer;
using toolkit::PointF;
using toolkit::Stroke;

namespace {

    struct Bounds {
        double left;
        double top;
        double right;
        double bottom;
    };

    // Every pixel whose centre lies inside the bounds and passes the test takes the colour.
    template <typename Covers>
    void Sample(PixelBuffer& pixels, const Bounds& bounds, toolkit::Pixel colour, Covers covers)
    {
        const int firstColumn = std::max(0, static_cast<int>(std::floor(bounds.left)));
        const int lastColumn = std::min(pixels.Width() - 1, static_cast<int>(std::ceil(bounds.right)));
        const int firstRow = std::max(0, static_cast<int>(std::floor(bounds.top)));
        const int lastRow = std::min(pixels.Height() - 1, static_cast<int>(std::ceil(bounds.bottom)));
        for (int row = firstRow; row <= lastRow; ++row) {
            toolkit::Pixel* line = pixels.Data() + static_cast<std::ptrdiff_t>(row) * pixels.Width();
            for (int column = firstColumn; column <= lastColumn; ++column)
                if (covers(column + 0.5, row + 0.5))
                    line[column] = colour;
        }
    }

    Bounds Around(const PointF& a, const PointF& b, double reach)
    {
        return { std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach,
            std::max(a.y, b.y) + reach };
    }

    // The squared distance from a point to the segment between two others.
    double SquaredDistance(double x, double y, const PointF& from, const PointF& to)
    {
        const double dx = to.x - from.x;
        const double dy = to.y - from.y;
        const double length = dx * dx + dy * dy;
        const double t = length > 0 ? std::clamp(((x - from.x) * dx + (y - from.y) * dy) / length, 0.0, 1.0) : 0.0;
        const double ex = from.x + t * dx - x;
        const double ey = from.y + t * dy - y;
        return ex * ex + ey * ey;
    }

    // A pen's width of 0 draws one pixel wide, as the desktop's does.
    double HalfPen(const Stroke& stroke) { return std::max(1, stroke.Width()) / 2.0; }

    // A round-ended line, and a dot where both ends meet.
    void PaintLine(PixelBuffer& pixels, const PointF& from, const PointF& to, double half, toolkit::Pixel colour)
    {
        const double reach = half * half;
        Sample(pixels, Around(from, to, half), colour,
            [&](double x, double y) { return SquaredDistance(x, y, from, to) <= reach; });
    }

    // The ring a pen of the given half-width draws along an ellipse; only the part between two
    // angles (in radians, counter-clockwise on screen from three o'clock) when `sweep` is not whole.
    void PaintRing(
        PixelBuffer& pixels, const toolkit::RectF& box, double half, toolkit::Pixel colour, double start, double sweep)
    {
        const PointF centre = box.Centre();
        const double rx = box.width / 2;
        const double ry = box.height / 2;
        const bool whole = std::fabs(sweep) >= 2 * std::numbers::pi;
        const auto within = [&](double x, double y) {
            if (whole)
                return true;
            double angle = std::atan2(-(y - centre.y) * rx, (x - centre.x) * ry) - start;
            if (sweep < 0)
                angle = -angle;
            angle = std::fmod(angle, 2 * std::numbers::pi);
            if (angle < 0)
                angle += 2 * std::numbers::pi;
            return angle <= std::fabs(sweep);
        };
        // The distance to an ellipse taken along the ray from its centre: exact for a circle, which is
        // every ellipse a picture draws, since its scale is the same across and down.
        const double radius = (rx + ry) / 2;
        const double inner = radius - half;
        const double outer = radius + half;
        Sample(pixels, { centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer }, colour,
            [&](double x, double y) {
                const double d = std::hypot(x - centre.x, y - centre.y);
                return d >= inner && d <= outer && within(x, y);
            });
    }

    double Radians(int sixteenths) { return sixteenths / 16.0 * std::numbers::pi / 180.0; }

} // namespace

void SampledRasteriser::Paint(PixelBuffer& pixels, const Stroke& stroke)
{
    const toolkit::RectF& box = stroke.Box();
    switch (stroke.Kind()) {
    case Stroke::Shape::Fill:
        Sample(pixels, { box.left, box.top, box.left + box.width - 1, box.top + box.height - 1 }, stroke.Colour(),
            [](double, double) { return true; });
        break;
    case Stroke::Shape::Line:
        PaintLine(pixels, stroke.Segment().from, stroke.Segment().to, HalfPen(stroke), stroke.Colour());
        break;
    case Stroke::Shape::Circle:
        if (box.IsEmpty())
            PaintLine(pixels, box.Centre(), box.Centre(), HalfPen(stroke), stroke.Colour());
        else
            PaintRing(pixels, box, HalfPen(stroke), stroke.Colour(), 0, 2 * std::numbers::pi);
        break;
    case Stroke::Shape::Arc:
        PaintRing(pixels, box, HalfPen(stroke), stroke.Colour(), Radians(stroke.Start()), Radians(stroke.Sweep()));
        break;
    }
}

} // namespace palettra::web
