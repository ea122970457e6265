#include "toolkit/layout/Zoom.h"

#include "toolkit/layout/Twips.h"

#include <algorithm>
#include <cmath>

namespace palettra::toolkit {

namespace {

    // A factor worked out from a rounded client size lies a hair off its step.
    constexpr double Tolerance = 1e-6;

    double StepUp(double factor)
    {
        const auto above = std::find_if(
            ZoomSteps.begin(), ZoomSteps.end(), [factor](double step) { return step > factor + Tolerance; });
        return above == ZoomSteps.end() ? ZoomSteps.back() : *above;
    }

    double StepDown(double factor)
    {
        const auto below = std::find_if(
            ZoomSteps.rbegin(), ZoomSteps.rend(), [factor](double step) { return step < factor - Tolerance; });
        return below == ZoomSteps.rend() ? ZoomSteps.front() : *below;
    }

} // namespace

double StepFor(ZoomKey key, double factor)
{
    switch (key) {
    case ZoomKey::In:
        return StepUp(factor);
    case ZoomKey::Out:
        return StepDown(factor);
    case ZoomKey::Actual:
        break;
    }
    return ZoomSteps.front();
}

Size ClientSize(const WindowLayout& layout, double step)
{
    return { Pixels(layout.clientWidth, step), Pixels(layout.clientHeight, step) };
}

Rect OpeningPlace(const WindowLayout& layout)
{
    const Size client = ClientSize(layout, 1);
    return { Pixels(layout.left), Pixels(layout.top), client.width, client.height };
}

Zoom::Zoom(const WindowLayout& layout, Size client)
    : factor_(std::max(
        1.0, std::min(client.width / Logical(layout.clientWidth), client.height / Logical(layout.clientHeight))))
{
    const Size content = ClientSize(layout, factor_);
    offset_ = toolkit::Point { std::max(0, (client.width - content.width) / 2),
        std::max(0, (client.height - content.height) / 2) };
}

int Zoom::Length(int twips) const { return Pixels(twips, factor_); }

Rect Zoom::Box(int left, int top, int width, int height) const
{
    return { offset_.x + Length(left), offset_.y + Length(top), Length(width), Length(height) };
}

PointF Zoom::Point(int x, int y) const { return { offset_.x + Logical(x, factor_), offset_.y + Logical(y, factor_) }; }

} // namespace palettra::toolkit
