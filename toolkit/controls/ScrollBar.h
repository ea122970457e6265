#pragma once

#include "common/Arithmetic.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Peers.h"

#include <chrono>
#include <memory>
#include <optional>

namespace palettra::toolkit {

// A scroll bar whose change handler runs on committed changes only. The face hands it what the user
// does (a step by arrow, key or wheel, the track or an arrow held, the thumb held, dragged and let
// go) and the bar applies its rules; assignments from code that change the value commit too. Taking
// its first value from the layout runs nothing. Every committed value is shown back to the face.
//
// `towards` is 1 for the Max end and -1 for the Min end, whichever of the two is the larger, and a
// side of the thumb is told the same way, 0 for on it. A handler may close the window and destroy
// the bar: an action touches nothing of it once the handler has run.
class ScrollBar : public Control {
public:
    // A held arrow or track acts once at the press, again after the delay, then at every interval.
    static constexpr std::chrono::milliseconds RepeatDelay { 500 };
    static constexpr std::chrono::milliseconds RepeatInterval { 50 };

    ScrollBar(Window& owner, const ControlLayout& layout);

    common::Int16 Value() const { return value_; }
    // Runs the change handler before returning when the value differs; a value outside the range is refused.
    void SetValue(common::Int16 value);
    common::Int16 Min() const { return static_cast<common::Int16>(layout_.min); }
    common::Int16 Max() const { return static_cast<common::Int16>(layout_.max); }
    int SmallChange() const { return layout_.smallChange; }
    int LargeChange() const { return layout_.largeChange; }
    bool Vertical() const { return layout_.kind == Kind::VScrollBar; }

    void OnChange(Handler handler) { change_ = std::move(handler); }

    // A value committed whole, as a recorded session plays it again; one outside the range, or the
    // value the bar has, does nothing.
    void Commit(int value);

    // While the thumb is held, only moving it and letting it go do anything: a step would commit a
    // value other than the one the user holds.
    void Step(int towards); // an arrow, or an arrow key: a small change
    void Page(int towards); // Page Up or Page Down: a large change
    void ToEnd(int towards); // Home or End
    // A wheel turned by this many lines: as many small changes, never more than a large one.
    void Roll(int lines);
    // The track held on this side of the thumb: a large change that way, and again at each repeat
    // for as long as the pointer is still on that side, so that the thumb stops under it.
    void HoldTrack(int side);
    void RepeatTrack(int side);

    void HoldThumb();
    // The held thumb's start `offset` pixels into the `room` it moves in: it shows the value it
    // would commit there and commits nothing.
    void DragThumb(double offset, double room);
    // The held thumb brought under a finger `at` pixels into a track `track` long, centred on it, the
    // thumb `thumb` long: a finger covers the thumb it drags, so it holds it by the middle.
    void CentreThumbOn(double at, double track, double thumb);
    void LetGoThumb();
    // A gesture the platform took over: the thumb goes back to the value.
    void CancelThumb();

    ScrollBarPeer& Peer() const override { return *peer_; }

private:
    // Towards an end by an amount, stopping there.
    void MoveBy(int towards, long long amount);
    // Takes a value within the range: shows it, and runs the change handler when it differs.
    void MoveTo(int value);
    // The value a thumb at `offset` pixels of `room` stands for.
    int ValueAt(double offset, double room) const;
    void Changed();

    common::Int16 value_;
    std::optional<common::Int16> thumb_; // where the held thumb is, while the user holds it
    int trackSide_ = 0; // the side of the thumb that the held track was pressed on
    Handler change_;
    std::unique_ptr<ScrollBarPeer> peer_;
};

} // namespace palettra::toolkit
