#include "web/Decorations.h"

#include "web/Css.h"
#include "web/Page.h"

namespace palettra::web {

using namespace toolkit;

namespace {

    Props Line(const Decoration& line)
    {
        return std::move(Props()
                             .Set("kind", std::string("line"))
                             .Set("x1", line.line.from.x)
                             .Set("y1", line.line.from.y)
                             .Set("x2", line.line.to.x)
                             .Set("y2", line.line.to.y));
    }

    Props Shape(const Decoration& shape)
    {
        return std::move(
            Props()
                .Set("kind", std::string(shape.figure == Decoration::Figure::Circle ? "circle" : "rectangle"))
                .Set("left", shape.box.left)
                .Set("top", shape.box.top)
                .Set("width", shape.box.width)
                .Set("height", shape.box.height));
    }

    emscripten::val PageDecoration(const Decoration& decoration)
    {
        Props props = decoration.figure == Decoration::Figure::Line ? Line(decoration) : Shape(decoration);
        props.Set("lineWidth", decoration.lineWidth).Set("antialiased", decoration.antialiased);
        if (decoration.stroke)
            props.Set("stroke", Css(*decoration.stroke));
        if (decoration.fill)
            props.Set("fill", Css(*decoration.fill));
        return props.Object();
    }

} // namespace

emscripten::val PageDecorations(const std::vector<Decoration>& decorations)
{
    emscripten::val shapes = emscripten::val::array();
    for (const Decoration& decoration : decorations)
        shapes.call<void>("push", PageDecoration(decoration));
    return shapes;
}

} // namespace palettra::web
