#pragma once

#include "toolkit/controls/CommandButton.h"
#include "web/WebControl.h"

namespace palettra::web {

class WebButton : public WebControl<toolkit::ButtonPeer> {
public:
    WebButton(WebFace& face, toolkit::CommandButton& button);

    // A click, a touch, Space or Enter. The handler may close the window, and this button with it.
    void Press() { button_.Press(); }
    void ShowCaption(const std::string& caption) override { Later(Page::Change::Caption, 0, caption); }

private:
    int FontPixels(double zoom) const override;

    toolkit::CommandButton& button_;
};

} // namespace palettra::web
