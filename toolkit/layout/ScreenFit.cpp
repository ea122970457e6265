#include "toolkit/layout/ScreenFit.h"

#include "toolkit/layout/Twips.h"
#include "toolkit/layout/Zoom.h"

#include <algorithm>
#include <cmath>

namespace palettra::toolkit {

namespace {

    // Below this a window is too small to use on any screen, and a screen of no size yet (a page
    // not laid out) still gives windows a size.
    constexpr double SmallestFactor = 0.25;

    // What the windows cover at 100 %, with the margin between the screen's corner and the nearest
    // window kept on the far sides too: the width and height the fit shares out.
    struct Extent {
        double width = 0;
        double height = 0;
    };

    Extent ExtentOf(const std::vector<const WindowLayout*>& layouts)
    {
        if (layouts.empty())
            return { 1, 1 };
        double left = Logical(layouts.front()->left), top = Logical(layouts.front()->top), right = 0, bottom = 0;
        for (const WindowLayout* layout : layouts) {
            left = std::min(left, Logical(layout->left));
            top = std::min(top, Logical(layout->top));
            right = std::max(right, Logical(layout->left + layout->clientWidth));
            bottom = std::max(bottom, Logical(layout->top + layout->clientHeight));
        }
        return { left + right, top + bottom };
    }

} // namespace

ScreenFit::ScreenFit(const std::vector<const WindowLayout*>& layouts, FrameSize frame, Size screen)
    : frame_(frame)
    , screen_(screen)
{
    const Extent extent = ExtentOf(layouts);
    factor_ = std::max(SmallestFactor,
        std::min((screen.width - frame.width) / extent.width, (screen.height - frame.height) / extent.height));
    origin_ = { static_cast<int>(std::floor((screen.width - frame.width - extent.width * factor_) / 2)),
        static_cast<int>(std::floor((screen.height - frame.height - extent.height * factor_) / 2)) };
}

double ScreenFit::Least() const { return std::min(1.0, factor_); }

Rect ScreenFit::OpeningPlace(const WindowLayout& layout) const
{
    const Size client = ClientSize(layout, factor_);
    return { origin_.x + Pixels(layout.left, factor_), origin_.y + Pixels(layout.top, factor_), client.width,
        client.height };
}

Rect ScreenFit::Maximised() const
{
    return { 0, 0, std::max(1, screen_.width - frame_.width), std::max(1, screen_.height - frame_.height) };
}

} // namespace palettra::toolkit
