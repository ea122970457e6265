#include "common/RuntimeError.h"
#include "tests/PictureLayout.h"
#include "toolkit/picture/PictureModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;
using common::ColourValue;
using common::RuntimeError;

namespace {

constexpr ColourValue White = 0xFFFFFF;
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

constexpr Size BoxPixels { 100, 100 };

// Keeps what it is handed and paints nothing: what reaches the face is the model's business.
struct StrokeList : Rasteriser {
    void Paint(PixelBuffer&, const Stroke& stroke) override { strokes.push_back(stroke); }
    std::vector<Stroke> strokes;
};

int PaintedPixels(const PixelBuffer& pixels)
{
    const Pixel* const data = pixels.Data();
    return static_cast<int>(std::count_if(
        data, data + pixels.Width() * pixels.Height(), [](Pixel pixel) { return pixel != ToPixel(White); }));
}

TEST(PictureModel, DrawsAndReadsBackWithoutAWindow)
{
    StrokeList rasteriser;
    PictureModel model(BoxPixels, BoxLayout(), rasteriser);
    EXPECT_EQ(model.ScaleWidth(), 1500); // twips until a scale is set
    model.Scale(-50, 50, 50, -50);
    model.Line(-50, 10, 50, 10, 0x00FF00);
    model.PSet(0, 0, 0x123456);
    model.SetDrawWidth(3);
    model.Circle(0, 0, 30, 0x0000FF);
    EXPECT_EQ(model.Point(49.9f, 10), 0x00FF00);
    EXPECT_EQ(model.Point(0, 0), 0x123456);
    EXPECT_EQ(model.Point(50, 0), -1);
    ASSERT_EQ(rasteriser.strokes.size(), 1u);
    const Stroke& circle = rasteriser.strokes.front();
    EXPECT_EQ(circle.Kind(), Stroke::Shape::Circle);
    EXPECT_EQ(circle.Box(), (RectF { 20, 20, 60, 60 }));
    EXPECT_EQ(circle.Width(), 3);
    EXPECT_EQ(circle.Colour(), 0xFFFF0000u);
    EXPECT_EQ(model.Snapshot().Width(), 100);
    EXPECT_EQ(model.Snapshot().Height(), 100);
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
    StrokeList rasteriser;
    PictureModel model(BoxPixels, BoxLayout(), rasteriser);
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

INSTANTIATE_TEST_SUITE_P(Values, RefusedScale,
    testing::Values(Refusal { "LeftNaN", [](PictureModel& m) { m.SetScaleLeft(NaN); } },
        Refusal { "TopInfinite", [](PictureModel& m) { m.SetScaleTop(Infinity); } },
        Refusal { "WidthNaN", [](PictureModel& m) { m.SetScaleWidth(NaN); } },
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
        StrokeList rasteriser;
        PictureModel model(BoxPixels, BoxLayout(recorded), rasteriser);
        model.Scale(-50, 50, 50, -50);
        model.SetDrawWidth(width);
        model.Line(ends.x1, ends.y1, ends.x2, ends.y2, 0);
        EXPECT_EQ(PaintedPixels(model.Snapshot()), 0) << (recorded ? "recorded" : "plain");
        EXPECT_TRUE(rasteriser.strokes.empty()) << (recorded ? "recorded" : "plain");
    }
}

INSTANTIATE_TEST_SUITE_P(Ends, NaNLine,
    testing::Combine(testing::Values(1, 3),
        testing::Values(
            Ends { 10, 20, 10, NaN }, Ends { NaN, 0, 20, 0 }, Ends { 0, 0, 20, NaN }, Ends { NaN, NaN, 5, 5 })));

// A recorded figure keeps one call per shape, and gives up, to the image, only beyond its bound.
TEST(PictureModel, ARecordedFigureKeepsOneCallPerShape)
{
    StrokeList rasteriser;
    PictureModel model(BoxPixels, BoxLayout(true), rasteriser);
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

// A line along an axis of the scale takes a short cut; a line that leans within one pixel
// column or row goes the general way. Both must paint the same pixels, wherever their ends lie,
// and neither needs the face's painter.
TEST(PictureModel, AxisLinesPaintAsLinesLeaningWithinOnePixel)
{
    StrokeList rasteriser;
    PictureModel model(BoxPixels, BoxLayout(), rasteriser);
    model.Scale(-5, 35, 25, -5); // 0.3 units a pixel across, 0.4 down, y growing upward
    std::mt19937 random(3);
    std::uniform_int_distribution<int> pixel(-10, 109); // some lie outside
    std::uniform_real_distribution<float> anywhere(-20, 50);
    struct Segment {
        bool vertical;
        float across, from, to;
        ColourValue colour;
    };
    std::vector<Segment> segments;
    for (int i = 0; i < 3000; ++i) {
        const bool vertical = i % 2 == 0;
        // The middle of a pixel column or row, so that a lean of a quarter pixel stays inside it.
        const float across = vertical ? -5 + (pixel(random) + 0.5f) * 0.3f : 35 - (pixel(random) + 0.5f) * 0.4f;
        segments.push_back({ vertical, across, anywhere(random), anywhere(random), static_cast<ColourValue>(i) });
    }
    auto draw = [&](float lean) {
        model.SetBackColor(White);
        for (const Segment& s : segments) {
            if (s.vertical)
                model.Line(s.across, s.from, s.across + 0.075f * lean, s.to, s.colour);
            else
                model.Line(s.from, s.across, s.to, s.across - 0.1f * lean, s.colour);
        }
        return model.Snapshot();
    };
    const PixelBuffer straight = draw(0);
    EXPECT_EQ(straight, draw(1));
    EXPECT_TRUE(rasteriser.strokes.empty());
    draw(20); // a lean across pixels goes to the painter
    EXPECT_FALSE(rasteriser.strokes.empty());
}

} // namespace
