#include "toolkit/access/KeyboardHelp.h"

#include "texts/KeyboardHelp.h"
#include "texts/TouchHelp.h"
#include "toolkit/Window.h"
#include "toolkit/access/AccessibleName.h"
#include "toolkit/access/TabOrder.h"
#include "toolkit/layout/TitleBar.h"

#include <algorithm>
#include <initializer_list>

namespace palettra::toolkit {

namespace {

    std::string TabOrder(const WindowLayout& layout)
    {
        std::string text;
        for (const ControlLayout* control : TabStops(layout))
            text += (text.empty() ? "" : "、") + FixedName(*control);
        return text;
    }

    bool Has(const WindowLayout& layout, std::initializer_list<Kind> kinds)
    {
        return std::any_of(layout.controls.begin(), layout.controls.end(), [&](const ControlLayout& control) {
            return std::find(kinds.begin(), kinds.end(), control.kind) != kinds.end();
        });
    }

    bool HasBars(const WindowLayout& layout) { return Has(layout, { Kind::HScrollBar, Kind::VScrollBar }); }
    bool HasButtons(const WindowLayout& layout) { return Has(layout, { Kind::CommandButton }); }

    std::string TitleButtonTouch(TitleButton button)
    {
        switch (button) {
        case TitleButton::Help:
            return texts::HelpButtonTouch();
        case TitleButton::ZoomOut:
            return texts::ZoomOutButtonTouch();
        case TitleButton::ZoomIn:
            return texts::ZoomInButtonTouch();
        case TitleButton::FullScreen:
            return texts::FullScreenButtonTouch();
        case TitleButton::Maximise:
            return texts::MaximiseButtonTouch();
        case TitleButton::Close:
            break;
        }
        return texts::CloseButtonTouch();
    }

    // What a finger does on the window's controls, and on its title bar with the buttons it has.
    std::string TouchLines(const WindowLayout& layout)
    {
        std::string text;
        if (HasBars(layout))
            text += texts::ScrollBarTouch() + "\n";
        if (HasButtons(layout))
            text += texts::ButtonTouch() + "\n";
        text += texts::TitleBarTouch() + "\n";
        for (const TitleButton button : TitleBarButtons(layout))
            text += TitleButtonTouch(button) + "\n";
        return text;
    }

} // namespace

texts::Message KeyboardHelp(const WindowLayout& layout, HelpFor reader)
{
    std::string text = texts::TabKeys(TabOrder(layout)) + "\n";
    if (HasBars(layout))
        text += texts::ScrollBarKeys() + "\n";
    if (HasButtons(layout))
        text += texts::ButtonKeys() + "\n";
    if (Has(layout, { Kind::PictureBox }))
        text += texts::PictureKeys() + "\n";
    if (reader == HelpFor::KeysAndTouch)
        text += TouchLines(layout);
    return { texts::KeyboardHelpTitle(), text + texts::HelpClosing() };
}

void ShowKeyboardHelp(Window& window, HelpFor reader) { window.Peer().ShowHelp(KeyboardHelp(window.Layout(), reader)); }

} // namespace palettra::toolkit
