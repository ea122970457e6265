#include "texts/Language.h"

#include <algorithm>

namespace palettra::texts {

std::string Language::Name() const
{
    // TRANSLATORS: the name of your language, in your language, as the page's switch offers it.
    return Say("日本語");
}

std::string Language::Say(std::string_view source) const
{
    const auto entry = std::lower_bound(catalogue_.begin(), catalogue_.end(), source,
        [](const Translation& translation, std::string_view key) { return translation.source < key; });
    return std::string(entry != catalogue_.end() && entry->source == source ? entry->text : source);
}

std::string Language::Say(std::string_view source, std::initializer_list<Value> values) const
{
    std::string text = Say(source);
    for (const Value& value : values) {
        // Appended piece by piece: GCC 12 at -O3 takes a literal put in front of a temporary string for an
        // overlapping copy and fails the Release build with a false -Wrestrict.
        std::string place = "{";
        place += value.name;
        place += "}";
        for (auto at = text.find(place); at != std::string::npos; at = text.find(place, at + value.text.size()))
            text.replace(at, place.size(), value.text);
    }
    return text;
}

bool Language::IsSource() const { return this == &Japanese(); }

const Language& Japanese() { return Languages().front(); }

const Language& LanguageFor(std::string_view tag)
{
    const std::string_view primary = tag.substr(0, tag.find_first_of("-_.@"));
    const auto languages = Languages();
    const auto found = std::find_if(
        languages.begin(), languages.end(), [primary](const Language& language) { return language.Tag() == primary; });
    return found == languages.end() ? Japanese() : *found;
}

const Language& FirstSpoken(std::span<const std::string> preferred)
{
    for (const std::string& tag : preferred)
        if (const Language& language = LanguageFor(tag); language.Tag() == tag.substr(0, language.Tag().size()))
            return language;
    return Japanese();
}

const Language& NextAfter(const Language& language)
{
    const auto languages = Languages();
    const auto at
        = std::find_if(languages.begin(), languages.end(), [&](const Language& each) { return &each == &language; });
    return at == languages.end() || at + 1 == languages.end() ? languages.front() : *(at + 1);
}

} // namespace palettra::texts
