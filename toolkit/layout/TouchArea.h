#pragma once

#include "toolkit/layout/WindowLayout.h"

namespace palettra::toolkit {

class Zoom;

// The side a finger's target should have where there is room for it (WCAG 2.5.5), in logical
// pixels: a finger is no larger in a window at a larger zoom.
inline constexpr double FingerSide = 44;

// How far a control's touch area reaches past its box on each side, in pixels of the client area.
struct TouchReach {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool operator==(const TouchReach&) const = default;
};

// Where a finger still hits `control`, a row of `layout`, at `zoom`. A control that takes input (a
// button, a scroll bar) narrower or lower than a finger reaches out on each side by half of what it
// lacks, into the free space around it (labels, shapes and lines are free space), never onto another
// control's box nor past the layout's client area; where two controls would reach into one gap,
// they meet halfway. Every other control reaches nowhere.
TouchReach TouchReachOf(const WindowLayout& layout, const Zoom& zoom, const ControlLayout& control);

} // namespace palettra::toolkit
