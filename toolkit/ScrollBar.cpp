#include "toolkit/ScrollBar.h"

#include <QKeyEvent>

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
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (change_)
            owner_.Run(change_);
    });
}

// The widget's own clean-up still reads its style, which as a member is gone by then.
ScrollBar::~ScrollBar() { setStyle(nullptr); }

void ScrollBar::SetValue(common::Int16 value)
{
    if (value < minimum() || value > maximum())
        throw common::RuntimeError::InvalidPropertyValue();
    setValue(value);
}

void ScrollBar::Place(const QRect& box, double zoom)
{
    style_.SetZoom(zoom);
    setGeometry(box);
    update();
}

void ScrollBar::keyPressEvent(QKeyEvent* event)
{
    // The classic keys: Right and Down step up, Left and Up step down, whatever the orientation.
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace palettra::toolkit
