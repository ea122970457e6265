#pragma once

#include "common/Arithmetic.h"
#include "toolkit/Window.h"
#include "toolkit/ZoomedStyle.h"

#include <QScrollBar>

namespace palettra::toolkit {

// A scroll bar whose change handler runs on committed changes only: arrow and
// track clicks, keyboard steps and the end of a thumb drag, and assignments
// from code that change the value.
class ScrollBar : public QScrollBar {
public:
    ScrollBar(Window& owner, const ControlLayout& layout);
    ~ScrollBar() override;

    common::Int16 Value() const { return static_cast<common::Int16>(value()); }
    // Runs the change handler before returning when the value differs; a value outside the range is refused.
    void SetValue(common::Int16 value);
    common::Int16 Min() const { return static_cast<common::Int16>(minimum()); }
    common::Int16 Max() const { return static_cast<common::Int16>(maximum()); }

    void OnChange(Handler handler) { change_ = std::move(handler); }

    // Places the bar in its box, its arrow buttons and shortest thumb at the window's zoom.
    void Place(const QRect& box, double zoom);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Window& owner_;
    Handler change_;
    ZoomedStyle style_;
};

} // namespace palettra::toolkit
