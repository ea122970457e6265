#include "desktop/WheelLines.h"

#include <QApplication>

#include <cstdlib>

namespace palettra::desktop {

namespace {

    // What a notch of the wheel turns, in eighths of a degree.
    constexpr int Notch = 120;

} // namespace

int WheelLines::Take(const QWheelEvent& event, Qt::Orientation bar)
{
    const QPoint angle = event.angleDelta();
    const bool sideways = std::abs(angle.x()) > std::abs(angle.y());
    // A horizontal bar takes an upright turn only when nothing of it goes sideways: a touchpad's
    // slanting strokes would move it at random.
    if (bar == Qt::Horizontal && !sideways && angle.x() != 0)
        return 0;
    // Away from the user, or to the left, is towards Min.
    const int turned = -(sideways ? angle.x() : angle.y()) * QApplication::wheelScrollLines();
    if (static_cast<long long>(turned) * rest_ < 0)
        rest_ = 0;
    rest_ += turned;
    const int lines = rest_ / Notch;
    rest_ -= lines * Notch;
    return lines;
}

} // namespace palettra::desktop
