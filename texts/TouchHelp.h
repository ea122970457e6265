#pragma once

#include <string>

namespace palettra::texts {

// The sentences of a window's help that tell what a finger does, where the face takes touch and
// draws the title bar's buttons itself; which of them a window's help has is the toolkit's business.
std::string ButtonTouch();
std::string ScrollBarTouch();
std::string TitleBarTouch();
std::string HelpButtonTouch();
std::string ZoomOutButtonTouch();
std::string ZoomInButtonTouch();
std::string FullScreenButtonTouch();
std::string MaximiseButtonTouch();
std::string CloseButtonTouch();

} // namespace palettra::texts
