#include "forms/Form3/Form3.h"
#include "headless/HeadlessFace.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace palettra;
using common::ColourValue;
using common::Int16;
using toolkit::CommandButton;
using toolkit::PictureBox;
using toolkit::ScrollBar;

namespace {

using Channels = std::tuple<int, int, int>;

Channels ChannelsOf(ColourValue colour)
{
    return { common::RedOf(colour), common::GreenOf(colour), common::BlueOf(colour) };
}
Channels Grey(int level) { return { level, level, level }; }

const Channels Black = Grey(0);
const Channels White = Grey(255);
const Channels Red { 250, 0, 0 };

// The strip's 10000 units fall on 613 pixel rows and the last unit row painted onto a
// pixel row decides its colour. Row() reads only rows that end their pixel row (it checks
// that), so a row shows its own colour; the pixel row holding a boundary s also holds rows
// of the other band, and shows whichever band was painted last.
class Form3Test : public testing::Test {
protected:
    void SetUp() override
    {
        form.Show();
        blank = ChannelsOf(Strip().BackColor());
        unsetMid = MidColour();
    }

    PictureBox& Strip() { return form.Find<PictureBox>("Picture1"); }
    ScrollBar& Bar(const char* name) { return form.Find<ScrollBar>(name); }
    void Set(const char* bar, int value) { Bar(bar).SetValue(static_cast<Int16>(value)); }
    void Press(const char* button) { form.Find<CommandButton>(button).SetValue(true); }
    Channels MidColour() { return ChannelsOf(form.Find<PictureBox>("Picture4").BackColor()); }

    bool EndsItsPixelRow(int y)
    {
        const Int16 row = static_cast<Int16>(y);
        std::vector<Int16> rows;
        Strip().VisibleRows(row, static_cast<Int16>(row + 1), rows);
        return rows.front() == row;
    }
    Channels Pixel(int y) { return ChannelsOf(Strip().Point(0.5f, static_cast<float>(y))); }

    Channels Row(int y)
    {
        EXPECT_TRUE(EndsItsPixelRow(y)) << "row " << y << " shares its pixel row with a later one";
        return Pixel(y);
    }

    Channels BoundaryPixel(int s)
    {
        EXPECT_FALSE(EndsItsPixelRow(s)) << "row " << s << " ends its pixel row";
        return Pixel(s);
    }

    // Rows 2985 and 3017, 4991 and 5024 end the pixel rows either side of those holding 3000 and 5000.
    void ExpectHardEdge(int above, int below, Channels a, Channels b)
    {
        for (const int y : { 16, 1500, above })
            EXPECT_EQ(Row(y), a) << "row " << y;
        for (const int y : { below, 7340, 9999 })
            EXPECT_EQ(Row(y), b) << "row " << y;
    }

