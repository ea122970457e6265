#include "web/Page.h"

#include "texts/Ending.h"

namespace palettra::web {

void Page::Later(Change change, int window, int control, int value, std::string_view text)
{
    if (ended_)
        return;
    texts_ += text;
    changes_.insert(changes_.end(),
        { static_cast<std::int32_t>(change), window, control, value, static_cast<std::int32_t>(text.size()) });
}

// The page reads the views at once and keeps nothing of them, and nothing it does calls the module,
// so the memory under them stays where it is until the call returns.
void Page::Flush()
{
    if (changes_.empty())
        return;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(texts_.data());
    page_.call<void>("update", View(changes_.data(), changes_.size()), View(bytes, texts_.size()));
    changes_.clear();
    texts_.clear();
}

void Page::End(const texts::Language& language)
{
    changes_.clear();
    texts_.clear();
    const texts::Ending ending = texts::ProgramEnded(language);
    page_.call<void>("ended", ending.text, ending.startAgain);
    ended_ = true;
}

} // namespace palettra::web
