#include "toolkit/layout/Decoration.h"

#include "toolkit/layout/SystemColours.h"
#include "toolkit/layout/Zoom.h"

namespace palettra::toolkit {

namespace {

    // Line widths are in pixels of the layout, so they grow with the zoom like everything else.
    Decoration Line(const ControlLayout& row, const Zoom& zoom)
    {
        return { .figure = Decoration::Figure::Line,
            .line = { zoom.Point(row.x1, row.y1), zoom.Point(row.x2, row.y2) },
            .stroke = Resolve(WindowTextColour),
            .lineWidth = row.lineWidth * zoom.Factor(),
            .antialiased = row.x1 != row.x2 && row.y1 != row.y2 };
    }

    Decoration Shape(const ControlLayout& row, const Zoom& zoom)
    {
        const bool circle = row.shape == ShapeKind::Circle;
        Decoration shape { .figure = circle ? Decoration::Figure::Circle : Decoration::Figure::Rectangle,
            .box = zoom.Box(row.left, row.top, row.width, row.height),
            .antialiased = circle };
        if (row.border) {
            shape.stroke = Resolve(WindowTextColour);
            shape.lineWidth = zoom.Factor();
        }
        if (row.filled)
            shape.fill = Resolve(row.backColor.value_or(Fixed(0xFFFFFF)));
        return shape;
    }

} // namespace

std::vector<Decoration> Decorations(const WindowLayout& layout, const Zoom& zoom)
{
    std::vector<Decoration> decorations;
    for (auto row = layout.controls.rbegin(); row != layout.controls.rend(); ++row) {
        if (row->kind == Kind::Line)
            decorations.push_back(Line(*row, zoom));
        else if (row->kind == Kind::Shape)
            decorations.push_back(Shape(*row, zoom));
    }
    return decorations;
}

} // namespace palettra::toolkit
