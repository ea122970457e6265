#include "texts/Message.h"

namespace palettra::texts {

std::string MessageBoxButton() { return "OK"; }

} // namespace palettra::texts
