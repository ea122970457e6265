#include "toolkit/controls/Label.h"

#include "toolkit/Face.h"
#include "toolkit/Window.h"

namespace palettra::toolkit {

Label::Label(Window& owner, const ControlLayout& layout)
    : Control(owner, layout)
    , caption_(layout.caption)
    , peer_(owner.Platform().MakePeer(*this))
{
}

std::string Label::ShownCaption() const { return owner_.Language().Say(caption_); }

void Label::SetCaption(const std::string& caption)
{
    caption_ = caption;
    peer_->ShowCaption(ShownCaption());
}

void Label::Translate()
{
    Control::Translate();
    peer_->ShowCaption(ShownCaption());
}

} // namespace palettra::toolkit
