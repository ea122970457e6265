#pragma once

#include "toolkit/picture/FigureRecord.h"
#include "toolkit/picture/Pixels.h"
#include "toolkit/picture/Rasteriser.h"

#include <QImage>

class QPainter;

namespace palettra::desktop {

// A picture's strokes painted by QPainter straight into the picture's pixels, as the desktop paints
// everything else.
class QtRasteriser : public toolkit::Rasteriser {
public:
    void Paint(toolkit::PixelBuffer& pixels, const toolkit::Stroke& stroke) override;
};

// The figure painted again over the area from (0, 0) of the picture's size, in the painter's
// coordinates, smoothed.
void Replay(QPainter& painter, const toolkit::FigureRecord& figure, const QSize& size);

// The pixels as an image for painting, without a copy; valid while the buffer is.
QImage ImageView(const toolkit::PixelBuffer& pixels);

} // namespace palettra::desktop
