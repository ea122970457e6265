#include "tests/Enlarged.h"
#include "toolkit/PictureBox.h"
#include "toolkit/PictureModel.h"
#include "toolkit/Window.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace palettra;
using namespace palettra::toolkit;
using common::ColourValue;
using common::RuntimeError;

namespace {

constexpr ColourValue White = 0xFFFFFF;
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

// 104 x 104 pixels outside, 100 x 100 inside.
ControlLayout BoxLayout(bool drawnAtScreenResolution = false)
{
    return { .kind = Kind::PictureBox,
        .name = "Picture1",
        .left = 300,
        .top = 300,
        .width = 1560,
        .height = 1560,
        .tab = 0,
        .backColor = Fixed(White),
        .drawnAtScreenResolution = drawnAtScreenResolution };
}

int PaintedPixels(const QImage& image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixel(x, y) != qRgb(255, 255, 255);
    return painted;
}

TEST(PictureModel, DrawsAndReadsBackWithoutAWindow)
{
    PictureModel model(QSize(100, 100), BoxLayout());
    EXPECT_EQ(model.ScaleWidth(), 1500); // twips until a scale is set
    model.Scale(-50, 50, 50, -50);
    model.Line(-50, 10, 50, 10, 0x00FF00);
    model.PSet(0, 0, 0x123456);
    model.SetDrawWidth(3);
    model.Circle(0, 0, 30, 0x0000FF);
    EXPECT_EQ(model.Point(49.9f, 10), 0x00FF00);
    EXPECT_EQ(model.Point(0, 0), 0x123456);
    EXPECT_EQ(model.Point(0, -30), 0x0000FF);
    EXPECT_EQ(model.Point(50, 0), -1);
    EXPECT_EQ(model.Snapshot().size(), QSize(100, 100));
}

struct Refusal {
    const char* name;
    std::function<void(PictureModel&)> set;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class RefusedScale : public testing::TestWithParam<Refusal> { };

// A scale that is not a number of some size is refused and leaves the scale as it was: a vertical
// one-pixel line still covers one column, not a block.
TEST_P(RefusedScale, LeavesTheScaleAsItWas)
{
    PictureModel model(QSize(100, 100), BoxLayout());
    model.Scale(-50, 50, 50, -50);
    try {
        GetParam().set(model);
        FAIL() << "accepted";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Code(), 380);
    }
    EXPECT_EQ(model.ScaleLeft(), -50);
    EXPECT_EQ(model.ScaleTop(), 50);
    EXPECT_EQ(model.ScaleWidth(), 100);
    EXPECT_EQ(model.ScaleHeight(), -100);
    model.Line(0, 50, 0, -50, 0);
    EXPECT_EQ(PaintedPixels(model.Snapshot()), 100);
}

INSTANTIATE_TEST_SUITE_P(Extents, RefusedScale,
    testing::Values(Refusal { "WidthNaN", [](PictureModel& m) { m.SetScaleWidth(NaN); } },
        Refusal { "WidthInfinite", [](PictureModel& m) { m.SetScaleWidth(Infinity); } },
        Refusal { "WidthZero", [](PictureModel& m) { m.SetScaleWidth(0); } },
        Refusal { "HeightNaN", [](PictureModel& m) { m.SetScaleHeight(NaN); } },
        Refusal { "HeightMinusInfinite", [](PictureModel& m) { m.SetScaleHeight(-Infinity); } },
        Refusal { "CornerNaN", [](PictureModel& m) { m.Scale(0, 0, NaN, 10); } },
        Refusal { "CornerInfinite", [](PictureModel& m) { m.Scale(-Infinity, 0, 10, 10); } },
        Refusal { "BothCornersInfinite", [](PictureModel& m) { m.Scale(0, -Infinity, 10, Infinity); } },
        Refusal { "CornersFartherApartThanAFloatReaches", [](PictureModel& m) { m.Scale(-3e38f, 0, 3e38f, 10); } },
        Refusal { "CornersLevel", [](PictureModel& m) { m.Scale(0, 5, 10, 5); } }),
    [](const testing::TestParamInfo<Refusal>& info) { return info.param.name; });

struct Ends {
    float x1, y1, x2, y2;
};

class NaNLine : public testing::TestWithParam<std::tuple<int, Ends>> { };

// Straight down, straight across, sloped: with an end that is not a number, none of them is drawn,
// with a thin pen or a thick one, on a box that keeps its figure or not.
TEST_P(NaNLine, DrawsNothing)
{
    const auto [width, ends] = GetParam();
    for (const bool recorded : { false, true }) {
        PictureModel model(QSize(100, 100), BoxLayout(recorded));
        model.Scale(-50, 50, 50, -50);
        model.SetDrawWidth(width);
        model.Line(ends.x1, ends.y1, ends.x2, ends.y2, 0);
        EXPECT_EQ(PaintedPixels(model.Snapshot()), 0) << (recorded ? "recorded" : "plain");
    }
}

INSTANTIATE_TEST_SUITE_P(Ends, NaNLine,
    testing::Combine(testing::Values(1, 3),
        testing::Values(
            Ends { 10, 20, 10, NaN }, Ends { NaN, 0, 20, 0 }, Ends { 0, 0, 20, NaN }, Ends { NaN, NaN, 5, 5 })));

// A recorded figure keeps one call per shape, and gives up, to the image, only beyond its bound.
TEST(PictureModel, ARecordedFigureKeepsOneCallPerShape)
{
    PictureModel model(QSize(100, 100), BoxLayout(true));
    model.Scale(-50, 50, 50, -50);
    auto figure = [&](ColourValue colour) {
        model.SetDrawWidth(5);
        for (int r = 1; r <= 20; ++r)
            model.Circle(0, 0, static_cast<float>(r), colour);
        model.Line(-30, 20, 30, 20, colour);
        model.SetDrawWidth(1);
        model.Line(-30, 25, 30, 25, colour);
        model.PSet(0, 40, colour);
    };
    figure(0x0000FF);
    const std::size_t once = model.Figure()->Size();
    EXPECT_EQ(once, 23u);
    for (ColourValue colour = 0; colour < 30; ++colour)
        figure(colour);
    EXPECT_EQ(model.Figure()->Size(), once);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 20; ++y)
            model.PSet(static_cast<float>(x - 50), static_cast<float>(-30 - y), 0);
    EXPECT_FALSE(model.Figure()->Complete());
    model.SetBackColor(White);
    EXPECT_TRUE(model.Figure()->Complete());
    EXPECT_EQ(model.Figure()->Size(), 0u);
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
    QImage Shown() { return Enlarged(Picture(), QSize(104, 104), GetParam().zoom, GetParam().pixelRatio); }
    Window window { ViewLayout };
};

TEST_P(PictureView, ShowsTheModelScaledAndLeavesItAsItWas)
{
    const QImage model = Picture().Snapshot();
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
    EXPECT_EQ(Picture().Snapshot(), model);
    EXPECT_EQ(Picture().Point(42.5f, 57.5f), Checker(42, 57));
}

// Each model pixel a whole block of screen pixels: exactly the model's colour, no blur at the squares' edges.
TEST_P(PictureView, AtAWholeScaleShowsEachPixelAsABlock)
{
    const double scale = GetParam().zoom * GetParam().pixelRatio;
    if (scale != std::round(scale))
        GTEST_SKIP() << "smoothed";
    const QImage model = Picture().Snapshot();
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

} // namespace
