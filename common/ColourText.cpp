#include "common/ColourText.h"

#include "common/ColourWord.h"
#include "common/Text.h"

namespace palettra::common {

// Appended piece by piece: GCC 12 at -O3 takes a literal put in front of a temporary string for an
// overlapping copy and fails the Release build with a false -Wrestrict.
std::string TripleText(ColourValue colour)
{
    std::string text = "(";
    text += DecimalText(RedOf(colour));
    text += ",";
    text += DecimalText(GreenOf(colour));
    text += ",";
    text += DecimalText(BlueOf(colour));
    text += ")";
    return text;
}

std::string ColourWordText(ColourValue colour)
{
    const ColourWord word = NameColour(colour);
    return word.japanese + " (" + word.english + ")";
}

std::string ColourText(ColourValue colour) { return TripleText(colour) + "、" + ColourWordText(colour); }

} // namespace palettra::common
