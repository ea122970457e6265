#pragma once

#include "toolkit/Window.h"

#include <QWidget>

#include <functional>

namespace palettra::desktop {

using ErrorReport = std::function<void(QWidget* window, const common::RuntimeError& error)>;

// A window of the core on the desktop: the frame at the layout's place, the zoom keys, the shapes and
// lines beneath the controls, and the report of a run-time error.
class WindowWidget : public QWidget, public toolkit::WindowPeer {
    Q_OBJECT

public:
    explicit WindowWidget(toolkit::Window& window);

    toolkit::Window& Core() const { return window_; }
    void SetErrorReport(ErrorReport report) { report_ = std::move(report); }

    void Open() override;
    void Hide() override { hide(); }
    void ResizeClient(toolkit::Size client) override;
    void SetFocusOrder(const std::vector<toolkit::ControlPeer*>& order) override;
    void ReportError(const common::RuntimeError& error) override;
    void Announce(const std::string& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void InstallZoomKeys();
    void RestoreLayoutGeometry();
    void PaintDecoration(class QPainter& painter, const toolkit::ControlLayout& control) const;

    toolkit::Window& window_;
    ErrorReport report_;
};

} // namespace palettra::desktop
