#pragma once

#include "toolkit/picture/Rasteriser.h"

namespace palettra::web {

// Strokes painted into a picture's pixels by testing each pixel's centre against the shape the pen
// covers, which is what the desktop's painter does when it does not smooth: the same pixels, give or
// take one on the very edge of a curve. Plain C++, so the browser pays no call into the page per stroke.
class SampledRasteriser : public toolkit::Rasteriser {
public:
    void Paint(toolkit::PixelBuffer& pixels, const toolkit::Stroke& stroke) override;
};

} // namespace palettra::web
