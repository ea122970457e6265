#include "common/ColourText.h"

#include "common/ColourWord.h"
#include "common/Text.h"

namespace palettra::common {

std::string TripleText(ColourValue colour)
{
    return "(" + DecimalText(RedOf(colour)) + "," + DecimalText(GreenOf(colour)) + "," + DecimalText(BlueOf(colour))
        + ")";
}

std::string ColourWordText(ColourValue colour)
{
    const ColourWord word = NameColour(colour);
    return word.japanese + " (" + word.english + ")";
}

std::string ColourText(ColourValue colour) { return TripleText(colour) + "、" + ColourWordText(colour); }

} // namespace palettra::common
