#pragma once

#include "toolkit/controls/ScrollBar.h"
#include "web/WebControl.h"

namespace palettra::web {

// A scroll bar of the page, which reports what the user does to it and shows what the core's bar
// makes of that.
class WebScrollBar : public WebControl<toolkit::ScrollBarPeer> {
public:
    WebScrollBar(WebFace& face, toolkit::ScrollBar& bar);

    void ShowValue(int value) override;
    void ShowThumb(int value) override;
    // The core's bar, to hand the user's actions to. The change handler an action runs may close the
    // window, and this bar with it: nothing of the bar may be touched once the action returns.
    toolkit::ScrollBar& Core() const { return bar_; }

private:
    toolkit::ScrollBar& bar_;
};

} // namespace palettra::web
