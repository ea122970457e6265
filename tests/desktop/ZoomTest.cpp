#include "toolkit/layout/Zoom.h"

#include "desktop/DesktopFace.h"
#include "desktop/QtGeometry.h"
#include "shell/Catalogue.h"
#include "tests/desktop/ScrollBarPart.h"
#include "tests/desktop/Widgets.h"
#include "toolkit/layout/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;
using desktop::ToQSize;
using tests::WidgetOf;
using tests::WindowOf;

namespace {

// The window that the menu button of this index opens, or the menu itself for -1, open.
Window& OpenWindow(Catalogue& catalogue, int which)
{
    switch (which) {
    case 0:
        return catalogue.Open(catalogue.form1);
    case 1:
        return catalogue.Open(catalogue.form2);
    case 2:
        return catalogue.Open(catalogue.form3);
    case 3:
        return catalogue.Open(catalogue.form4);
    case 4:
        return catalogue.Open(catalogue.form5);
    case 5:
        return catalogue.Open(catalogue.form6);
    }
    catalogue.StartUp().Show();
    return catalogue.StartUp();
}

bool IsDecoration(const ControlLayout& row) { return row.kind == Kind::Shape || row.kind == Kind::Line; }

// Where every control of the window must be when its content is at this factor and corner.
void ExpectControlsAt(const Window& window, double factor, QPoint corner)
{
    for (const ControlLayout& row : window.Layout().controls) {
        if (IsDecoration(row))
            continue;
        const QRect expected(corner.x() + Pixels(row.left, factor), corner.y() + Pixels(row.top, factor),
            Pixels(row.width, factor), Pixels(row.height, factor));
        const QWidget& widget = WidgetOf(window.Find<Control>(row.name, row.index));
        const std::string where = window.Layout().name + " " + row.name + "(" + std::to_string(row.index) + ")";
        if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
            // A caption wider than its box widens the label, away from the side it is anchored on.
            EXPECT_TRUE(label->geometry().contains(expected)) << where;
            EXPECT_EQ(label->y(), expected.y()) << where;
            EXPECT_EQ(label->height(), expected.height()) << where;
            EXPECT_EQ(label->font().pixelSize(), FontPixels(row.font.points, factor)) << where;
        } else {
            EXPECT_EQ(widget.geometry(), expected) << where;
        }
        if (row.kind == Kind::CommandButton) {
            EXPECT_EQ(widget.font().pixelSize(), FontPixels(9, factor)) << where;
        }
    }
}

struct Step {
    int window;
    double step;
};

void PrintTo(const Step& step, std::ostream* out) { *out << "window " << step.window << " at " << step.step; }

class ZoomAtSteps : public testing::TestWithParam<Step> {
protected:
    desktop::DesktopFace face;
    Catalogue catalogue { face };
};

TEST_P(ZoomAtSteps, EveryControlTakesItsPlaceAndFontAtTheStep)
{
    Window& window = OpenWindow(catalogue, GetParam().window);
    window.ZoomTo(GetParam().step);
    EXPECT_EQ(WindowOf(window).size(), ToQSize(ClientSize(window.Layout(), GetParam().step)));
    EXPECT_EQ(WindowOf(window).geometry().topLeft(), QPoint(Pixels(window.Layout().left), Pixels(window.Layout().top)));
    EXPECT_DOUBLE_EQ(window.ZoomFactor(), GetParam().step);
    ExpectControlsAt(window, GetParam().step, QPoint(0, 0));
}

std::vector<Step> EveryWindowAt(std::initializer_list<double> steps)
{
    std::vector<Step> cases;
    for (int window = -1; window < 6; ++window)
        for (const double step : steps)
            cases.push_back({ window, step });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, ZoomAtSteps, testing::ValuesIn(EveryWindowAt({ 1, 1.5, 2 })), [](const testing::TestParamInfo<Step>& info) {
        return "Window" + std::to_string(info.param.window + 1) + "At"
            + std::to_string(static_cast<int>(info.param.step * 100));
    });

