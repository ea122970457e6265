#pragma once

#include "toolkit/WindowLayout.h"

#include <string>

namespace palettra::toolkit {

// The short keyboard help of a window, Japanese then English: its tab stops in the order Tab visits
// them, the keys of its scroll bars and buttons, what its pictures do with the focus, and how to
// close the help.
std::string KeyboardHelpText(const WindowLayout& layout);

} // namespace palettra::toolkit
