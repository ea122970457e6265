#include "tests/ScrollBarPart.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Window.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;
using common::ColourValue;
using common::RuntimeError;

namespace {

const WindowLayout ProbeLayout {
    .name = "Probe",
    .caption = "Probe",
    .controls = {
        { .kind = Kind::HScrollBar, .name = "HScroll1", .left = 0, .top = 0, .width = 3000, .height = 300, .tab = 1,
            .max = 25, .value = 5 },
        { .kind = Kind::VScrollBar, .name = "VScroll1", .left = 0, .top = 600, .width = 300, .height = 3000, .tab = 0,
            .max = 10000, .value = 5000, .largeChange = 100 },
        { .kind = Kind::CommandButton, .name = "Command1", .caption = "One", .left = 3600, .top = 0, .width = 900,
            .height = 450, .tab = 2 },
        { .kind = Kind::CommandButton, .name = "Command1", .index = 1, .caption = "Two", .left = 3600, .top = 600,
            .width = 900, .height = 450, .tab = 3 },
        { .kind = Kind::Label, .name = "Label1", .caption = "start", .left = 3600, .top = 1200, .width = 900,
            .height = 300, .tab = 4 },
        { .kind = Kind::PictureBox, .name = "Picture1", .left = 600, .top = 600, .width = 1560, .height = 1560,
            .tab = 5, .backColor = Fixed(0xFFFFFF) },
    },
};

// A window whose handlers only record that they ran, so the event rules can be watched.
class Probe : public Window {
public:
    Probe()
        : Window(ProbeLayout)
    {
        SetErrorReport([this](QWidget*, const RuntimeError& error) { errors.push_back(error.Code()); });
    }

    ScrollBar& HScroll1() const { return Find<ScrollBar>("HScroll1"); }
    ScrollBar& VScroll1() const { return Find<ScrollBar>("VScroll1"); }
    CommandButton& Command1(int index) const { return Find<CommandButton>("Command1", index); }
    PictureBox& Picture1() const { return Find<PictureBox>("Picture1"); }

    std::vector<std::string> log;
    std::vector<int> errors;
    std::function<void()> onChange;
    std::function<void()> onClick;

private:
    void BindEvents() override
    {
        HScroll1().OnChange([this] {
            log.push_back("HScroll1_Change " + std::to_string(HScroll1().Value()));
            if (onChange)
                onChange();
        });
        VScroll1().OnChange([this] { log.push_back("VScroll1_Change " + std::to_string(VScroll1().Value())); });
        Command1(0).OnClick([this] {
            log.push_back("Command1_Click 0");
            if (onClick)
                onClick();
        });
        Command1(1).OnClick([this] { log.push_back("Command1_Click 1"); });
    }
    void Form_Load() override { log.push_back("Form_Load"); }
};

class ToolkitTest : public testing::Test {
protected:
    void SetUp() override { probe.Show(); }
    void Key(QWidget& widget, Qt::Key key) { QTest::keyClick(&widget, key); }
    Probe probe;
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
    EXPECT_EQ(probe.log, (std::vector<std::string> { "HScroll1_Change 7", "inside", "returned" }));
}

TEST_F(ToolkitTest, ValuesOutsideTheRangeAreRefused)
{
    EXPECT_THROW(probe.HScroll1().SetValue(26), RuntimeError);
    EXPECT_THROW(probe.HScroll1().SetValue(-1), RuntimeError);
    EXPECT_EQ(probe.HScroll1().Value(), 5);
}

TEST_F(ToolkitTest, ClassicKeysStepTheBarsWithinTheirRange)
{
    auto& bar = probe.HScroll1();
    Key(bar, Qt::Key_Right);
    EXPECT_EQ(bar.Value(), 6);
    Key(bar, Qt::Key_Down);
    EXPECT_EQ(bar.Value(), 7);
    Key(bar, Qt::Key_Up);
    Key(bar, Qt::Key_Left);
    EXPECT_EQ(bar.Value(), 5);
    Key(bar, Qt::Key_End);
    Key(bar, Qt::Key_Right);
    EXPECT_EQ(bar.Value(), 25);
    Key(bar, Qt::Key_Home);
    Key(bar, Qt::Key_Left);
    EXPECT_EQ(bar.Value(), 0);
    auto& vertical = probe.VScroll1();
    Key(vertical, Qt::Key_Down);
    EXPECT_EQ(vertical.Value(), 5001);
    Key(vertical, Qt::Key_PageDown);
    EXPECT_EQ(vertical.Value(), 5101);
    Key(vertical, Qt::Key_PageUp);
    Key(vertical, Qt::Key_Up);
    EXPECT_EQ(vertical.Value(), 5000);
    EXPECT_EQ(probe.log.back(), "VScroll1_Change 5000");
}

TEST_F(ToolkitTest, DraggingTheThumbCommitsOnlyOnRelease)
{
    auto& bar = probe.HScroll1();
    probe.log.clear();
    bar.setSliderDown(true);
    bar.setSliderPosition(20);
    bar.setSliderPosition(21);
    EXPECT_TRUE(probe.log.empty());
    EXPECT_EQ(bar.Value(), 5);
    bar.setSliderDown(false);
    EXPECT_EQ(probe.log, std::vector<std::string> { "HScroll1_Change 21" });
}

// The thumb held by a real press, as a user's drag holds it, not only flagged as down.
TEST_F(ToolkitTest, WhileTheThumbIsHeldOnlyAChangedValueRunsTheHandler)
{
    auto& bar = probe.HScroll1();
    const QPoint thumb = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, bar.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&bar, &event);
    };
    probe.log.clear();
    send(QEvent::MouseButtonPress, thumb, Qt::LeftButton);
    send(QEvent::MouseMove, thumb + QPoint(60, 0), Qt::LeftButton);
    ASSERT_TRUE(bar.isSliderDown());
    ASSERT_NE(bar.sliderPosition(), 5);
    bar.SetValue(5);
    Key(bar, Qt::Key_Right);
    EXPECT_TRUE(probe.log.empty());
    send(QEvent::MouseButtonRelease, thumb + QPoint(60, 0), Qt::NoButton);
    ASSERT_EQ(probe.log.size(), 1u);
    EXPECT_EQ(probe.log.front(), "HScroll1_Change " + std::to_string(bar.Value()));
    EXPECT_NE(bar.Value(), 5);
}

