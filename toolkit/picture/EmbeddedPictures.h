#pragma once

#include <span>
#include <string_view>

namespace palettra::toolkit {

// A stored picture of layouts/assets/, decoded when the program is built, so that every face shows
// the same pixels and finds the photo's key colour in the same places.
struct EmbeddedPicture {
    std::string_view name;
    int width;
    int height;
    const unsigned char* rgb; // red, green and blue of each pixel, row after row
};

// Written by embed_pictures.py.
extern const std::span<const EmbeddedPicture> EmbeddedPictures;

} // namespace palettra::toolkit
