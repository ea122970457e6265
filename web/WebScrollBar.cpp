#include "web/WebScrollBar.h"

#include "common/Text.h"

#include <cstdlib>

namespace palettra::web {

namespace {

    // The thumb's length in per cent of the track: a page of the range, as the desktop's style has it.
    double ThumbShare(const toolkit::ScrollBar& bar)
    {
        const double page = bar.LargeChange();
        return 100 * page / (std::abs(bar.Max() - bar.Min()) + page);
    }

    Props BarProps(const toolkit::ScrollBar& bar)
    {
        return std::move(Props()
                             .Set("kind", std::string(bar.Vertical() ? "vbar" : "hbar"))
                             .Set("min", bar.Min())
                             .Set("max", bar.Max())
                             .Set("value", bar.Value())
                             .Set("valueText", common::DecimalText(bar.Value()))
                             .Set("thumbShare", ThumbShare(bar))
                             .Set("repeatDelay", static_cast<int>(toolkit::ScrollBar::RepeatDelay.count()))
                             .Set("repeatInterval", static_cast<int>(toolkit::ScrollBar::RepeatInterval.count())));
    }

} // namespace

WebScrollBar::WebScrollBar(WebFace& face, toolkit::ScrollBar& bar)
    : WebControl(face, bar, BarProps(bar))
    , bar_(bar)
{
}

// Said as the desktop's bar says it: the number.
void WebScrollBar::ShowValue(int value) { Later(Page::Change::BarValue, value, common::DecimalText(value)); }

void WebScrollBar::ShowThumb(int value) { Later(Page::Change::BarThumb, value, {}); }

} // namespace palettra::web
