#include "headless/HeadlessFace.h"
#include "tests/Probe.h"
#include "toolkit/controls/Label.h"
#include "toolkit/layout/Decoration.h"
#include "toolkit/layout/ScreenFit.h"
#include "toolkit/layout/Zoom.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;
using common::ColourValue;
using common::RuntimeError;
using tests::Probe;
using tests::ProbeLayout;

namespace {

class ToolkitTest : public testing::Test {
protected:
    void SetUp() override { probe.Show(); }
    headless::HeadlessFace face;
    Probe probe { face };
};

TEST_F(ToolkitTest, LoadRunsButTheInitialValueRaisesNoChange)
{
    EXPECT_EQ(probe.log, std::vector<std::string> { "Form_Load" });
    EXPECT_EQ(probe.HScroll1().Value(), 5);
}

TEST_F(ToolkitTest, SettingFromCodeRunsTheHandlerBeforeReturningAndOnlyOnAChange)
{
    probe.log.clear();
    probe.onChange = [this] { probe.log.push_back("inside"); };
    probe.HScroll1().SetValue(7);
    probe.log.push_back("returned");
    probe.HScroll1().SetValue(7);
    probe.HScroll1().Commit(7);
    EXPECT_EQ(probe.log, (std::vector<std::string> { "HScroll1_Change 7", "inside", "returned" }));
}

TEST_F(ToolkitTest, ValuesOutsideTheRangeAreRefused)
{
    EXPECT_THROW(probe.HScroll1().SetValue(26), RuntimeError);
    EXPECT_THROW(probe.HScroll1().SetValue(-1), RuntimeError);
    EXPECT_EQ(probe.HScroll1().Value(), 5);
}

TEST_F(ToolkitTest, PressingFromCodeRunsTheClickNested)
{
    probe.log.clear();
    probe.onChange = [this] { probe.Command1(1).SetValue(true); };
    probe.onClick = [this] { probe.HScroll1().SetValue(9); };
    probe.Command1(0).SetValue(true);
    EXPECT_EQ(probe.log, (std::vector<std::string> { "Command1_Click 0", "HScroll1_Change 9", "Command1_Click 1" }));
}

TEST_F(ToolkitTest, ARunTimeErrorEndsOnlyItsHandler)
{
    probe.log.clear();
    probe.onClick = [this] {
        common::Mul16(200, 200);
        probe.log.push_back("after the overflow");
    };
    probe.onChange = [this] {
        probe.Command1(0).SetValue(true);
        probe.log.push_back("outer goes on");
    };
    probe.HScroll1().SetValue(8);
    EXPECT_EQ(face.errors, std::vector<int> { 6 });
    EXPECT_EQ(face.messages.back().title, "実行時エラー (Run-time error)");
    EXPECT_EQ(
        face.messages.back().text, "実行時エラー '6': (Run-time error '6':)\n\nオーバーフローしました。 (Overflow)");
    EXPECT_EQ(probe.log, (std::vector<std::string> { "HScroll1_Change 8", "Command1_Click 0", "outer goes on" }));
    probe.HScroll1().SetValue(9);
    EXPECT_EQ(face.errors.size(), 2u);
    probe.onClick = [] { throw std::logic_error("a fault of our own"); };
    probe.Command1(0).SetValue(true);
    EXPECT_EQ(face.errors.back(), 51);
    EXPECT_EQ(face.messages.back().text,
        "実行時エラー '51': (Run-time error '51':)\n\n内部エラー (Internal error): a fault of our own");
}

// What a control tells is worked out when a tool starts to listen and after each handler; a fault there
// is reported like a handler's.
TEST_F(ToolkitTest, AFaultInAnOutcomeIsReportedAndNotThrown)
{
    probe.Tell(probe.HScroll1(), []() -> std::string { throw std::logic_error("a fault of our own"); });
    face.listening = true;
    probe.Describe(); // as the face has every window do when a tool starts to listen
    probe.HScroll1().SetValue(6);
    EXPECT_EQ(face.errors, (std::vector<int> { 51, 51 }));
}

TEST_F(ToolkitTest, ClosingDestroysTheControlsAndReopeningRestoresTheLayout)
{
    probe.HScroll1().SetValue(20);
    probe.Find<Label>("Label1").SetCaption("changed");
    probe.Picture1().SetBackColor(0x0000FF);
    probe.Close();
    EXPECT_FALSE(probe.IsLoaded());
    EXPECT_THROW(probe.HScroll1(), std::logic_error);
    probe.log.clear();
    probe.Show();
    EXPECT_EQ(probe.log, std::vector<std::string> { "Form_Load" });
    EXPECT_EQ(probe.HScroll1().Value(), 5);
    EXPECT_EQ(probe.Find<Label>("Label1").Caption(), "start");
    EXPECT_EQ(probe.Picture1().BackColor(), 0xFFFFFF);
}

// A window whose first build fails half-way, once its controls exist but before its handlers are bound.
class FailsToBuildOnce : public Window {
public:
    explicit FailsToBuildOnce(Face& face)
        : Window(ProbeLayout, face)
    {
    }

