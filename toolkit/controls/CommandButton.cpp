#include "toolkit/controls/CommandButton.h"

#include "toolkit/Face.h"
#include "toolkit/Window.h"

namespace palettra::toolkit {

CommandButton::CommandButton(Window& owner, const ControlLayout& layout)
    : Control(owner, layout)
    , peer_(owner.Platform().MakePeer(*this))
{
}

void CommandButton::SetValue(bool pressed)
{
    if (pressed)
        Press();
}

void CommandButton::Press() { owner_.Act(*this, click_); }

std::string CommandButton::ShownCaption() const { return owner_.Language().Say(Caption()); }

void CommandButton::Translate()
{
    Control::Translate();
    peer_->ShowCaption(ShownCaption());
}

} // namespace palettra::toolkit
