#include "texts/StartUp.h"

namespace palettra::texts {

std::string NoDisplay() { return "画面を開けません (cannot open a display)"; }

} // namespace palettra::texts