    int loads = 0;

private:
    void BindEvents() override
    {
        if (std::exchange(fail_, false))
            throw RuntimeError::InvalidPropertyValue();
    }
    void Form_Load() override { ++loads; }

    bool fail_ = true;
};

TEST(WindowBuildTest, AFailedBuildIsReportedAndLeavesTheWindowClosedToBeBuiltAgain)
{
    headless::HeadlessFace face;
    FailsToBuildOnce window(face);
    window.Show();
    EXPECT_EQ(face.errors, std::vector<int> { 380 });
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(window.loads, 0);
    EXPECT_THROW(window.Find<ScrollBar>("HScroll1"), std::logic_error);
    window.Show();
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_EQ(window.loads, 1);
    EXPECT_EQ(window.Find<ScrollBar>("HScroll1").Value(), 5);
}

TEST_F(ToolkitTest, ZoomingAndResizingRunNoHandler)
{
    probe.log.clear();
    EXPECT_TRUE(probe.Resize(ClientSize(ProbeLayout, 3)));
    EXPECT_DOUBLE_EQ(probe.ZoomFactor(), 3);
    probe.Resize({ 1000, 3000 });
    probe.Resize(ClientSize(ProbeLayout, 1));
    EXPECT_DOUBLE_EQ(probe.ZoomFactor(), 1);
    EXPECT_TRUE(probe.log.empty());
    EXPECT_EQ(probe.HScroll1().Value(), 5);
    EXPECT_EQ(probe.VScroll1().Value(), 5000);
}

struct ZoomPress {
    double from; // the factor before the key, a step or what a frame gave
    ZoomKey key;
    double to;
    double fit = 1; // what the screen opens the window at
};

void PrintTo(const ZoomPress& press, std::ostream* out)
{
    constexpr const char* keys[] { "in", "out", "actual" };
    *out << keys[static_cast<int>(press.key)] << " at " << press.from << " on a screen fitted at " << press.fit;
}

// A screen that fits the probe's window alone at this factor: its place and margin are 1080 x 707 pixels at 100 %.
ScreenFit ScreenFitting(double factor, FrameSize frame = {})
{
    return { { &ProbeLayout }, frame,
        { static_cast<int>(1080 * factor) + frame.width, static_cast<int>(707 * factor) + 1000 } };
}

class ZoomKeys : public testing::TestWithParam<ZoomPress> { };

// The steps are 100, 125, 150, 200, 250 and 300 %; a window a frame left between two steps goes to the next.
TEST_P(ZoomKeys, TakeTheWindowToItsNextStep)
{
    headless::HeadlessFace face;
    face.SetScreen(ScreenFitting(GetParam().fit));
    Probe probe(face);
    probe.Show();
    probe.Resize(ClientSize(ProbeLayout, GetParam().from));
    probe.PressZoomKey(GetParam().key);
    EXPECT_NEAR(probe.ZoomFactor(), GetParam().to, 0.001); // the client size is whole pixels
    EXPECT_TRUE(face.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomKeys,
    testing::Values(ZoomPress { 1, ZoomKey::In, 1.25 }, ZoomPress { 1.25, ZoomKey::In, 1.5 },
        ZoomPress { 3, ZoomKey::In, 3 }, ZoomPress { 1, ZoomKey::Out, 1 }, ZoomPress { 2.5, ZoomKey::Out, 2 },
        ZoomPress { 1.7, ZoomKey::In, 2 }, ZoomPress { 1.7, ZoomKey::Out, 1.5 }, ZoomPress { 2.2, ZoomKey::Actual, 1 },
        ZoomPress { 0.8, ZoomKey::Out, 0.8, 0.8 }, ZoomPress { 0.8, ZoomKey::In, 1, 0.8 },
        ZoomPress { 1, ZoomKey::Out, 0.8, 0.8 }, ZoomPress { 1.5, ZoomKey::Actual, 0.8, 0.8 },
        ZoomPress { 1.6, ZoomKey::In, 2, 1.6 }, ZoomPress { 1.6, ZoomKey::Out, 1.5, 1.6 },
        ZoomPress { 2, ZoomKey::Actual, 1.6, 1.6 }, ZoomPress { 1.06648, ZoomKey::In, 1.25, 1.06648 }));

// Maximised, the window fills the screen with its frame, its content enlarged and centred; put back,
// it is where the user left it, as large as it was; a new screen takes it to its new opening place.
TEST(MaximiseTest, FillsTheScreenAndPutsBackWhereTheWindowWas)
{
    headless::HeadlessFace face;
    const FrameSize frame { 2, 26 };
    face.SetScreen(ScreenFitting(0.8, frame));
    Probe probe(face);
    probe.Show();
    EXPECT_EQ(face.openings.at(0), (Rect { 112, 502, 640, 534 }));
    probe.PressZoomKey(ZoomKey::In);
    probe.Moved({ 30, 40 });
    probe.ToggleMaximised();
    const Rect screen { 0, 0, 864, 1539 };
    EXPECT_EQ(face.placings.back(), (headless::HeadlessFace::Placing { screen, true }));
    EXPECT_DOUBLE_EQ(probe.ZoomFactor(), 864 / 800.0);
    probe.ToggleMaximised();
    EXPECT_EQ(face.placings.back(), (headless::HeadlessFace::Placing { { 30, 40, 800, 667 }, false }));

    probe.ToggleMaximised();
    face.SetScreen(ScreenFitting(1, frame));
    probe.Refit();
    EXPECT_EQ(face.placings.back(), (headless::HeadlessFace::Placing { { 0, 0, 1080, 1681 }, true }));
    probe.PressZoomKey(ZoomKey::Actual);
    EXPECT_EQ(face.placings.back(), (headless::HeadlessFace::Placing { { 140, 507, 800, 667 }, false }));
    EXPECT_FALSE(probe.IsMaximised());
    EXPECT_EQ(probe.log, std::vector<std::string> { "Form_Load" });
}

// The probe's layout puts it at (2100, 300) twips, its client area 12000 x 10005 twips.
TEST_F(ToolkitTest, AWindowOpensAtItsLayoutsPlaceAt100PercentAndAnOpenOneOnlyComesToTheFront)
{
    const Rect atLayout { 140, 20, 800, 667 };
    probe.PressZoomKey(ZoomKey::In);
    probe.Show();
    EXPECT_DOUBLE_EQ(probe.ZoomFactor(), 1.25);
    probe.Close();
    probe.Show();
    EXPECT_DOUBLE_EQ(probe.ZoomFactor(), 1);
    EXPECT_EQ(face.openings, (std::vector<Rect> { atLayout, atLayout }));
}

// Drawn last row first, so that the first rows lie on top; at 200 % in a client area 100 pixels
// wider than the content, which stands 50 pixels in.
TEST(DecorationsTest, ComeLastRowFirstAtTheZoomWithTheirColoursResolved)
{
    const WindowLayout layout { .controls
        = {
            { .kind = Kind::Line, .x1 = 150, .y1 = 300, .x2 = 1500, .y2 = 300, .lineWidth = 3 },
            { .kind = Kind::Label, .left = 0, .top = 0, .width = 600, .height = 300 },
            { .kind = Kind::Line, .x1 = 0, .y1 = 0, .x2 = 1500, .y2 = 1500 },
            { .kind = Kind::Shape,
                .left = 150,
                .top = 150,
                .width = 1500,
                .height = 750,
                .backColor = Fixed(0x00FF00),
                .shape = ShapeKind::Circle,
                .filled = true },
            { .kind = Kind::Shape, .width = 3000, .height = 1500, .filled = true, .border = false },
        } };
    using Figure = Decoration::Figure;
    const std::vector<Decoration> expected {
        { .figure = Figure::Rectangle, .box = { 50, 0, 400, 200 }, .fill = 0xFFFFFF },
        { .figure = Figure::Circle,
            .box = { 70, 20, 200, 100 },
            .stroke = 0x000000,
            .fill = 0x00FF00,
            .lineWidth = 2,
            .antialiased = true },
        { .figure = Figure::Line,
            .line = { { 50, 0 }, { 250, 200 } },
            .stroke = 0x000000,
            .lineWidth = 2,
            .antialiased = true },
        { .figure = Figure::Line, .line = { { 70, 40 }, { 250, 40 } }, .stroke = 0x000000, .lineWidth = 6 },
    };
    EXPECT_EQ(Decorations(layout, Zoom(layout, { 1700, 1334 })), expected);
}

TEST_F(ToolkitTest, FocusFollowsTheTabIndexes)
{
    EXPECT_EQ(probe.FocusOrder(),
        (std::vector<Control*> {
            &probe.VScroll1(), &probe.HScroll1(), &probe.Command1(0), &probe.Command1(1), &probe.Picture1() }));
}

TEST_F(ToolkitTest, PointReadsBackUnderAUserScale)
{
    auto& picture = probe.Picture1(); // 100 x 100 inner pixels
    EXPECT_EQ(picture.Width(), 1560);
    EXPECT_EQ(picture.ScaleWidth(), 1500);
    picture.Scale(-50, 50, 50, -50);
    picture.PSet(0, 0, 0x123456);
    EXPECT_EQ(picture.Point(0.5f, -0.5f), 0x123456);
    EXPECT_EQ(picture.Point(-50, 50), 0xFFFFFF);
    EXPECT_EQ(picture.Point(50, 0), -1);
    EXPECT_EQ(picture.Point(0, -50), -1);
    EXPECT_EQ(picture.Point(-50.5f, 0), -1);
    picture.Line(-50, 10, 50, 10, 0x00FF00);
    EXPECT_EQ(picture.Point(-50, 10), 0x00FF00);
    EXPECT_EQ(picture.Point(49.9f, 10), 0x00FF00);
    picture.SetForeColor(0x0000FF);
    picture.Line(20, 50, 20, -50);
    EXPECT_EQ(picture.Point(20, 10), 0x0000FF);
    picture.SetScaleWidth(200);
    EXPECT_EQ(picture.ScaleLeft(), -50);
    EXPECT_EQ(picture.Point(50.5f, -0.5f), 0x123456);
}

// Lines along an axis wait before they are written; whatever the waiting does, the
// picture must end as if every line had been written at once.
TEST_F(ToolkitTest, WaitingLinesLeaveTheSamePixelsAsLinesWrittenAtOnce)
{
    auto& picture = probe.Picture1();
    picture.Scale(0, 0, 30, 30);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-5, 34);
    std::uniform_int_distribution<int> colour(0, 3);
    struct Segment {
        float x1, y1, x2, y2;
        ColourValue colour;
    };
    std::vector<Segment> segments;
    for (int i = 0; i < 4000; ++i) {
        const float a = static_cast<float>(coordinate(random)), b = static_cast<float>(coordinate(random));
        const float c = static_cast<float>(coordinate(random));
        const ColourValue value = colour(random) * 0x3F3F3F;
        segments.push_back(i % 2 ? Segment { a, c, b, c, value } : Segment { c, a, c, b, value });
    }
    for (const Segment& s : segments)
        picture.Line(s.x1, s.y1, s.x2, s.y2, s.colour);
    const PixelBuffer waited = picture.Snapshot();
    picture.SetBackColor(0xFFFFFF);
    for (const Segment& s : segments) {
        picture.Line(s.x1, s.y1, s.x2, s.y2, s.colour);
        picture.Point(0, 0); // reading writes out whatever waits
    }
    EXPECT_EQ(waited, picture.Snapshot());
}

TEST_F(ToolkitTest, VisibleRowsPaintTheSameStripAsEveryRow)
{
    auto& picture = probe.Picture1(); // 100 pixel rows
    const auto visibleRows = [&](common::Int16 first, common::Int16 last) {
        std::vector<common::Int16> rows;
        picture.VisibleRows(first, last, rows);
        return rows;
    };
    auto paint = [&](int y) {
        picture.Line(
            0, static_cast<float>(y), 1, static_cast<float>(y), static_cast<ColourValue>(y * 16411 % 0xFFFFFF));
    };
    // Whole rows per pixel row, a fraction, upside down, and more pixel rows than rows.
    for (const auto& [top, height] :
        { std::pair { 0.f, 1000.f }, { 3.7f, 333.3f }, { 900.f, -1000.f }, { -20.f, 37.f } }) {
        picture.Scale(0, top, 1, top + height);
        picture.SetBackColor(0);
        for (int y = -200; y <= 1200; ++y)
            paint(y);
        const PixelBuffer everyRow = picture.Snapshot();
        picture.SetBackColor(0);
        const std::vector<common::Int16> rows = visibleRows(-200, 1200);
        EXPECT_LE(rows.size(), 100u);
        for (const common::Int16 y : rows)
            paint(y);
        EXPECT_EQ(everyRow, picture.Snapshot()) << top << " " << height;
    }
    picture.Scale(0, 0, 1, 1000);
    EXPECT_EQ(visibleRows(-200, 1200).size(), 100u);
    EXPECT_TRUE(visibleRows(5, 4).empty());
    EXPECT_EQ(visibleRows(1000, 1200).size(), 0u);
}

} // namespace
