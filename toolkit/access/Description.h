#pragma once

#include "texts/Language.h"

#include <string>
#include <string_view>

namespace palettra::toolkit {

// A control's description: what it is for, then, when there is something to tell, what the window
// shows now.
std::string DescriptionNow(std::string_view purpose, const std::string& now, const texts::Language& language);

} // namespace palettra::toolkit
