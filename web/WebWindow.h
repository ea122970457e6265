#pragma once

#include "toolkit/Window.h"
#include "web/PageObject.h"

namespace palettra::web {

// A window of the core in the page: a frame at the layout's place with its title bar and close box,
// its shapes and lines beneath the controls, and the help that F1 shows.
class WebWindow : public toolkit::WindowPeer, public PageObject {
public:
    WebWindow(WebFace& face, toolkit::Window& window);
    ~WebWindow() override;

    toolkit::Window& Core() const { return window_; }
    // A zoom key: 1 a step up, -1 a step down, 0 back to the layout's size.
    void Zoom(int step);

    void Open() override;
    void Hide() override;
    void ResizeClient(toolkit::Size client) override;
    void SetFocusOrder(const std::vector<toolkit::ControlPeer*>& order) override;
    void ReportError(const common::RuntimeError& error) override;
    void Announce(const std::string& text) override;

private:
    template <typename... Arguments> void Call(const char* function, Arguments&&... arguments);

    toolkit::Window& window_;
};

} // namespace palettra::web
