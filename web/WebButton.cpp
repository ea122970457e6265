#include "web/WebButton.h"

#include "toolkit/layout/Twips.h"
#include "web/Css.h"

namespace palettra::web {

using namespace toolkit;

namespace {

    // Buttons share one font, the desktop's: nine points, regular.
    constexpr double ButtonPoints = 9;

    Props ButtonProps(const CommandButton& button)
    {
        const ControlLayout& layout = button.Layout();
        Props props;
        props.Set("kind", std::string("button")).Set("caption", button.Caption());
        if (layout.graphical && layout.backColor)
            props.Set("background", Css(*layout.backColor));
        return props;
    }

} // namespace

WebButton::WebButton(WebFace& face, CommandButton& button)
    : WebControl(face, button, ButtonProps(button))
    , button_(button)
{
}

int WebButton::FontPixels(double zoom) const { return toolkit::FontPixels(ButtonPoints, zoom); }

} // namespace palettra::web
