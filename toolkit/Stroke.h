#pragma once

#include <QLineF>
#include <QRectF>
#include <QRgb>

class QPainter;

namespace palettra::toolkit {

// One drawing call of a picture, in its pixels: what the picture paints on its image, and what a
// view paints again at its own resolution.
class Stroke {
public:
    static Stroke Fill(const QRect& pixels, QRgb colour);
    static Stroke Line(const QLineF& line, int width, QRgb colour);
    // A radius of 0 is a dot of the pen's width.
    static Stroke Circle(const QPointF& centre, double radius, int width, QRgb colour);
    // Angles in sixteenths of a degree, counter-clockwise on screen.
    static Stroke Arc(const QRectF& box, int start, int sweep, int width, QRgb colour);

    void Paint(QPainter& painter) const;
    // Covers exactly the pixels of the other, whatever the colours.
    bool SameShape(const Stroke& other) const;

private:
    enum class Shape { Fill, Line, Circle, Arc };
    Stroke(Shape shape, int width, QRgb colour)
        : shape_(shape)
        , width_(width)
        , colour_(colour)
    {
    }

    Shape shape_;
    QLineF line_ {};
    QRectF box_ {}; // of a fill, a circle or an arc
    int width_;
    QRgb colour_;
    int start_ = 0;
    int sweep_ = 0;
};

} // namespace palettra::toolkit
