#include "forms/Form5/Form5.h"
#include "headless/HeadlessFace.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace palettra;
using namespace palettra::toolkit;
using common::ColourValue;
using common::Int16;
using common::RGB;

namespace {

constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Black = 0;

class Flask {
public:
    Flask() { form.Show(); }
    void SetBars(Int16 r, Int16 g, Int16 b)
    {
        Bar("HScroll1").SetValue(r);
        Bar("HScroll2").SetValue(g);
        Bar("HScroll3").SetValue(b);
    }
    void ClickDraw() { form.Find<CommandButton>("Command1").Press(); }
    ScrollBar& Bar(const char* name) { return form.Find<ScrollBar>(name); }
    PictureBox& Picture() { return form.Find<PictureBox>("Picture1"); }
    // A point well inside the lower half of the bulb.
    ColourValue Liquid() { return Picture().Point(0, -25); }

private:
    headless::HeadlessFace face;
    Form5 form { face };
};

struct Mix {
    Int16 r, g, b;
    ColourValue liquid;
    const char* name;
};

void PrintTo(const Mix& mix, std::ostream* out) { *out << mix.name; }

class Form5Figure : public testing::TestWithParam<Mix> { };

TEST_P(Form5Figure, FillsTheLowerHalfUnderAWhiteBandInsideAnOutlineOpenAtTheTop)
{
    const Mix& mix = GetParam();
    Flask flask;
    flask.SetBars(mix.r, mix.g, mix.b);
    flask.ClickDraw();
    PictureBox& picture = flask.Picture();
    // The rings must merge: no gap anywhere in the lower half, clear of the band's and the outline's pens.
    for (int x = -45; x <= 45; ++x) {
        for (int y = -45; y <= -3; ++y) {
            if (x * x + y * y <= 45 * 45) {
                ASSERT_EQ(picture.Point(x, y), mix.liquid) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(picture.Point(0, 25), White);
    EXPECT_EQ(picture.Point(0, 50), White); // the gap where the neck joins
    EXPECT_EQ(picture.Point(-50, 0), Black);
    EXPECT_EQ(picture.Point(0, -50), Black);
    EXPECT_EQ(picture.Point(50, 0), Black);
    EXPECT_EQ(picture.Point(-15, 70), Black);
    EXPECT_EQ(picture.Point(15, 70), Black);
    EXPECT_EQ(picture.Point(80, -80), White);
}

INSTANTIATE_TEST_SUITE_P(Colours, Form5Figure,
    testing::Values(Mix { 0, 0, 0, Black, "BlackAtTheFirstDraw" }, Mix { 25, 12, 3, RGB(250, 120, 30), "Orange" },
        Mix { 25, 25, 25, RGB(250, 250, 250), "VeryLightGreyNotWhite" }),
    [](const testing::TestParamInfo<Mix>& info) { return info.param.name; });

// A thumb the user drags commits once, when let go: that is the face's rule, and each commit here
// is one the face hands over, as it does for a step, a page step or a drag's end.
TEST(Form5, StaysEmptyUntilDrawnThenEveryCommittedChangeRedrawsAtOnce)
{
    Flask flask;
    PixelBuffer blank = flask.Picture().Snapshot();
    blank.Fill(ToPixel(White));
    EXPECT_EQ(flask.Picture().Snapshot(), blank);
    flask.Bar("HScroll1").Commit(1);
    EXPECT_EQ(flask.Liquid(), RGB(10, 0, 0));
    flask.Bar("HScroll2").Commit(25);
    EXPECT_EQ(flask.Liquid(), RGB(10, 250, 0));
    flask.Bar("HScroll3").Commit(7);
    EXPECT_EQ(flask.Liquid(), RGB(10, 250, 70));
}

TEST(Form5, ARedrawLeavesNoTraceOfEarlierRuns)
{
    Flask repainted;
    repainted.SetBars(25, 12, 3);
    repainted.SetBars(0, 4, 9);
    const PixelBuffer once = repainted.Picture().Snapshot();
    repainted.ClickDraw();
    EXPECT_EQ(repainted.Picture().Snapshot(), once);
    Flask fresh;
    fresh.SetBars(0, 4, 9);
    EXPECT_EQ(fresh.Picture().Snapshot(), once);
}

} // namespace
