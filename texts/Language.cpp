#include "texts/Language.h"

#include <algorithm>

namespace palettra::texts {

std::string Language::Name() const
{
    // TRANSLATORS: the name of your language, in your language, as the page's switch offers it.
    return Say("日本語");
}

std::string_view Language::Find(std::string_view source) const
{
    const auto entry = std::lower_bound(catalogue_.begin(), catalogue_.end(), source,
        [](const Translation& translation, std::string_view key) { return translation.source < key; });
    return entry != catalogue_.end() && entry->source == source ? entry->text : source;
}

std::string Language::Say(std::string_view source) const { return std::string(Find(source)); }

// One pass over the pattern: every handler's outcome and description is built this way, after
// every action, so it neither copies the pattern nor searches it once for each value.
std::string Language::Say(std::string_view source, std::initializer_list<Value> values) const
{
    const std::string_view pattern = Find(source);
    // Room for every value once, so that a long one, a window's whole outcome, is not copied twice.
    std::size_t room = pattern.size();
    for (const Value& value : values)
        room += value.text.size();
    std::string text;
    text.reserve(room);
    std::size_t at = 0;
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos; open = pattern.find('{', at)) {
        const std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos)
            break;
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto value
            = std::find_if(values.begin(), values.end(), [name](const Value& each) { return each.name == name; });
        text += pattern.substr(at, open - at);
        text += value == values.end() ? pattern.substr(open, close + 1 - open) : value->text;
        at = close + 1;
    }
    text += pattern.substr(at);
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
