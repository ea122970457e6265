#pragma once

#include "toolkit/controls/ScrollBar.h"
#include "web/WebControl.h"

namespace palettra::web {

// A scroll bar of the page: its arrows, track and keys commit at once, a dragged thumb when let go.
class WebScrollBar : public WebControl<toolkit::ScrollBarPeer> {
public:
    WebScrollBar(WebFace& face, toolkit::ScrollBar& bar);

    void ShowValue(int value) override;
    // The user's committed value, with the change it runs. The handler may close the window, and
    // this bar with it: nothing of the bar may be touched once this returns.
    void Commit(int value) { bar_.Commit(value); }
    // The bar's value as the core now holds it, whatever the handler made of a commit.
    void ShowCurrent() { ShowValue(bar_.Value()); }

private:
    toolkit::ScrollBar& bar_;
};

} // namespace palettra::web
