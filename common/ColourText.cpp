#include "common/ColourText.h"

#include "common/ColourWord.h"
#include "common/Text.h"

#include <algorithm>
#include <array>
#include <cstddef>

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

    // A word's text, kept in static storage: the program's heap stays as it was however many colours
    // a pupil meets, in however many languages.
    struct ComposedWord {
        const texts::Language* language = nullptr;
        const char* word = nullptr; // NameColour's words are its own table's, so their addresses tell them apart
        const char* shade = nullptr;
        std::array<char, 64> text {};
        std::size_t size = 0;

        bool Is(const ColourWord& other, const texts::Language& in) const
        {
            return word == other.word && shade == other.shade && language == &in;
        }
    };

    // Room for every word in several languages; a word that finds none, or too long a text, is
    // composed each time.
    thread_local std::array<ComposedWord, 128> composed;
    thread_local std::size_t composedCount = 0;

    void Keep(const ColourWord& word, const texts::Language& language, const std::string& text)
    {
        if (composedCount == composed.size() || text.size() > composed.front().text.size())
            return;
        ComposedWord& kept = composed[composedCount++];
        kept.language = &language;
        kept.word = word.word;
        kept.shade = word.shade;
        kept.size = text.copy(kept.text.data(), kept.text.size());
    }

} // namespace

// After every action a window describes some two dozen colours, all of them from a few dozen words:
// each word is looked up in its catalogues once for each language, not at every description.
std::string ColourWordText(ColourValue colour, const texts::Language& language)
{
    const ColourWord word = NameColour(colour);
    const auto end = composed.begin() + static_cast<std::ptrdiff_t>(composedCount);
    const auto known
        = std::find_if(composed.begin(), end, [&](const ComposedWord& each) { return each.Is(word, language); });
    if (known != end)
        return std::string(known->text.data(), known->size);
    std::string text = Compose(word, language);
    Keep(word, language, text);
    return text;
}

std::string ColourText(ColourValue colour, const texts::Language& language)
{
    // TRANSLATORS: {triple} is a colour's channels, "(255,128,0)"; {word} its name, "orange".
    return language.Say(
        "{triple}、{word}", { { "triple", TripleText(colour) }, { "word", ColourWordText(colour, language) } });
}

} // namespace palettra::common
