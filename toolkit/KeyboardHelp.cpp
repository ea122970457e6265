#include "toolkit/KeyboardHelp.h"

#include "toolkit/TabOrder.h"

#include <algorithm>
#include <initializer_list>

namespace palettra::toolkit {

namespace {

    std::string TabOrder(const WindowLayout& layout)
    {
        std::string text;
        for (const ControlLayout* control : TabStops(layout))
            text += (text.empty() ? "" : "、")
                + (control->accessibleName.empty() ? control->caption : control->accessibleName);
        return text;
    }

    bool Has(const WindowLayout& layout, std::initializer_list<Kind> kinds)
    {
        return std::any_of(layout.controls.begin(), layout.controls.end(), [&](const ControlLayout& control) {
            return std::find(kinds.begin(), kinds.end(), control.kind) != kinds.end();
        });
    }

} // namespace

std::string KeyboardHelpText(const WindowLayout& layout)
{
    std::string text = "Tab で次、Shift+Tab で前へ (Tab moves on, Shift+Tab back): " + TabOrder(layout) + "\n";
    if (Has(layout, { Kind::HScrollBar, Kind::VScrollBar }))
        text += "スクロールバー: ← ↑ で一つ下げ、→ ↓ で一つ上げ、PageUp と PageDown で大きく、Home と End で端へ"
                " (scroll bars: Left or Up one step down, Right or Down one step up, Page Up and Page Down a large "
                "step, Home and End to either end)\n";
    if (Has(layout, { Kind::CommandButton }))
        text += "ボタン: Space か Enter で押す (buttons: Space or Enter presses)\n";
    if (Has(layout, { Kind::PictureBox }))
        text
            += "絵: フォーカスがあると名前と今の様子が読み上げられるだけで、キーは何もしない (pictures: a picture with "
               "the focus is only read out, its name and what it shows now; keys do nothing there)\n";
    return text + "Esc でこのヘルプを閉じる (Escape closes this help)";
}

} // namespace palettra::toolkit
