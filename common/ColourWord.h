#pragma once

#include "common/ColourValue.h"
#include "texts/Language.h"

#include <string>

namespace palettra::common {

// A basic colour term, as a pupil would name the colour.
struct ColourWord {
    const char* word; // the basic term, as the catalogue's Japanese source has it: "赤"
    const char* shade = nullptr; // how its lightness qualifies it, "明るい{colour}", or nothing

    std::string In(const texts::Language& language) const;
};

// Names any colour with one of white, black, grey, red, orange, yellow, yellow-green, green,
// cyan, blue, purple, pink or brown, with "light" or "dark" where the lightness calls for it.
ColourWord NameColour(ColourValue colour);

} // namespace palettra::common
