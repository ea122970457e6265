#include "toolkit/Window.h"

#include "texts/ErrorReport.h"
#include "toolkit/Face.h"
#include "toolkit/access/AccessibleName.h"
#include "toolkit/access/Description.h"
#include "toolkit/access/TabOrder.h"
#include "toolkit/controls/CommandButton.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PictureBox.h"
#include "toolkit/controls/ScrollBar.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace palettra::toolkit {

namespace {

    bool IsDecoration(Kind kind) { return kind == Kind::Shape || kind == Kind::Line; }

    void Report(WindowPeer& peer, const common::RuntimeError& error, const texts::Language& language)
    {
        peer.ReportError(error, texts::ErrorReport(language, error.Code(), language.Say(error.what())));
    }

} // namespace

Window::Window(const WindowLayout& layout, Face& face)
    : layout_(layout)
    , face_(face)
    , peer_(face.MakePeer(*this))
{
}

Window::~Window() { DestroyControls(); }

void Window::Show()
{
    if (open_) {
        peer_->BringToFront();
        return;
    }
    // Each time the window opens it is where and as large as its layout and the screen say, not as
    // it was left; its controls are built at that size.
    place_ = face_.Screen().OpeningPlace(layout_);
    maximised_ = false;
    zoom_ = toolkit::Zoom(layout_, { place_.width, place_.height }, face_.Screen().Least());
    if (!IsLoaded() && !Load())
        return;
    open_ = true;
    peer_->ShowDecorations(Decorations(layout_, zoom_));
    peer_->Open(place_);
}

void Window::Close()
{
    const bool wasOpen = std::exchange(open_, false);
    DestroyControls();
    peer_->Hide();
    if (wasOpen && whenClosed_)
        whenClosed_();
}

void Window::ZoomTo(double step)
{
    const Size client = ClientSize(layout_, step);
    if (!maximised_) {
        peer_->ResizeClient(client);
        return;
    }
    maximised_ = false;
    peer_->Place({ restore_.left, restore_.top, client.width, client.height }, false);
}

void Window::PressZoomKey(ZoomKey key) { ZoomTo(StepFor(key, ZoomFactor(), face_.Screen().Factor())); }

void Window::ToggleMaximised()
{
    if (!open_)
        return;
    if (maximised_) {
        maximised_ = false;
        peer_->Place(restore_, false);
        return;
    }
    restore_ = place_;
    maximised_ = true;
    peer_->Place(face_.Screen().Maximised(), true);
}

void Window::Moved(toolkit::Point topLeft)
{
    if (maximised_)
        return;
    place_.left = topLeft.x;
    place_.top = topLeft.y;
}

// Where the window was dragged may be off the new screen, so it starts again where it opens.
void Window::Refit()
{
    if (!open_)
        return;
    const Rect opening = face_.Screen().OpeningPlace(layout_);
    if (maximised_) {
        restore_ = opening;
        peer_->Place(face_.Screen().Maximised(), true);
        return;
    }
    place_ = opening;
    peer_->Place(place_, false);
}

// A new size is only a new zoom: the controls move and the fonts change, and no handler runs.
bool Window::Resize(Size client)
{
    if (!maximised_) {
        place_.width = client.width;
        place_.height = client.height;
    }
    const toolkit::Zoom zoom(layout_, client, face_.Screen().Least());
    if (zoom == zoom_)
        return false;
    zoom_ = zoom;
    for (const auto& control : controls_)
        Place(*control);
    peer_->ShowDecorations(Decorations(layout_, zoom_));
    return true;
}

void Window::Run(const Handler& handler) { RunFor(nullptr, handler); }

void Window::Act(const Control& control, const Handler& handler) { RunFor(&control, handler); }

// A press from code inside a bar's change is part of the user's one action, which is told once, when
// it is over; the handler may have closed the window, and then there is nothing to tell.
void Window::RunFor(const Control* actor, const Handler& handler)
{
    ++running_;
    if (handler)
        Attempt(handler);
    --running_;
    FinishDrawing();
    if (running_ == 0) {
        closed_.clear();
        Narrate(actor);
    }
}

void Window::Tell(Control& control, Outcome said, Outcome now) { control.Tell(std::move(said), std::move(now)); }