TEST_F(ToolkitTest, PressingFromCodeRunsTheClickNested)
{
    probe.log.clear();
    probe.onChange = [this] { probe.Command1(1).SetValue(true); };
    probe.onClick = [this] { probe.HScroll1().SetValue(9); };
    probe.Command1(0).SetValue(true);
    EXPECT_EQ(probe.log, (std::vector<std::string> { "Command1_Click 0", "HScroll1_Change 9", "Command1_Click 1" }));
    QTest::mouseClick(&probe.Command1(1), Qt::LeftButton);
    Key(probe.Command1(1), Qt::Key_Space);
    EXPECT_EQ(probe.log.size(), 5u);
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
    EXPECT_EQ(probe.errors, std::vector<int> { 6 });
    EXPECT_EQ(probe.log, (std::vector<std::string> { "HScroll1_Change 8", "Command1_Click 0", "outer goes on" }));
    probe.HScroll1().SetValue(9);
    EXPECT_EQ(probe.errors.size(), 2u);
    probe.onClick = [] { throw std::logic_error("a fault of our own"); };
    probe.Command1(0).SetValue(true);
    EXPECT_EQ(probe.errors.back(), 51);
}

// The control that ran the handler, and Qt's code that called it, go on after the handler returns.
TEST_F(ToolkitTest, AHandlerThatClosesItsOwnWindowLeavesItsControlsToTheEnd)
{
    probe.onClick = [this] { probe.close(); };
    QTest::mouseClick(&probe.Command1(0), Qt::LeftButton);
    EXPECT_FALSE(probe.IsLoaded());
    probe.Show();
    probe.onChange = [this] { probe.close(); };
    Key(probe.HScroll1(), Qt::Key_Right);
    EXPECT_FALSE(probe.IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(probe.findChildren<QScrollBar*>().isEmpty());
    EXPECT_EQ(probe.errors, std::vector<int> {});
}

// What a control tells is worked out when a tool starts to listen and after each handler; a fault there
// is reported like a handler's.
TEST_F(ToolkitTest, AFaultInAnOutcomeIsReportedAndNotThrown)
{
    probe.Tell(probe.HScroll1(), []() -> std::string { throw std::logic_error("a fault of our own"); });
    QAccessible::setActive(true);
    probe.HScroll1().SetValue(6);
    QAccessible::setActive(false);
    EXPECT_EQ(probe.errors, (std::vector<int> { 51, 51 }));
}

TEST_F(ToolkitTest, ClosingDestroysTheControlsAndReopeningRestoresTheLayout)
{
    probe.HScroll1().SetValue(20);
    probe.Find<Label>("Label1").SetCaption("changed");
    probe.Picture1().SetBackColor(0x0000FF);
    probe.close();
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
    FailsToBuildOnce()
        : Window(ProbeLayout)
    {
        SetErrorReport([this](QWidget*, const RuntimeError& error) { errors.push_back(error.Code()); });
    }

    std::vector<int> errors;
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
    FailsToBuildOnce window;
    window.Show();
    EXPECT_EQ(window.errors, std::vector<int> { 380 });
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.loads, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<QScrollBar*>().isEmpty());
    window.Show();
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.loads, 1);
    EXPECT_EQ(window.findChildren<QScrollBar*>().size(), 2);
    EXPECT_EQ(window.Find<ScrollBar>("HScroll1").Value(), 5);
}

