#pragma once

#include <QRgb>

#include <cstddef>
#include <cstring>

namespace palettra::toolkit {

// A one-pixel run of one colour along a row or a column of a picture's image, clipped to it,
// both ends included.
struct PixelRun {
    int left, top, right, bottom;
    QRgb colour;

    // The four ends as one block of memory, which the compiler compares in two steps: a run is
    // compared with the waiting ones on nearly every line.
    bool SamePixels(const PixelRun& other) const { return std::memcmp(this, &other, offsetof(PixelRun, colour)) == 0; }
};

} // namespace palettra::toolkit
