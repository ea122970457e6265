#pragma once

#include "toolkit/picture/Pixels.h"

#include <string_view>

namespace palettra::toolkit {

// The stored picture a layout names, opaque, from the pictures decoded when the program was built;
// no pixels for a name that is none of them.
PixelBuffer StoredPicture(std::string_view name);

} // namespace palettra::toolkit
