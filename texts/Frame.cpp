#include "texts/Frame.h"

namespace palettra::texts {

std::string CloseBoxName(const Language& language) { return language.Say("閉じる (close)"); }
std::string HelpButtonName(const Language& language) { return language.Say("ヘルプ (help)"); }
std::string MaximiseButtonName(const Language& language) { return language.Say("最大化 (maximise)"); }
std::string RestoreButtonName(const Language& language) { return language.Say("元の大きさに戻す (restore)"); }
std::string ZoomInButtonName(const Language& language) { return language.Say("拡大 (zoom in)"); }
std::string ZoomOutButtonName(const Language& language) { return language.Say("縮小 (zoom out)"); }
std::string FullScreenButtonName(const Language& language) { return language.Say("全画面 (full screen)"); }
std::string LeaveFullScreenButtonName(const Language& language)
{
    return language.Say("全画面を終える (leave full screen)");
}

std::string MoreButtonsName(const Language& language) { return language.Say("ほかのボタン (more buttons)"); }

} // namespace palettra::texts
