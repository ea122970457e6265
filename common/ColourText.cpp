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

// The Japanese interface has always glossed its colour words in English.
std::string ColourWordText(ColourValue colour, const texts::Language& language)
{
    const ColourWord word = NameColour(colour);
    if (!language.IsSource())
        return word.In(language);
    return word.In(language) + " (" + word.In(texts::LanguageFor("en")) + ")";
}

std::string ColourText(ColourValue colour, const texts::Language& language)
{
    // TRANSLATORS: {triple} is a colour's channels, "(255,128,0)"; {word} its name, "orange".
    return language.Say(
        "{triple}、{word}", { { "triple", TripleText(colour) }, { "word", ColourWordText(colour, language) } });
}

} // namespace palettra::common
