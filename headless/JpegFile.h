#pragma once

#include "toolkit/picture/Pixels.h"

#include <string>

namespace palettra::headless {

// Where the stored pictures of the layouts lie in the source tree.
std::string AssetPath(const std::string& name);
// The picture of a JPEG file, opaque; a file that cannot be read or decoded is a runtime_error.
toolkit::PixelBuffer ReadJpeg(const std::string& path);

} // namespace palettra::headless
