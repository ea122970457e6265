#include "common/Text.h"

#include "common/RuntimeError.h"

#include <array>

namespace palettra::common {

std::string DecimalText(Int32 value) { return std::to_string(value); }

std::string HexText(Int16 channel)
{
    if (channel < 0 || channel > 255)
        throw RuntimeError::InvalidArgument();
    constexpr std::array digits { '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F' };
    return { digits[channel >> 4], digits[channel & 0xF] };
}

} // namespace palettra::common
