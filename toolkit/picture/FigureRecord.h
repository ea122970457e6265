#pragma once

#include "toolkit/picture/Pixels.h"
#include "toolkit/picture/Stroke.h"

#include <cstddef>
#include <vector>

namespace palettra::toolkit {

// The figure on a picture as the calls that drew it, in the picture's pixels, so that a view can
// draw it again at any resolution. A call that covers exactly the shape of an earlier one takes its
// place: whatever came between, the later call is painted over it. A figure redrawn in the same
// shapes, as the flask is by every "Draw", therefore keeps the size of one drawing.
class FigureRecord {
public:
    explicit FigureRecord(Pixel background) { Clear(background); }

    // Starts again on an area filled with one colour.
    void Clear(Pixel background);
    void Add(const Stroke& stroke);
    // False once the figure grew beyond what is worth keeping; the picture's image stands for it
    // until the next clear.
    bool Complete() const { return complete_; }
    std::size_t Size() const { return strokes_.size(); }
    // Painted in order over the background, from (0, 0) of the picture's size.
    Pixel Background() const { return background_; }
    const std::vector<Stroke>& Strokes() const { return strokes_; }

private:
    static constexpr std::size_t MaxStrokes = 1024;
    std::vector<Stroke> strokes_;
    Pixel background_ = 0;
    bool complete_ = true;
};

} // namespace palettra::toolkit
