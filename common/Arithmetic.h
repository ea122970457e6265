#pragma once

#include <cstdint>
#include <limits>

namespace palettra::common {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

// Raise the program's run-time errors; out of line, so the checks below stay small enough to inline
// into the drawing loops.
[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseInvalidArgument();

namespace detail {

    template <typename Narrow, typename Wide> Narrow Checked(Wide wide)
    {
        if (!(wide >= std::numeric_limits<Narrow>::min() && wide <= std::numeric_limits<Narrow>::max()))
            RaiseOverflow(); // NaN lands here too
        return static_cast<Narrow>(wide);
    }

    // Adding and taking away 1.5 * 2^52 leaves the nearest integer, ties to even, in the default
    // rounding mode, for every value a 32-bit integer can take; larger values still come out too
    // large, so the range check after it stays sound. No call into libm.
    inline double NearestEven(double value)
    {
        constexpr double shift = 6755399441055744.0;
        return (value + shift) - shift;
    }

} // namespace detail

// Sums, differences and products of scroll-bar values are 16-bit operations that
// raise the overflow error outside -32768..32767, never wrap.
inline Int16 Add16(Int16 a, Int16 b) { return detail::Checked<Int16>(Int32 { a } + Int32 { b }); }
inline Int16 Sub16(Int16 a, Int16 b) { return detail::Checked<Int16>(Int32 { a } - Int32 { b }); }
inline Int16 Mul16(Int16 a, Int16 b) { return detail::Checked<Int16>(Int32 { a } * Int32 { b }); }

// Nearest integer with ties to even (127.5 -> 128, 62.5 -> 62); overflow error outside the range.
inline Int16 ToInt16(double value) { return detail::Checked<Int16>(detail::NearestEven(value)); }
inline Int32 ToInt32(double value) { return detail::Checked<Int32>(detail::NearestEven(value)); }

// The integer part, rounding toward minus infinity (-0.5 -> -1).
double IntPart(double value);

// Drawing coordinates and angles are passed to the picture box in single precision.
inline float ToSingle(double value)
{
    if (value > std::numeric_limits<float>::max() || value < -std::numeric_limits<float>::max())
        RaiseOverflow();
    return static_cast<float>(value);
}

} // namespace palettra::common
