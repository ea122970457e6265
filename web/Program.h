#pragma once

#include "shell/Catalogue.h"
#include "web/Page.h"
#include "web/WebFace.h"

#include <memory>

namespace palettra::web {

// The program in the page: its windows on the browser face, and every action the page reports,
// each followed by the pictures it changed. "End" leaves the page that says so, from which the
// program starts again as it first did.
class Program {
public:
    Program();
    ~Program();

    // Opens the menu, at first and again after "End".
    void Start();

    void BarCommitted(int bar, int value);
    void ButtonPressed(int button);
    void WindowClosed(int window);
    void ZoomRequested(int window, int step);

private:
    template <typename Action> void Act(Action action);

    Page page_;
    WebFace face_;
    std::unique_ptr<Catalogue> catalogue_;
};

} // namespace palettra::web
