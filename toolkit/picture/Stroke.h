#pragma once

#include "toolkit/layout/Geometry.h"
#include "toolkit/picture/Pixels.h"

namespace palettra::toolkit {

// One drawing call of a picture, in its pixels: what a rasteriser paints on the picture's pixels,
// and what a view paints again at its own resolution.
class Stroke {
public:
    enum class Shape { Fill, Line, Circle, Arc };

    static Stroke Fill(const Rect& pixels, Pixel colour);
    static Stroke Line(const LineF& line, int width, Pixel colour);
    // A radius of 0 is a dot of the pen's width.
    static Stroke Circle(PointF centre, double radius, int width, Pixel colour);
    // Angles in sixteenths of a degree, counter-clockwise on screen.
    static Stroke Arc(const RectF& box, int start, int sweep, int width, Pixel colour);

    Shape Kind() const { return shape_; }
    const LineF& Segment() const { return line_; }
    // Of a fill, a circle or an arc.
    const RectF& Box() const { return box_; }
    int Width() const { return width_; }
    Pixel Colour() const { return colour_; }
    int Start() const { return start_; }
    int Sweep() const { return sweep_; }

    // Covers exactly the pixels of the other, whatever the colours.
    bool SameShape(const Stroke& other) const;

private:
    Stroke(Shape shape, int width, Pixel colour)
        : shape_(shape)
        , width_(width)
        , colour_(colour)
    {
    }

    Shape shape_;
    LineF line_ {};
    RectF box_ {};
    int width_;
    Pixel colour_;
    int start_ = 0;
    int sweep_ = 0;
};

} // namespace palettra::toolkit
