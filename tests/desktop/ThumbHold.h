#pragma once

#include "tests/desktop/ScrollBarPart.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace palettra::tests {

// A user's hold on a bar's thumb with the left button: caught by its middle, moved along the bar
// from there and let go, each as the mouse sends it.
class ThumbHold {
public:
    explicit ThumbHold(QScrollBar& bar)
        : bar_(bar)
        , caught_(ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center())
    {
        Send(QEvent::MouseButtonPress, caught_, Qt::LeftButton);
    }

    // To this many pixels past where it was caught, along the bar.
    void Move(int pixels)
    {
        const QPoint along = bar_.orientation() == Qt::Horizontal ? QPoint(pixels, 0) : QPoint(0, pixels);
        at_ = caught_ + along;
        Send(QEvent::MouseMove, at_, Qt::LeftButton);
    }
    void LetGo() { Send(QEvent::MouseButtonRelease, at_, Qt::NoButton); }

private:
    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, bar_.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&bar_, &event);
    }

    QScrollBar& bar_;
    QPoint caught_;
    QPoint at_ = caught_;
};

} // namespace palettra::tests
