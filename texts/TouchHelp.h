#pragma once

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// The sentences of a window's help that tell what a finger does, where the face takes touch and
// draws the title bar's buttons itself; which of them a window's help has is the toolkit's business.
std::string ButtonTouch(const Language& language);
std::string ScrollBarTouch(const Language& language);
std::string TitleBarTouch(const Language& language);
// One line of the list under it: a button by the name a screen reader gives it, and what it does.
std::string TitleButtonLine(const Language& language, const std::string& name, const std::string& what);
// What a tap on each of the title bar's buttons does.
std::string LanguageButtonDoes(const Language& language);
std::string HelpButtonDoes(const Language& language);
std::string ZoomOutButtonDoes(const Language& language);
std::string ZoomInButtonDoes(const Language& language);
std::string FullScreenButtonDoes(const Language& language);
std::string MaximiseButtonDoes(const Language& language);
std::string CloseButtonDoes(const Language& language);
std::string MoreButtonsDoes(const Language& language);

} // namespace palettra::texts
