#pragma once

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// What a screen reader calls the buttons a face draws itself on a window's title bar, and what a
// pointer resting on them shows.
std::string CloseBoxName(const Language& language);
std::string HelpButtonName(const Language& language);
std::string MaximiseButtonName(const Language& language);
std::string RestoreButtonName(const Language& language);
std::string ZoomInButtonName(const Language& language);
std::string ZoomOutButtonName(const Language& language);
std::string FullScreenButtonName(const Language& language);
std::string LeaveFullScreenButtonName(const Language& language);
std::string MoreButtonsName(const Language& language);

} // namespace palettra::texts
