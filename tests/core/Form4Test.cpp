#include "forms/Form4/Form4.h"
#include "headless/HeadlessFace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <sstream>
#include <string>

using namespace palettra;
using common::ColourValue;
using common::RGB;
using toolkit::PictureBox;
using toolkit::Pixel;
using toolkit::PixelBuffer;
using toolkit::ScrollBar;

namespace {

using Bars = std::array<int, 3>; // red, green, blue bar values, 0..25

constexpr ColourValue White = 0xFFFFFF;

class Form4Test : public testing::Test {
protected:
    void SetUp() override { form.Show(); }

    ScrollBar& Bar(int number) { return form.Find<ScrollBar>("HScroll" + std::to_string(number)); }
    PictureBox& Picture(int number) { return form.Find<PictureBox>("Picture" + std::to_string(number)); }
    PictureBox& Canvas() { return Picture(1); }

    void SetColours(const Bars& outer, const Bars& inner)
    {
        for (int channel = 0; channel < 3; ++channel) {
            Bar(1 + channel).SetValue(static_cast<common::Int16>(outer[channel]));
            Bar(4 + channel).SetValue(static_cast<common::Int16>(inner[channel]));
        }
    }

    headless::HeadlessFace face;
    Form4 form { face };
};

// --- The whole sequence, read afresh from the behaviour and drawn in plain arithmetic ---

constexpr int CanvasPixels = 496; // either way, for 10000 units from -5000 to 5000

int Interpolated(int outer, int inner, int i)
{
    if (outer == inner)
        return inner;
    return static_cast<int>(std::nearbyint(inner + (outer - inner) * (i / 5000.0)));
}

Pixel SquarePixel(const Bars& outer, const Bars& inner, int i)
{
    auto channel = [&](int c) { return static_cast<Pixel>(Interpolated(10 * outer[c], 10 * inner[c], i)); };
    return 0xFF000000u | channel(0) << 16 | channel(1) << 8 | channel(2);
}

// The pixel column of x, or the pixel row of -y: the canvas runs left to right and top to bottom.
int PixelOf(int units) { return (units + 5000) * CanvasPixels / 10000; }

// The centre point, then each square's outline over the ones before, cut at the canvas's edge.
PixelBuffer EverySquareInTurn(const Bars& outer, const Bars& inner)
{
    PixelBuffer expected({ CanvasPixels, CanvasPixels });
    Pixel* const pixels = expected.Data();
    auto put = [&](int column, int row, Pixel colour) {
        if (column < CanvasPixels && row < CanvasPixels)
            pixels[row * CanvasPixels + column] = colour;
    };
    put(PixelOf(0), PixelOf(0), SquarePixel(outer, inner, 0));
    for (int i = 1; i <= 5000; ++i) {
        const Pixel colour = SquarePixel(outer, inner, i);
        const int near = PixelOf(-i);
        const int far = PixelOf(i);
        for (int along = near; along <= far; ++along) {
            put(far, along, colour);
            put(along, far, colour);
            put(near, along, colour);
            put(along, near, colour);
        }
    }
    return expected;
}

std::string Differences(const PixelBuffer& actual, const PixelBuffer& expected)
{
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return "sizes differ";
    int count = 0;
    std::ostringstream first;
    for (int i = 0; i < actual.Width() * actual.Height(); ++i)
        if (actual.Data()[i] != expected.Data()[i] && count++ == 0)
            first << ", first at (" << i % actual.Width() << ", " << i / actual.Width() << ") " << std::hex
                  << actual.Data()[i] << " for " << expected.Data()[i];
    return count == 0 ? "" : std::to_string(count) + " pixels differ" + first.str();
}

struct Pair {
    const char* name;
    Bars outer, inner;
};

void PrintTo(const Pair& pair, std::ostream* out) { *out << pair.name; }

class Form4Repaint : public Form4Test, public testing::WithParamInterface<Pair> { };

TEST_P(Form4Repaint, LeavesThePixelsOfEverySquareDrawnInTurn)
{
    const Pair& pair = GetParam();
    SetColours(pair.outer, pair.inner);
    const PixelBuffer repainted = Canvas().Snapshot();
    EXPECT_EQ(Differences(repainted, EverySquareInTurn(pair.outer, pair.inner)), "");

    // A channel both colours share is that value on every pixel, the centre included.
    for (int channel = 0; channel < 3; ++channel) {
        if (pair.outer[channel] != pair.inner[channel])
            continue;
        const int shared = 10 * pair.inner[channel];
        const int shift = 16 - 8 * channel; // a pixel holds red highest
        const Pixel* const pixels = repainted.Data();
        const int others = static_cast<int>(std::count_if(pixels, pixels + repainted.Width() * repainted.Height(),
            [&](Pixel pixel) { return (pixel >> shift & 0xFF) != static_cast<unsigned>(shared); }));
        EXPECT_EQ(others, 0) << "channel " << channel;
    }
}

INSTANTIATE_TEST_SUITE_P(ColourPairs, Form4Repaint,
    testing::Values(Pair { "FirstStepFromStart", { 1, 0, 0 }, { 25, 25, 25 } },
        Pair { "RedFadesOut", { 0, 0, 0 }, { 25, 0, 0 } }, Pair { "RedFadesIn", { 25, 0, 0 }, { 0, 0, 0 } },
        Pair { "Uniform", { 7, 19, 3 }, { 7, 19, 3 } }, Pair { "SharedGreen", { 25, 10, 0 }, { 0, 10, 25 } },
        Pair { "Mixed", { 3, 22, 14 }, { 20, 5, 9 } }),
    [](const testing::TestParamInfo<Pair>& info) { return std::string(info.param.name); });

// --- Square colours read back on the canvas ---

// The 496 pixel columns of the canvas are 10000 / 496 ≈ 20.2 units wide, so about twenty
// consecutive squares put their right side on one column and the largest of them is what
// stays there. A half-side can therefore be read back at (i, 0) only when square i + 1
// moves on to the next column; the table keeps to such half-sides.
bool LastOnItsColumn(int i) { return (5000 + i) * 496 / 10000 != (5001 + i) * 496 / 10000; }

struct HalfSide {
    int outerRed, innerRed; // bar values
    int i;
    int red;
};

void PrintTo(const HalfSide& s, std::ostream* out)
{
    *out << "red " << 10 * s.innerRed << " to " << 10 * s.outerRed << " at i = " << s.i;
}

class Form4HalfSide : public Form4Test, public testing::WithParamInterface<HalfSide> { };

TEST_P(Form4HalfSide, ShowsItsInterpolatedRed)
{
    const HalfSide& s = GetParam();
    ASSERT_TRUE(LastOnItsColumn(s.i));
    SetColours({ s.outerRed, 0, 0 }, { s.innerRed, 0, 0 });
    EXPECT_EQ(common::RedOf(Canvas().Point(static_cast<float>(s.i), 0)), s.red);
}

INSTANTIATE_TEST_SUITE_P(Rounding, Form4HalfSide,
    testing::Values(HalfSide { 0, 25, 60, 247 }, // 247 exactly
        HalfSide { 0, 25, 1129, 194 }, // 193.55
        HalfSide { 0, 25, 1270, 186 }, // 186.5 ties to even, downward
        HalfSide { 0, 25, 1290, 186 }, // 185.5 ties to even, upward
        HalfSide { 25, 0, 1129, 56 }, // 56.45
        HalfSide { 25, 0, 1270, 64 }, // 63.5
        HalfSide { 25, 0, 1290, 64 }, // 64.5
        HalfSide { 25, 0, 4999, 250 })); // 249.95, on the last column inside the canvas

TEST_F(Form4Test, TheBorderIsTheOuterColourExactly)
{
    SetColours({ 25, 3, 0 }, { 0, 20, 25 });
    // Square 5000's right and bottom sides fall just outside; its left and top sides are the border.
    for (const auto& [x, y] : std::array<std::array<float, 2>, 3> { { { -5000, 0 }, { 0, 5000 }, { -5000, 5000 } } })
        EXPECT_EQ(Canvas().Point(x, y), RGB(250, 30, 0));
}

// --- Swatches ---

struct BarMove {
    int bar;
    int movedSwatch, otherSwatch;
    ColourValue movedColour, otherColour;
    ColourValue border;
    ColourValue centre; // square 20's: the first twenty squares all pass through the centre pixel
};

void PrintTo(const BarMove& move, std::ostream* out) { *out << "HScroll" << move.bar; }

class Form4BarMove : public Form4Test, public testing::WithParamInterface<BarMove> { };

TEST_P(Form4BarMove, RecoloursOnlyItsSwatchAndRepaints)
{
    const BarMove& move = GetParam();
    EXPECT_EQ(Canvas().Point(0, 0), Canvas().BackColor()) << "no gradient before the first change";
    Bar(move.bar).SetValue(static_cast<common::Int16>(Bar(move.bar).Value() == 0 ? 1 : 24));
    EXPECT_EQ(Picture(move.movedSwatch).BackColor(), move.movedColour);
    EXPECT_EQ(Picture(move.movedSwatch).Point(100, 100), move.movedColour);
    EXPECT_EQ(Picture(move.otherSwatch).BackColor(), move.otherColour);
    EXPECT_EQ(Canvas().Point(-5000, 0), move.border);
    EXPECT_EQ(Canvas().Point(0, 0), move.centre);
}

// The inner swatch starts white while the inner bars give (250, 250, 250).
INSTANTIATE_TEST_SUITE_P(SixBars, Form4BarMove,
    testing::Values(BarMove { 1, 2, 3, RGB(10, 0, 0), White, RGB(10, 0, 0), RGB(249, 249, 249) },
        BarMove { 2, 2, 3, RGB(0, 10, 0), White, RGB(0, 10, 0), RGB(249, 249, 249) },
        BarMove { 3, 2, 3, RGB(0, 0, 10), White, RGB(0, 0, 10), RGB(249, 249, 249) },
        BarMove { 4, 3, 2, RGB(240, 250, 250), 0, 0, RGB(239, 249, 249) },
        BarMove { 5, 3, 2, RGB(250, 240, 250), 0, 0, RGB(249, 239, 249) },
        BarMove { 6, 3, 2, RGB(250, 250, 240), 0, 0, RGB(249, 249, 239) }));

} // namespace
