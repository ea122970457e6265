#include "desktop/ScrollBarWidget.h"

#include "desktop/Described.h"
#include "desktop/QtGeometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include <utility>

namespace palettra::desktop {

using toolkit::ScrollBar;

ScrollBarWidget::ScrollBarWidget(ScrollBar& bar, QWidget& window)
    : QScrollBar(bar.Vertical() ? Qt::Vertical : Qt::Horizontal, &window)
    , bar_(bar)
{
    setRange(bar.Min(), bar.Max());
    setSingleStep(bar.SmallChange());
    setPageStep(bar.LargeChange());
    setValue(bar.Value());
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    // Qt's menu of steps would be a second set of rules, in words of its own.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setStyle(&style_);
    // Qt steps at a press before anyone asks: its step is undone, and the core's bar steps instead.
    connect(this, &QAbstractSlider::actionTriggered, this, [this] { setSliderPosition(value()); });
    // A value set from outside, as an assistive tool sets one, is committed whole.
    connect(this, &QAbstractSlider::valueChanged, this, [this](int value) { bar_.Commit(value); });
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(ScrollBar::RepeatInterval);
        Repeat();
    });
}

// The widget's own clean-up still reads its style, which as a member is gone by then.
ScrollBarWidget::~ScrollBarWidget() { setStyle(nullptr); }

// The core has already run what a change runs; the widget only catches up.
void ScrollBarWidget::ShowValue(int value)
{
    const QSignalBlocker quiet(this);
    setValue(value);
}

// With tracking off, the position moves the thumb alone.
void ScrollBarWidget::ShowThumb(int value) { setSliderPosition(value); }

void ScrollBarWidget::Place(const toolkit::Rect& box, double zoom, const toolkit::TouchReach&)
{
    style_.SetZoom(zoom);
    setGeometry(ToQRect(box));
    update();
}

void ScrollBarWidget::Describe(const std::string& description) { DescribeWidget(*this, description); }

namespace {

    using Action = void (*)(ScrollBar&);

    // The classic keys: Right and Down step towards Max, Left and Up towards Min, whatever the orientation.
    Action ClassicKey(int key)
    {
        switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            return [](ScrollBar& bar) { bar.Step(1); };
        case Qt::Key_Left:
        case Qt::Key_Up:
            return [](ScrollBar& bar) { bar.Step(-1); };
        case Qt::Key_PageDown:
            return [](ScrollBar& bar) { bar.Page(1); };
        case Qt::Key_PageUp:
            return [](ScrollBar& bar) { bar.Page(-1); };
        case Qt::Key_Home:
            return [](ScrollBar& bar) { bar.ToEnd(-1); };
        case Qt::Key_End:
            return [](ScrollBar& bar) { bar.ToEnd(1); };
        default:
            return nullptr;
        }
    }

    bool IsArrow(QStyle::SubControl part)
    {
        return part == QStyle::SC_ScrollBarSubLine || part == QStyle::SC_ScrollBarAddLine;
    }

} // namespace

// Each handler below ends with the core's action: its change handler may close the window, and this
// widget with it.
void ScrollBarWidget::keyPressEvent(QKeyEvent* event)
{
    const Action action = ClassicKey(event->key());
    if (!action) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
    action(bar_);
}

void ScrollBarWidget::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (const int lines = wheel_.Take(*event, orientation()))
        bar_.Roll(lines);
}

// Only the left button acts: Qt's middle button would move the thumb by a rule of its own.
void ScrollBarWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton || minimum() == maximum())
        return;
    // Qt shows the part pressed; its repeat is stopped, as the core sets the pace.
    QScrollBar::mousePressEvent(event);
    setRepeatAction(SliderNoAction);
    pressed_ = event->position().toPoint();
    QStyleOptionSlider option;
    initStyleOption(&option);
    held_ = style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, pressed_, this);
    if (held_ == QStyle::SC_ScrollBarSlider) {
        grip_ = Along(pressed_) - Along(Part(QStyle::SC_ScrollBarSlider).topLeft());
        bar_.HoldThumb();
        return;
    }
    if (held_ != QStyle::SC_ScrollBarSubPage && held_ != QStyle::SC_ScrollBarAddPage && !IsArrow(held_)) {
        held_ = QStyle::SC_None;
        return;
    }
    repeat_.start(ScrollBar::RepeatDelay);
    if (IsArrow(held_))
        bar_.Step(held_ == QStyle::SC_ScrollBarAddLine ? 1 : -1);
    else
        bar_.HoldTrack(SideOfThumb());
}

void ScrollBarWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (held_ != QStyle::SC_ScrollBarSlider) {
        // Qt shows whether the pointer is still on the held part; it goes on acting all the same.
        QScrollBar::mouseMoveEvent(event);
        setRepeatAction(SliderNoAction);
        return;
    }
    const QRect groove = Part(QStyle::SC_ScrollBarGroove);
    const int room = Length(groove) - Length(Part(QStyle::SC_ScrollBarSlider));
    bar_.DragThumb(Along(event->position().toPoint()) - grip_ - Along(groove.topLeft()), room);
}

void ScrollBarWidget::mouseReleaseEvent(QMouseEvent* event)
{
    {
        // Letting go, Qt takes the thumb's position as its value: the core's to commit, not Qt's.
        const QSignalBlocker quiet(this);
        QScrollBar::mouseReleaseEvent(event);
    }
    if (event->button() != Qt::LeftButton || held_ == QStyle::SC_None)
        return;
    repeat_.stop();
    if (std::exchange(held_, QStyle::SC_None) == QStyle::SC_ScrollBarSlider)
        bar_.LetGoThumb();
}

QRect ScrollBarWidget::Part(QStyle::SubControl part) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

int ScrollBarWidget::Along(QPoint point) const { return orientation() == Qt::Horizontal ? point.x() : point.y(); }

int ScrollBarWidget::Length(const QRect& box) const
{
    return orientation() == Qt::Horizontal ? box.width() : box.height();
}

int ScrollBarWidget::SideOfThumb() const
{
    const QRect thumb = Part(QStyle::SC_ScrollBarSlider);
    const int at = Along(pressed_);
    const int start = Along(thumb.topLeft());
    return at < start ? -1 : at >= start + Length(thumb) ? 1 : 0;
}

void ScrollBarWidget::Repeat()
{
    if (IsArrow(held_))
        bar_.Step(held_ == QStyle::SC_ScrollBarAddLine ? 1 : -1);
    else
        bar_.RepeatTrack(SideOfThumb());
}

} // namespace palettra::desktop
