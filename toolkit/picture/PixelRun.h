#pragma once

#include "toolkit/picture/Pixels.h"

namespace palettra::toolkit {

// A one-pixel run of one colour along a row or a column of a picture's image, clipped to it,
// both ends included.
struct PixelRun {
    int left, top, right, bottom;
    Pixel colour;

    // Without a branch per end: a run is compared with the waiting ones on nearly every line.
    bool SamePixels(const PixelRun& other) const
    {
        return ((left ^ other.left) | (top ^ other.top) | (right ^ other.right) | (bottom ^ other.bottom)) == 0;
    }
};

} // namespace palettra::toolkit
