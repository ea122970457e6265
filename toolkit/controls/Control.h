#pragma once

#include "toolkit/layout/WindowLayout.h"

#include <functional>
#include <string>

namespace palettra::toolkit {

class ControlPeer;
class Window;

using Handler = std::function<void()>;
// What a window now shows after a control's action, in one line for a screen reader.
using Outcome = std::function<std::string()>;

// A control of a window, built from its row of the layout; its face shows it through a peer.
class Control {
public:
    Control(Window& owner, const ControlLayout& layout)
        : owner_(owner)
        , layout_(layout)
    {
    }
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlLayout& Layout() const { return layout_; }
    Window& Owner() const { return owner_; }
    virtual ControlPeer& Peer() const = 0;
    // Shows and names itself again in its window's language, as the control it is.
    virtual void Translate();

    // What it tells an assistive tool: `said` after an action on it, `now` at the end of its description.
    void Tell(Outcome said, Outcome now)
    {
        said_ = std::move(said);
        now_ = std::move(now);
    }
    const Outcome& Said() const { return said_; }
    const Outcome& Now() const { return now_; }

protected:
    Window& owner_;
    const ControlLayout& layout_;

private:
    Outcome said_;
    Outcome now_;
};

} // namespace palettra::toolkit
