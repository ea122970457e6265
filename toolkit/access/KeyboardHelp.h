#pragma once

#include "texts/Message.h"
#include "toolkit/layout/WindowLayout.h"

namespace palettra::toolkit {

class Window;

// Whom the help is for: every face takes keys; the page also takes a finger, and draws the title
// bar's buttons itself.
enum class HelpFor { Keys, KeysAndTouch };

// The short help of a window: its tab stops in the order Tab visits them, the keys of its scroll bars
// and buttons, what its pictures do with the focus, and how to close the help; for touch also what a
// finger does on its bars, its buttons and its title bar.
texts::Message KeyboardHelp(
    const WindowLayout& layout, const texts::Language& language, HelpFor reader = HelpFor::Keys);

// The help key or button pressed in a window: its face shows the window's help.
void ShowKeyboardHelp(Window& window, HelpFor reader = HelpFor::Keys);

} // namespace palettra::toolkit
