#include "web/WebScrollBar.h"

#include "common/Text.h"

namespace palettra::web {

namespace {

    Props BarProps(const toolkit::ScrollBar& bar)
    {
        return std::move(Props()
                             .Set("kind", std::string(bar.Vertical() ? "vbar" : "hbar"))
                             .Set("min", bar.Min())
                             .Set("max", bar.Max())
                             .Set("value", bar.Value())
                             .Set("valueText", common::DecimalText(bar.Value()))
                             .Set("smallChange", bar.SmallChange())
                             .Set("largeChange", bar.LargeChange()));
    }

} // namespace

WebScrollBar::WebScrollBar(WebFace& face, toolkit::ScrollBar& bar)
    : WebControl(face, bar, BarProps(bar))
    , bar_(bar)
{
}

// Said as the desktop's bar says it: the number.
void WebScrollBar::ShowValue(int value) { Later(Page::Change::BarValue, value, common::DecimalText(value)); }

} // namespace palettra::web
