#pragma once

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// What a message box says: the title of its frame and the text inside it.
struct Message {
    std::string title;
    std::string text;
};

// The button that closes a message box, where a face draws the box itself.
std::string MessageBoxButton(const Language& language);

} // namespace palettra::texts
