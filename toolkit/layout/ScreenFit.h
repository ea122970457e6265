#pragma once

#include "toolkit/layout/Geometry.h"
#include "toolkit/layout/WindowLayout.h"

#include <vector>

namespace palettra::toolkit {

// What a face draws around a window's client area, borders and title bar, in pixels: how much wider
// and taller the whole window is than its client area.
struct FrameSize {
    int width = 0;
    int height = 0;
    bool operator==(const FrameSize&) const = default;
};

// Where a screen shows the program's windows. Each window opens at its layout's place with its
// frame around it; on a screen of its own size (a page's), every window of the program together is
// reduced or enlarged as far as both sides allow, with the layouts' margin on every side, and
// centred, so that the menu and any tool window are whole on the screen at the largest size at
// which they are. The desktop has no such screen: its windows open at their places at 100 %.
class ScreenFit {
public:
    ScreenFit() = default;
    ScreenFit(const std::vector<const WindowLayout*>& layouts, FrameSize frame, Size screen);

    // The factor every window opens at.
    double Factor() const { return factor_; }
    // The zoom below which no window's content is shown: its own size, or the fit where that is smaller.
    double Least() const;
    // Where the window's frame opens, and its client area's size there.
    Rect OpeningPlace(const WindowLayout& layout) const;
    // The place of a window that fills the screen, its frame included.
    Rect Maximised() const;

    bool operator==(const ScreenFit&) const = default;

private:
    double factor_ = 1;
    Point origin_;
    FrameSize frame_;
    Size screen_;
};

} // namespace palettra::toolkit
