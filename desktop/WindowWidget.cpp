#include "desktop/WindowWidget.h"

#include "desktop/Announcement.h"
#include "desktop/Assets.h"
#include "desktop/Colours.h"
#include "desktop/QtGeometry.h"
#include "toolkit/layout/Twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace palettra::desktop {

using namespace toolkit;

namespace {

    void ShowErrorReport(QWidget* window, const common::RuntimeError& error)
    {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("実行時エラー (Run-time error)"),
            QStringLiteral("実行時エラー '%1': (Run-time error '%1':)\n\n%2")
                .arg(error.Code())
                .arg(QString::fromStdString(error.what())),
            QMessageBox::Ok, window);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }

    // Qt puts the program's name in the title bar of a window without a title; an invisible
    // character keeps an empty title empty.
    QString Title(const std::string& caption)
    {
        return caption.empty() ? QString(QChar(0x200B)) : QString::fromStdString(caption);
    }

    bool IsDecoration(Kind kind) { return kind == Kind::Shape || kind == Kind::Line; }

} // namespace

WindowWidget::WindowWidget(Window& window)
    : window_(window)
    , report_(ShowErrorReport)
{
    const WindowLayout& layout = window.Layout();
    // Every window shares one frame at its stored place; it can grow, for a projector, but never
    // below the size its layout was drawn for.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(Title(layout.caption));
    if (!layout.icon.empty())
        setWindowIcon(QIcon(QString::fromStdString(AssetPath(layout.icon))));
    setMinimumSize(ToQSize(ClientSize(layout, 1)));
    RestoreLayoutGeometry();
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(Resolve(layout.backColor)));
    setPalette(palette);
    setAutoFillBackground(true);
    InstallZoomKeys();
}

void WindowWidget::Open()
{
    if (!isVisible())
        RestoreLayoutGeometry();
    show();
    raise();
    activateWindow();
}

// Each time the window opens it is where and as large as its layout says, not as it was left.
void WindowWidget::RestoreLayoutGeometry()
{
    const WindowLayout& layout = window_.Layout();
    setWindowState(Qt::WindowNoState);
    setGeometry(QRect(QPoint(Pixels(layout.left), Pixels(layout.top)), ToQSize(ClientSize(layout, 1))));
}

void WindowWidget::InstallZoomKeys()
{
    // Window shortcuts are matched before the focused control sees the key, so Ctrl+- never
    // moves a scroll bar. Shift is part of "+" on most keyboards, and the keypad has its own keys.
    const auto bind = [this](QList<QKeySequence> keys, auto zoom) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, zoom] { window_.ZoomTo(zoom(window_.ZoomFactor())); });
    };
    constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers Shifted = Qt::ControlModifier | Qt::ShiftModifier;
    constexpr Qt::KeyboardModifiers Keypad = Qt::ControlModifier | Qt::KeypadModifier;
    bind({ Ctrl | Qt::Key_Equal, Ctrl | Qt::Key_Plus, Shifted | Qt::Key_Equal, Shifted | Qt::Key_Plus,
             Keypad | Qt::Key_Plus },
        StepUp);
    bind({ Ctrl | Qt::Key_Minus, Keypad | Qt::Key_Minus }, StepDown);
    bind({ Ctrl | Qt::Key_0, Keypad | Qt::Key_0 }, [](double) { return 1.0; });
}

void WindowWidget::ResizeClient(Size client)
{
    if (isMaximized() || isFullScreen())
        showNormal();
    resize(ToQSize(client));
}

void WindowWidget::SetFocusOrder(const std::vector<ControlPeer*>& order)
{
    std::vector<QWidget*> widgets;
    for (ControlPeer* peer : order)
        widgets.push_back(dynamic_cast<QWidget*>(peer));
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    if (!widgets.empty())
        widgets.front()->setFocus(Qt::OtherFocusReason);
}

void WindowWidget::ReportError(const common::RuntimeError& error) { report_(this, error); }

void WindowWidget::Announce(const std::string& text) { desktop::Announce(*this, text); }

void WindowWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    window_.Close();
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    if (window_.Resize(FromQSize(size())))
        update();
}

void WindowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Shapes and lines lie on the window's own surface, beneath the labels; the
    // layout lists them last, so the first rows are the ones on top.
    const auto& controls = window_.Layout().controls;
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (IsDecoration(row->kind))
            PaintDecoration(painter, *row);
}

void WindowWidget::PaintDecoration(QPainter& painter, const ControlLayout& control) const
{
    const QColor text = ToQColor(Resolve(WindowTextColour));
    const Zoom& zoom = window_.CurrentZoom();
    // Line widths are in pixels of the layout, so they grow with the zoom like everything else.
    if (control.kind == Kind::Line) {
        painter.setRenderHint(QPainter::Antialiasing, control.x1 != control.x2 && control.y1 != control.y2);
        painter.setPen(QPen(text, control.lineWidth * zoom.Factor(), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(ToQPointF(zoom.Point(control.x1, control.y1)), ToQPointF(zoom.Point(control.x2, control.y2)));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, control.shape == ShapeKind::Circle);
    painter.setPen(control.border ? QPen(text, zoom.Factor()) : QPen(Qt::NoPen));
    painter.setBrush(
        control.filled ? QBrush(ToQColor(Resolve(control.backColor.value_or(Fixed(0xFFFFFF))))) : QBrush(Qt::NoBrush));
    const QRect box
        = ToQRect(zoom.Box(control.left, control.top, control.width, control.height)).adjusted(0, 0, -1, -1);
    if (control.shape == ShapeKind::Circle) {
        const int side = std::min(box.width(), box.height());
        painter.drawEllipse(QRect(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
    } else {
        painter.drawRect(box);
    }
}

} // namespace palettra::desktop
