#pragma once

#include "common/ColourValue.h"
#include "toolkit/layout/Geometry.h"

#include <optional>
#include <vector>

namespace palettra::toolkit {

struct WindowLayout;
class Zoom;

// A shape or a line of a window's own surface, ready to be drawn: in pixels of the client area at the
// window's zoom, its colours resolved. A line has round ends.
struct Decoration {
    enum class Figure { Line, Rectangle, Circle };

    Figure figure = Figure::Line;
    LineF line {}; // a line's two ends
    Rect box {}; // the pixels a rectangle covers, or the box a circle is the largest in
    std::optional<common::ColourValue> stroke {}; // none for a shape without a border
    std::optional<common::ColourValue> fill {}; // none for a line and a shape that is not filled
    double lineWidth = 0; // 0 without a border
    // Sloped lines and circles are smoothed; lines along an axis and rectangles keep to whole pixels.
    bool antialiased = false;

    bool operator==(const Decoration&) const = default;
};

// The shapes and lines of a window's surface at this zoom, in the order they are drawn. They lie
// beneath the controls, and the layout lists them last with the first rows on top, so the last row
// comes first.
std::vector<Decoration> Decorations(const WindowLayout& layout, const Zoom& zoom);

} // namespace palettra::toolkit
