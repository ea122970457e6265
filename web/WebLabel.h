#pragma once

#include "toolkit/controls/Label.h"
#include "web/WebControl.h"

namespace palettra::web {

class WebLabel : public WebControl<toolkit::LabelPeer> {
public:
    WebLabel(WebFace& face, const toolkit::Label& label);

    void ShowCaption(const std::string& caption) override { Later(Page::Change::Caption, 0, caption); }

private:
    int FontPixels(double zoom) const override;

    toolkit::LayoutFont font_;
};

} // namespace palettra::web
