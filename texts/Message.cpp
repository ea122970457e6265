#include "texts/Message.h"

namespace palettra::texts {

std::string MessageBoxButton(const Language& language) { return language.Say("OK"); }

} // namespace palettra::texts