TEST_F(ToolkitTest, ZoomingAndResizingRunNoHandler)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&probe)); // the keys belong to the active window
    probe.log.clear();
    QTest::keyClick(&probe.HScroll1(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(probe.ZoomFactor(), 1.25);
    probe.ZoomTo(3);
    probe.resize(1000, 3000);
    QTest::keyClick(&probe.VScroll1(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&probe.Command1(0), Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(probe.ZoomFactor(), 1);
    EXPECT_TRUE(probe.log.empty());
    EXPECT_EQ(probe.HScroll1().Value(), 5);
    EXPECT_EQ(probe.VScroll1().Value(), 5000);
}

TEST_F(ToolkitTest, FocusFollowsTheTabIndexes)
{
    std::vector<QWidget*> chain;
    QWidget* widget = &probe.VScroll1();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != &probe.VScroll1());
    EXPECT_EQ(probe.focusWidget(), &probe.VScroll1());
    EXPECT_EQ(chain,
        (std::vector<QWidget*> {
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

// The border frames the image: its last row and column are on screen, and no edge is left unpainted.
TEST_F(ToolkitTest, TheBorderFramesTheWholeImage)
{
    auto& picture = probe.Picture1(); // 104 x 104 pixels, 100 x 100 inside
    picture.SetBackColor(0x0000FF);
    const QImage shown = picture.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(104, 104));
    for (const int edge : { 2, 101 }) {
        EXPECT_EQ(shown.pixelColor(edge, 50), QColor(255, 0, 0)) << edge;
        EXPECT_EQ(shown.pixelColor(50, edge), QColor(255, 0, 0)) << edge;
    }
    EXPECT_EQ(shown.pixelColor(102, 50), QColor(227, 227, 227));
    EXPECT_EQ(shown.pixelColor(50, 103), QColor(Qt::white));
}

TEST_F(ToolkitTest, CirclesAndArcsDrawOutlinesOnly)
{
    auto& picture = probe.Picture1();
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
    const QImage waited = picture.Snapshot();
    picture.SetBackColor(0xFFFFFF);
    for (const Segment& s : segments) {
        picture.Line(s.x1, s.y1, s.x2, s.y2, s.colour);
        picture.Point(0, 0); // reading writes out whatever waits
    }
    EXPECT_EQ(waited, picture.Snapshot());
}

// A line along an axis of the scale takes a short cut; a line that leans within one pixel
// column or row goes the general way. Both must paint the same pixels, wherever their ends lie.
TEST_F(ToolkitTest, AxisLinesPaintAsLinesLeaningWithinOnePixel)
{
    auto& picture = probe.Picture1(); // 100 x 100 pixels
    picture.Scale(-5, 35, 25, -5); // 0.3 units a pixel across, 0.4 down, y growing upward
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
        picture.SetBackColor(0xFFFFFF);
        for (const Segment& s : segments) {
            if (s.vertical)
                picture.Line(s.across, s.from, s.across + 0.075f * lean, s.to, s.colour);
            else
                picture.Line(s.from, s.across, s.to, s.across - 0.1f * lean, s.colour);
        }
        return picture.Snapshot();
    };
    const QImage straight = draw(0);
    EXPECT_EQ(straight, draw(1));
    EXPECT_NE(straight, draw(20)); // a lean across pixels goes through the painter, and shows
}

TEST_F(ToolkitTest, VisibleRowsPaintTheSameStripAsEveryRow)
{
    auto& picture = probe.Picture1(); // 100 pixel rows
    picture.Scale(0, 0, 1, 1000);
    auto paint = [&](int y) {
        picture.Line(
            0, static_cast<float>(y), 1, static_cast<float>(y), static_cast<ColourValue>(y * 16411 % 0xFFFFFF));
    };
    for (int y = -200; y <= 1200; ++y)
        paint(y);
    const QImage everyRow = picture.Snapshot();
    picture.SetBackColor(0);
    const std::vector<common::Int16> rows = picture.VisibleRows(-200, 1200);
    EXPECT_EQ(rows.size(), 100u);
    for (const common::Int16 y : rows)
        paint(y);
    EXPECT_EQ(everyRow, picture.Snapshot());
    EXPECT_TRUE(picture.VisibleRows(5, 4).empty());
    EXPECT_EQ(picture.VisibleRows(1000, 1200).size(), 0u);
}

} // namespace
