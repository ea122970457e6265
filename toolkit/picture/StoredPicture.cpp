#include "toolkit/picture/StoredPicture.h"

#include "toolkit/picture/EmbeddedPictures.h"

#include <algorithm>

namespace palettra::toolkit {

PixelBuffer StoredPicture(std::string_view name)
{
    const auto found = std::find_if(EmbeddedPictures.begin(), EmbeddedPictures.end(),
        [&](const EmbeddedPicture& picture) { return picture.name == name; });
    if (found == EmbeddedPictures.end())
        return {};
    PixelBuffer pixels({ found->width, found->height });
    const unsigned char* rgb = found->rgb;
    Pixel* to = pixels.Data();
    for (int i = 0; i < found->width * found->height; ++i, rgb += 3)
        to[i] = 0xFF000000u | static_cast<Pixel>(rgb[0]) << 16 | static_cast<Pixel>(rgb[1]) << 8 | rgb[2];
    return pixels;
}

} // namespace palettra::toolkit
