#include "web/Program.h"

#include "toolkit/access/KeyboardHelp.h"

#include "web/WebButton.h"
#include "web/WebScrollBar.h"
#include "web/WebWindow.h"
#include <algorithm>
#include <vector>

namespace palettra::web {

namespace {

    // The page names the zoom key it recognised: "in", "out" or "actual".
    toolkit::ZoomKey ZoomKeyNamed(const std::string& name)
    {
        if (name == "in")
            return toolkit::ZoomKey::In;
        return name == "out" ? toolkit::ZoomKey::Out : toolkit::ZoomKey::Actual;
    }

} // namespace

Program::Program(emscripten::val page)
    : page_(std::move(page))
    , face_(page_)
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

// A bar the handler of an earlier action closed is no longer found, and its action does nothing.
template <typename... Arguments>
void Program::ActOnBar(int bar, void (toolkit::ScrollBar::*action)(Arguments...), Arguments... arguments)
{
    Act([&] {
        if (auto* acted = face_.Find<WebScrollBar>(bar))
            (acted->Core().*action)(arguments...);
    });
}

void Program::BarStepped(int bar, int towards) { ActOnBar(bar, &toolkit::ScrollBar::Step, towards); }
void Program::BarPaged(int bar, int towards) { ActOnBar(bar, &toolkit::ScrollBar::Page, towards); }
void Program::BarToEnd(int bar, int towards) { ActOnBar(bar, &toolkit::ScrollBar::ToEnd, towards); }
void Program::BarTrackHeld(int bar, int side) { ActOnBar(bar, &toolkit::ScrollBar::HoldTrack, side); }
void Program::BarTrackRepeated(int bar, int side) { ActOnBar(bar, &toolkit::ScrollBar::RepeatTrack, side); }
void Program::BarThumbHeld(int bar) { ActOnBar(bar, &toolkit::ScrollBar::HoldThumb); }
void Program::BarThumbMoved(int bar, double offset, double room)
{
    ActOnBar(bar, &toolkit::ScrollBar::DragThumb, offset, room);
}
void Program::BarThumbCentred(int bar, double at, double track, double thumb)
{
    ActOnBar(bar, &toolkit::ScrollBar::CentreThumbOn, at, track, thumb);
}
void Program::BarThumbLetGo(int bar) { ActOnBar(bar, &toolkit::ScrollBar::LetGoThumb); }
void Program::BarThumbCancelled(int bar) { ActOnBar(bar, &toolkit::ScrollBar::CancelThumb); }

void Program::ButtonPressed(int button)
{
    Act([&] {
        if (auto* pressed = face_.Find<WebButton>(button))
            pressed->Press();
    });
}

void Program::WindowClosed(int window)
{
    Act([&] {
        if (auto* closed = face_.Find<WebWindow>(window))
            closed->Core().Close();
    });
}

void Program::HelpRequested(int window)
{
    Act([&] {
        if (auto* asked = face_.Find<WebWindow>(window))
            toolkit::ShowKeyboardHelp(asked->Core(), toolkit::HelpFor::KeysAndTouch);
    });
}

void Program::ZoomRequested(int window, const std::string& key)
{
    Act([&] {
        if (auto* zoomed = face_.Find<WebWindow>(window))
            zoomed->Core().PressZoomKey(ZoomKeyNamed(key));
    });
}

void Program::MaximiseRequested(int window)
{
    Act([&] {
        if (auto* maximised = face_.Find<WebWindow>(window))
            maximised->Core().ToggleMaximised();
    });
}

void Program::WindowMoved(int window, int left, int top)
{
    if (auto* moved = face_.Find<WebWindow>(window))
        moved->Core().Moved({ left, top });
}

void Program::LanguagesPreferred(const std::string& tags)
{
    std::vector<std::string> preferred;
    for (std::size_t from = 0; from <= tags.size();) {
        const std::size_t comma = std::min(tags.find(',', from), tags.size());
        preferred.push_back(tags.substr(from, comma - from));
        from = comma + 1;
    }
    SpeakIn(texts::FirstSpoken(preferred));
}

void Program::LanguageRequested()
{
    Act([this] { SpeakIn(texts::NextAfter(face_.Language())); });
}

void Program::SpeakIn(const texts::Language& language)
{
    page_.Call("showLanguage", std::string(language.Tag()));
    if (catalogue_)
        catalogue_->SpeakIn(language);
    else
        face_.SetLanguage(language);
}

void Program::ScreenResized(int width, int height, int frameWidth, int frameHeight)
{
    const toolkit::ScreenFit screen(Catalogue::Layouts(), { frameWidth, frameHeight }, { width, height });
    if (screen == face_.Screen())
        return;
    Act([&] {
        face_.SetScreen(screen);
        if (catalogue_)
            catalogue_->Refit();
    });
}

} // namespace palettra::web
