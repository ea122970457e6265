#pragma once

#include "texts/Message.h"
#include "toolkit/layout/WindowLayout.h"

namespace palettra::toolkit {

class Window;

// The short keyboard help of a window: its tab stops in the order Tab visits them, the keys of its
// scroll bars and buttons, what its pictures do with the focus, and how to close the help.
texts::Message KeyboardHelp(const WindowLayout& layout);

// The help key pressed in a window: its face shows the window's help.
void ShowKeyboardHelp(Window& window);

} // namespace palettra::toolkit
