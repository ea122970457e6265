#include "web/Decorations.h"

#include "toolkit/layout/Twips.h"
#include "web/Css.h"
#include "web/Page.h"

namespace palettra::web {

using namespace toolkit;

namespace {

    Props Line(const ControlLayout& row)
    {
        return std::move(Props()
                             .Set("kind", std::string("line"))
                             .Set("x1", Logical(row.x1))
                             .Set("y1", Logical(row.y1))
                             .Set("x2", Logical(row.x2))
                             .Set("y2", Logical(row.y2))
                             .Set("lineWidth", row.lineWidth)
                             .Set("stroke", Css(WindowTextColour)));
    }

    Props Shape(const ControlLayout& row)
    {
        Props props;
        props.Set("kind", std::string(row.shape == ShapeKind::Circle ? "circle" : "rectangle"))
            .Set("left", Pixels(row.left))
            .Set("top", Pixels(row.top))
            .Set("width", Pixels(row.width))
            .Set("height", Pixels(row.height))
            .Set("lineWidth", row.border ? 1 : 0);
        if (row.border)
            props.Set("stroke", Css(WindowTextColour));
        if (row.filled)
            props.Set("fill", Css(row.backColor.value_or(Fixed(0xFFFFFF))));
        return props;
    }

} // namespace

emscripten::val Decorations(const WindowLayout& layout)
{
    emscripten::val shapes = emscripten::val::array();
    for (auto row = layout.controls.rbegin(); row != layout.controls.rend(); ++row) {
        if (row->kind == Kind::Line)
            shapes.call<void>("push", Line(*row).Object());
        else if (row->kind == Kind::Shape)
            shapes.call<void>("push", Shape(*row).Object());
    }
    return shapes;
}

} // namespace palettra::web