struct Frame {
    QSize client;
    double factor;
    QPoint corner;
};

void PrintTo(const Frame& frame, std::ostream* out) { *out << frame.client.width() << " x " << frame.client.height(); }

class ZoomFrames : public testing::TestWithParam<Frame> {
protected:
    desktop::DesktopFace face;
    Catalogue catalogue { face };
};

// The RGB mixer, 800 x 667 at 100 %, dragged to sizes of other proportions.
TEST_P(ZoomFrames, ContentFillsTheNarrowerSideAndIsCentredOnTheOther)
{
    Window& mixer = OpenWindow(catalogue, 1);
    WindowOf(mixer).resize(GetParam().client);
    EXPECT_NEAR(mixer.ZoomFactor(), GetParam().factor, 0.001);
    ExpectControlsAt(mixer, mixer.ZoomFactor(), GetParam().corner);
    const QRect bar = WidgetOf(mixer.Find<ScrollBar>("HScroll3")).geometry();
    EXPECT_EQ(
        bar.topLeft(), GetParam().corner + QPoint(Pixels(5400, GetParam().factor), Pixels(5880, GetParam().factor)));
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomFrames,
    testing::Values(Frame { { 1600, 1000 }, 1.5, { 200, 0 } }, Frame { { 2400, 1334 }, 2, { 400, 0 } },
        Frame { { 1600, 2000 }, 2, { 0, 333 } }, Frame { { 900, 667 }, 1, { 50, 0 } },
        Frame { { 800, 700 }, 1, { 0, 16 } }));

TEST(ZoomKeys, StepThroughTheStepsAndNeverReachTheFocusedControl)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Window& window = OpenWindow(catalogue, 1);
    WindowOf(window).activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&WindowOf(window)));
    auto& bar = WidgetOf<QScrollBar>(window.Find<ScrollBar>("HScroll1"));
    bar.setFocus();
    const int value = window.Find<ScrollBar>("HScroll1").Value();
    const std::vector<std::pair<std::function<void()>, double>> presses {
        { [&] { QTest::keyClick(&bar, Qt::Key_Equal, Qt::ControlModifier); }, 1.25 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier); }, 1.5 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier); }, 2 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Plus, Qt::ControlModifier); }, 2.5 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Equal, Qt::ControlModifier); }, 3 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Equal, Qt::ControlModifier); }, 3 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Minus, Qt::ControlModifier); }, 2.5 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier); }, 2 },
        { [&] { QTest::keyClick(&bar, Qt::Key_0, Qt::ControlModifier); }, 1 },
        { [&] { QTest::keyClick(&bar, Qt::Key_Minus, Qt::ControlModifier); }, 1 },
    };
    for (std::size_t i = 0; i < presses.size(); ++i) {
        presses[i].first();
        EXPECT_DOUBLE_EQ(window.ZoomFactor(), presses[i].second) << "press " << i;
        EXPECT_EQ(WindowOf(window).size(), ToQSize(ClientSize(window.Layout(), presses[i].second))) << "press " << i;
    }
    EXPECT_EQ(window.Find<ScrollBar>("HScroll1").Value(), value);
    EXPECT_EQ(WindowOf(window).focusWidget(), &bar);
}

TEST(ZoomKeys, WorkInTheMenuToo)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Menu& menu = catalogue.StartUp();
    menu.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&WindowOf(menu)));
    QTest::keyClick(WindowOf(menu).focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(WindowOf(menu).size(), QSize(150, 834));
    EXPECT_FALSE(catalogue.form2); // the focused button was not pressed
}

// The style keeps a scroll bar's arrow buttons at a fixed number of pixels; a zoomed bar has zoomed buttons.
TEST(ZoomScrollBars, ArrowButtonsGrowWithTheWindow)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Window& mixer = OpenWindow(catalogue, 1);
    auto& bar = WidgetOf<QScrollBar>(mixer.Find<ScrollBar>("HScroll1"));
    const auto button = [&bar] { return ScrollBarPart(bar, QStyle::SC_ScrollBarAddLine).width(); };
    const int atFirst = button();
    mixer.ZoomTo(2);
    EXPECT_EQ(button(), 2 * atFirst);
    mixer.ZoomTo(1);
    EXPECT_EQ(button(), atFirst);
}

