#include "common/ColourText.h"

#include "common/ColourWord.h"
#include "common/Text.h"

#include <algorithm>
#include <vector>

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

namespace {

    // The Japanese interface has always glossed its colour words in English.
    std::string Compose(const ColourWord& word, const texts::Language& language)
    {
        if (!language.IsSource())
            return word.In(language);
        return word.In(language) + " (" + word.In(texts::LanguageFor("en")) + ")";
    }

    struct ComposedWord {
        const texts::Language* language;
        const char* word; // NameColour's words are its own table's, so their addresses tell them apart
        const char* shade;
        std::string text;
    };

} // namespace

// After every action a window describes some two dozen colours, all of them from a few dozen words:
// each word is looked up in its catalogues once for each language, not at every description.
std::string ColourWordText(ColourValue colour, const texts::Language& language)
{
    thread_local std::vector<ComposedWord> composed;
    const ColourWord word = NameColour(colour);
    auto known = std::find_if(composed.begin(), composed.end(), [&](const ComposedWord& each) {
        return each.word == word.word && each.shade == word.shade && each.language == &language;
    });
    if (known == composed.end())
        known = composed.insert(composed.end(), { &language, word.word, word.shade, Compose(word, language) });
    return known->text;
}

std::string ColourText(ColourValue colour, const texts::Language& language)
{
    // TRANSLATORS: {triple} is a colour's channels, "(255,128,0)"; {word} its name, "orange".
    return language.Say(
        "{triple}、{word}", { { "triple", TripleText(colour) }, { "word", ColourWordText(colour, language) } });
}

} // namespace palettra::common
