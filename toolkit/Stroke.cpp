#include "toolkit/Stroke.h"

#include <QPainter>

namespace palettra::toolkit {

Stroke Stroke::Fill(const QRect& pixels, QRgb colour)
{
    Stroke fill { Shape::Fill, 0, colour };
    fill.box_ = pixels;
    return fill;
}

Stroke Stroke::Line(const QLineF& line, int width, QRgb colour)
{
    Stroke stroke { Shape::Line, width, colour };
    stroke.line_ = line;
    return stroke;
}

Stroke Stroke::Circle(const QPointF& centre, double radius, int width, QRgb colour)
{
    Stroke circle { Shape::Circle, width, colour };
    circle.box_ = QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    return circle;
}

Stroke Stroke::Arc(const QRectF& box, int start, int sweep, int width, QRgb colour)
{
    Stroke arc { Shape::Arc, width, colour };
    arc.box_ = box;
    arc.start_ = start;
    arc.sweep_ = sweep;
    return arc;
}

void Stroke::Paint(QPainter& painter) const
{
    const QColor colour(colour_);
    // Round ends, so that the rings of a thick pen merge and a thick dot is round; an arc ends square.
    const Qt::PenCapStyle cap = shape_ == Shape::Arc ? Qt::FlatCap : Qt::RoundCap;
    painter.setPen(QPen(colour, width_, Qt::SolidLine, cap, Qt::RoundJoin));
    switch (shape_) {
    case Shape::Fill:
        painter.fillRect(box_, colour);
        break;
    case Shape::Line:
        painter.drawLine(line_);
        break;
    case Shape::Circle:
        if (box_.isEmpty())
            painter.drawPoint(box_.center());
        else
            painter.drawEllipse(box_);
        break;
    case Shape::Arc:
        painter.drawArc(box_, start_, sweep_);
        break;
    }
}

// Exactly the same coordinates: Qt's own comparisons of points and rectangles allow a little slack.
bool Stroke::SameShape(const Stroke& other) const
{
    auto same = [](QPointF a, QPointF b) { return a.x() == b.x() && a.y() == b.y(); };
    return shape_ == other.shape_ && same(line_.p1(), other.line_.p1()) && same(line_.p2(), other.line_.p2())
        && same(box_.topLeft(), other.box_.topLeft())
        && same({ box_.width(), box_.height() }, { other.box_.width(), other.box_.height() }) && width_ == other.width_
        && start_ == other.start_ && sweep_ == other.sweep_;
}

} // namespace palettra::toolkit
