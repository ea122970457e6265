#include "desktop/ScrollBarWidget.h"

#include "desktop/Described.h"
#include "desktop/QtGeometry.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <optional>

namespace palettra::desktop {

ScrollBarWidget::ScrollBarWidget(toolkit::ScrollBar& bar, QWidget& window)
    : QScrollBar(bar.Vertical() ? Qt::Vertical : Qt::Horizontal, &window)
    , bar_(bar)
{
    setRange(bar.Min(), bar.Max());
    setSingleStep(bar.SmallChange());
    setPageStep(bar.LargeChange());
    setValue(bar.Value());
    // A drag only moves the thumb; the value, and the handler, follow on release.
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setStyle(&style_);
    connect(this, &QAbstractSlider::valueChanged, this, [this](int value) { bar_.Commit(value); });
}

// The widget's own clean-up still reads its style, which as a member is gone by then.
ScrollBarWidget::~ScrollBarWidget() { setStyle(nullptr); }

// The core has already run what a change runs; the widget only catches up.
void ScrollBarWidget::ShowValue(int value)
{
    const QSignalBlocker quiet(this);
    setValue(value);
}

void ScrollBarWidget::Place(const toolkit::Rect& box, double zoom)
{
    style_.SetZoom(zoom);
    setGeometry(ToQRect(box));
    update();
}

void ScrollBarWidget::Describe(const std::string& description) { DescribeWidget(*this, description); }

namespace {

    // The classic keys: Right and Down step up, Left and Up step down, whatever the orientation.
    std::optional<QAbstractSlider::SliderAction> ClassicStep(int key)
    {
        switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            return QAbstractSlider::SliderSingleStepAdd;
        case Qt::Key_Left:
        case Qt::Key_Up:
            return QAbstractSlider::SliderSingleStepSub;
        case Qt::Key_PageDown:
            return QAbstractSlider::SliderPageStepAdd;
        case Qt::Key_PageUp:
            return QAbstractSlider::SliderPageStepSub;
        case Qt::Key_Home:
            return QAbstractSlider::SliderToMinimum;
        case Qt::Key_End:
            return QAbstractSlider::SliderToMaximum;
        default:
            return std::nullopt;
        }
    }

} // namespace

void ScrollBarWidget::keyPressEvent(QKeyEvent* event)
{
    const auto step = ClassicStep(event->key());
    if (!step) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    // A step would commit the held thumb's position before it is let go.
    if (!isSliderDown())
        triggerAction(*step);
    event->accept();
}

void ScrollBarWidget::wheelEvent(QWheelEvent* event)
{
    // As with the keys: while the thumb is held, only letting it go commits.
    if (isSliderDown()) {
        event->accept();
        return;
    }
    QScrollBar::wheelEvent(event);
}

} // namespace palettra::desktop
