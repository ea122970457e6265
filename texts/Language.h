#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace palettra::texts {

// Marks a text of the layouts for the catalogue: the layouts hold the Japanese source, which a
// window shows through its language.
constexpr const char* Text(const char* japanese) { return japanese; }

// One entry of a language's catalogue: the Japanese source and its translation.
struct Translation {
    std::string_view source;
    std::string_view text;
};

// A value put into a text at its named place, `{name}`, wherever the translation puts it.
struct Value {
    std::string_view name;
    std::string_view text;
};

// A language of the interface, with its catalogue. Japanese is the source and has none: its texts
// are the program's own, exactly as written.
class Language {
public:
    constexpr Language(std::string_view tag, std::span<const Translation> catalogue)
        : tag_(tag)
        , catalogue_(catalogue)
    {
    }

    // Its tag as a browser names it, "ja" or "en".
    std::string_view Tag() const { return tag_; }
    // Its name in itself, as a switch between languages offers it.
    std::string Name() const;
    // Whether it is Japanese, the language the sources are written in.
    bool IsSource() const;

    // The text in this language: the translation of the Japanese source, or the source itself where
    // the catalogue has none (numbers and codes, and whatever a handler wrote).
    std::string Say(std::string_view source) const;
    // The same, with each `{name}` of the translation replaced by its value; a value is put in as it
    // is, never searched for places of its own.
    std::string Say(std::string_view source, std::initializer_list<Value> values) const;
    // The text as Say gives it, without copying it: the catalogue's, which lasts as long as the
    // program, or the source it was given.
    std::string_view Find(std::string_view source) const;

private:
    std::string_view tag_;
    std::span<const Translation> catalogue_;
};

// Every language the program speaks, Japanese first.
std::span<const Language> Languages();
const Language& Japanese();
// The language a locale or a browser's tag asks for ("en", "en_GB.UTF-8", "en-US"): the one of that
// language, Japanese for any that the program does not speak.
const Language& LanguageFor(std::string_view tag);
// The first of the preferred languages that the program speaks, else Japanese.
const Language& FirstSpoken(std::span<const std::string> preferred);
// The next language after this one, for a switch that goes round them all.
const Language& NextAfter(const Language& language);

} // namespace palettra::texts
