#include "forms/Form6/Form6.h"
#include "headless/HeadlessFace.h"
#include "tests/ApparatusPicture.h"
#include "toolkit/picture/StoredPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace palettra;
using common::RGB;
using toolkit::CommandButton;
using toolkit::PictureBox;
using toolkit::Pixel;
using toolkit::PixelBuffer;
using toolkit::ScrollBar;
using toolkit::ToPixel;

namespace {

constexpr Pixel Key = ToPixel(Form6::KeyColour);
constexpr int InnerWidth = 280;
constexpr int InnerHeight = 496;

// The stored picture as decoded, cut to the part the box shows.
PixelBuffer Shown()
{
    PixelBuffer shown({ InnerWidth, InnerHeight });
    shown.Paste(toolkit::StoredPicture("apparatus.jpg"));
    return shown;
}

// The shown picture with exactly its key pixels in the given colour.
PixelBuffer KeyPixelsIn(common::ColourValue colour)
{
    PixelBuffer picture = Shown();
    std::replace(picture.Data(), picture.Data() + InnerWidth * InnerHeight, Key, ToPixel(colour));
    return picture;
}

class Form6Test : public testing::Test {
protected:
    void SetUp() override { form.Show(); }
    void Scan() { form.Find<CommandButton>("Command1").SetValue(true); }
    void ChangeColour() { form.Find<CommandButton>("Command2").SetValue(true); }
    void SetBars(common::Int16 red, common::Int16 green, common::Int16 blue)
    {
        form.Find<ScrollBar>("HScroll1").SetValue(red);
        form.Find<ScrollBar>("HScroll2").SetValue(green);
        form.Find<ScrollBar>("HScroll3").SetValue(blue);
    }
    PictureBox& Picture() { return form.Find<PictureBox>("Picture1"); }
    headless::HeadlessFace face;
    Form6 form { face };
};

TEST_F(Form6Test, ShowsThePictureUnscaledAtTheTopLeft) { EXPECT_EQ(Picture().Snapshot(), Shown()); }

TEST_F(Form6Test, ScanRecordsEverySamplePointOnAKeyPixelAndNoOther)
{
    Scan();
    EXPECT_EQ(Picture().ScaleWidth(), 426);
    EXPECT_EQ(Picture().ScaleHeight(), 750);
    const PixelBuffer shown = Shown();
    // The box maps a user unit to pixels by this product; at 2/3 pixel per unit most pixels get two points.
    auto pixel = [](int unit, int pixels, int units) { return static_cast<int>(unit * (pixels / double(units))); };
    int recorded = 0, sharedPixels = 0;
    for (int x = 0; x <= 426; ++x) {
        const int column = pixel(x, InnerWidth, 426);
        for (int y = 0; y <= 750; ++y) {
            const int row = pixel(y, InnerHeight, 750);
            const bool key = column < InnerWidth && row < InnerHeight && shown.Data()[row * InnerWidth + column] == Key;
            ASSERT_EQ(form.KeyMaskAt(x, y) == Form6::Cell::Key, key) << "at " << x << ", " << y;
            recorded += key;
            sharedPixels += key && y > 0 && pixel(y - 1, InnerHeight, 750) == row;
        }
    }
    EXPECT_EQ(recorded, tests::ApparatusKeyPoints);
    EXPECT_GT(sharedPixels, 0);
}

struct Bars {
    common::Int16 red, green, blue;
    common::ColourValue painted;
};

class Form6Repainting : public Form6Test, public testing::WithParamInterface<Bars> { };

TEST_P(Form6Repainting, FirstRedThenTheNewColourOnExactlyTheKeyPixels)
{
    Scan();
    ChangeColour();
    ASSERT_EQ(Picture().Snapshot(), KeyPixelsIn(RGB(250, 0, 0)));
    const Bars& bars = GetParam();
    SetBars(bars.red, bars.green, bars.blue);
    ChangeColour();
    EXPECT_EQ(Picture().Snapshot(), KeyPixelsIn(bars.painted));
}

INSTANTIATE_TEST_SUITE_P(Colours, Form6Repainting,
    testing::Values(
        Bars { 0, 0, 0, RGB(0, 0, 0) }, Bars { 25, 25, 25, RGB(250, 250, 250) }, Bars { 3, 14, 25, RGB(30, 140, 250) }),
    [](const testing::TestParamInfo<Bars>& info) {
        const Bars& b = info.param;
        return "Bars" + std::to_string(b.red) + "_" + std::to_string(b.green) + "_" + std::to_string(b.blue);
    });

TEST_F(Form6Test, AScanAfterAChangeFindsNothingSoLaterChangesPaintNothing)
{
    Scan();
    ChangeColour();
    Scan();
    for (int x = 0; x <= 426; ++x)
        for (int y = 0; y <= 750; ++y)
            ASSERT_EQ(form.KeyMaskAt(x, y), Form6::Cell::Empty) << "at " << x << ", " << y;
    SetBars(0, 25, 0);
    ChangeColour();
    EXPECT_EQ(Picture().Snapshot(), KeyPixelsIn(RGB(250, 0, 0)));
}

TEST_F(Form6Test, AChangeBeforeAnyScanLeavesThePicture)
{
    ChangeColour();
    EXPECT_EQ(Picture().Snapshot(), Shown());
    EXPECT_EQ(Picture().ScaleWidth(), InnerWidth * 15); // still in twips
}

TEST_F(Form6Test, ReopeningShowsThePictureAgainAndKeepsTheRecordedPoints)
{
    Scan();
    ChangeColour();
    form.Close();
    form.Show();
    EXPECT_EQ(Picture().Snapshot(), Shown());
    EXPECT_EQ(Picture().ScaleWidth(), InnerWidth * 15);
    EXPECT_EQ(form.Find<ScrollBar>("HScroll1").Value(), 25);
    SetBars(0, 25, 0);
    ChangeColour();
    EXPECT_EQ(Picture().Snapshot(), KeyPixelsIn(RGB(0, 250, 0)));
}

} // namespace

