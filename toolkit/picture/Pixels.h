#pragma once

#include "common/ColourValue.h"
#include "toolkit/layout/Geometry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace palettra::toolkit {

// 0xFFRRGGBB: the layout of Qt's RGB32 images, and of a canvas's bytes read as one word and swapped.
using Pixel = std::uint32_t;

// Both ways are a byte swap and a shift, which the compiler does not find in the channel-by-channel
// form; every line and point pays them.
// 0x??BBGGRR swapped is 0xRRGGBB??; shifting out the top byte leaves the channels, made opaque.
constexpr Pixel ToPixel(common::ColourValue colour)
{
    return (__builtin_bswap32(static_cast<std::uint32_t>(colour)) >> 8) | 0xFF000000u;
}

// 0xAARRGGBB swapped is 0xBBGGRRAA; shifting out the alpha leaves 0x00BBGGRR.
constexpr common::ColourValue FromPixel(Pixel pixel)
{
    return static_cast<common::ColourValue>(__builtin_bswap32(pixel) >> 8);
}

// A picture's pixels, row after row with nothing between them. The memory stays where it is for the
// buffer's life, so that a writer may keep a pointer into it.
class PixelBuffer {
public:
    PixelBuffer() = default;
    explicit PixelBuffer(Size size)
        : width_(std::max(0, size.width))
        , height_(std::max(0, size.height))
        , pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_))
    {
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    Pixel* Data() { return pixels_.data(); }
    const Pixel* Data() const { return pixels_.data(); }

    void Fill(Pixel pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }
    // Copies as much of the picture as fits, to the top left.
    void Paste(const PixelBuffer& picture);

    bool operator==(const PixelBuffer&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

inline void PixelBuffer::Paste(const PixelBuffer& picture)
{
    const int columns = std::min(width_, picture.width_);
    const int rows = std::min(height_, picture.height_);
    for (int y = 0; y < rows; ++y) {
        const Pixel* from = picture.Data() + static_cast<std::ptrdiff_t>(y) * picture.width_;
        std::copy(from, from + columns, Data() + static_cast<std::ptrdiff_t>(y) * width_);
    }
}

} // namespace palettra::toolkit
