#include "toolkit/picture/FigureRecord.h"

#include <algorithm>

namespace palettra::toolkit {

void FigureRecord::Clear(Pixel background)
{
    strokes_.clear();
    background_ = background;
    complete_ = true;
}

void FigureRecord::Add(const Stroke& stroke)
{
    if (!complete_)
        return;
    const auto same = std::find_if(
        strokes_.begin(), strokes_.end(), [&](const Stroke& earlier) { return earlier.SameShape(stroke); });
    if (same != strokes_.end())
        strokes_.erase(same);
    else if (strokes_.size() == MaxStrokes) {
        complete_ = false;
        strokes_.clear();
        return;
    }
    strokes_.push_back(stroke);
}

} // namespace palettra::toolkit
