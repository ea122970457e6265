#include "desktop/WindowWidget.h"

#include "desktop/Announcement.h"
#include "desktop/Assets.h"
#include "desktop/Colours.h"
#include "desktop/MessageBoxes.h"
#include "desktop/QtGeometry.h"
#include "toolkit/access/AccessibleName.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace palettra::desktop {

using namespace toolkit;

namespace {

    // Qt puts the program's name in the title bar of a window without a title; an invisible
    // character keeps an empty title empty.
    QString Title(const std::string& caption)
    {
        return caption.empty() ? QString(QChar(0x200B)) : QString::fromStdString(caption);
    }

    void PaintDecoration(QPainter& painter, const Decoration& decoration)
    {
        painter.setRenderHint(QPainter::Antialiasing, decoration.antialiased);
        if (decoration.figure == Decoration::Figure::Line) {
            painter.setPen(QPen(ToQColor(*decoration.stroke), decoration.lineWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(ToQPointF(decoration.line.from), ToQPointF(decoration.line.to));
            return;
        }
        painter.setPen(decoration.stroke ? QPen(ToQColor(*decoration.stroke), decoration.lineWidth) : QPen(Qt::NoPen));
        painter.setBrush(decoration.fill ? QBrush(ToQColor(*decoration.fill)) : QBrush(Qt::NoBrush));
        // Qt's outline of a rectangle reaches a pixel past its width and height.
        const QRect box = ToQRect(decoration.box).adjusted(0, 0, -1, -1);
        if (decoration.figure == Decoration::Figure::Circle) {
            const int side = std::min(box.width(), box.height());
            painter.drawEllipse(QRect(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
        } else {
            painter.drawRect(box);
        }
    }

} // namespace

WindowWidget::WindowWidget(Window& window)
    : window_(window)
{
    const WindowLayout& layout = window.Layout();
    // Every window shares one frame at its stored place; it can grow, for a projector, but never
    // below the size its layout was drawn for.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(Title(WindowTitle(layout, window.Language())));
    if (!layout.icon.empty())
        setWindowIcon(QIcon(QString::fromStdString(AssetPath(layout.icon))));
    setMinimumSize(ToQSize(ClientSize(layout, 1)));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(Resolve(layout.backColor)));
    setPalette(palette);
    setAutoFillBackground(true);
    InstallZoomKeys();
}

// A window closed while maximised opens again at the place it is given, not maximised.
void WindowWidget::Open(const Rect& place)
{
    setWindowState(Qt::WindowNoState);
    setGeometry(ToQRect(place));
    BringToFront();
}

void WindowWidget::BringToFront()
{
    show();
    raise();
    activateWindow();
}

void WindowWidget::InstallZoomKeys()
{
    // Window shortcuts are matched before the focused control sees the key, so Ctrl+- never
    // moves a scroll bar. Shift is part of "+" on most keyboards, and the keypad has its own keys.
    const auto bind = [this](QList<QKeySequence> keys, ZoomKey key) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] { window_.PressZoomKey(key); });
    };
    constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers Shifted = Qt::ControlModifier | Qt::ShiftModifier;
    constexpr Qt::KeyboardModifiers Keypad = Qt::ControlModifier | Qt::KeypadModifier;
    bind({ Ctrl | Qt::Key_Equal, Ctrl | Qt::Key_Plus, Shifted | Qt::Key_Equal, Shifted | Qt::Key_Plus,
             Keypad | Qt::Key_Plus },
        ZoomKey::In);
    bind({ Ctrl | Qt::Key_Minus, Keypad | Qt::Key_Minus }, ZoomKey::Out);
    bind({ Ctrl | Qt::Key_0, Keypad | Qt::Key_0 }, ZoomKey::Actual);
}

void WindowWidget::ResizeClient(Size client)
{
    if (isMaximized() || isFullScreen())
        showNormal();
    resize(ToQSize(client));
}

void WindowWidget::Place(const Rect& place, bool maximised)
{
    if (maximised) {
        showMaximized();
        return;
    }
    showNormal();
    setGeometry(ToQRect(place));
}

void WindowWidget::ShowDecorations(const std::vector<Decoration>& decorations)
{
    decorations_ = decorations;
    update();
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

void WindowWidget::ReportError(const common::RuntimeError& error, const texts::Message& report)
{
    if (report_)
        report_(this, error);
    else
        ShowErrorReport(*this, report);
}

void WindowWidget::ShowTitle(const std::string& title, const std::string&) { setWindowTitle(Title(title)); }

void WindowWidget::ShowHelp(const texts::Message& help) { desktop::ShowHelp(*this, help); }

void WindowWidget::Announce(const std::string& text) { desktop::Announce(*this, text); }

void WindowWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    window_.Close();
}

void WindowWidget::resizeEvent(QResizeEvent*) { window_.Resize(FromQSize(size())); }

// Shapes and lines lie on the window's own surface, beneath the labels.
void WindowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const Decoration& decoration : decorations_)
        PaintDecoration(painter, decoration);
}

} // namespace palettra::desktop
