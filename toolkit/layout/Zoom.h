#pragma once

#include "toolkit/layout/Geometry.h"
#include "toolkit/layout/WindowLayout.h"

#include <array>

namespace palettra::toolkit {

// The factors the zoom keys step through.
inline constexpr std::array<double, 6> ZoomSteps { 1, 1.25, 1.5, 2, 2.5, 3 };

// The first step above the factor, or the largest step when none is above.
double StepUp(double factor);
// The last step below the factor, or 1 when none is below.
double StepDown(double factor);

// The client size of the window at a zoom step: the layout's client size times the step, rounded.
Size ClientSize(const WindowLayout& layout, double step);

// How a window's layout lands in its client area: enlarged as far as both sides allow,
// never below its own size, and centred.
class Zoom {
public:
    Zoom() = default;
    Zoom(const WindowLayout& layout, Size client);

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
