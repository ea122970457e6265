#pragma once

#include "common/RuntimeError.h"
#include "texts/Message.h"
#include "toolkit/layout/Decoration.h"
#include "toolkit/layout/Geometry.h"
#include "toolkit/layout/TouchArea.h"

#include <string>
#include <vector>

namespace palettra::toolkit {

// What a face shows of a control, one small interface per kind. The control owns its state and its
// rules; its peer only shows them and hands the user's actions back to the control.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    // Its box in the window's client area, in pixels at the window's zoom, which also sizes its text,
    // and how far past the box a finger still hits it, for a face that is touched.
    virtual void Place(const Rect& box, double zoom, const TouchReach& touch) = 0;
    // What a screen reader says the control shows now.
    virtual void Describe(const std::string& description) = 0;
    // What a screen reader calls the control, when the language changes.
    virtual void Rename(const std::string& name) = 0;
};

class ScrollBarPeer : public ControlPeer {
public:
    // Shows the bar's value, its thumb there, whoever changed it: the face reports the user's actions
    // to the ScrollBar and changes nothing itself.
    virtual void ShowValue(int value) = 0;
    // Shows the held thumb where the user has dragged it, at the value it would commit; the value
    // shown to assistive tools stays the bar's.
    virtual void ShowThumb(int value) = 0;
};

class LabelPeer : public ControlPeer {
public:
    virtual void ShowCaption(const std::string& caption) = 0;
};

// A button's face reports presses with CommandButton::Press; it is told only its caption again, when
// the language changes.
class ButtonPeer : public ControlPeer {
public:
    virtual void ShowCaption(const std::string& caption) = 0;
};

class PicturePeer : public ControlPeer {
public:
    // The picture changed: show it again when the face next paints.
    virtual void ShowChange() = 0;
};

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    // Shows the closed window at this place, its client area this large, and brings it to the front.
    virtual void Open(const Rect& place) = 0;
    // Brings the open window to the front, where and as large as it is.
    virtual void BringToFront() = 0;
    // Takes the window off the screen, as closing it from code does.
    virtual void Hide() = 0;
    // Gives the client area this size; the face then reports it with Window::Resize.
    virtual void ResizeClient(Size client) = 0;
    // Moves the open window's frame to this place and gives its client area this size, where it is
    // among the others; `maximised` tells that it fills the screen, and shows whether a second
    // maximise puts it back. The face reports the size with Window::Resize.
    virtual void Place(const Rect& place, bool maximised) = 0;
    // The shapes and lines of the window's surface, in the order they are drawn; handed again
    // whenever the zoom changes.
    virtual void ShowDecorations(const std::vector<Decoration>& decorations) = 0;
    // The window's title and what a screen reader calls it, again when the language changes; a face
    // that draws the title bar's buttons asks their names again then.
    virtual void ShowTitle(const std::string& title, const std::string& name) = 0;
    // The order Tab takes through the controls; the first gets the focus.
    virtual void SetFocusOrder(const std::vector<ControlPeer*>& order) = 0;
    // A run-time error that ended a handler, shown in the report the core wrote for it while the
    // program goes on.
    virtual void ReportError(const common::RuntimeError& error, const texts::Message& report) = 0;
    // The window's keyboard help, which the core writes when the face reports the help key.
    virtual void ShowHelp(const texts::Message& help) = 0;
    // Says a text once through the assistive tool, whichever control has the focus.
    virtual void Announce(const std::string& text) = 0;
};

} // namespace palettra::toolkit
