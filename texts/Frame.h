#pragma once

#include <string>

namespace palettra::texts {

// What a screen reader calls the buttons a face draws itself on a window's title bar, and what a
// pointer resting on them shows.
std::string CloseBoxName();
std::string HelpButtonName();
std::string MaximiseButtonName();
std::string RestoreButtonName();
std::string ZoomInButtonName();
std::string ZoomOutButtonName();
std::string FullScreenButtonName();
std::string LeaveFullScreenButtonName();

} // namespace palettra::texts
