#include "toolkit/controls/ScrollBar.h"

#include "common/RuntimeError.h"
#include "toolkit/Face.h"
#include "toolkit/Window.h"

namespace palettra::toolkit {

ScrollBar::ScrollBar(Window& owner, const ControlLayout& layout)
    : Control(owner, layout)
    , value_(static_cast<common::Int16>(layout.value))
    , peer_(owner.Platform().MakePeer(*this))
{
}

void ScrollBar::SetValue(common::Int16 value)
{
    if (value < Min() || value > Max())
        throw common::RuntimeError::InvalidPropertyValue();
    if (value == value_)
        return;
    value_ = value;
    peer_->ShowValue(value_);
    Changed();
}

void ScrollBar::Commit(int value)
{
    if (value < Min() || value > Max() || value == value_)
        return;
    value_ = static_cast<common::Int16>(value);
    Changed();
}

void ScrollBar::Changed() { owner_.Act(*this, change_); }

} // namespace palettra::toolkit
