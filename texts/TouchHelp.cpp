#include "texts/TouchHelp.h"

#include "texts/Frame.h"

namespace palettra::texts {

namespace {

    // A title bar's button under the title bar's line, by the name a screen reader gives it.
    std::string TitleButtonItem(const std::string& name, const std::string& what) { return "・" + name + ": " + what; }

} // namespace

std::string ButtonTouch() { return "ボタン: タップで押す (buttons: a tap presses)"; }

std::string ScrollBarTouch()
{
    return "スクロールバー: "
           "バーのどこでも指でなぞって動かし、指を離したときに変わる。溝のタップで大きく、矢印のタップで"
           "一つ動く (scroll bars: drag anywhere on the bar, the change is taken when the finger lifts; a tap on the "
           "track moves a large step, a tap on an arrow one step)";
}

std::string TitleBarTouch()
{
    return "タイトルバー: 指でなぞるとウィンドウが動く。ボタンはタップで (title bar: a drag moves the window; its "
           "buttons take a tap):";
}

std::string HelpButtonTouch() { return TitleButtonItem(HelpButtonName(), "このヘルプを開く (opens this help)"); }

std::string ZoomOutButtonTouch()
{
    return TitleButtonItem(ZoomOutButtonName(), "一段小さくする (one zoom step smaller)");
}

std::string ZoomInButtonTouch() { return TitleButtonItem(ZoomInButtonName(), "一段大きくする (one zoom step larger)"); }

std::string FullScreenButtonTouch()
{
    return TitleButtonItem(FullScreenButtonName(),
        "ページで画面全体を使い、もう一度で戻す (the page takes the whole screen, a second tap gives it back)");
}

std::string MaximiseButtonTouch()
{
    return TitleButtonItem(MaximiseButtonName(),
        "ウィンドウを画面いっぱいに広げ、もう一度で元に戻す。タイトルバーのダブルタップでも同じ (the window fills the "
        "screen, a second tap puts it back; a double tap on the title bar does the same)");
}

std::string CloseButtonTouch() { return TitleButtonItem(CloseBoxName(), "ウィンドウを閉じる (closes the window)"); }

} // namespace palettra::texts
