#pragma once

#include "toolkit/layout/WindowLayout.h"

#include <string>

namespace palettra::toolkit {

// What a screen reader calls a control, when it is fixed: the name its layout gives it, else its
// caption. A label without a name of its own has none fixed, as it is called by the caption it shows
// now, which the platforms' readers follow as it changes; then this is empty.
std::string FixedName(const ControlLayout& control);

// What a screen reader calls a window: the name its layout gives it, else its caption.
std::string WindowName(const WindowLayout& window);

} // namespace palettra::toolkit
