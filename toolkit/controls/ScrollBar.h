#pragma once

#include "common/Arithmetic.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Peers.h"

#include <memory>

namespace palettra::toolkit {

// A scroll bar whose change handler runs on committed changes only: arrow and track clicks,
// keyboard steps and the end of a thumb drag, which the face reports, and assignments from code
// that change the value. Taking its first value from the layout runs nothing.
class ScrollBar : public Control {
public:
    ScrollBar(Window& owner, const ControlLayout& layout);

    common::Int16 Value() const { return value_; }
    // Runs the change handler before returning when the value differs; a value outside the range is refused.
    void SetValue(common::Int16 value);
    common::Int16 Min() const { return static_cast<common::Int16>(layout_.min); }
    common::Int16 Max() const { return static_cast<common::Int16>(layout_.max); }
    int SmallChange() const { return layout_.smallChange; }
    int LargeChange() const { return layout_.largeChange; }
    bool Vertical() const { return layout_.kind == Kind::VScrollBar; }

    void OnChange(Handler handler) { change_ = std::move(handler); }

    // A value the user committed on the face; it runs the change handler when it differs.
    void Commit(int value);

    ScrollBarPeer& Peer() const override { return *peer_; }

private:
    void Changed();

    common::Int16 value_;
    Handler change_;
    std::unique_ptr<ScrollBarPeer> peer_;
};

} // namespace palettra::toolkit
