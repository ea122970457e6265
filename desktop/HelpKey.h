#pragma once

namespace palettra::desktop {

// F1 in any window is its help key: the core then has the window show its keyboard help.
void InstallKeyboardHelp();

} // namespace palettra::desktop
