#include "forms/Form1/Form1.h"
#include "forms/Form2/Form2.h"
#include "forms/Form3/Form3.h"
#include "forms/Form4/Form4.h"
#include "forms/Form5/Form5.h"
#include "forms/Form6/Form6.h"
#include "headless/HeadlessFace.h"
#include "layouts/Layouts.h"
#include "tests/ApparatusPicture.h"
#include "toolkit/access/KeyboardHelp.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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
    template <typename Control> std::string Of(const char* name)
    {
        return face.descriptions[&form.template Find<Control>(name)];
    }
    // What a picture shows now, after what the layout says it is and "、".
    std::string Shown(const char* name)
    {
        const std::string text = Of<PictureBox>(name);
        const auto ends = text.find(")、");
        return ends == std::string::npos ? "" : text.substr(ends + 4);
    }
    // Everything announced since the last call.
    std::vector<std::string> Said() { return std::exchange(face.announcements, {}); }
    using Texts = std::vector<std::string>;

    headless::HeadlessFace face;
    Form form { face };
};

using MixerOutcome = OpenWindow<Form2>;

// A bar says what it is for and then the colour now, whichever bar moved last.
TEST_F(MixerOutcome, EachBarAnnouncesTheMixAndEveryBarDescribesThePresentOne)
{
    Set("HScroll1", 10);
    EXPECT_EQ(Said(), Texts { "(10,0,0)、16進数 0A0000、黒 (black)" });
    Set("HScroll3", 171);
    EXPECT_EQ(Said(), Texts { "(10,0,171)、16進数 0A00AB、青 (blue)" });
    EXPECT_EQ(
        Of<ScrollBar>("HScroll1"), "赤の強さ 0～255 (red channel, 0 to 255)、(10,0,171)、16進数 0A00AB、青 (blue)");
    EXPECT_EQ(
        Of<ScrollBar>("HScroll2"), "緑の強さ 0～255 (green channel, 0 to 255)、(10,0,171)、16進数 0A00AB、青 (blue)");
    EXPECT_EQ(Shown("Picture1"), "(10,0,171)、青 (blue)");
    Set("HScroll1", 255);
    Set("HScroll2", 128);
    Set("HScroll3", 0);
    EXPECT_EQ(Said().back(), "(255,128,0)、16進数 FF8000、橙 (orange)");
}

// While no tool listens nothing is said or described; when one starts, or starts again, the face has
// every open window describe itself as it stands.
TEST_F(MixerOutcome, AToolThatStartsLaterHearsThePresentState)
{
    Form5 flask(face);
    flask.Show();
    face.listening = false;
    Set("HScroll1", 255);
    flask.Find<ScrollBar>("HScroll3").SetValue(25);
    EXPECT_TRUE(Said().empty());
    EXPECT_EQ(
        Of<ScrollBar>("HScroll2"), "緑の強さ 0～255 (green channel, 0 to 255)、(0,0,0)、16進数 000000、黒 (black)");
    face.listening = true;
    form.Describe();
    flask.Describe();
    EXPECT_TRUE(Said().empty());
    EXPECT_EQ(
        Of<ScrollBar>("HScroll2"), "緑の強さ 0～255 (green channel, 0 to 255)、(255,0,0)、16進数 FF0000、赤 (red)");
    EXPECT_EQ(face.descriptions[&flask.Find<PictureBox>("Picture1")],
        "半分まで液体の入ったフラスコ (a flask half full of the liquid)、液体 (liquid) (0,0,250)、青 (blue)");
}

using ShareOutcome = OpenWindow<Form1>;

TEST_F(ShareOutcome, TheBarTellsBothSharesAndTheMixedColour)
{
    EXPECT_EQ(Shown("Picture1"), "(128,0,128)、暗い紫 (dark purple)");
    Set("HScroll1", 80);
    EXPECT_EQ(Said(), Texts { "赤 80％、青 20％、(204,0,50)、赤 (red)" });
}

using OverlapOutcome = OpenWindow<Form3>;