// The dark pixels within the bar's forward arrow button as the screen shows it, in device pixels.
QRect ArrowExtent(QScrollBar& bar)
{
    const QImage shown = bar.grab().toImage();
    const QRect button = ScrollBarPart(bar, QStyle::SC_ScrollBarAddLine);
    const qreal ratio = shown.devicePixelRatio();
    const QRect area((QPointF(button.topLeft()) * ratio).toPoint(), (QSizeF(button.size()) * ratio).toSize());
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(shown.pixel(x, y)) < 160)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

TEST(ZoomScrollBars, ArrowsKeepTheirShareOfTheirButtons)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    for (const auto& [window, name] : { std::pair { 1, "HScroll1" }, { 2, "VScroll1" } }) {
        Window& form = OpenWindow(catalogue, window);
        auto& bar = WidgetOf<QScrollBar>(form.Find<ScrollBar>(name));
        const QRect atFirst = ArrowExtent(bar);
        form.ZoomTo(3);
        const QRect zoomed = ArrowExtent(bar);
        ASSERT_FALSE(atFirst.isEmpty()) << name;
        // About three times as large: the style rounds the arrow's sides to whole pixels, and the
        // edges' partly covered pixels weigh more in the smaller arrow.
        EXPECT_NEAR(zoomed.width(), 3 * atFirst.width(), atFirst.width()) << name;
        EXPECT_NEAR(zoomed.height(), 3 * atFirst.height(), atFirst.height()) << name;
    }
}

// A caption too large for Qt's cache of drawn letters is painted from a picture of it: the same
// pixels as a plain label shows, after every change of the caption.
TEST(ZoomCaptions, ALargeCaptionShowsAsAPlainLabelShowsIt)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Window& mixer = OpenWindow(catalogue, 1);
    mixer.ZoomTo(3);
    for (const int red : { 0, 255 }) {
        mixer.Find<ScrollBar>("HScroll1").SetValue(static_cast<common::Int16>(red));
        for (const auto& [name, index] : { std::pair { "Label2", 0 }, { "Label1", 2 } }) {
            const Label& caption = mixer.Find<Label>(name, index);
            auto& label = WidgetOf<QLabel>(caption);
            QLabel plain(label.text(), &WindowOf(mixer));
            plain.setFont(label.font());
            plain.setPalette(label.palette());
            plain.setAlignment(label.alignment());
            plain.setGeometry(label.geometry());
            EXPECT_EQ(label.grab().toImage(), plain.grab().toImage()) << caption.Caption();
        }
    }
}

TEST(ZoomReopen, AReopenedWindowIsBackAtItsSizeAndPlace)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Window& window = OpenWindow(catalogue, 2);
    const QRect first = WindowOf(window).geometry();
    window.ZoomTo(2);
    WindowOf(window).move(300, 200);
    WindowOf(window).showMaximized();
    WindowOf(window).close();
    window.Show();
    EXPECT_FALSE(WindowOf(window).isMaximized());
    EXPECT_EQ(WindowOf(window).geometry(), first);
    EXPECT_DOUBLE_EQ(window.ZoomFactor(), 1);
    ExpectControlsAt(window, 1, QPoint(0, 0));
}

// The forms' pictures are drawn on images of the layout's size whatever the window's zoom: the
// same actions, some taken at 200 % and some after a drag to an odd size, leave the same pixels
// and the same points as at 100 %.
struct Drawing {
    const char* name;
    int window;
    std::vector<std::pair<const char*, int>> actions; // a bar and its value, or a button and -1
};

void PrintTo(const Drawing& drawing, std::ostream* out) { *out << drawing.name; }

