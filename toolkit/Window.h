#pragma once

#include "common/RuntimeError.h"
#include "toolkit/Description.h"
#include "toolkit/WindowLayout.h"
#include "toolkit/Zoom.h"

#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace palettra::toolkit {

using Handler = std::function<void()>;
using ErrorReport = std::function<void(QWidget* window, const common::RuntimeError& error)>;
using Announcer = std::function<void(QWidget& window, const std::string& text)>;

// A top-level window built from its layout. Its controls exist only while it is
// open: closing destroys them and keeps the object, showing builds them afresh.
class Window : public QWidget {
    Q_OBJECT

public:
    explicit Window(const WindowLayout& layout);
    ~Window() override;

    // Shows the window modeless and without an owner, building its controls first
    // when it is closed; an open window comes to the front.
    void Show();
    bool IsLoaded() const { return !controls_.empty(); }

    const WindowLayout& Layout() const { return layout_; }

    // Sizes the client area to the layout times a zoom step, its top-left corner kept. Whatever
    // the size, by a step or by the frame, the content is enlarged as far as it fits and centred.
    void ZoomTo(double step);
    double ZoomFactor() const { return zoom_.Factor(); }

    // Runs one event handler. A run-time error ends that handler alone: it is
    // reported and the program goes on; nothing is thrown into Qt's event loop.
    void Run(const Handler& handler);
    // Runs the handler of an action on a control, a user's or one from code, as Run does; once the
    // outermost handler has returned, the control's outcome is announced.
    void Act(const QWidget& control, const Handler& handler);
    void SetErrorReport(ErrorReport report) { report_ = std::move(report); }
    // Assistive tools are told through the platform, unless a test listens instead.
    void SetAnnouncer(Announcer announcer) { announce_ = std::move(announcer); }

    // What a control tells an assistive tool besides what it is for: `said` is announced after each
    // action on it, and `now` ends its description, kept up after every handler; empty for nothing.
    void Tell(const QWidget& control, Outcome said, Outcome now);
    void Tell(const QWidget& control, const Outcome& outcome) { Tell(control, outcome, outcome); }
    // Has every control and picture describe the window as it stands, while an assistive tool listens.
    void Describe();

    // The control with this name and index; asking for one that the layout lacks is a programming error.
    template <typename Control> Control& Find(std::string_view name, int index = 0) const
    {
        auto* control = dynamic_cast<Control*>(FindWidget(name, index));
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

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Entry {
        const ControlLayout* layout;
        QWidget* widget;
        Outcome said {};
        Outcome now {};
    };

    // The handler of an action on `actor`, or of none; nested handlers are part of the outermost one.
    void RunFor(const QWidget* actor, const Handler& handler);
    // Runs work the way a handler runs; false when it failed, which is then reported.
    bool Attempt(const Handler& work);
    // After the outermost handler: the descriptions as the window stands, then the actor's outcome.
    void Narrate(const QWidget* actor);
    void DescribeNow();
    Entry* EntryOf(const QWidget* widget);
    // Writes out what a handler left waiting in the picture boxes.
    void FinishDrawing();
    // Builds the controls and runs the load handler; false, and nothing built, when the build failed.
    bool Load();
    void Build();
    void InstallZoomKeys();
    void RestoreLayoutGeometry();
    void Place(const Entry& entry) const;
    void DestroyControls();
    void SetTabOrder();
    QWidget* FindWidget(std::string_view name, int index) const;
    QWidget* CreateControl(const ControlLayout& control);
    void PaintDecoration(class QPainter& painter, const ControlLayout& control) const;

    const WindowLayout& layout_;
    std::vector<Entry> controls_;
    Zoom zoom_;
    ErrorReport report_;
    Announcer announce_;
    int running_ = 0; // handlers under way, nested ones included
};

} // namespace palettra::toolkit
