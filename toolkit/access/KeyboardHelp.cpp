#include "toolkit/access/KeyboardHelp.h"

#include "texts/KeyboardHelp.h"
#include "toolkit/Window.h"
#include "toolkit/access/AccessibleName.h"
#include "toolkit/access/TabOrder.h"

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

} // namespace

texts::Message KeyboardHelp(const WindowLayout& layout)
{
    std::string text = texts::TabKeys(TabOrder(layout)) + "\n";
    if (Has(layout, { Kind::HScrollBar, Kind::VScrollBar }))
        text += texts::ScrollBarKeys() + "\n";
    if (Has(layout, { Kind::CommandButton }))
        text += texts::ButtonKeys() + "\n";
    if (Has(layout, { Kind::PictureBox }))
        text += texts::PictureKeys() + "\n";
    return { texts::KeyboardHelpTitle(), text + texts::HelpClosing() };
}

void ShowKeyboardHelp(Window& window) { window.Peer().ShowHelp(KeyboardHelp(window.Layout())); }

} // namespace palettra::toolkit
