#pragma once

#include "toolkit/layout/Geometry.h"

#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace palettra::desktop {

using toolkit::LineF;
using toolkit::PointF;
using toolkit::Rect;
using toolkit::RectF;
using toolkit::Size;

// The core's geometry in Qt's types, and back, at the edge where the two meet.
inline QSize ToQSize(Size size) { return { size.width, size.height }; }
inline Size FromQSize(QSize size) { return { size.width(), size.height() }; }
inline QRect ToQRect(const Rect& rect) { return { rect.left, rect.top, rect.width, rect.height }; }
inline QPointF ToQPointF(PointF point) { return { point.x, point.y }; }
inline QRectF ToQRectF(const RectF& rect) { return { rect.left, rect.top, rect.width, rect.height }; }
inline QLineF ToQLineF(const LineF& line) { return { ToQPointF(line.from), ToQPointF(line.to) }; }

} // namespace palettra::desktop
