#include "web/WebLabel.h"

#include "toolkit/layout/Twips.h"
#include "web/Css.h"

namespace palettra::web {

using namespace toolkit;

namespace {

    Props LabelProps(const Label& label)
    {
        const ControlLayout& layout = label.Layout();
        return std::move(Props()
                             .Set("kind", std::string("label"))
                             .Set("caption", label.ShownCaption())
                             .Set("bold", layout.font.weight == Weight::Bold)
                             .Set("foreground", Css(layout.foreColor.value_or(WindowTextColour)))
                             .Set("alignRight", layout.alignment == Alignment::Right));
    }

} // namespace

WebLabel::WebLabel(WebFace& face, const Label& label)
    : WebControl(face, label, LabelProps(label))
    , font_(label.Layout().font)
{
}

int WebLabel::FontPixels(double zoom) const { return toolkit::FontPixels(font_.points, zoom); }

} // namespace palettra::web
