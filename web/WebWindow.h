#pragma once

#include "toolkit/Window.h"
#include "web/PageObject.h"

namespace palettra::web {

// A window of the core in the page: a frame where the core places it, with its title bar and close box,
// its shapes and lines beneath the controls, and the messages the core writes for it.
class WebWindow : public toolkit::WindowPeer, public PageObject {
public:
    WebWindow(WebFace& face, toolkit::Window& window);
    ~WebWindow() override;

    toolkit::Window& Core() const { return window_; }

    void Open(const toolkit::Rect& place) override;
    void BringToFront() override;
    void Hide() override;
    void ResizeClient(toolkit::Size client) override;
    void Place(const toolkit::Rect& place, bool maximised) override;
    void ShowDecorations(const std::vector<toolkit::Decoration>& decorations) override;
    void ShowTitle(const std::string& title, const std::string& name) override;
    void SetFocusOrder(const std::vector<toolkit::ControlPeer*>& order) override;
    void ReportError(const common::RuntimeError& error, const texts::Message& report) override;
    void ShowHelp(const texts::Message& help) override;
    void Announce(const std::string& text) override;

private:
    template <typename... Arguments> void Call(const char* function, Arguments&&... arguments);

    toolkit::Window& window_;
};

} // namespace palettra::web
