#pragma once

#include "desktop/WheelLines.h"
#include "desktop/ZoomedStyle.h"
#include "toolkit/controls/ScrollBar.h"

#include <QScrollBar>
#include <QTimer>

namespace palettra::desktop {

// A scroll bar on the desktop. Qt keeps its look (the part held, the part under the pointer) and
// works out nothing: its own steps are undone, and what the user's keys, wheel and mouse do goes to
// the core's bar as actions, which decides the value and shows it back. Tracking is off, so Qt never
// commits a dragged thumb's position of its own.
class ScrollBarWidget : public QScrollBar, public toolkit::ScrollBarPeer {
public:
    ScrollBarWidget(toolkit::ScrollBar& bar, QWidget& window);
    ~ScrollBarWidget() override;

    void ShowValue(int value) override;
    void ShowThumb(int value) override;
    // Places the bar in its box, its arrow buttons and shortest thumb at the window's zoom.
    void Place(const toolkit::Rect& box, double zoom, const toolkit::TouchReach&) override;
    void Describe(const std::string& description) override;
    void Rename(const std::string& name) override { setAccessibleName(QString::fromStdString(name)); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect Part(QStyle::SubControl part) const;
    // A point's coordinate, or a box's length, along the bar.
    int Along(QPoint point) const;
    int Length(const QRect& box) const;
    // Where the held press is against the thumb: -1 before it, 1 past it, 0 on it.
    int SideOfThumb() const;
    // What the held arrow or track does once more, at the pace the core sets.
    void Repeat();

    toolkit::ScrollBar& bar_;
    ZoomedStyle style_;
    QTimer repeat_;
    WheelLines wheel_;
    QStyle::SubControl held_ = QStyle::SC_None; // the part the left button holds down
    QPoint pressed_; // where it was pressed
    int grip_ = 0; // where along the held thumb it was caught, from the thumb's start
};

} // namespace palettra::desktop
