#pragma once

#include "toolkit/picture/Rasteriser.h"

namespace palettra::toolkit {

// Strokes painted into a picture's pixels by testing each pixel's centre against the shape the pen
// covers, which is what the desktop's painter does when it does not smooth: the same pixels, give or
// take one on the very edge of a curve. Plain C++, for every face that has no painter of its own to
// match: the browser then pays no call into the page per stroke, and the headless face draws the
// figures the tests read back.
class SampledRasteriser : public Rasteriser {
public:
    void Paint(PixelBuffer& pixels, const Stroke& stroke) override;
};

} // namespace palettra::toolkit
