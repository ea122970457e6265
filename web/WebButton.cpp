#include "web/WebButton.h"

#include "toolkit/controls/ButtonFont.h"
#include "toolkit/layout/Twips.h"
#include "web/Css.h"

namespace palettra::web {

using namespace toolkit;

namespace {

    Props ButtonProps(const CommandButton& button)
    {
        const ControlLayout& layout = button.Layout();
        Props props;
        props.Set("kind", std::string("button"))
            .Set("caption", button.ShownCaption())
            .Set("bold", ButtonCaptionFont.weight == Weight::Bold);
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

int WebButton::FontPixels(double zoom) const { return toolkit::FontPixels(ButtonCaptionFont.points, zoom); }

} // namespace palettra::web
