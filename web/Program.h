#pragma once

#include "shell/Catalogue.h"
#include "toolkit/controls/ScrollBar.h"
#include "web/Page.h"
#include "web/WebFace.h"

#include <memory>
#include <string>

namespace palettra::web {

// The program in the page: its windows on the browser face, and every action the page reports,
// each followed by the pictures it changed. "End" leaves the page that says so, from which the
// program starts again as it first did.
class Program {
public:
    explicit Program(emscripten::val page);
    ~Program();

    // Opens the menu, at first and again after "End".
    void Start();

    // What the user does to a bar, as page.js tells it.
    void BarStepped(int bar, int towards);
    void BarPaged(int bar, int towards);
    void BarToEnd(int bar, int towards);
    void BarTrackHeld(int bar, int side);
    void BarTrackRepeated(int bar, int side);
    void BarThumbHeld(int bar);
    void BarThumbMoved(int bar, double offset, double room);
    void BarThumbCentred(int bar, double at, double track, double thumb);
    void BarThumbLetGo(int bar);
    void BarThumbCancelled(int bar);
    void ButtonPressed(int button);
    void WindowClosed(int window);
    void HelpRequested(int window);
    void ZoomRequested(int window, const std::string& key);
    // The title bar's maximise button, or a double click or tap on the bar.
    void MaximiseRequested(int window);
    // The user dragged the window's frame there.
    void WindowMoved(int window, int left, int top);
    // The page's size in CSS pixels, at first and whenever it changes, and the frame the page draws
    // around a window's client area.
    void ScreenResized(int width, int height, int frameWidth, int frameHeight);
    // The browser's preferred languages, the address's first, as tags separated by commas: the
    // program speaks the first of them it can.
    void LanguagesPreferred(const std::string& tags);
    // The menu's switch: every window goes on in the next language.
    void LanguageRequested();

private:
    template <typename Action> void Act(Action action);
    void SpeakIn(const texts::Language& language);
    template <typename... Arguments>
    void ActOnBar(int bar, void (toolkit::ScrollBar::*action)(Arguments...), Arguments... arguments);

    Page page_;
    WebFace face_;
    std::unique_ptr<Catalogue> catalogue_;
};

} // namespace palettra::web
