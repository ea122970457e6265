#include "texts/KeyboardHelp.h"

namespace palettra::texts {

std::string KeyboardHelpTitle(const Language& language) { return language.Say("キーボード (keyboard)"); }

std::string TabKeys(const Language& language, const std::string& stops)
{
    // TRANSLATORS: {stops} is the window's controls, in the order Tab visits them.
    return language.Say("Tab で次、Shift+Tab で前へ (Tab moves on, Shift+Tab back): {stops}", { { "stops", stops } });
}

std::string ScrollBarKeys(const Language& language)
{
    return language.Say(
        "スクロールバー: ← ↑ で一つ下げ、→ ↓ で一つ上げ、PageUp と PageDown で大きく、Home と End で端へ"
        " (scroll bars: Left or Up one step down, Right or Down one step up, Page Up and Page Down a large step, "
        "Home and End to either end)");
}

std::string ButtonKeys(const Language& language)
{
    return language.Say("ボタン: Space か Enter で押す (buttons: Space or Enter presses)");
}

std::string PictureKeys(const Language& language)
{
    return language.Say("絵: フォーカスがあると名前と今の様子が読み上げられるだけで、キーは何もしない (pictures: a "
                        "picture with the focus is only read out, its name and what it shows now; keys do nothing "
                        "there)");
}

std::string HelpClosing(const Language& language)
{
    return language.Say("Esc でこのヘルプを閉じる (Escape closes this help)");
}

} // namespace palettra::texts
