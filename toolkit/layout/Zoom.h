#pragma once

#include "toolkit/layout/Geometry.h"
#include "toolkit/layout/WindowLayout.h"

#include <array>

namespace palettra::toolkit {

// The factors the zoom keys step through.
inline constexpr std::array<double, 6> ZoomSteps { 1, 1.25, 1.5, 2, 2.5, 3 };

// What a zoom key asks of its window, whichever keys a platform has for it.
enum class ZoomKey { In, Out, Actual };

// The step a zoom key takes a window at this factor to, among the zoom steps and the window's own
// size `actual` (100 % on the desktop; on a page, what fits its screen): In the first step above it, or
// the largest when none is above; Out the last step below it, or the smallest when none is below;
// Actual `actual`.
double StepFor(ZoomKey key, double factor, double actual = 1);

// The client size of the window at a zoom step: the layout's client size times the step, rounded.
Size ClientSize(const WindowLayout& layout, double step);

// How a window's layout lands in its client area: enlarged as far as both sides allow, never
// below `least` (its own size, unless a screen too small for it has it smaller), and centred.
class Zoom {
public:
    Zoom() = default;
    Zoom(const WindowLayout& layout, Size client, double least = 1);

    double Factor() const { return factor_; }
    toolkit::Point Offset() const { return offset_; }

    int Length(int twips) const;
    Rect Box(int left, int top, int width, int height) const;
    PointF Point(int x, int y) const;

    bool operator==(const Zoom&) const = default;

private:
    double factor_ = 1;
    toolkit::Point offset_;
};

} // namespace palettra::toolkit
