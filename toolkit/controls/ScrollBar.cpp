#include "toolkit/controls/ScrollBar.h"

#include "common/RuntimeError.h"
#include "toolkit/Face.h"
#include "toolkit/Window.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace palettra::toolkit {

namespace {

    int Sign(long long number) { return (number > 0) - (number < 0); }

} // namespace

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
    MoveTo(value);
}

void ScrollBar::Commit(int value)
{
    if (value >= Min() && value <= Max())
        MoveTo(value);
}

void ScrollBar::Step(int towards) { MoveBy(towards, SmallChange()); }

void ScrollBar::Page(int towards) { MoveBy(towards, LargeChange()); }

void ScrollBar::ToEnd(int towards)
{
    if (!thumb_ && towards != 0)
        MoveTo(towards > 0 ? Max() : Min());
}

void ScrollBar::Roll(int lines)
{
    MoveBy(Sign(lines), std::min(std::llabs(lines) * SmallChange(), static_cast<long long>(LargeChange())));
}

void ScrollBar::HoldTrack(int side)
{
    trackSide_ = side;
    Page(side);
}

// Once the thumb has reached the pointer, or passed it, the pointer is no longer on that side.
void ScrollBar::RepeatTrack(int side)
{
    if (side == trackSide_)
        Page(side);
}

void ScrollBar::HoldThumb() { thumb_ = value_; }

void ScrollBar::DragThumb(double offset, double room)
{
    if (!thumb_)
        return;
    const int at = ValueAt(offset, room);
    if (at == *thumb_)
        return;
    thumb_ = static_cast<common::Int16>(at);
    peer_->ShowThumb(at);
}

void ScrollBar::CentreThumbOn(double at, double track, double thumb) { DragThumb(at - thumb / 2, track - thumb); }

void ScrollBar::LetGoThumb()
{
    if (const auto held = std::exchange(thumb_, std::nullopt))
        MoveTo(*held);
}

void ScrollBar::CancelThumb()
{
    if (std::exchange(thumb_, std::nullopt))
        peer_->ShowValue(value_);
}

// Towards the Max end is down in value when Max is the smaller.
void ScrollBar::MoveBy(int towards, long long amount)
{
    if (thumb_)
        return;
    const int direction = Max() < Min() ? -1 : 1;
    const long long target = value_ + Sign(towards) * direction * amount;
    MoveTo(static_cast<int>(std::clamp<long long>(target, std::min(Min(), Max()), std::max(Min(), Max()))));
}

// A value from code while the thumb is held puts the thumb there too, as the face shows it.
void ScrollBar::MoveTo(int value)
{
    if (value == value_)
        return;
    value_ = static_cast<common::Int16>(value);
    if (thumb_)
        thumb_ = value_;
    peer_->ShowValue(value_);
    Changed();
}

// Rounded half up, as the desktop's style maps a thumb's pixels to a value; at an end of its room,
// or beyond, and when it has no room, the thumb stands for that end. A position that is not a
// number stands for Min too.
int ScrollBar::ValueAt(double offset, double room) const
{
    if (!(offset > 0) || !(room > 0))
        return Min();
    if (offset >= room)
        return Max();
    return Min() + static_cast<int>(std::floor(offset * (Max() - Min()) / room + 0.5));
}

void ScrollBar::Changed() { owner_.Act(*this, change_); }

} // namespace palettra::toolkit
