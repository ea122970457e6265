#pragma once

#include <cstdint>

namespace palettra::common {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

// Sums, differences and products of scroll-bar values are 16-bit operations that
// raise the overflow error outside -32768..32767, never wrap.
Int16 Add16(Int16 a, Int16 b);
Int16 Sub16(Int16 a, Int16 b);
Int16 Mul16(Int16 a, Int16 b);

// Nearest integer with ties to even (127.5 -> 128, 62.5 -> 62); overflow error outside the range.
Int16 ToInt16(double value);
Int32 ToInt32(double value);

// The integer part, rounding toward minus infinity (-0.5 -> -1).
double IntPart(double value);

// Drawing coordinates and angles are passed to the picture box in single precision.
float ToSingle(double value);

} // namespace palettra::common
