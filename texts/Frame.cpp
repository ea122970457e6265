#include "texts/Frame.h"

namespace palettra::texts {

std::string CloseBoxName() { return "閉じる (close)"; }

} // namespace palettra::texts
