#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Peers.h"
#include "toolkit/layout/ScreenFit.h"
#include "toolkit/layout/WindowLayout.h"
#include "toolkit/layout/Zoom.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace palettra::toolkit {

class Face;

// A top-level window built from its layout. Its controls exist only while it is open: closing
// destroys them and keeps the object, showing builds them afresh. The face shows it through a peer.
class Window {
public:
    Window(const WindowLayout& layout, Face& face);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Shows the window modeless and without an owner, building its controls first when it is
    // closed; an open window comes to the front.
    void Show();
    bool IsLoaded() const { return !controls_.empty(); }
    // Destroys the controls and keeps the window, as the user's closing of it does.
    void Close();
    // What its owner does each time the open window closes, once its controls are gone.
    void WhenClosed(std::function<void()> closed) { whenClosed_ = std::move(closed); }

    const WindowLayout& Layout() const { return layout_; }
    // The language every text of the window is in.
    const texts::Language& Language() const;
    Face& Platform() const { return face_; }
    WindowPeer& Peer() const { return *peer_; }

    // Sizes the client area to the layout times a zoom step; the content follows through Resize.
    void ZoomTo(double step);
    // A zoom key the user pressed in the window: the step it asks for, from the zoom now; a
    // maximised window goes back to where it was, at that step.
    void PressZoomKey(ZoomKey key);
    // Fills the screen with the window, its content enlarged as far as both sides allow, or puts a
    // maximised one back where and as large as it was.
    void ToggleMaximised();
    bool IsMaximised() const { return maximised_; }
    // The user moved the window's frame to here.
    void Moved(toolkit::Point topLeft);
    // The face's screen changed size: the open window goes to its opening place at the new fit,
    // or, maximised, fills the new screen.
    void Refit();
    // The client area's new size, from the face: whatever the size, by a step or by the frame, the
    // content is enlarged as far as it fits and centred. Never runs a handler; true when the zoom changed.
    bool Resize(Size client);
    const toolkit::Zoom& CurrentZoom() const { return zoom_; }
    double ZoomFactor() const { return zoom_.Factor(); }

    // Runs one event handler. A run-time error ends that handler alone: it is reported and the
    // program goes on; nothing is thrown into the face's event loop.
    void Run(const Handler& handler);
    // Runs the handler of an action on a control, a user's or one from code, as Run does; once the
    // outermost handler has returned, the control's outcome is announced.
    void Act(const Control& control, const Handler& handler);

    // What a control tells an assistive tool besides what it is for: `said` is announced after each
    // action on it, and `now` ends its description, kept up after every handler; empty for nothing.
    void Tell(Control& control, Outcome said, Outcome now);
    void Tell(Control& control, const Outcome& outcome) { Tell(control, outcome, outcome); }
    // Has every control and picture describe the window as it stands, while an assistive tool listens.
    void Describe();
    // The face's language changed: the open window shows and tells everything in the new one, and
    // keeps what it shows.
    void Translate();

    // The controls in the order Tab takes through them.
    std::vector<Control*> FocusOrder() const;

    // The control with this name and index; asking for one that the layout lacks is a programming error.
    template <typename Kind> Kind& Find(std::string_view name, int index = 0) const
    {
        auto* control = dynamic_cast<Kind*>(FindControl(name, index));
        if (!control)
            throw std::logic_error("no such control: " + std::string(name));
        return *control;
    }

protected:
    // Binds the handlers to the freshly built controls.
    virtual void BindEvents() { }
    // Binds what the freshly built controls tell an assistive tool, after their handlers.
    virtual void BindOutcomes() { }
    // Runs each time the window is loaded, before it is shown.
    virtual void Form_Load() { }
    // Ends the program at once, every window with it.
    void EndProgram();

private:
    // The handler of an action on `actor`, or of none; nested handlers are part of the outermost one.
    void RunFor(const Control* actor, const Handler& handler);
    // Runs work the way a handler runs; false when it failed, which is then reported.
    bool Attempt(const Handler& work);
    // After the outermost handler: the descriptions as the window stands, then the actor's outcome.
    void Narrate(const Control* actor);
    void DescribeNow();
    // Writes out what a handler left waiting in the picture boxes.
    void FinishDrawing();
    // Builds the controls and runs the load handler; false, and nothing built, when the build failed.
    bool Load();
    void Build();
    void Place(const Control& control) const;
    void DestroyControls();
    Control* FindControl(std::string_view name, int index) const;
    std::unique_ptr<Control> MakeControl(const ControlLayout& control);

    const WindowLayout& layout_;
    Face& face_;
    std::unique_ptr<WindowPeer> peer_;
    std::vector<std::unique_ptr<Control>> controls_;
    // Controls of a window closed by one of their own handlers, kept until the handler is over.
    std::vector<std::unique_ptr<Control>> closed_;
    toolkit::Zoom zoom_;
    Rect place_; // where the open window's frame is and how large its client area
    Rect restore_; // where a maximised window goes back to
    bool maximised_ = false;
    bool open_ = false;
    std::function<void()> whenClosed_;
    int running_ = 0; // handlers under way, nested ones included
};

} // namespace palettra::toolkit
