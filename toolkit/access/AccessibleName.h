#pragma once

#include "texts/Language.h"
#include "toolkit/layout/WindowLayout.h"

#include <string>
#include <string_view>

namespace palettra::toolkit {

// What a screen reader calls a control, when it is fixed: the name its layout gives it, else its
// caption. A label without a name of its own has none fixed, as it is called by the caption it shows
// now, which the platforms' readers follow as it changes; then this is empty.
std::string FixedName(const ControlLayout& control, const texts::Language& language);

// What a screen reader calls a window: the name its layout gives it, else its caption.
std::string WindowName(const WindowLayout& window, const texts::Language& language);
// What a window's title bar says.
std::string WindowTitle(const WindowLayout& window, const texts::Language& language);
// What a control is for, as its description begins.
std::string_view Purpose(const ControlLayout& control, const texts::Language& language);

} // namespace palettra::toolkit
