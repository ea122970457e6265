#pragma once

#include "toolkit/Window.h"

#include <QWidget>

#include <functional>

namespace palettra::desktop {

// Where a run-time error goes in place of the report box: tests and tools keep it to read.
using ErrorReport = std::function<void(QWidget* window, const common::RuntimeError& error)>;

// A window of the core on the desktop: the frame where the core places it, the zoom keys, the shapes
// and lines beneath the controls, and the report of a run-time error.
class WindowWidget : public QWidget, public toolkit::WindowPeer {
    Q_OBJECT

public:
    explicit WindowWidget(toolkit::Window& window);

    toolkit::Window& Core() const { return window_; }
    void SetErrorReport(ErrorReport report) { report_ = std::move(report); }

    void Open(const toolkit::Rect& place) override;
    void BringToFront() override;
    void Hide() override { hide(); }
    void ResizeClient(toolkit::Size client) override;
    void Place(const toolkit::Rect& place, bool maximised) override;
    void ShowDecorations(const std::vector<toolkit::Decoration>& decorations) override;
    void SetFocusOrder(const std::vector<toolkit::ControlPeer*>& order) override;
    void ReportError(const common::RuntimeError& error, const texts::Message& report) override;
    // The frame's name follows the title, as the accessibility bridge asks the core for it.
    void ShowTitle(const std::string& title, const std::string& name) override;
    void ShowHelp(const texts::Message& help) override;
    void Announce(const std::string& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void InstallZoomKeys();

    toolkit::Window& window_;
    std::vector<toolkit::Decoration> decorations_;
    ErrorReport report_;
};

} // namespace palettra::desktop
