#pragma once

#include <string>

namespace palettra::texts {

// The sentences of a window's keyboard help; which of them a window's help has is the toolkit's
// business, by the kinds of control the window holds.
std::string KeyboardHelpTitle();
// The Tab keys, and the names of the tab stops in the order Tab visits them.
std::string TabKeys(const std::string& stops);
std::string ScrollBarKeys();
std::string ButtonKeys();
std::string PictureKeys();
std::string HelpClosing();

} // namespace palettra::texts
