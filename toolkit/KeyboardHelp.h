#pragma once

#include "toolkit/layout/WindowLayout.h"

#include <string>

namespace palettra::toolkit {

// The short keyboard help of a window, Japanese then English: its tab order, the keys of
// its scroll bars and buttons, and how to close the help.
std::string KeyboardHelpText(const WindowLayout& layout);

// F1 in any window opens that window's keyboard help as an ordinary message dialog.
void InstallKeyboardHelp();

} // namespace palettra::toolkit
