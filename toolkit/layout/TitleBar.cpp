#include "toolkit/layout/TitleBar.h"

#include "texts/Frame.h"
#include "texts/TouchHelp.h"
#include "toolkit/layout/TouchArea.h"
#include "toolkit/layout/Twips.h"

#include <array>
#include <cstddef>

namespace palettra::toolkit {

namespace {

    using Words = std::string (*)(const texts::Language&);

    std::string LanguageSwitchName(const texts::Language& language) { return NextAfter(language).Name(); }

    // Each button's name, its name while it is on, what a tap on it does, and its key.
    struct ButtonWords {
        Words name;
        Words onName;
        Words does;
        const char* key;
    };

    // In the order of TitleButton.
    const std::array<ButtonWords, 8> EveryButtonsWords { {
        { LanguageSwitchName, LanguageSwitchName, texts::LanguageButtonDoes, "language" },
        { texts::HelpButtonName, texts::HelpButtonName, texts::HelpButtonDoes, "help" },
        { texts::ZoomOutButtonName, texts::ZoomOutButtonName, texts::ZoomOutButtonDoes, "zoomOut" },
        { texts::ZoomInButtonName, texts::ZoomInButtonName, texts::ZoomInButtonDoes, "zoomIn" },
        { texts::FullScreenButtonName, texts::LeaveFullScreenButtonName, texts::FullScreenButtonDoes, "fullScreen" },
        { texts::MaximiseButtonName, texts::RestoreButtonName, texts::MaximiseButtonDoes, "maximise" },
        { texts::CloseBoxName, texts::CloseBoxName, texts::CloseButtonDoes, "close" },
        { texts::MoreButtonsName, texts::MoreButtonsName, texts::MoreButtonsDoes, "more" },
    } };

    const ButtonWords& WordsOf(TitleButton button) { return EveryButtonsWords.at(static_cast<std::size_t>(button)); }

} // namespace

std::vector<TitleButton> TitleBarButtons(const WindowLayout& layout)
{
    std::vector<TitleButton> all { TitleButton::Help, TitleButton::ZoomOut, TitleButton::ZoomIn,
        TitleButton::FullScreen, TitleButton::Maximise, TitleButton::Close };
    std::vector<TitleButton> buttons = Logical(layout.clientWidth) >= FingerSide * static_cast<double>(all.size())
        ? all
        : std::vector { TitleButton::Help, TitleButton::FullScreen, TitleButton::Close, TitleButton::More };
    if (layout.switchesLanguage)
        buttons.insert(buttons.begin(), TitleButton::Language);
    return buttons;
}

std::string TitleButtonName(TitleButton button, const texts::Language& language, bool on)
{
    const ButtonWords& words = WordsOf(button);
    return (on ? words.onName : words.name)(language);
}

std::string TitleButtonHelpLine(TitleButton button, const texts::Language& language)
{
    return texts::TitleButtonLine(language, TitleButtonName(button, language), WordsOf(button).does(language));
}

const char* TitleButtonKey(TitleButton button) { return WordsOf(button).key; }

} // namespace palettra::toolkit
