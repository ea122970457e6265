#pragma once

#include <string>

namespace palettra::texts {

// Why the program could not start on the desktop: there is no display to show it on.
std::string NoDisplay();

} // namespace palettra::texts
