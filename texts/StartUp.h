#pragma once

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// Why the program could not start on the desktop: there is no display to show it on.
std::string NoDisplay(const Language& language);

} // namespace palettra::texts
