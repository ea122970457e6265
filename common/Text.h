#pragma once

#include "common/Arithmetic.h"

#include <string>

namespace palettra::common {

// Plain digits, a minus sign when negative, no leading blank or zeros.
std::string DecimalText(Int32 value);

// Exactly two upper-case hexadecimal digits, "0A" below 16.
std::string HexText(Int16 channel);

} // namespace palettra::common
