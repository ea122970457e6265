#include "desktop/DesktopFace.h"
#include "tests/Probe.h"
#include "tests/desktop/ScrollBarPart.h"
#include "tests/desktop/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;
using tests::WidgetOf;

namespace {

// The core's controls on the real widgets, as a user's keys and mouse reach them.
class ControlWidgets : public testing::Test {
protected:
    void SetUp() override
    {
        tests::WindowOf(probe).SetErrorReport(
            [this](QWidget*, const common::RuntimeError& error) { errors.push_back(error.Code()); });
        probe.Show();
    }
    QScrollBar& Bar(const ScrollBar& bar) { return WidgetOf<QScrollBar>(bar); }
    void Key(const Control& control, Qt::Key key) { QTest::keyClick(&WidgetOf(control), key); }
    desktop::DesktopFace face;
    tests::Probe probe { face };
    std::vector<int> errors;
};

TEST_F(ControlWidgets, ClassicKeysStepTheBarsWithinTheirRange)
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

TEST_F(ControlWidgets, DraggingTheThumbCommitsOnlyOnRelease)
{
    QScrollBar& bar = Bar(probe.HScroll1());
    probe.log.clear();
    bar.setSliderDown(true);
    bar.setSliderPosition(20);
    bar.setSliderPosition(21);
    EXPECT_TRUE(probe.log.empty());
    EXPECT_EQ(probe.HScroll1().Value(), 5);
    bar.setSliderDown(false);
    EXPECT_EQ(probe.log, std::vector<std::string> { "HScroll1_Change 21" });
}

// The thumb held by a real press, as a user's drag holds it, not only flagged as down.
TEST_F(ControlWidgets, WhileTheThumbIsHeldOnlyAChangedValueRunsTheHandler)
{
    QScrollBar& bar = Bar(probe.HScroll1());
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
    probe.HScroll1().SetValue(5);
    Key(probe.HScroll1(), Qt::Key_Right);
    EXPECT_TRUE(probe.log.empty());
    send(QEvent::MouseButtonRelease, thumb + QPoint(60, 0), Qt::NoButton);
    ASSERT_EQ(probe.log.size(), 1u);
    EXPECT_EQ(probe.log.front(), "HScroll1_Change " + std::to_string(probe.HScroll1().Value()));
    EXPECT_NE(probe.HScroll1().Value(), 5);
}

TEST_F(ControlWidgets, AClickAndSpacePressTheButton)
{
    probe.log.clear();
    QTest::mouseClick(&WidgetOf(probe.Command1(1)), Qt::LeftButton);
    Key(probe.Command1(1), Qt::Key_Space);
    EXPECT_EQ(probe.log, (std::vector<std::string> { "Command1_Click 1", "Command1_Click 1" }));
}

// The control that ran the handler, and Qt's code that called it, go on after the handler returns.
TEST_F(ControlWidgets, AHandlerThatClosesItsOwnWindowLeavesItsControlsToTheEnd)
{
    probe.onClick = [this] { probe.Close(); };
    QTest::mouseClick(&WidgetOf(probe.Command1(0)), Qt::LeftButton);
    EXPECT_FALSE(probe.IsLoaded());
    probe.Show();
    probe.onChange = [this] { probe.Close(); };
    Key(probe.HScroll1(), Qt::Key_Right);
    EXPECT_FALSE(probe.IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tests::WindowOf(probe).findChildren<QScrollBar*>().isEmpty());
    EXPECT_EQ(errors, std::vector<int> {});
}

// The border frames the image: its last row and column are on screen, and no edge is left unpainted.
TEST_F(ControlWidgets, TheBorderFramesTheWholeImage)
{
    auto& picture = probe.Picture1(); // 104 x 104 pixels, 100 x 100 inside
    picture.SetBackColor(0x0000FF);
    const QImage shown = WidgetOf(picture).grab().toImage();
    ASSERT_EQ(shown.size(), QSize(104, 104));
    for (const int edge : { 2, 101 }) {
        EXPECT_EQ(shown.pixelColor(edge, 50), QColor(255, 0, 0)) << edge;
        EXPECT_EQ(shown.pixelColor(50, edge), QColor(255, 0, 0)) << edge;
    }
    EXPECT_EQ(shown.pixelColor(102, 50), QColor(227, 227, 227));
    EXPECT_EQ(shown.pixelColor(50, 103), QColor(Qt::white));
}

} // namespace
