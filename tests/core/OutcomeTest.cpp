#include "forms/Form1/Form1.h"
#include "forms/Form2/Form2.h"
#include "forms/Form3/Form3.h"
#include "forms/Form4/Form4.h"
#include "forms/Form5/Form5.h"
#include "forms/Form6/Form6.h"
#include "headless/HeadlessFace.h"
#include "layouts/Layouts.h"
#include "toolkit/access/KeyboardHelp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace palettra;
using toolkit::CommandButton;
using toolkit::PictureBox;
using toolkit::ScrollBar;

namespace {

// As a screen reader has it: the program describes and announces only while one listens.
template <typename Form> struct OpenWindow : public testing::Test {
    void SetUp() override
    {
        face.listening = true;
        form.Show();
    }
    void Set(const char* bar, int value)
    {
        form.template Find<ScrollBar>(bar).SetValue(static_cast<common::Int16>(value));
    }
    void Press(const char* button) { form.template Find<CommandButton>(button).SetValue(true); }
    // What a control's description tells of the window now, after what the layout says it is for.
    template <typename Control> std::string Now(const char* name)
    {
        const Control& control = form.template Find<Control>(name);
        const std::string told = face.descriptions[&control];
        const std::string purpose = control.Layout().description + "、";
        EXPECT_EQ(told.substr(0, purpose.size()), purpose) << name;
        return told.substr(std::min(purpose.size(), told.size()));
    }
    // What the screen reader was last told to say at once.
    std::string Said() const { return face.announcements.empty() ? "" : face.announcements.back(); }

    headless::HeadlessFace face;
    Form form { face };
};

using MixerOutcome = OpenWindow<Form2>;

TEST_F(MixerOutcome, EachBarTellsTheColourItsCodeAndItsWord)
{
    Set("HScroll1", 10);
    EXPECT_EQ(Said(), "(10,0,0)、16進数 0A0000、黒 (black)");
    Set("HScroll3", 171);
    EXPECT_EQ(Said(), "(10,0,171)、16進数 0A00AB、青 (blue)");
    // Every bar tells the window as it stands, the one not yet moved too.
    EXPECT_EQ(Now<ScrollBar>("HScroll2"), "(10,0,171)、16進数 0A00AB、青 (blue)");
    EXPECT_EQ(Now<PictureBox>("Picture1"), "(10,0,171)、青 (blue)");
    Set("HScroll1", 255);
    Set("HScroll2", 128);
    Set("HScroll3", 0);
    EXPECT_EQ(Said(), "(255,128,0)、16進数 FF8000、橙 (orange)");
    EXPECT_EQ(face.announcements.size(), 5u);
}

using ShareOutcome = OpenWindow<Form1>;

TEST_F(ShareOutcome, TheBarTellsBothSharesAndTheMixedColour)
{
    EXPECT_EQ(Now<PictureBox>("Picture1"), "(128,0,128)、暗い紫 (dark purple)");
    Set("HScroll1", 80);
    EXPECT_EQ(Said(), "赤 80％、青 20％、(204,0,50)、赤 (red)");
}

using OverlapOutcome = OpenWindow<Form3>;

// At s = 1000 and p = 40 the zone reaches above the strip: its top pixel row ends with unit row 16,
// the boundary's with row 1011, and the bottom is swatch B's white.
TEST_F(OverlapOutcome, TheStripBarsTellBoundaryOverlapAndTheColoursShown)
{
    Set("VScroll1", 1000);
    Set("HScroll7", 40);
    const std::string strip
        = "上端 (top) (64,64,64)、濃い灰色 (dark grey)、境界で (at the boundary) (126,126,126)、灰色 "
          "(grey)、下端 (bottom) (255,255,255)、白 (white)";
    EXPECT_EQ(Said(), "境界 (boundary) 1000、重なり (overlap) 40％、" + strip);
    EXPECT_EQ(Now<PictureBox>("Picture1"), strip);
}

TEST_F(OverlapOutcome, ButtonsTellWhatTheyPaintedAndWhereTheBoundaryIs)
{
    Set("HScroll1", 25);
    EXPECT_EQ(Said(), "色 A (colour A) (250,0,0)、赤 (red)");
    Press("Command1");
    EXPECT_EQ(Said(), "塗った色 (painted) (250,0,0)、赤 (red)、中間色 (mid colour) (250,125,125)、ピンク (pink)");
    Set("VScroll1", 10000);
    EXPECT_EQ(Said(),
        "境界 (boundary) 10000、重なり (overlap) 0％、上端 (top) (250,0,0)、赤 (red)、境界で (at the boundary) "
        "(250,0,0)、赤 "
        "(red)、下端 (bottom) (250,0,0)、赤 (red)");
    Press("Command3");
    EXPECT_EQ(Said(), "境界 (boundary) 5000");
}

using GradientOutcome = OpenWindow<Form4>;

// The centre pixel holds the innermost squares too, a step away from the inner colour.
TEST_F(GradientOutcome, BarsTellTheirSwatchAndTheGradientsEnds)
{
    Set("HScroll1", 25);
    EXPECT_EQ(Said(),
        "外部の色 (outer colour) (250,0,0)、赤 (red)、中心 (centre) (250,249,249)、白 (white)、縁 (border) "
        "(250,0,0)、赤 (red)");
    Set("HScroll6", 0);
    EXPECT_EQ(Said(),
        "内部の色 (inner colour) (250,250,0)、黄 (yellow)、中心 (centre) (250,249,0)、黄 (yellow)、縁 (border) "
        "(250,0,0)、赤 (red)");
}

using FlaskOutcome = OpenWindow<Form5>;

TEST_F(FlaskOutcome, BarsAndDrawTellTheLiquidAndTheFlaskShowsIt)
{
    const PictureBox& flask = form.Find<PictureBox>("Picture1");
    EXPECT_EQ(face.descriptions[&flask], flask.Layout().description); // empty until the first drawing
    Set("HScroll3", 25);
    EXPECT_EQ(Said(), "液体 (liquid) (0,0,250)、青 (blue)");
    EXPECT_EQ(Now<CommandButton>("Command1"), "液体 (liquid) (0,0,250)、青 (blue)");
    EXPECT_EQ(Now<PictureBox>("Picture1"), "液体 (liquid) (0,0,250)、青 (blue)");
}

using PhotoOutcome = OpenWindow<Form6>;

TEST_F(PhotoOutcome, TheScanTellsItsCountAndTheChangeWhatItPainted)
{
    Press("Command2");
    EXPECT_EQ(Said(), "初期設定がまだなので、塗った点は 0 個 (no scan yet, so no point was painted)");
    Press("Command1");
    int recorded = 0;
    for (int x = 0; x <= 426; ++x)
        for (int y = 0; y <= 750; ++y)
            recorded += form.KeyMaskAt(x, y) == Form6::Cell::Key;
    const std::string count = std::to_string(recorded);
    EXPECT_EQ(Said(), "キーの色の点 " + count + " 個 (" + count + " key-colour points)");
    Set("HScroll1", 25);
    Press("Command2");
    EXPECT_EQ(Said(), count + " 個の点を塗った (painted " + count + " points)、(250,0,0)、赤 (red)");
    EXPECT_EQ(Now<PictureBox>("Picture1"),
        "キーの色の点 " + count + " 個 (" + count + " key-colour points)、液体 (liquid) (250,0,0)、赤 (red)");
}

// Nothing is told while no assistive tool listens: the handlers pay nothing for it.
TEST(Outcome, NothingIsToldWhileNoToolListens)
{
    headless::HeadlessFace face;
    Form2 form(face);
    form.Show();
    form.Find<ScrollBar>("HScroll1").SetValue(10);
    EXPECT_TRUE(face.announcements.empty());
    EXPECT_TRUE(face.descriptions.empty());
}

struct Help {
    const toolkit::WindowLayout* layout;
    const char* order;
    bool bars, buttons;
};

void PrintTo(const Help& help, std::ostream* out) { *out << help.layout->name; }

class KeyboardHelp : public testing::TestWithParam<Help> { };

TEST_P(KeyboardHelp, ListsTheTabOrderAndOnlyTheKeysTheWindowHas)
{
    const Help& help = GetParam();
    const std::string text = toolkit::KeyboardHelpText(*help.layout);
    EXPECT_NE(text.find(std::string(": ") + help.order + "\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("scroll bars") != std::string::npos, help.bars);
    EXPECT_EQ(text.find("Space or Enter") != std::string::npos, help.buttons);
    EXPECT_NE(text.find("Escape closes this help"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Windows, KeyboardHelp,
    testing::Values(
        Help { &Form5Layout, "丸底フラスコ (round-bottomed flask)、Draw、液体の Blue、液体の Green、液体の Red", true,
            true },
        Help { &Form2Layout, "赤 (Red)、色の表示 (colour display)、緑 (Green)、青 (Blue)", true, false },
        Help { &MenuLayout,
            "RGB → 1677万色、End、％カラーチェンジ、カラー重なり、カラー重なり (正方形)、丸底フラスコ、合成", false,
            true }));

} // namespace
