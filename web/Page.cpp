#include "web/Page.h"

namespace palettra::web {

namespace {

    // The program's texts are its own and well formed; a broken sequence still shows as U+FFFD.
    void AppendUtf16(std::u16string& to, std::string_view utf8)
    {
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
            if (length == 0 || i + length > utf8.size()) {
                to += u'\uFFFD';
                ++i;
                continue;
            }
            char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
            for (std::size_t k = 1; k < length; ++k)
                code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
            i += length;
            if (code < 0x10000) {
                to += static_cast<char16_t>(code);
            } else {
                code -= 0x10000;
                to += static_cast<char16_t>(0xD800 + (code >> 10));
                to += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
            }
        }
    }

} // namespace

Page::Page()
    : page_(emscripten::val::global("palettraPage"))
{
}

void Page::Later(Change change, int window, int control, int value, std::string_view text)
{
    if (ended_)
        return;
    const std::size_t textStart = texts_.size();
    AppendUtf16(texts_, text);
    changes_.insert(changes_.end(),
        { static_cast<std::int32_t>(change), window, control, value,
            static_cast<std::int32_t>(texts_.size() - textStart) });
}

// The page reads the views at once and keeps nothing of them, and nothing it does calls the module,
// so the memory under them stays where it is until the call returns.
void Page::Flush()
{
    if (changes_.empty())
        return;
    // The page reads the texts as unsigned 16-bit numbers, which char16_t is in all but name.
    const auto* units = reinterpret_cast<const std::uint16_t*>(texts_.data());
    page_.call<void>("update", View(changes_.data(), changes_.size()), View(units, texts_.size()));
    changes_.clear();
    texts_.clear();
}

void Page::End()
{
    changes_.clear();
    texts_.clear();
    page_.call<void>("ended");
    ended_ = true;
}

} // namespace palettra::web
