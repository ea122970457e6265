#pragma once

namespace palettra::toolkit {

// F1 in any window opens that window's keyboard help as an ordinary message dialog.
void InstallKeyboardHelp();

} // namespace palettra::toolkit
