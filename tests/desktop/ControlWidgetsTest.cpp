#include "desktop/DesktopFace.h"
#include "tests/Probe.h"
#include "tests/desktop/ScrollBarPart.h"
#include "tests/desktop/ThumbHold.h"
#include "tests/desktop/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
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

// The values the thumb shows as it is dragged, pixel by pixel, are those Qt's style gives its
// positions, as they were when Qt mapped them itself; only letting go commits.
TEST_F(ControlWidgets, ADraggedThumbTakesTheValuesOfQtsStyleAndCommitsOnlyWhenLetGo)
{
    QScrollBar& bar = Bar(probe.HScroll1());
    const QRect groove = ScrollBarPart(bar, QStyle::SC_ScrollBarGroove);
    const QRect thumb = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    const int start = thumb.x() - groove.x();
    const int room = groove.width() - thumb.width();
    probe.log.clear();
    tests::ThumbHold hold(bar);
    for (int offset = -10; offset <= room + 10; ++offset) {
        hold.Move(offset - start);
        ASSERT_EQ(bar.sliderPosition(), QStyle::sliderValueFromPosition(0, 25, offset, room)) << offset;
    }
    EXPECT_TRUE(probe.log.empty());
    EXPECT_EQ(probe.HScroll1().Value(), 5);
    hold.LetGo();
    EXPECT_EQ(probe.log, std::vector<std::string> { "HScroll1_Change 25" });
}

// The thumb held by a real press, as a user's drag holds it: a key or the wheel does nothing then.
TEST_F(ControlWidgets, WhileTheThumbIsHeldOnlyAChangedValueRunsTheHandler)
{
    QScrollBar& bar = Bar(probe.HScroll1());
    probe.log.clear();
    tests::ThumbHold hold(bar);
    hold.Move(60);
    ASSERT_TRUE(bar.isSliderDown());
    ASSERT_NE(bar.sliderPosition(), 5);
    probe.HScroll1().SetValue(5);
    Key(probe.HScroll1(), Qt::Key_Right);
    QWheelEvent wheel({ 5, 5 }, bar.mapToGlobal(QPointF(5, 5)), {}, { 0, -120 }, Qt::LeftButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(&bar, &wheel);
    EXPECT_TRUE(probe.log.empty());
    hold.LetGo();
    ASSERT_EQ(probe.log.size(), 1u);
    EXPECT_EQ(probe.log.front(), "HScroll1_Change " + std::to_string(probe.HScroll1().Value()));
    EXPECT_NE(probe.HScroll1().Value(), 5);
}

// The wheel's turns move a bar as far as they move Qt's own, what falls short of a line kept for the
// next turn the same way, and never more than a large change.
TEST_F(ControlWidgets, TheWheelMovesABarAsFarAsQtsOwnBar)
{
    const std::vector<QPoint> turns { { 0, 120 }, { 0, -120 }, { -120, 0 }, { 30, 10 }, { 0, 40 }, { 0, 40 },
        { 0, -20 }, { 0, -20 }, { 0, -1200 } };
    for (ScrollBar* core : { &probe.HScroll1(), &probe.VScroll1() }) {
        QScrollBar& shown = Bar(*core);
        QScrollBar qts(shown.orientation());
        qts.setRange(shown.minimum(), shown.maximum());
        qts.setPageStep(shown.pageStep());
        qts.setValue(shown.value());
        for (const QPoint& turn : turns) {
            for (QScrollBar* bar : { &shown, &qts }) {
                QWheelEvent wheel({ 5, 5 }, bar->mapToGlobal(QPointF(5, 5)), {}, turn, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar, &wheel);
            }
            EXPECT_EQ(core->Value(), qts.value()) << core->Layout().name << " " << turn.x() << "," << turn.y();
        }
    }
}

// Pressed near its far end, the track pages once, waits for the core's delay, and then pages at its
// interval until the thumb is under the pointer, where it stays.
TEST_F(ControlWidgets, AHeldTrackPagesAtTheCoresPaceUntilTheThumbIsUnderThePointer)
{
    QScrollBar& bar = Bar(probe.HScroll1());
    const QPoint pointer(ScrollBarPart(bar, QStyle::SC_ScrollBarGroove).right() - 10, bar.height() / 2);
    const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent event(type, pointer, bar.mapToGlobal(pointer), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&bar, &event);
    };
    const auto underPointer = [&] { return ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).contains(pointer); };
    probe.log.clear();
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(probe.HScroll1().Value(), 6);
    QTest::qWait(static_cast<int>(ScrollBar::RepeatDelay.count()) / 2);
    EXPECT_EQ(probe.HScroll1().Value(), 6);
    for (int wait = 0; wait < 200 && !underPointer(); ++wait)
        QTest::qWait(static_cast<int>(ScrollBar::RepeatInterval.count()));
    ASSERT_TRUE(underPointer());
    const int reached = probe.HScroll1().Value();
    QTest::qWait(static_cast<int>(4 * ScrollBar::RepeatInterval.count()));
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(probe.HScroll1().Value(), reached);
    EXPECT_GT(reached, 10);
    EXPECT_EQ(probe.log.size(), static_cast<std::size_t>(reached - 5)); // a change a page of one
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
