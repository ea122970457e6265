#pragma once

#include "toolkit/picture/Pixels.h"
#include "toolkit/picture/Stroke.h"

namespace palettra::toolkit {

// What a face paints for a picture that the picture cannot write itself: lines wider than a pixel
// or sloped, circles and arcs, each exactly as that face shows them everywhere else.
class Rasteriser {
public:
    virtual ~Rasteriser() = default;
    virtual void Paint(PixelBuffer& pixels, const Stroke& stroke) = 0;
};

} // namespace palettra::toolkit