    headless::HeadlessFace face;
    Form3 form { face };
    Channels blank;
    Channels unsetMid;
};

struct Sample {
    int row;
    Channels colour;
};

struct OverlapCase {
    std::string name;
    std::array<int, 6> bars; // HScroll1 to HScroll6
    int s, p;
    std::vector<Sample> samples;
};

void PrintTo(const OverlapCase& c, std::ostream* os) { *os << c.name; }

class Form3Overlap : public Form3Test, public testing::WithParamInterface<OverlapCase> { };

TEST_P(Form3Overlap, RampsRowByRowAndRoundsHalvesToEven)
{
    const OverlapCase& c = GetParam();
    for (std::size_t i = 0; i < c.bars.size(); ++i)
        Set(("HScroll" + std::to_string(i + 1)).c_str(), c.bars[i]);
    Set("VScroll1", c.s);
    Set("HScroll7", c.p);
    for (const Sample& sample : c.samples)
        EXPECT_EQ(Row(sample.row), sample.colour) << "row " << sample.row;
}

// Each case's comment gives its rows' values before the conversion. Pixel row 0 ends with
// unit row 16 and the last one with 9999: unit row 10000 lies below the strip's last pixel row.
INSTANTIATE_TEST_SUITE_P(Form3, Form3Overlap,
    testing::Values(
        // 0.4, 26.5, 37.5, 124.775, 125.2, 183.5, 234.5, 249.975: the ramp's end, not swatch B's white
        OverlapCase { "WholeStripRamp", { 0, 0, 0, 25, 25, 25 }, 5000, 100,
            { { 16, Grey(0) }, { 1060, Grey(26) }, { 1500, Grey(38) }, { 4991, Grey(125) }, { 5008, Grey(125) },
                { 7340, Grey(184) }, { 9380, Grey(234) }, { 9999, Grey(250) } } },
        // solid A, 22.5, 62.5, 102.5, 145, 225, solid B in swatch B's own white, not the bars' 250
        OverlapCase { "NarrowZone", { 0, 0, 0, 25, 25, 25 }, 5000, 1,
            { { 4942, Black }, { 4959, Grey(22) }, { 4975, Grey(62) }, { 4991, Grey(102) }, { 5008, Grey(145) },
                { 5040, Grey(225) }, { 5057, White }, { 9999, White } } },
        // 63.5 (row 0 itself would be 62.5), 94.0625, 124.6875, 125.6875, 249.0625, solid B
        OverlapCase { "ZoneReachingAboveTheTop", { 0, 0, 0, 25, 25, 25 }, 1000, 40,
            { { 16, Grey(64) }, { 505, Grey(94) }, { 995, Grey(125) }, { 1011, Grey(126) }, { 2985, Grey(249) },
                { 3001, White }, { 9999, White } } },
        // solid A, the zone's top is A exactly, 61.25, 122.5, 183.5, 187.75, solid B
        OverlapCase { "OnlyGreenDiffers", { 25, 0, 0, 25, 25, 0 }, 2000, 10,
            { { 1484, Red }, { 1500, Red }, { 1745, { 250, 61, 0 } }, { 1990, { 250, 122, 0 } },
                { 2234, { 250, 184, 0 } }, { 2251, { 250, 188, 0 } }, { 2512, { 250, 250, 0 } } } },
        // 26.5, 37.5, 183.5, 249.975 in blue alone
        OverlapCase { "OnlyBlueDiffers", { 0, 0, 0, 0, 0, 25 }, 5000, 100,
            { { 1060, { 0, 0, 26 } }, { 1500, { 0, 0, 38 } }, { 7340, { 0, 0, 184 } }, { 9999, { 0, 0, 250 } } } }),
    [](const testing::TestParamInfo<OverlapCase>& info) { return info.param.name; });

TEST_F(Form3Test, OpeningAndCentringAtTheCentreRunNothing)
{
    Press("Command3");
    EXPECT_EQ(Row(4991), blank);
    EXPECT_EQ(Row(5024), blank);
    EXPECT_EQ(MidColour(), unsetMid);
    Press("Command2");
    ExpectHardEdge(4991, 5024, blank, White);
    EXPECT_EQ(MidColour(), Grey(125));
}

TEST_F(Form3Test, MovingTheBoundaryWithoutOverlapPressesBothSetButtons)
{
    Set("VScroll1", 3000);
    ExpectHardEdge(2985, 3017, Black, White);
    EXPECT_EQ(BoundaryPixel(3000), White); // B's button is pressed second
    EXPECT_EQ(MidColour(), Grey(125));
    Set("HScroll1", 25);
    EXPECT_EQ(ChannelsOf(form.Find<PictureBox>("Picture2").BackColor()), Red);
    ExpectHardEdge(2985, 3017, Black, White);
    EXPECT_EQ(MidColour(), Grey(125));
    Press("Command3");
    EXPECT_EQ(Bar("VScroll1").Value(), 5000);
    ExpectHardEdge(4991, 5024, Red, White);
    EXPECT_EQ(MidColour(), (Channels { 250, 125, 125 }));
}

// A ramp leaves the mid swatch alone, so it still shows whatever it showed before.
TEST_F(Form3Test, RaisingTheOverlapDrawsTheZoneButLeavesTheMidSwatch)
{
    Set("HScroll1", 25);
    Set("HScroll7", 40);
    EXPECT_EQ(Row(4192), (Channels { 250, 74, 74 })); // 74.5, the zone starting at 3000
    EXPECT_EQ(MidColour(), unsetMid);
    Set("HScroll7", 0);
    ExpectHardEdge(4991, 5024, Red, White);
    EXPECT_EQ(MidColour(), (Channels { 250, 125, 125 }));
}

// Setting either colour while the zone is drawn first clears the overlap, which presses
// both buttons from inside the change handler: the other band is repainted solid too.
// Only then does the outer handler paint its own band, so that band owns the pixel row
// at the boundary.
TEST_F(Form3Test, SetWhileOverlappingFallsBackToTheHardEdge)
{
    for (const auto& [button, lastBand] : { std::pair { "Command1", Black }, std::pair { "Command2", White } }) {
        SCOPED_TRACE(button);
        Set("HScroll7", 40);
        EXPECT_EQ(Row(5856), Grey(178)); // 178.5, the lower ramp
        Press(button);
        EXPECT_EQ(Bar("HScroll7").Value(), 0);
        ExpectHardEdge(4991, 5024, Black, White);
        EXPECT_EQ(BoundaryPixel(5000), lastBand);
        EXPECT_EQ(MidColour(), Grey(125));
    }
}

TEST_F(Form3Test, BoundaryAtTheBottomLeavesNoRowsForB)
{
    Set("VScroll1", 10000);
    Set("HScroll1", 25);
    Press("Command1");
    EXPECT_EQ(Row(16), Red);
    EXPECT_EQ(Row(9999), Red);
    Set("HScroll4", 0);
    Press("Command2");
    EXPECT_EQ(Row(9999), Red);
    EXPECT_EQ(MidColour(), Grey(125));
}

// Unit row 0 shares pixel row 0 with rows 1 to 16, so whichever band was painted last owns it.
TEST_F(Form3Test, BoundaryAtTheTopGivesAOnlyRowZero)
{
    Set("VScroll1", 0);
    EXPECT_EQ(Row(16), White);
    Set("HScroll1", 25);
    Press("Command1");
    EXPECT_EQ(Pixel(0), Red);
    EXPECT_EQ(Row(32), White);
    Press("Command2");
    EXPECT_EQ(Pixel(0), White);
}

} // namespace
