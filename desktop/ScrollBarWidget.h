#pragma once

#include "desktop/ZoomedStyle.h"
#include "toolkit/controls/ScrollBar.h"

#include <QScrollBar>

namespace palettra::desktop {

// A scroll bar on the desktop. Qt signals a change only when the value is committed (tracking is off,
// so a drag moves the thumb alone until it is let go), and each one goes to the core's bar.
class ScrollBarWidget : public QScrollBar, public toolkit::ScrollBarPeer {
public:
    ScrollBarWidget(toolkit::ScrollBar& bar, QWidget& window);
    ~ScrollBarWidget() override;

    void ShowValue(int value) override;
    // Places the bar in its box, its arrow buttons and shortest thumb at the window's zoom.
    void Place(const toolkit::Rect& box, double zoom) override;
    void Describe(const std::string& description) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    toolkit::ScrollBar& bar_;
    ZoomedStyle style_;
};

} // namespace palettra::desktop
