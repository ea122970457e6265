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

    std::string TabOrder(const WindowLayout& layout, const texts::Language& language)
    {
        // TRANSLATORS: what comes between two names of a list, as in "Red、Green、Blue".
        const std::string between = language.Say("、");
        std::string text;
        for (const ControlLayout* control : TabStops(layout))
            text += (text.empty() ? "" : between) + FixedName(*control, language);
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

    // What a finger does on the window's controls, and on its title bar with the buttons it has.
    std::string TouchLines(const WindowLayout& layout, const texts::Language& language)
    {
        std::string text;
        if (HasBars(layout))
            text += texts::ScrollBarTouch(language) + "\n";
        if (HasButtons(layout))
            text += texts::ButtonTouch(language) + "\n";
        text += texts::TitleBarTouch(language) + "\n";
        for (const TitleButton button : TitleBarButtons(layout))
            text += TitleButtonHelpLine(button, language) + "\n";
        return text;
    }

} // namespace

texts::Message KeyboardHelp(const WindowLayout& layout, const texts::Language& language, HelpFor reader)
{
    std::string text = texts::TabKeys(language, TabOrder(layout, language)) + "\n";
    if (HasBars(layout))
        text += texts::ScrollBarKeys(language) + "\n";
    if (HasButtons(layout))
        text += texts::ButtonKeys(language) + "\n";
    if (Has(layout, { Kind::PictureBox }))
        text += texts::PictureKeys(language) + "\n";
    if (reader == HelpFor::KeysAndTouch)
        text += TouchLines(layout, language);
    return { texts::KeyboardHelpTitle(language), text + texts::HelpClosing(language) };
}

void ShowKeyboardHelp(Window& window, HelpFor reader)
{
    window.Peer().ShowHelp(KeyboardHelp(window.Layout(), window.Language(), reader));
}

} // namespace palettra::toolkit
