#include "texts/TouchHelp.h"

namespace palettra::texts {

std::string ButtonTouch(const Language& language)
{
    return language.Say("ボタン: タップで押す (buttons: a tap presses)");
}

std::string ScrollBarTouch(const Language& language)
{
    return language.Say(
        "スクロールバー: "
        "バーのどこでも指でなぞって動かし、指を離したときに変わる。溝のタップで大きく、矢印のタップで"
        "一つ動く (scroll bars: drag anywhere on the bar, the change is taken when the finger lifts; a tap on the "
        "track moves a large step, a tap on an arrow one step)");
}

std::string TitleBarTouch(const Language& language)
{
    return language.Say("タイトルバー: 指でなぞるとウィンドウが動く。ボタンはタップで (title bar: a drag moves the "
                        "window; its buttons take a tap):");
}

std::string TitleButtonLine(const Language& language, const std::string& name, const std::string& what)
{
    // TRANSLATORS: one line of the list of a title bar's buttons: {button} is its name, {what} what it does.
    return language.Say("・{button}: {what}", { { "button", name }, { "what", what } });
}

std::string LanguageButtonDoes(const Language& language)
{
    return language.Say("この言語に切り替える (switches to this language)");
}

std::string HelpButtonDoes(const Language& language) { return language.Say("このヘルプを開く (opens this help)"); }

std::string ZoomOutButtonDoes(const Language& language)
{
    return language.Say("一段小さくする (one zoom step smaller)");
}

std::string ZoomInButtonDoes(const Language& language) { return language.Say("一段大きくする (one zoom step larger)"); }

std::string FullScreenButtonDoes(const Language& language)
{
    return language.Say(
        "ページで画面全体を使い、もう一度で戻す (the page takes the whole screen, a second tap gives it "
        "back)");
}

std::string MaximiseButtonDoes(const Language& language)
{
    return language.Say("ウィンドウを画面いっぱいに広げ、もう一度で元に戻す。タイトルバーのダブルタップでも同じ (the "
                        "window fills the screen, a second tap puts it back; a double tap on the title bar does the "
                        "same)");
}

std::string CloseButtonDoes(const Language& language) { return language.Say("ウィンドウを閉じる (closes the window)"); }

std::string MoreButtonsDoes(const Language& language)
{
    return language.Say("バーに入りきらないボタンを出す (shows the buttons that find no room on the bar)");
}

} // namespace palettra::texts