// At s = 1000 and p = 40 the zone reaches above the strip: its top pixel row ends with unit row 16,
// the boundary's with row 1011, and the bottom is swatch B's white. The boundary's step presses both
// Set buttons from code, which is still one action with one outcome.
TEST_F(OverlapOutcome, TheStripBarsTellBoundaryOverlapAndTheColoursShown)
{
    Set("VScroll1", 1000);
    EXPECT_EQ(Said().size(), 1u);
    Set("HScroll7", 40);
    const std::string strip
        = "上端 (top) (64,64,64)、濃い灰色 (dark grey)、境界で (at the boundary) (126,126,126)、灰色 "
          "(grey)、下端 (bottom) (255,255,255)、白 (white)";
    EXPECT_EQ(Said(), Texts { "境界 (boundary) 1000、重なり (overlap) 40％、" + strip });
    EXPECT_EQ(Shown("Picture1"), strip);
}

// What a Set press painted is said once; afterwards the button tells what it would paint.
TEST_F(OverlapOutcome, ButtonsTellWhatTheyPaintedAndWhereTheBoundaryIs)
{
    Set("HScroll1", 25);
    EXPECT_EQ(Said(), Texts { "色 A (colour A) (250,0,0)、赤 (red)" });
    Press("Command1");
    EXPECT_EQ(
        Said(), Texts { "塗った色 (painted) (250,0,0)、赤 (red)、中間色 (mid colour) (250,125,125)、ピンク (pink)" });
    Set("HScroll3", 25);
    EXPECT_EQ(Said(), Texts { "色 A (colour A) (250,0,250)、紫 (purple)" });
    EXPECT_EQ(Of<CommandButton>("Command1"),
        "色 A を境界の上に塗る (paints colour A above the boundary)、色 A (colour A) (250,0,250)、紫 (purple)、中間色 "
        "(mid colour) (250,125,125)、ピンク (pink)");
    Set("VScroll1", 10000);
    EXPECT_EQ(Said(),
        Texts { "境界 (boundary) 10000、重なり (overlap) 0％、上端 (top) (250,0,250)、紫 (purple)、境界で (at the "
                "boundary) (250,0,250)、紫 (purple)、下端 (bottom) (250,0,250)、紫 (purple)" });
    Press("Command3");
    EXPECT_EQ(Said(), Texts { "境界 (boundary) 5000" });
}

using GradientOutcome = OpenWindow<Form4>;

// The centre pixel holds the innermost squares too, a step away from the inner colour.
TEST_F(GradientOutcome, BarsTellTheirSwatchAndTheGradientsEnds)
{
    Set("HScroll1", 25);
    EXPECT_EQ(Said(),
        Texts { "外部の色 (outer colour) (250,0,0)、赤 (red)、中心 (centre) (250,249,249)、白 (white)、縁 (border) "
                "(250,0,0)、赤 (red)" });
    Set("HScroll6", 0);
    EXPECT_EQ(Said(),
        Texts { "内部の色 (inner colour) (250,250,0)、黄 (yellow)、中心 (centre) (250,249,0)、黄 (yellow)、縁 (border) "
                "(250,0,0)、赤 (red)" });
}

using FlaskOutcome = OpenWindow<Form5>;

// A bar presses "Draw" from code: one action, said once.
TEST_F(FlaskOutcome, BarsAndDrawTellTheLiquidAndTheFlaskShowsItOnceDrawn)
{
    const std::string laidOut = "半分まで液体の入ったフラスコ (a flask half full of the liquid)";
    EXPECT_EQ(Of<PictureBox>("Picture1"), laidOut);
    Set("HScroll3", 25);
    EXPECT_EQ(Said(), Texts { "液体 (liquid) (0,0,250)、青 (blue)" });
    EXPECT_EQ(Of<CommandButton>("Command1"), "フラスコを描く (draws the flask)、液体 (liquid) (0,0,250)、青 (blue)");
    EXPECT_EQ(Of<PictureBox>("Picture1"), laidOut + "、液体 (liquid) (0,0,250)、青 (blue)");
}

using PhotoOutcome = OpenWindow<Form6>;

