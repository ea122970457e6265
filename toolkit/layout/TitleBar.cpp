#include "toolkit/layout/TitleBar.h"

#include "texts/Frame.h"
#include "toolkit/layout/TouchArea.h"
#include "toolkit/layout/Twips.h"

namespace palettra::toolkit {

std::vector<TitleButton> TitleBarButtons(const WindowLayout& layout)
{
    std::vector<TitleButton> all { TitleButton::Help, TitleButton::ZoomOut, TitleButton::ZoomIn,
        TitleButton::FullScreen, TitleButton::Maximise, TitleButton::Close };
    if (Logical(layout.clientWidth) >= FingerSide * static_cast<double>(all.size()))
        return all;
    return { TitleButton::Help, TitleButton::FullScreen, TitleButton::Close };
}

std::string TitleButtonName(TitleButton button, bool on)
{
    switch (button) {
    case TitleButton::Help:
        return texts::HelpButtonName();
    case TitleButton::ZoomOut:
        return texts::ZoomOutButtonName();
    case TitleButton::ZoomIn:
        return texts::ZoomInButtonName();
    case TitleButton::FullScreen:
        return on ? texts::LeaveFullScreenButtonName() : texts::FullScreenButtonName();
    case TitleButton::Maximise:
        return on ? texts::RestoreButtonName() : texts::MaximiseButtonName();
    case TitleButton::Close:
        break;
    }
    return texts::CloseBoxName();
}

} // namespace palettra::toolkit
