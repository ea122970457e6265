#include "common/Arithmetic.h"

#include "common/RuntimeError.h"

#include <cmath>
#include <limits>

namespace palettra::common {

namespace {

    template <typename Narrow> Narrow Checked(auto wide)
    {
        if (wide < std::numeric_limits<Narrow>::min() || wide > std::numeric_limits<Narrow>::max())
            throw RuntimeError::Overflow();
        return static_cast<Narrow>(wide);
    }

    template <typename Narrow> Narrow RoundTiesToEven(double value)
    {
        // nearbyint follows the current rounding mode, which is to-nearest-even unless someone changed it;
        // std::remainder-based rounding would not depend on it, but nothing here changes the mode.
        const double rounded = std::nearbyint(value);
        if (!(rounded >= std::numeric_limits<Narrow>::min() && rounded <= std::numeric_limits<Narrow>::max()))
            throw RuntimeError::Overflow(); // NaN lands here too
        return static_cast<Narrow>(rounded);
    }

} // namespace

Int16 Add16(Int16 a, Int16 b) { return Checked<Int16>(Int32 { a } + Int32 { b }); }
Int16 Sub16(Int16 a, Int16 b) { return Checked<Int16>(Int32 { a } - Int32 { b }); }
Int16 Mul16(Int16 a, Int16 b) { return Checked<Int16>(Int32 { a } * Int32 { b }); }

Int16 ToInt16(double value) { return RoundTiesToEven<Int16>(value); }
Int32 ToInt32(double value) { return RoundTiesToEven<Int32>(value); }

double IntPart(double value) { return std::floor(value); }

float ToSingle(double value)
{
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        throw RuntimeError::Overflow();
    return static_cast<float>(value);
}

} // namespace palettra::common
