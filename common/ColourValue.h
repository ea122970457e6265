#pragma once

#include "common/Arithmetic.h"

#include <cstdint>

namespace palettra::common {

// A colour as 0x00BBGGRR: red in the low byte, then green, then blue.
using ColourValue = std::int32_t;

// Packs three channels of 0..255 into a ColourValue; a channel outside that range is an invalid argument.
inline ColourValue RGB(Int16 red, Int16 green, Int16 blue)
{
    auto channel = [](Int16 value) {
        if (value < 0 || value > 255)
            RaiseInvalidArgument();
        return ColourValue { value };
    };
    return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

constexpr int RedOf(ColourValue colour) { return colour & 0xFF; }
constexpr int GreenOf(ColourValue colour) { return (colour >> 8) & 0xFF; }
constexpr int BlueOf(ColourValue colour) { return (colour >> 16) & 0xFF; }

} // namespace palettra::common