// Extents beyond a 32-bit integer give no grid; the extents a colour change walks must still fit the grid it has.
TEST(KeyScanTest, AGridThatCannotBeMadeLeavesTheLastScanWhole)
{
    KeyScan scan;
    EXPECT_THROW(scan.Restart(3e9f, 750), common::RuntimeError);
    EXPECT_FALSE(scan.Done());
    scan.Restart(426, 750);
    scan.Record(3, 740);
    EXPECT_THROW(scan.Restart(426, -3e9f), common::RuntimeError);
    EXPECT_EQ(scan.ScanWidth(), 426);
    EXPECT_EQ(scan.ScanHeight(), 750);
    EXPECT_EQ(scan.NextKey(3, 0), 740);
    EXPECT_EQ(scan.NextKey(3, 741), 751);
    scan.Restart(-2, 750); // a bound below 0 leaves no points, not a grid of wrapped size
    EXPECT_EQ(scan.At(0, 0), KeyScan::Cell::Empty);
}

// The search reads the column in blocks: keys on either side of a block's edge, in its last cells and
// in the short end of the column are found as a search cell by cell finds them.
TEST(KeyScanTest, NextKeyFindsWhatACellByCellSearchFinds)
{
    KeyScan scan;
    scan.Restart(1, 40);
    for (const int y : { 0, 7, 8, 15, 16, 17, 33, 40 })
        scan.Record(1, y);
    for (int from = 0; from <= 41; ++from) {
        int expected = from;
        while (expected <= 40 && scan.At(1, expected) != KeyScan::Cell::Key)
            ++expected;
        EXPECT_EQ(scan.NextKey(1, from), expected) << "from " << from;
    }
    EXPECT_EQ(scan.NextKey(0, 0), 41);
}
