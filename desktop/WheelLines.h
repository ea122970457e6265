#pragma once

#include <QWheelEvent>

namespace palettra::desktop {

// A wheel's turns as lines of a bar, towards its Max end (down or right): a notch is as many lines as
// the desktop's setting says, and what falls short of a line waits for the next turn the same way.
class WheelLines {
public:
    int Take(const QWheelEvent& event, Qt::Orientation bar);

private:
    int rest_ = 0; // of a line, in 120ths
};

} // namespace palettra::desktop
