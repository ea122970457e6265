#pragma once

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// The sentences of a window's keyboard help; which of them a window's help has is the toolkit's
// business, by the kinds of control the window holds.
std::string KeyboardHelpTitle(const Language& language);
// The Tab keys, and the names of the tab stops in the order Tab visits them.
std::string TabKeys(const Language& language, const std::string& stops);
std::string ScrollBarKeys(const Language& language);
std::string ButtonKeys(const Language& language);
std::string PictureKeys(const Language& language);
std::string HelpClosing(const Language& language);

} // namespace palettra::texts
