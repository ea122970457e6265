#include "toolkit/layout/TitleBar.h"

#include "texts/Frame.h"
#include "toolkit/layout/TouchArea.h"
#include "toolkit/layout/Twips.h"

namespace palettra::toolkit {

std::vector<TitleButton> TitleBarButtons(const WindowLayout& layout)
{
    std::vector<TitleButton> all { TitleButton::Help, TitleButton::ZoomOut, TitleButton::ZoomIn,
        TitleButton::FullScreen, TitleButton::Maximise, TitleButton::Close };
    std::vector<TitleButton> buttons = Logical(layout.clientWidth) >= FingerSide * static_cast<double>(all.size())
        ? all
        : std::vector { TitleButton::Help, TitleButton::FullScreen, TitleButton::Close };
    if (layout.switchesLanguage)
        buttons.insert(buttons.begin(), TitleButton::Language);
    return buttons;
}

std::string TitleButtonName(TitleButton button, const texts::Language& language, bool on)
{
    switch (button) {
    case TitleButton::Language:
        return NextAfter(language).Name();
    case TitleButton::Help:
        return texts::HelpButtonName(language);
    case TitleButton::ZoomOut:
        return texts::ZoomOutButtonName(language);
    case TitleButton::ZoomIn:
        return texts::ZoomInButtonName(language);
    case TitleButton::FullScreen:
        return on ? texts::LeaveFullScreenButtonName(language) : texts::FullScreenButtonName(language);
    case TitleButton::Maximise:
        return on ? texts::RestoreButtonName(language) : texts::MaximiseButtonName(language);
    case TitleButton::Close:
        break;
    }
    return texts::CloseBoxName(language);
}

} // namespace palettra::toolkit
