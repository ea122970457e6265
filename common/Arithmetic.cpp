#include "common/Arithmetic.h"

#include "common/RuntimeError.h"

#include <cmath>

namespace palettra::common {

void RaiseOverflow() { throw RuntimeError::Overflow(); }
void RaiseInvalidArgument() { throw RuntimeError::InvalidArgument(); }

double IntPart(double value) { return std::floor(value); }

} // namespace palettra::common
