#include "toolkit/picture/Stroke.h"

namespace palettra::toolkit {

Stroke Stroke::Fill(const Rect& pixels, Pixel colour)
{
    Stroke fill { Shape::Fill, 0, colour };
    fill.box_ = { static_cast<double>(pixels.left), static_cast<double>(pixels.top), static_cast<double>(pixels.width),
        static_cast<double>(pixels.height) };
    return fill;
}

Stroke Stroke::Line(const LineF& line, int width, Pixel colour)
{
    Stroke stroke { Shape::Line, width, colour };
    stroke.line_ = line;
    return stroke;
}

Stroke Stroke::Circle(PointF centre, double radius, int width, Pixel colour)
{
    Stroke circle { Shape::Circle, width, colour };
    circle.box_ = { centre.x - radius, centre.y - radius, 2 * radius, 2 * radius };
    return circle;
}

Stroke Stroke::Arc(const RectF& box, int start, int sweep, int width, Pixel colour)
{
    Stroke arc { Shape::Arc, width, colour };
    arc.box_ = box;
    arc.start_ = start;
    arc.sweep_ = sweep;
    return arc;
}

// Exactly the same coordinates, with no slack: a shape a little off covers other pixels.
bool Stroke::SameShape(const Stroke& other) const
{
    return shape_ == other.shape_ && line_ == other.line_ && box_ == other.box_ && width_ == other.width_
        && start_ == other.start_ && sweep_ == other.sweep_;
}

} // namespace palettra::toolkit
