#include "toolkit/layout/TouchArea.h"
#include "tests/AllLayouts.h"
#include "toolkit/layout/Zoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;

namespace {

// A button far smaller than a finger, with nothing near it but a label just below.
const WindowLayout LoneButton { .name = "LoneButton",
    .clientWidth = 3000,
    .clientHeight = 3000,
    .controls = {
        { .kind = Kind::CommandButton,
            .name = "Command1",
            .left = 1200,
            .top = 1200,
            .width = 300,
            .height = 150,
            .tab = 0 },
        { .kind = Kind::Label, .name = "Label1", .left = 1200, .top = 1400, .width = 900, .height = 255, .tab = 1 },
    } };

bool TakesInput(Kind kind)
{
    return kind == Kind::CommandButton || kind == Kind::HScrollBar || kind == Kind::VScrollBar;
}
bool IsControl(Kind kind) { return kind != Kind::Label && kind != Kind::Shape && kind != Kind::Line; }

RectF Box(const ControlLayout& row, const Zoom& zoom)
{
    const Rect box = zoom.Box(row.left, row.top, row.width, row.height);
    return { double(box.left), double(box.top), double(box.width), double(box.height) };
}

RectF Grown(const RectF& box, const TouchReach& reach)
{
    return { box.left - reach.left, box.top - reach.top, box.width + reach.left + reach.right,
        box.height + reach.top + reach.bottom };
}

// A finger-sized square on the box's centre, or the box along a side that is long enough already.
RectF FingerArea(const RectF& box)
{
    const double width = std::max(box.width, FingerSide);
    const double height = std::max(box.height, FingerSide);
    return { box.Centre().x - width / 2, box.Centre().y - height / 2, width, height };
}

bool Meet(const RectF& one, const RectF& other)
{
    return one.left < other.left + other.width && other.left < one.left + one.width
        && one.top < other.top + other.height && other.top < one.top + one.height;
}

// What the touch area adds to the box: a band down each side, and one along the top and the bottom.
std::vector<RectF> Bands(const RectF& box, const TouchReach& reach)
{
    const RectF area = Grown(box, reach);
    return { { area.left, area.top, reach.left, area.height },
        { box.left + box.width, area.top, reach.right, area.height }, { box.left, area.top, box.width, reach.top },
        { box.left, box.top + box.height, box.width, reach.bottom } };
}

// Neighbours may overlap by a rounded pixel; their reaches must still keep apart.
bool ReachOnto(const RectF& box, const TouchReach& reach, const std::vector<RectF>& other)
{
    for (const RectF& band : Bands(box, reach))
        if (!band.IsEmpty()
            && std::any_of(other.begin(), other.end(), [&](const RectF& piece) { return Meet(band, piece); }))
            return true;
    return false;
}

bool Within(const RectF& inner, const RectF& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width
        && inner.top + inner.height <= outer.top + outer.height;
}

class TouchAreas : public testing::TestWithParam<const WindowLayout*> { };

// Whatever the zoom, a finger is as large: 44 logical pixels, at 75 % as at 200 %.
TEST_P(TouchAreas, CoverTheirControlsAndReachIntoFreeSpaceAloneTowardsAFingersSize)
{
    const WindowLayout& layout = *GetParam();
    for (const double step : { 0.75, 1.0, 2.0 }) {
        const Zoom zoom(layout, ClientSize(layout, step), step);
        const Rect clientBox = zoom.Box(0, 0, layout.clientWidth, layout.clientHeight);
        const RectF client { double(clientBox.left), double(clientBox.top), double(clientBox.width),
            double(clientBox.height) };
        for (const ControlLayout& row : layout.controls) {
            const std::string what = layout.name + " " + row.name + " at " + std::to_string(step);
            const TouchReach reach = TouchReachOf(layout, zoom, row);
            if (!TakesInput(row.kind)) {
                EXPECT_EQ(reach, TouchReach {}) << what;
                continue;
            }
            EXPECT_TRUE(reach.left >= 0 && reach.top >= 0 && reach.right >= 0 && reach.bottom >= 0) << what;
            const RectF box = Box(row, zoom);
            const RectF area = Grown(box, reach);
            EXPECT_TRUE(Within(area, client) || reach == TouchReach {}) << what;
            bool alone = Within(FingerArea(box), client);
            for (const ControlLayout& other : layout.controls) {
                if (&other == &row || !IsControl(other.kind))
                    continue;
                const RectF otherBox = Box(other, zoom);
                std::vector<RectF> otherArea = Bands(otherBox, TouchReachOf(layout, zoom, other));
                otherArea.push_back(otherBox);
                EXPECT_FALSE(ReachOnto(box, reach, otherArea)) << what << " reaches onto " << other.name;
                alone = alone && !Meet(FingerArea(box), TakesInput(other.kind) ? FingerArea(otherBox) : otherBox);
            }
            if (alone) {
                EXPECT_EQ(area, FingerArea(box)) << what;
            }
        }
    }
}

std::vector<const WindowLayout*> EveryWindowAndALoneButton()
{
    std::vector<const WindowLayout*> layouts = tests::AllLayouts;
    layouts.push_back(&LoneButton);
    return layouts;
}

INSTANTIATE_TEST_SUITE_P(Layouts, TouchAreas, testing::ValuesIn(EveryWindowAndALoneButton()));

} // namespace
