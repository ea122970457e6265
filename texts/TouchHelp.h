#pragma once

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// The sentences of a window's help that tell what a finger does, where the face takes touch and
// draws the title bar's buttons itself; which of them a window's help has is the toolkit's business.
std::string ButtonTouch(const Language& language);
std::string ScrollBarTouch(const Language& language);
std::string TitleBarTouch(const Language& language);
// `next` is the language the switch goes to, by its own name.
std::string LanguageButtonTouch(const Language& language, const std::string& next);
std::string HelpButtonTouch(const Language& language);
std::string ZoomOutButtonTouch(const Language& language);
std::string ZoomInButtonTouch(const Language& language);
std::string FullScreenButtonTouch(const Language& language);
std::string MaximiseButtonTouch(const Language& language);
std::string CloseButtonTouch(const Language& language);

} // namespace palettra::texts
