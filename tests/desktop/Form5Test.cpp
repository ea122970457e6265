#include "forms/Form5/Form5.h"
#include "desktop/DesktopFace.h"
#include "tests/desktop/Enlarged.h"
#include "tests/desktop/Widgets.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>

using namespace palettra;
using namespace palettra::toolkit;
using common::ColourValue;
using common::Int16;
using common::RGB;
using tests::WidgetOf;

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
    void ClickDraw() { QTest::mouseClick(&WidgetOf(form.Find<CommandButton>("Command1")), Qt::LeftButton); }
    ScrollBar& Bar(const char* name) { return form.Find<ScrollBar>(name); }
    QScrollBar& BarWidget(const char* name) { return WidgetOf<QScrollBar>(Bar(name)); }
    PictureBox& Picture() { return form.Find<PictureBox>("Picture1"); }
    // A point well inside the lower half of the bulb.
    ColourValue Liquid() { return Picture().Point(0, -25); }
    QImage Shown(double zoom, double pixelRatio)
    {
        return Enlarged(WidgetOf(Picture()), QSize(467, 467), zoom, pixelRatio);
    }

private:
    desktop::DesktopFace face;
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

TEST(Form5, StaysEmptyUntilDrawnThenEveryBarStepRedrawsAtOnce)
{
    Flask flask;
    PixelBuffer blank = flask.Picture().Snapshot();
    blank.Fill(ToPixel(White));
    EXPECT_EQ(flask.Picture().Snapshot(), blank);
    QTest::keyClick(&flask.BarWidget("HScroll1"), Qt::Key_Right);
    EXPECT_EQ(flask.Liquid(), RGB(10, 0, 0));
    QTest::keyClick(&flask.BarWidget("HScroll2"), Qt::Key_End);
    EXPECT_EQ(flask.Liquid(), RGB(10, 250, 0));
    auto& blue = flask.BarWidget("HScroll3");
    blue.setSliderDown(true);
    blue.setSliderPosition(7);
    EXPECT_EQ(flask.Liquid(), RGB(10, 250, 0));
    blue.setSliderDown(false);
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

class FlaskEnlarged : public testing::TestWithParam<Enlargement> {
protected:
    // Where a point of the flask's scale lands on the screen: 463 model pixels for 200 units, inside the border.
    static QPoint OnScreen(const QImage& shown, double x, double y)
    {
        const double scale = shown.width() / 467.0;
        return { static_cast<int>((2 + (x + 100) * 463 / 200) * scale),
            static_cast<int>((2 + (100 - y) * 463 / 200) * scale) };
    }
};

// Twice as large, by zoom or by display scale, the figure is drawn again at the screen's resolution at once,
// not doubled from its pixels: along the outline and the liquid's edge, pixels of one model pixel differ.
TEST_P(FlaskEnlarged, IsDrawnAtTheScreensResolution)
{
    Flask flask;
    flask.SetBars(25, 12, 3);
    const PixelBuffer model = flask.Picture().Snapshot();
    const QImage shown = flask.Shown(GetParam().zoom, GetParam().pixelRatio);
    EXPECT_GT(UnevenSquares(shown, QRect(4, 4, 926, 926)), 1000);
    EXPECT_EQ(QColor(shown.pixel(OnScreen(shown, 0, -25))), QColor(250, 120, 30));
    EXPECT_EQ(QColor(shown.pixel(OnScreen(shown, 0, 25))), QColor(Qt::white));
    EXPECT_EQ(QColor(shown.pixel(OnScreen(shown, -50, 0))), QColor(Qt::black));
    EXPECT_EQ(QColor(shown.pixel(OnScreen(shown, 15, 70))), QColor(Qt::black));
    EXPECT_EQ(QColor(shown.pixel(OnScreen(shown, 80, -80))), QColor(Qt::white));
    EXPECT_EQ(flask.Picture().Snapshot(), model);
}

// Many redraws in other colours leave the enlarged flask as one drawing in a fresh window shows it,
// and its record the size of one drawing.
TEST_P(FlaskEnlarged, ShowsOnlyTheLastOfManyRedraws)
{
    Flask redrawn;
    redrawn.SetBars(25, 12, 3);
    const std::size_t once = redrawn.Picture().Model().Figure()->Size();
    for (Int16 step = 0; step <= 25; ++step)
        redrawn.SetBars(step, 25 - step, 9);
    EXPECT_EQ(redrawn.Picture().Model().Figure()->Size(), once);
    Flask fresh;
    fresh.SetBars(25, 0, 9);
    EXPECT_EQ(
        redrawn.Shown(GetParam().zoom, GetParam().pixelRatio), fresh.Shown(GetParam().zoom, GetParam().pixelRatio));
}

INSTANTIATE_TEST_SUITE_P(TwiceAsLarge, FlaskEnlarged,
    testing::Values(Enlargement { 2, 1, "Zoom200" }, Enlargement { 1, 2, "DisplayScale2" }),
    [](const testing::TestParamInfo<Enlargement>& info) { return info.param.name; });

} // namespace
