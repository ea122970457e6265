#pragma once

#include "toolkit/WindowLayout.h"

#include <vector>

namespace palettra::toolkit {

// Buttons, scroll bars and picture boxes take the focus; labels and decorations never do.
bool TakesFocus(Kind kind);

// The controls that Tab visits, in the order it visits them: by tab index, layout order among equals.
std::vector<const ControlLayout*> TabStops(const WindowLayout& layout);

} // namespace palettra::toolkit