// A tool that starts to listen while a handler waits on a dialog hears the window when the handler is over.
void Window::Describe()
{
    if (running_ == 0)
        Narrate(nullptr);
}

const texts::Language& Window::Language() const { return face_.Language(); }

void Window::Translate()
{
    if (!open_)
        return;
    peer_->ShowTitle(WindowTitle(layout_, Language()), WindowName(layout_, Language()));
    for (const auto& control : controls_)
        control->Translate();
    Describe();
}

// The outcomes read the controls, and a fault there is reported like a handler's.
void Window::Narrate(const Control* actor)
{
    if (!IsLoaded() || !face_.AssistiveToolsListen())
        return;
    Attempt([this, actor] {
        DescribeNow();
        if (actor && actor->Said())
            if (const std::string said = actor->Said()(); !said.empty())
                peer_->Announce(said);
    });
}

void Window::DescribeNow()
{
    for (const auto& control : controls_)
        if (control->Now())
            control->Peer().Describe(
                DescriptionNow(Purpose(control->Layout(), Language()), control->Now()(), Language()));
}

bool Window::Attempt(const Handler& work)
{
    try {
        work();
        return true;
    } catch (const common::RuntimeError& error) {
        Report(*peer_, error, Language());
    } catch (const std::exception& error) {
        // A fault of the program's own; still reported, never thrown through the face's event loop.
        Report(*peer_, common::RuntimeError(51, texts::InternalError(Language(), error.what())), Language());
    }
    return false;
}

// A build that fails half-way takes down what it made: the window stays closed and whole, and the
// next Show builds it afresh.
bool Window::Load()
{
    if (!Attempt([this] { Build(); })) {
        DestroyControls();
        return false;
    }
    Run([this] { Form_Load(); });
    return true;
}

void Window::FinishDrawing()
{
    for (const auto& control : controls_)
        if (auto* picture = dynamic_cast<PictureBox*>(control.get()))
            picture->FinishDrawing();
}

void Window::Build()
{
    for (const ControlLayout& row : layout_.controls) {
        if (IsDecoration(row.kind))
            continue;
        controls_.push_back(MakeControl(row));
        Place(*controls_.back());
    }
    std::vector<ControlPeer*> order;
    for (Control* control : FocusOrder())
        order.push_back(&control->Peer());
    peer_->SetFocusOrder(order);
    BindEvents();
    BindOutcomes();
}

void Window::Place(const Control& control) const
{
    const ControlLayout& row = control.Layout();
    control.Peer().Place(
        zoom_.Box(row.left, row.top, row.width, row.height), zoom_.Factor(), TouchReachOf(layout_, zoom_, row));
}

std::unique_ptr<Control> Window::MakeControl(const ControlLayout& control)
{
    switch (control.kind) {
    case Kind::CommandButton:
        return std::make_unique<CommandButton>(*this, control);
    case Kind::Label:
        return std::make_unique<Label>(*this, control);
    case Kind::HScrollBar:
    case Kind::VScrollBar:
        return std::make_unique<ScrollBar>(*this, control);
    case Kind::PictureBox:
        return std::make_unique<PictureBox>(*this, control);
    case Kind::Shape:
    case Kind::Line:
        break;
    }
    throw std::logic_error("not a control: " + control.name);
}

std::vector<Control*> Window::FocusOrder() const
{
    std::vector<Control*> order;
    for (const ControlLayout* stop : TabStops(layout_))
        for (const auto& control : controls_)
            if (&control->Layout() == stop)
                order.push_back(control.get());
    return order;
}

// A handler may close its own window: the control that ran it, and the face's code that called the
// control, still go on when the handler returns, so the controls stay until then.
void Window::DestroyControls()
{
    if (running_ > 0)
        std::move(controls_.begin(), controls_.end(), std::back_inserter(closed_));
    controls_.clear();
}

Control* Window::FindControl(std::string_view name, int index) const
{
    for (const auto& control : controls_)
        if (control->Layout().index == index && control->Layout().name == name)
            return control.get();
    return nullptr;
}

void Window::EndProgram() { face_.EndProgram(); }

} // namespace palettra::toolkit
