#pragma once

#include <string>

namespace palettra::texts {

// What a screen reader calls the box that closes a window, where the face draws one itself.
std::string CloseBoxName();

} // namespace palettra::texts
