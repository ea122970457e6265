#pragma once

#include "common/ColourValue.h"

#include <string>

namespace palettra::common {

// A basic colour term, as a pupil would name the colour.
struct ColourWord {
    std::string japanese;
    std::string english;
};

// Names any colour with one of white, black, grey, red, orange, yellow, yellow-green, green,
// cyan, blue, purple, pink or brown, with "light" or "dark" where the lightness calls for it.
ColourWord NameColour(ColourValue colour);

} // namespace palettra::common
