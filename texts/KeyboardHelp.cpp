#include "texts/KeyboardHelp.h"

namespace palettra::texts {

std::string KeyboardHelpTitle() { return "キーボード (keyboard)"; }

std::string TabKeys(const std::string& stops)
{
    return "Tab で次、Shift+Tab で前へ (Tab moves on, Shift+Tab back): " + stops;
}

std::string ScrollBarKeys()
{
    return "スクロールバー: ← ↑ で一つ下げ、→ ↓ で一つ上げ、PageUp と PageDown で大きく、Home と End で端へ"
           " (scroll bars: Left or Up one step down, Right or Down one step up, Page Up and Page Down a large step, "
           "Home and End to either end)";
}

std::string ButtonKeys() { return "ボタン: Space か Enter で押す (buttons: Space or Enter presses)"; }

std::string PictureKeys()
{
    return "絵: フォーカスがあると名前と今の様子が読み上げられるだけで、キーは何もしない (pictures: a picture with the "
           "focus is only read out, its name and what it shows now; keys do nothing there)";
}

std::string HelpClosing() { return "Esc でこのヘルプを閉じる (Escape closes this help)"; }

} // namespace palettra::texts
