#include "toolkit/layout/Zoom.h"

#include "toolkit/layout/Twips.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace palettra::toolkit {

namespace {

    // A factor worked out from a rounded client size lies up to half a pixel off its step, which in
    // the narrowest window's 120 pixels is four thousandths.
    constexpr double Tolerance = 0.005;

    // The zoom steps with the window's actual size among them, in order.
    std::vector<double> StepsWith(double actual)
    {
        std::vector<double> steps(ZoomSteps.begin(), ZoomSteps.end());
        if (std::none_of(
                steps.begin(), steps.end(), [actual](double step) { return std::abs(step - actual) < Tolerance; }))
            steps.insert(std::upper_bound(steps.begin(), steps.end(), actual), actual);
        return steps;
    }

    double StepUp(double factor, const std::vector<double>& steps)
    {
        const auto above
            = std::find_if(steps.begin(), steps.end(), [factor](double step) { return step > factor + Tolerance; });
        return above == steps.end() ? steps.back() : *above;
    }

    double StepDown(double factor, const std::vector<double>& steps)
    {
        const auto below
            = std::find_if(steps.rbegin(), steps.rend(), [factor](double step) { return step < factor - Tolerance; });
        return below == steps.rend() ? steps.front() : *below;
    }

} // namespace

double StepFor(ZoomKey key, double factor, double actual)
{
    switch (key) {
    case ZoomKey::In:
        return StepUp(factor, StepsWith(actual));
    case ZoomKey::Out:
        return StepDown(factor, StepsWith(actual));
    case ZoomKey::Actual:
        break;
    }
    return actual;
}

Size ClientSize(const WindowLayout& layout, double step)
{
    return { Pixels(layout.clientWidth, step), Pixels(layout.clientHeight, step) };
}

Zoom::Zoom(const WindowLayout& layout, Size client, double least)
    : factor_(std::max(
        least, std::min(client.width / Logical(layout.clientWidth), client.height / Logical(layout.clientHeight))))
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
