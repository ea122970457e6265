#include "headless/HeadlessFace.h"
#include "tests/Probe.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;

namespace {

struct Range {
    int min;
    int max;
    int value;
    int smallChange = 1;
    int largeChange = 1;
};

// A window of one bar over a range, which counts the changes it commits.
class OneBar {
public:
    explicit OneBar(Range range)
        : layout_ { .name = "OneBar",
            .controls = { { .kind = Kind::HScrollBar,
                .name = "HScroll1",
                .width = 3000,
                .height = 300,
                .tab = 0,
                .min = range.min,
                .max = range.max,
                .value = range.value,
                .smallChange = range.smallChange,
                .largeChange = range.largeChange } } }
    {
        window_.Show();
        Bar().OnChange([this] { ++changes; });
    }

    ScrollBar& Bar() const { return window_.Find<ScrollBar>("HScroll1"); }
    // Where the face shows the thumb, at the value it stands for.
    int Shown() { return face_.thumbs.at(&Bar()); }

    int changes = 0;

private:
    WindowLayout layout_;
    headless::HeadlessFace face_;
    Window window_ { layout_, face_ };
};

struct Step {
    const char* name;
    Range range;
    void (*act)(ScrollBar&);
    int value; // the value after it
};

class Steps : public testing::TestWithParam<Step> { };

TEST_P(Steps, MoveTheValueWithinTheRangeAndCommitOnlyAChange)
{
    OneBar window(GetParam().range);
    GetParam().act(window.Bar());
    EXPECT_EQ(window.Bar().Value(), GetParam().value);
    const bool changed = GetParam().value != GetParam().range.value;
    EXPECT_EQ(window.changes, changed ? 1 : 0);
    if (changed) {
        EXPECT_EQ(window.Shown(), GetParam().value);
    }
}

// The reversed bar runs from 10 at its Min end to 0 at its Max end.
INSTANTIATE_TEST_SUITE_P(ScrollBar, Steps,
    testing::Values(Step { "ArrowTowardsMax", { 0, 25, 5 }, [](ScrollBar& bar) { bar.Step(1); }, 6 },
        Step { "ArrowStopsAtMin", { 0, 25, 0 }, [](ScrollBar& bar) { bar.Step(-1); }, 0 },
        Step { "ArrowBySmallChange", { 0, 25, 5, 3 }, [](ScrollBar& bar) { bar.Step(-1); }, 2 },
        Step { "PageByLargeChange", { 0, 10000, 5000, 1, 100 }, [](ScrollBar& bar) { bar.Page(1); }, 5100 },
        Step { "PageStopsAtMax", { 0, 10000, 9950, 1, 100 }, [](ScrollBar& bar) { bar.Page(1); }, 10000 },
        Step { "Home", { 0, 25, 7 }, [](ScrollBar& bar) { bar.ToEnd(-1); }, 0 },
        Step { "End", { 0, 25, 7 }, [](ScrollBar& bar) { bar.ToEnd(1); }, 25 },
        Step { "WheelLines", { 0, 10000, 5000, 1, 100 }, [](ScrollBar& bar) { bar.Roll(3); }, 5003 },
        Step { "WheelAtMostAPage", { 0, 100, 50, 2, 4 }, [](ScrollBar& bar) { bar.Roll(-5); }, 46 },
        Step { "ReversedArrow", { 10, 0, 5 }, [](ScrollBar& bar) { bar.Step(1); }, 4 },
        Step { "ReversedPageStopsAtMax", { 10, 0, 2, 1, 3 }, [](ScrollBar& bar) { bar.Page(1); }, 0 },
        Step { "ReversedHome", { 10, 0, 5 }, [](ScrollBar& bar) { bar.ToEnd(-1); }, 10 },
        Step { "ReversedWheel", { 10, 0, 5, 1, 5 }, [](ScrollBar& bar) { bar.Roll(-2); }, 7 }),
    [](const testing::TestParamInfo<Step>& info) { return std::string(info.param.name); });

struct Drag {
    Range range;
    double offset;
    double room;
    int value; // the value the thumb shows there, and commits when let go
};

class ThumbDrags : public testing::TestWithParam<Drag> { };

TEST_P(ThumbDrags, ShowTheNearestValueRoundedHalfUpAndCommitItWhenLetGo)
{
    OneBar window(GetParam().range);
    ScrollBar& bar = window.Bar();
    bar.HoldThumb();
    bar.DragThumb(GetParam().offset, GetParam().room);
    EXPECT_EQ(window.Shown(), GetParam().value);
    EXPECT_EQ(bar.Value(), GetParam().range.value);
    EXPECT_EQ(window.changes, 0);
    bar.LetGoThumb();
    EXPECT_EQ(bar.Value(), GetParam().value);
    EXPECT_EQ(window.changes, 1);
}

INSTANTIATE_TEST_SUITE_P(ScrollBar, ThumbDrags,
    testing::Values(Drag { { 0, 25, 5 }, 0, 100, 0 }, Drag { { 0, 25, 5 }, 2, 100, 1 },
        Drag { { 0, 25, 5 }, 1.9, 100, 0 }, Drag { { 0, 25, 5 }, 50, 100, 13 }, Drag { { 0, 25, 5 }, 97, 100, 24 },
        Drag { { 0, 25, 5 }, 98, 100, 25 }, Drag { { 0, 25, 5 }, 150, 100, 25 }, Drag { { 0, 25, 5 }, -5, 100, 0 },
        Drag { { 0, 25, 5 }, 10, 0, 0 }, Drag { { 0, 10000, 5000 }, 1, 3, 3333 },
        Drag { { 0, 10000, 5000 }, 2, 3, 6667 }, Drag { { 10, 0, 5 }, 25, 100, 8 }, Drag { { 10, 0, 5 }, 35, 100, 7 },
        Drag { { 10, 0, 5 }, 100, 100, 0 }));

TEST(ScrollBarThumb, WhileHeldNothingButTheDragMovesItAndACancelShowsTheValueBack)
{
    OneBar window({ 0, 25, 5 });
    ScrollBar& bar = window.Bar();
    bar.HoldThumb();
    bar.DragThumb(50, 100);
    for (const auto& act : std::vector<std::function<void()>> { [&] { bar.Step(1); }, [&] { bar.Page(-1); },
             [&] { bar.ToEnd(1); }, [&] { bar.Roll(1); }, [&] { bar.HoldTrack(1); }, [&] { bar.RepeatTrack(1); } })
        act();
    EXPECT_EQ(bar.Value(), 5);
    EXPECT_EQ(window.Shown(), 13);
    EXPECT_EQ(window.changes, 0);
    bar.CancelThumb();
    EXPECT_EQ(window.Shown(), 5);
    bar.LetGoThumb();
    bar.Step(1);
    EXPECT_EQ(bar.Value(), 6);
    EXPECT_EQ(window.changes, 1);
}

// The value from code runs its change at once, and the thumb, moved there, has nothing more to commit.
TEST(ScrollBarThumb, AValueFromCodeWhileItIsHeldTakesTheThumbThere)
{
    OneBar window({ 0, 25, 5 });
    ScrollBar& bar = window.Bar();
    bar.HoldThumb();
    bar.DragThumb(100, 100);
    bar.SetValue(3);
    EXPECT_EQ(window.Shown(), 3);
    bar.LetGoThumb();
    EXPECT_EQ(bar.Value(), 3);
    EXPECT_EQ(window.changes, 1);
}

// Held before the thumb, the track pages towards Min while the pointer stays before it; once the
// thumb is under the pointer, or past it, the repeats stop.
TEST(ScrollBarTrack, PagesTowardsThePointerUntilTheThumbReachesIt)
{
    OneBar window({ 0, 10000, 5000, 1, 100 });
    ScrollBar& bar = window.Bar();
    std::vector<int> values;
    for (const auto& act : std::vector<std::function<void()>> { [&] { bar.HoldTrack(-1); },
             [&] { bar.RepeatTrack(-1); }, [&] { bar.RepeatTrack(0); }, [&] { bar.RepeatTrack(1); },
             [&] { bar.HoldTrack(1); }, [&] { bar.RepeatTrack(1); }, [&] { bar.RepeatTrack(-1); } }) {
        act();
        values.push_back(bar.Value());
    }
    EXPECT_EQ(values, (std::vector<int> { 4900, 4800, 4800, 4800, 4900, 5000, 5000 }));
    EXPECT_EQ(window.changes, 4);
}

// A handler that closes the window destroys the bar it ran for: the action touches nothing of it
// after (the sanitizer build watches for that).
TEST(ScrollBarActions, GoOnSafelyWhenTheHandlerClosesTheWindow)
{
    headless::HeadlessFace face;
    tests::Probe probe(face);
    probe.onChange = [&] { probe.Close(); };
    const std::vector<std::function<void(ScrollBar&)>> actions { [](ScrollBar& bar) { bar.Step(1); },
        [](ScrollBar& bar) { bar.Page(-1); }, [](ScrollBar& bar) { bar.ToEnd(1); }, [](ScrollBar& bar) { bar.Roll(2); },
        [](ScrollBar& bar) { bar.HoldTrack(1); },
        [](ScrollBar& bar) {
            bar.HoldThumb();
            bar.DragThumb(1, 2);
            bar.LetGoThumb();
        } };
    for (const auto& act : actions) {
        probe.Show();
        act(probe.HScroll1());
        EXPECT_FALSE(probe.IsLoaded());
    }
    EXPECT_EQ(face.errors, std::vector<int> {});
}

} // namespace
