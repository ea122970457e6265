#pragma once

#include "common/ColourValue.h"
#include "texts/Language.h"

#include <string>

namespace palettra::common {

// The channels as the mixer writes them, "(255,128,0)": no blanks.
std::string TripleText(ColourValue colour);

// The colour's word: in Japanese with the English after it, "橙 (orange)"; in another language alone.
std::string ColourWordText(ColourValue colour, const texts::Language& language);

// Both, as a screen reader says a colour: "(255,128,0)、橙 (orange)".
std::string ColourText(ColourValue colour, const texts::Language& language);

} // namespace palettra::common