class ZoomModels : public testing::TestWithParam<Drawing> {
protected:
    static void Act(const Window& window, const std::pair<const char*, int>& action)
    {
        if (action.second < 0)
            window.Find<CommandButton>(action.first).SetValue(true);
        else
            window.Find<ScrollBar>(action.first).SetValue(static_cast<common::Int16>(action.second));
    }

    std::vector<PixelBuffer> Pictures(const Window& window)
    {
        std::vector<PixelBuffer> pictures;
        for (const ControlLayout& row : window.Layout().controls)
            if (row.kind == Kind::PictureBox)
                pictures.push_back(window.Find<PictureBox>(row.name, row.index).Snapshot());
        return pictures;
    }

    std::vector<common::ColourValue> Points(const Window& window)
    {
        auto& picture = window.Find<PictureBox>("Picture1");
        std::vector<common::ColourValue> points;
        for (int i = 0; i <= 16; ++i)
            for (int j = 0; j <= 16; ++j)
                points.push_back(picture.Point(picture.ScaleLeft() + picture.ScaleWidth() * static_cast<float>(i) / 16,
                    picture.ScaleTop() + picture.ScaleHeight() * static_cast<float>(j) / 16));
        return points;
    }
};

TEST_P(ZoomModels, TheSameActionsLeaveTheSamePictureAtAnyZoom)
{
    const std::vector<std::pair<const char*, int>>& actions = GetParam().actions;
    desktop::DesktopFace face;
    Catalogue plain(face);
    Window& reference = OpenWindow(plain, GetParam().window);
    for (const auto& action : actions)
        Act(reference, action);

    Catalogue zoomed(face);
    Window& window = OpenWindow(zoomed, GetParam().window);
    window.ZoomTo(2);
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (i == actions.size() / 2)
            WindowOf(window).resize(1700, 1100);
        Act(window, actions[i]);
    }
    EXPECT_EQ(Pictures(window), Pictures(reference));
    EXPECT_EQ(Points(window), Points(reference));
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomModels,
    testing::Values(Drawing { "Overlap", 2,
                        { { "HScroll1", 25 }, { "HScroll4", 0 }, { "HScroll5", 0 }, { "Command1", -1 },
                            { "Command2", -1 }, { "HScroll7", 100 }, { "VScroll1", 3000 } } },
        Drawing { "Square", 3, { { "HScroll3", 25 }, { "HScroll6", 0 }, { "HScroll1", 20 } } },
        Drawing { "Photo", 5, { { "Command1", -1 }, { "Command2", -1 }, { "HScroll2", 9 }, { "Command2", -1 } } }),
    [](const testing::TestParamInfo<Drawing>& info) { return info.param.name; });

TEST(ZoomDecorations, LinesAndShapesGrowWithTheWindow)
{
    desktop::DesktopFace face;
    Catalogue catalogue(face);
    Window& percent = OpenWindow(catalogue, 0);
    percent.ZoomTo(2);
    const QImage shown = WindowOf(percent).grab().toImage();
    // The picture is at the screen's resolution, which the display scale multiplies again.
    const auto at
        = [&](int x, int y) { return shown.pixelColor((QPointF(x, y) * shown.devicePixelRatio()).toPoint()); };
    // The vessel's floor, five pixels thick at 100 %, is ten at 200 %.
    const int floor = Pixels(9240, 2);
    const int across = Pixels(5700, 2);
    for (const int dy : { -4, 4 })
        EXPECT_EQ(at(across, floor + dy), QColor(Qt::black)) << dy;
    EXPECT_EQ(at(across, floor + 7), QColor(Qt::white));
    // The blue disc: near its right edge at 200 %, which is far outside it at 100 %, and just past that edge.
    const int middle = Pixels(720 + 750, 2);
    EXPECT_EQ(at(Pixels(2280 + 1400, 2), middle), QColor(Qt::blue));
    EXPECT_EQ(at(Pixels(2280 + 1560, 2), middle), QColor(Qt::white));
}

} // namespace
