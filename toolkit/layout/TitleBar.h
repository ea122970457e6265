#pragma once

#include "texts/Language.h"
#include "toolkit/layout/WindowLayout.h"

#include <string>
#include <vector>

namespace palettra::toolkit {

// The buttons of a title bar that a face draws itself, for a screen without keys or a window
// manager: the switch to the next language, the help, the zoom steps, full screen, maximise, close,
// and the one that unfolds the buttons a narrow bar has no room for.
enum class TitleButton { Language, Help, ZoomOut, ZoomIn, FullScreen, Maximise, Close, More };

// A window's buttons in order from the left. A window too narrow for all of them at a finger's size
// (the menu) keeps the help, full screen and close, which it can use, and "more" last, which the
// face shows only while the bar cannot hold the rest in one row. The window that switches the
// language has that switch first.
std::vector<TitleButton> TitleBarButtons(const WindowLayout& layout);

// What a screen reader calls the button in this language; `on` for a maximised window or a page in
// full screen, whose button puts it back. The language switch is called by the language it switches
// to, in that language, as it shows it.
std::string TitleButtonName(TitleButton button, const texts::Language& language, bool on = false);

// The button's line in a window's help where a finger taps it: its name and what it does.
std::string TitleButtonHelpLine(TitleButton button, const texts::Language& language);

// The word a face that draws the buttons knows each one by, as the page does in its script and style.
const char* TitleButtonKey(TitleButton button);

} // namespace palettra::toolkit
