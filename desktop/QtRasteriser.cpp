#include "desktop/QtRasteriser.h"

#include "desktop/QtGeometry.h"

#include <QPainter>

namespace palettra::desktop {

using toolkit::PixelBuffer;
using toolkit::Stroke;

namespace {

    constexpr int BytesPerPixel = sizeof(toolkit::Pixel);

    void PaintStroke(QPainter& painter, const Stroke& stroke)
    {
        const QColor colour(stroke.Colour());
        // Round ends, so that the rings of a thick pen merge and a thick dot is round; an arc ends square.
        const Qt::PenCapStyle cap = stroke.Kind() == Stroke::Shape::Arc ? Qt::FlatCap : Qt::RoundCap;
        painter.setPen(QPen(colour, stroke.Width(), Qt::SolidLine, cap, Qt::RoundJoin));
        const QRectF box = ToQRectF(stroke.Box());
        switch (stroke.Kind()) {
        case Stroke::Shape::Fill:
            painter.fillRect(box, colour);
            break;
        case Stroke::Shape::Line:
            painter.drawLine(ToQLineF(stroke.Segment()));
            break;
        case Stroke::Shape::Circle:
            if (box.isEmpty())
                painter.drawPoint(box.center());
            else
                painter.drawEllipse(box);
            break;
        case Stroke::Shape::Arc:
            painter.drawArc(box, stroke.Start(), stroke.Sweep());
            break;
        }
    }

} // namespace

void QtRasteriser::Paint(PixelBuffer& pixels, const Stroke& stroke)
{
    // Wrapped, not copied: the image writes into the buffer's own memory.
    QImage image(reinterpret_cast<uchar*>(pixels.Data()), pixels.Width(), pixels.Height(),
        pixels.Width() * BytesPerPixel, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintStroke(painter, stroke);
}

void Replay(QPainter& painter, const toolkit::FigureRecord& figure, const QSize& size)
{
    // The ground with sharp edges, as the border around it has; the strokes smoothed, as the
    // curves are what a larger view is for.
    painter.fillRect(QRect(QPoint(), size), QColor(figure.Background()));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Stroke& stroke : figure.Strokes())
        PaintStroke(painter, stroke);
}

QImage ImageView(const PixelBuffer& pixels)
{
    return QImage(reinterpret_cast<const uchar*>(pixels.Data()), pixels.Width(), pixels.Height(),
        pixels.Width() * BytesPerPixel, QImage::Format_RGB32);
}

} // namespace palettra::desktop
