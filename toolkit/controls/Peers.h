#pragma once

#include "common/RuntimeError.h"
#include "toolkit/layout/Geometry.h"

#include <string>
#include <vector>

namespace palettra::toolkit {

// What a face shows of a control, one small interface per kind. The control owns its state and its
// rules; its peer only shows them and hands the user's actions back to the control.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    // Its box in the window's client area, in pixels at the window's zoom, which also sizes its text.
    virtual void Place(const Rect& box, double zoom) = 0;
    // What a screen reader says the control shows now.
    virtual void Describe(const std::string& description) = 0;
};

class ScrollBarPeer : public ControlPeer {
public:
    // Shows a value set from code; the face reports the user's own changes with ScrollBar::Commit.
    virtual void ShowValue(int value) = 0;
};

class LabelPeer : public ControlPeer {
public:
    virtual void ShowCaption(const std::string& caption) = 0;
};

// A button's face reports presses with CommandButton::Press; it has nothing to be told.
class ButtonPeer : public ControlPeer { };

class PicturePeer : public ControlPeer {
public:
    // The picture changed: show it again when the face next paints.
    virtual void ShowChange() = 0;
};

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    // Shows the window, at its stored place and size when it was closed, and brings it to the front.
    virtual void Open() = 0;
    // Takes the window off the screen, as closing it from code does.
    virtual void Hide() = 0;
    // Gives the client area this size; the face then reports it with Window::Resize.
    virtual void ResizeClient(Size client) = 0;
    // The order Tab takes through the controls; the first gets the focus.
    virtual void SetFocusOrder(const std::vector<ControlPeer*>& order) = 0;
    // A run-time error that ended a handler, shown in a report while the program goes on.
    virtual void ReportError(const common::RuntimeError& error) = 0;
    // Says a text once through the assistive tool, whichever control has the focus.
    virtual void Announce(const std::string& text) = 0;
};

} // namespace palettra::toolkit
