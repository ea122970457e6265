#include "texts/Frame.h"

namespace palettra::texts {

std::string CloseBoxName() { return "閉じる (close)"; }
std::string HelpButtonName() { return "ヘルプ (help)"; }
std::string MaximiseButtonName() { return "最大化 (maximise)"; }
std::string RestoreButtonName() { return "元の大きさに戻す (restore)"; }
std::string ZoomInButtonName() { return "拡大 (zoom in)"; }
std::string ZoomOutButtonName() { return "縮小 (zoom out)"; }
std::string FullScreenButtonName() { return "全画面 (full screen)"; }
std::string LeaveFullScreenButtonName() { return "全画面を終える (leave full screen)"; }

} // namespace palettra::texts