TEST_F(PhotoOutcome, TheScanTellsItsCountTheBarsTheNewColourAndTheChangeWhatItPainted)
{
    Press("Command2");
    EXPECT_EQ(Said(), Texts { "初期設定がまだなので、塗った点は 0 個 (no scan yet, so no point was painted)" });
    Press("Command1");
    const std::string count = std::to_string(tests::ApparatusKeyPoints);
    const std::string scan = "キーの色の点 " + count + " 個 (" + count + " key-colour points)";
    EXPECT_EQ(Said(), Texts { scan });
    Set("HScroll1", 0);
    Set("HScroll3", 25);
    EXPECT_EQ(Said().back(), "新しい色 (new colour) (0,0,250)、青 (blue)");
    Press("Command2");
    EXPECT_EQ(Said(), Texts { count + " 個の点を塗った (painted " + count + " points)、(0,0,250)、青 (blue)" });
    // Once a bar has moved on, the button no longer claims what it painted: it tells what the photo shows.
    Set("HScroll3", 0);
    EXPECT_EQ(Shown("Picture1"), scan + "、液体 (liquid) (0,0,250)、青 (blue)");
    EXPECT_EQ(Of<CommandButton>("Command2"),
        "見つけた点を選んだ色で塗る (repaints the found points in the chosen colour)、" + scan
            + "、液体 (liquid) (0,0,250)、青 (blue)");
}

struct Help {
    const toolkit::WindowLayout* layout;
    bool bars, buttons, pictures;
    bool zoomButtons; // a window too narrow for every title bar button at a finger's size has none
};

void PrintTo(const Help& help, std::ostream* out) { *out << help.layout->name; }

class KeyboardHelpKeys : public testing::TestWithParam<Help> { };

TEST_P(KeyboardHelpKeys, NameOnlyTheKeysTheWindowHas)
{
    const Help& help = GetParam();
    const std::string text = toolkit::KeyboardHelp(*help.layout, texts::Japanese()).text;
    EXPECT_EQ(text.find("scroll bars") != std::string::npos, help.bars);
    EXPECT_EQ(text.find("Space or Enter") != std::string::npos, help.buttons);
    EXPECT_EQ(text.find("keys do nothing there") != std::string::npos, help.pictures);
    EXPECT_NE(text.find("Escape closes this help"), std::string::npos);
    EXPECT_EQ(text.find("tap"), std::string::npos); // the desktop has no title bar buttons of its own
}

// The page's help starts as the desktop's, then tells what a finger does on what the window has.
TEST_P(KeyboardHelpKeys, OnThePageTellWhatAFingerDoes)
{
    const Help& help = GetParam();
    const std::string keys = toolkit::KeyboardHelp(*help.layout, texts::Japanese()).text;
    const std::string text
        = toolkit::KeyboardHelp(*help.layout, texts::Japanese(), toolkit::HelpFor::KeysAndTouch).text;
    const auto has = [&](const char* words) { return text.find(words) != std::string::npos; };
    EXPECT_EQ(text.substr(0, keys.find("Esc ")), keys.substr(0, keys.find("Esc ")));
    EXPECT_EQ(has("when the finger lifts"), help.bars);
    EXPECT_EQ(has("a tap presses"), help.buttons);
    EXPECT_EQ(has("縮小 (zoom out)") && has("拡大 (zoom in)") && has("最大化 (maximise)"), help.zoomButtons);
    EXPECT_TRUE(
        has("a drag moves the window") && has("ヘルプ (help)") && has("全画面 (full screen)") && has("閉じる (close)"));
    EXPECT_EQ(has("ほかのボタン (more buttons)"), !help.zoomButtons); // a bar too narrow for them all
    EXPECT_TRUE(text.ends_with("Escape closes this help)"));
}

INSTANTIATE_TEST_SUITE_P(Windows, KeyboardHelpKeys,
    testing::Values(Help { &Form5Layout, true, true, true, true }, Help { &Form2Layout, true, false, true, true },
        Help { &MenuLayout, false, true, false, false }));

} // namespace
