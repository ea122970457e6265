#pragma once

#include <span>
#include <string_view>

namespace palettra::web {

// A stored picture of layouts/assets/, decoded when the page is built, as the desktop decodes it.
struct EmbeddedPicture {
    std::string_view name;
    int width;
    int height;
    const unsigned char* rgb; // red, green and blue of each pixel, row after row
};

// Written by embed_pictures.py.
extern const std::span<const EmbeddedPicture> EmbeddedPictures;

} // namespace palettra::web
