#include "toolkit/TabOrder.h"

#include <algorithm>

namespace palettra::toolkit {

bool TakesFocus(Kind kind)
{
    return kind == Kind::CommandButton || kind == Kind::HScrollBar || kind == Kind::VScrollBar
        || kind == Kind::PictureBox;
}

std::vector<const ControlLayout*> TabStops(const WindowLayout& layout)
{
    std::vector<const ControlLayout*> stops;
    for (const ControlLayout& control : layout.controls)
        if (TakesFocus(control.kind))
            stops.push_back(&control);
    std::stable_sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    return stops;
}

} // namespace palettra::toolkit
