#pragma once

#include "desktop/WindowWidget.h"
#include "toolkit/controls/Control.h"

#include <QWidget>

namespace palettra::tests {

// The widget that shows a core control on the desktop: its peer.
template <typename Widget = QWidget> Widget& WidgetOf(const toolkit::Control& control)
{
    return dynamic_cast<Widget&>(control.Peer());
}

// Every window of the desktop face is shown by a WindowWidget.
inline desktop::WindowWidget& WindowOf(const toolkit::Window& window)
{
    return static_cast<desktop::WindowWidget&>(window.Peer());
}

} // namespace palettra::tests
