#include "common/ColourValue.h"

#include "common/RuntimeError.h"

namespace palettra::common {

namespace {
    bool IsChannel(Int16 value) { return value >= 0 && value <= 255; }
}

ColourValue RGB(Int16 red, Int16 green, Int16 blue)
{
    if (!IsChannel(red) || !IsChannel(green) || !IsChannel(blue))
        throw RuntimeError::InvalidArgument();
    return ColourValue { red } | ColourValue { green } << 8 | ColourValue { blue } << 16;
}

} // namespace palettra::common
