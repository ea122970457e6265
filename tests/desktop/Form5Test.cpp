#include "forms/Form5/Form5.h"
#include "desktop/DesktopFace.h"
#include "tests/desktop/Enlarged.h"
#include "tests/desktop/Widgets.h"

#include <gtest/gtest.h>

using namespace palettra;
using namespace palettra::toolkit;
using common::Int16;
using tests::WidgetOf;

namespace {

// The flask's figure itself is checked on the core's face (tests/core/Form5Test.cpp); here, how the
// desktop shows it enlarged.
class Flask {
public:
    Flask() { form.Show(); }
    void SetBars(Int16 r, Int16 g, Int16 b)
    {
        Bar("HScroll1").SetValue(r);
        Bar("HScroll2").SetValue(g);
        Bar("HScroll3").SetValue(b);
    }
    ScrollBar& Bar(const char* name) { return form.Find<ScrollBar>(name); }
    PictureBox& Picture() { return form.Find<PictureBox>("Picture1"); }
    QImage Shown(double zoom, double pixelRatio)
    {
        return Enlarged(WidgetOf(Picture()), QSize(467, 467), zoom, pixelRatio);
    }

private:
    desktop::DesktopFace face;
    Form5 form { face };
};

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
