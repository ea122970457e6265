#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Peers.h"

#include <memory>

namespace palettra::toolkit {

class Label : public Control {
public:
    Label(Window& owner, const ControlLayout& layout);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    LabelPeer& Peer() const override { return *peer_; }

private:
    std::string caption_;
    std::unique_ptr<LabelPeer> peer_;
};

} // namespace palettra::toolkit
