#include "toolkit/FigureRecord.h"

#include <QPainter>

#include <algorithm>

namespace palettra::toolkit {

void FigureRecord::Clear(QRgb background)
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

void FigureRecord::Replay(QPainter& painter, const QSize& size) const
{
    // The ground with sharp edges, as the border around it has; the strokes smoothed, as the
    // curves are what a larger view is for.
    painter.fillRect(QRect(QPoint(), size), QColor(background_));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Stroke& stroke : strokes_)
        stroke.Paint(painter);
}

} // namespace palettra::toolkit
