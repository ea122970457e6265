#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Peers.h"

#include <memory>

namespace palettra::toolkit {

class CommandButton : public Control {
public:
    CommandButton(Window& owner, const ControlLayout& layout);

    const std::string& Caption() const { return layout_.caption; }
    // As the face shows it, in the window's language.
    std::string ShownCaption() const;
    void OnClick(Handler handler) { click_ = std::move(handler); }

    // Pressing the button from code runs its click handler before this returns.
    void SetValue(bool pressed);
    // A press by the user on the face, or from code: the click handler runs at once.
    void Press();

    ButtonPeer& Peer() const override { return *peer_; }
    void Translate() override;

private:
    Handler click_;
    std::unique_ptr<ButtonPeer> peer_;
};

} // namespace palettra::toolkit
