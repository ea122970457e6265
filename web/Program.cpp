#include "web/Program.h"

#include "web/WebButton.h"
#include "web/WebScrollBar.h"
#include "web/WebWindow.h"

namespace palettra::web {

Program::Program()
    : face_(page_)
{
}

Program::~Program() = default;

void Program::Start()
{
    page_.Restart();
    Act([this] {
        catalogue_ = std::make_unique<Catalogue>(face_);
        catalogue_->StartUp().Show();
    });
}

// What an action changed is shown once it is over. An action that ended the program has returned by
// then, so its windows can go.
template <typename Action> void Program::Act(Action action)
{
    action();
    face_.ShowChanges();
    if (page_.Ended())
        catalogue_.reset();
}

// The handler may close the window and the bar with it: the bar is looked up again to show the value.
void Program::BarCommitted(int bar, int value)
{
    Act([&] {
        if (auto* committed = face_.Find<WebScrollBar>(bar))
            committed->Commit(value);
        if (auto* shown = face_.Find<WebScrollBar>(bar))
            shown->ShowCurrent();
    });
}

void Program::ButtonPressed(int button)
{
    Act([&] {
        if (auto* pressed = face_.Find<WebButton>(button))
            pressed->Press();
    });
}

// Closing the last window ends the program, as on the desktop.
void Program::WindowClosed(int window)
{
    Act([&] {
        if (auto* closed = face_.Find<WebWindow>(window))
            closed->Core().Close();
        if (!face_.AnyWindowOpen())
            face_.EndProgram();
    });
}

void Program::ZoomRequested(int window, int step)
{
    Act([&] {
        if (auto* zoomed = face_.Find<WebWindow>(window))
            zoomed->Zoom(step);
    });
}

} // namespace palettra::web
