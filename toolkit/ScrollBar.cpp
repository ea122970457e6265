#include "toolkit/ScrollBar.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include <optional>

namespace palettra::toolkit {

ScrollBar::ScrollBar(Window& owner, const ControlLayout& layout)
    : QScrollBar(layout.kind == Kind::VScrollBar ? Qt::Vertical : Qt::Horizontal, &owner)
    , owner_(owner)
{
    setRange(layout.min, layout.max);
    setSingleStep(layout.smallChange);
    setPageStep(layout.largeChange);
    setValue(layout.value);
    // A drag only moves the thumb; the value, and the handler, follow on release.
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setStyle(&style_);
    connect(this, &QAbstractSlider::valueChanged, this, [this] { owner_.Act(*this, change_); });
}

// The widget's own clean-up still reads its style, which as a member is gone by then.
ScrollBar::~ScrollBar() { setStyle(nullptr); }

void ScrollBar::SetValue(common::Int16 value)
{
    if (value < minimum() || value > maximum())
        throw common::RuntimeError::InvalidPropertyValue();
    // Qt also signals a change when only the held thumb stands elsewhere; the handler is about the value.
    if (value != this->value())
        setValue(value);
}

void ScrollBar::Place(const QRect& box, double zoom)
{
    style_.SetZoom(zoom);
    setGeometry(box);
    update();
}

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

void ScrollBar::keyPressEvent(QKeyEvent* event)
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

void ScrollBar::wheelEvent(QWheelEvent* event)
{
    // As with the keys: while the thumb is held, only letting it go commits.
    if (isSliderDown()) {
        event->accept();
        return;
    }
    QScrollBar::wheelEvent(event);
}

} // namespace palettra::toolkit
