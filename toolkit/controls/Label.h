#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Peers.h"

#include <memory>

namespace palettra::toolkit {

class Label : public Control {
public:
    Label(Window& owner, const ControlLayout& layout);

    // As the layout or a handler wrote it, in the source's words.
    const std::string& Caption() const { return caption_; }
    // As the face shows it, in the window's language.
    std::string ShownCaption() const;
    void SetCaption(const std::string& caption);

    LabelPeer& Peer() const override { return *peer_; }
    void Translate() override;

private:
    std::string caption_;
    std::unique_ptr<LabelPeer> peer_;
};

} // namespace palettra::toolkit
