#include "texts/StartUp.h"

namespace palettra::texts {

std::string NoDisplay(const Language& language) { return language.Say("画面を開けません (cannot open a display)"); }

} // namespace palettra::texts
