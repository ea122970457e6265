#include "desktop/DesktopFace.h"
#include "desktop/QtRasteriser.h"
#include "forms/Form6/Form6.h"
#include "tests/PictureLayout.h"
#include "tests/desktop/Enlarged.h"
#include "tests/desktop/Widgets.h"
#include "toolkit/Window.h"
#include "toolkit/controls/PictureBox.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

using namespace palettra;
using namespace palettra::toolkit;
using common::ColourValue;
using desktop::ImageView;
using tests::WidgetOf;

namespace {

// What Qt paints lands in the model's own pixels, where the next point reads it.
TEST(QtRasteriser, PaintsIntoThePicturesPixels)
{
    desktop::QtRasteriser rasteriser;
    PictureModel model({ 100, 100 }, BoxLayout(), rasteriser);
    model.Scale(-50, 50, 50, -50);
    model.SetDrawWidth(3);
    model.Circle(0, 0, 30, 0x0000FF);
    model.Line(-40, -40, 40, 40, 0x00FF00);
    EXPECT_EQ(model.Point(0, -30), 0x0000FF);
    EXPECT_EQ(model.Point(20, 20), 0x00FF00);
    EXPECT_EQ(model.Point(0, 20), 0xFFFFFF);
}

TEST(QtRasteriser, CirclesAndArcsDrawOutlinesOnly)
{
    desktop::QtRasteriser rasteriser;
    PictureModel picture({ 100, 100 }, BoxLayout(), rasteriser);
    picture.Scale(-50, 50, 50, -50);
    picture.SetDrawWidth(3);
    picture.Circle(0, 0, 30, 0x0000FF);
    EXPECT_EQ(picture.Point(30, 0), 0x0000FF);
    EXPECT_EQ(picture.Point(0, -30), 0x0000FF);
    EXPECT_EQ(picture.Point(0, 0), 0xFFFFFF);
    picture.SetBackColor(0xFFFFFF);
    picture.Circle(0, 0, 30, 0, 0.6f * 3.14159265f, 0.4f * 3.14159265f);
    EXPECT_EQ(picture.Point(0, -30), 0); // the bottom lies on the arc
    EXPECT_EQ(picture.Point(-30, 0), 0);
    EXPECT_EQ(picture.Point(0, 30), 0xFFFFFF); // the gap at the top
}

const WindowLayout ViewLayout { .name = "View", .caption = "View", .controls = { BoxLayout() } };

// Ten-pixel squares in two colours, one model pixel per unit.
ColourValue Checker(int column, int row) { return (column / 10 + row / 10) % 2 ? 0x2050F0 : 0x30C040; }

class PictureView : public testing::TestWithParam<Enlargement> {
protected:
    PictureView()
    {
        window.Show();
        auto& picture = Picture();
        picture.Scale(0, 0, 100, 100);
        for (int row = 0; row < 100; ++row)
            for (int column = 0; column < 100; ++column)
                picture.PSet(column + 0.5f, row + 0.5f, Checker(column, row));
        picture.FinishDrawing();
    }
    PictureBox& Picture() { return window.Find<PictureBox>("Picture1"); }
    QImage Shown() { return Enlarged(WidgetOf(Picture()), QSize(104, 104), GetParam().zoom, GetParam().pixelRatio); }
    desktop::DesktopFace face;
    Window window { ViewLayout, face };
};

TEST_P(PictureView, ShowsTheModelScaledAndLeavesItAsItWas)
{
    const PixelBuffer pixels = Picture().Snapshot();
    const QImage model = ImageView(pixels);
    const QImage shown = Shown();
    const double scale = GetParam().zoom * GetParam().pixelRatio;
    ASSERT_EQ(shown.width(), std::lround(104 * GetParam().zoom) * GetParam().pixelRatio);
    // The middle of every pixel of the model away from a square's edge shows that pixel's colour.
    for (int row = 0; row < 100; ++row)
        for (int column = 0; column < 100; ++column)
            if (column % 10 != 0 && column % 10 != 9 && row % 10 != 0 && row % 10 != 9) {
                const int x = static_cast<int>((2 + column + 0.5) * scale);
                const int y = static_cast<int>((2 + row + 0.5) * scale);
                ASSERT_EQ(shown.pixel(x, y), model.pixel(column, row)) << column << ", " << row;
            }
    // The bevels scale with the box, the outer one first.
    const int middle = shown.height() / 2;
    EXPECT_EQ(shown.pixelColor(0, middle), QColor(160, 160, 160));
    EXPECT_EQ(shown.pixelColor(static_cast<int>(1.5 * scale), middle), QColor(105, 105, 105));
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, middle), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(static_cast<int>(shown.width() - 1.5 * scale), middle), QColor(227, 227, 227));
    EXPECT_EQ(Picture().Snapshot(), pixels);
    EXPECT_EQ(Picture().Point(42.5f, 57.5f), Checker(42, 57));
}

// Each model pixel a whole block of screen pixels: exactly the model's colour, no blur at the squares' edges.
TEST_P(PictureView, AtAWholeScaleShowsEachPixelAsABlock)
{
    const double scale = GetParam().zoom * GetParam().pixelRatio;
    if (scale != std::round(scale))
        GTEST_SKIP() << "smoothed";
    const PixelBuffer pixels = Picture().Snapshot();
    const QImage model = ImageView(pixels);
    const QImage shown = Shown();
    const int n = static_cast<int>(scale);
    for (int y = 2 * n; y < 102 * n; ++y)
        for (int x = 2 * n; x < 102 * n; ++x)
            ASSERT_EQ(shown.pixel(x, y), model.pixel(x / n - 2, y / n - 2)) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Scales, PictureView,
    testing::Values(Enlargement { 1.5, 1, "Zoom150" }, Enlargement { 2, 1, "Zoom200" },
        Enlargement { 1, 2, "DisplayScale2" }, Enlargement { 1.5, 2, "Zoom150AtDisplayScale2" },
        Enlargement { 3, 1, "Zoom300" }),
    [](const testing::TestParamInfo<Enlargement>& info) { return info.param.name; });

// Twice as large, the photo is smoothed rather than doubled into blocks, and the picture itself stays as stored.
TEST(PhotoView, TheEnlargedPictureIsSmoothNotBlocky)
{
    desktop::DesktopFace face;
    Form6 form(face);
    form.Show();
    PictureBox& picture = form.Find<PictureBox>("Picture1");
    const PixelBuffer stored = picture.Snapshot();
    const QImage shown = Enlarged(WidgetOf(picture), QSize(284, 500), 2, 1);
    EXPECT_GT(UnevenSquares(shown, QRect(4, 4, 2 * stored.Width(), 2 * stored.Height())),
        stored.Width() * stored.Height() / 10);
    EXPECT_EQ(picture.Snapshot(), stored);
}

} // namespace
