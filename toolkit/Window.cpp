#include "toolkit/Window.h"

#include "toolkit/Announcement.h"
#include "toolkit/Colours.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListeningTools.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/TabOrder.h"
#include "toolkit/Twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>

namespace palettra::toolkit {

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

    // Qt would send a change event for an unchanged text too.
    void SetDescription(QWidget& control, const std::string& text)
    {
        const QString description = QString::fromStdString(text);
        if (control.accessibleDescription() != description)
            control.setAccessibleDescription(description);
    }

} // namespace

Window::Window(const WindowLayout& layout)
    : layout_(layout)
    , report_(ShowErrorReport)
    , announce_(Announce)
{
    // Every window shares one frame at its stored place; it can grow, for a projector, but never
    // below the size its layout was drawn for.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(Title(layout.caption));
    if (!layout.icon.empty())
        setWindowIcon(QIcon(QString::fromStdString(layout.icon)));
    setMinimumSize(ClientSize(layout, 1));
    RestoreLayoutGeometry();
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(Resolve(layout.backColor)));
    setPalette(palette);
    setAutoFillBackground(true);
    InstallZoomKeys();
}

Window::~Window() = default;

void Window::Show()
{
    if (!isVisible())
        RestoreLayoutGeometry();
    if (!IsLoaded() && !Load())
        return;
    show();
    raise();
    activateWindow();
}

// Each time the window opens it is where and as large as its layout says, not as it was left.
void Window::RestoreLayoutGeometry()
{
    setWindowState(Qt::WindowNoState);
    setGeometry(QRect(QPoint(Pixels(layout_.left), Pixels(layout_.top)), ClientSize(layout_, 1)));
    zoom_ = Zoom();
}

void Window::InstallZoomKeys()
{
    // Window shortcuts are matched before the focused control sees the key, so Ctrl+- never
    // moves a scroll bar. Shift is part of "+" on most keyboards, and the keypad has its own keys.
    const auto bind = [this](QList<QKeySequence> keys, auto zoom) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, zoom] { ZoomTo(zoom(zoom_.Factor())); });
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

void Window::ZoomTo(double step)
{
    if (isMaximized() || isFullScreen())
        showNormal();
    resize(ClientSize(layout_, step));
}

void Window::Run(const Handler& handler) { RunFor(nullptr, handler); }

void Window::Act(const QWidget& control, const Handler& handler) { RunFor(&control, handler); }

// A press from code inside a bar's change is part of the user's one action, which is told once, when
// it is over; the handler may have closed the window, and then there is nothing to tell.
void Window::RunFor(const QWidget* actor, const Handler& handler)
{
    ++running_;
    if (handler)
        Attempt(handler);
    --running_;
    FinishDrawing();
    if (running_ == 0)
        Narrate(actor);
}

void Window::Tell(const QWidget& control, Outcome said, Outcome now)
{
    if (Entry* entry = EntryOf(&control)) {
        entry->said = std::move(said);
        entry->now = std::move(now);
    }
}

// A tool that starts to listen while a handler waits on a dialog hears the window when the handler is over.
void Window::Describe()
{
    if (running_ == 0)
        Narrate(nullptr);
}

// The outcomes read the controls, and a fault there is reported like a handler's.
void Window::Narrate(const QWidget* actor)
{
    if (!IsLoaded() || !AssistiveToolsListen())
        return;
    Attempt([this, actor] {
        DescribeNow();
        const Entry* acted = EntryOf(actor);
        if (acted && acted->said)
            if (const std::string said = acted->said(); !said.empty())
                announce_(*this, said);
    });
}

void Window::DescribeNow()
{
    for (const Entry& entry : controls_)
        if (entry.now)
            SetDescription(*entry.widget, DescriptionNow(entry.layout->description, entry.now()));
}

Window::Entry* Window::EntryOf(const QWidget* widget)
{
    for (Entry& entry : controls_)
        if (entry.widget == widget)
            return &entry;
    return nullptr;
}

bool Window::Attempt(const Handler& work)
{
    try {
        work();
        return true;
    } catch (const common::RuntimeError& error) {
        report_(this, error);
    } catch (const std::exception& error) {
        // A fault of the program's own; still reported, never thrown through Qt's event loop.
        report_(this, common::RuntimeError(51, std::string("内部エラー (Internal error): ") + error.what()));
    }
    return false;
}

// A build that fails half-way takes down what it made: the window stays closed and whole, and the
// next Show builds it afresh.
bool Window::Load()
{
    if (!Attempt([this] { Build(); })) {
        DestroyControls();
        return false;
    }
    Run([this] { Form_Load(); });
    return true;
}

void Window::FinishDrawing()
{
    for (const Entry& entry : controls_)
        if (auto* picture = dynamic_cast<PictureBox*>(entry.widget))
            picture->FinishDrawing();
}

void Window::Build()
{
    for (const ControlLayout& control : layout_.controls) {
        if (IsDecoration(control.kind))
            continue;
        QWidget* widget = CreateControl(control);
        controls_.push_back({ &control, widget });
        Place(controls_.back());
        // Without a name of its own a control is named by its current caption, which a label's changes.
        if (!control.accessibleName.empty())
            widget->setAccessibleName(QString::fromStdString(control.accessibleName));
        widget->setAccessibleDescription(QString::fromStdString(control.description));
        widget->show();
    }
    SetTabOrder();
    BindEvents();
    BindOutcomes();
}

void Window::Place(const Entry& entry) const
{
    const ControlLayout& control = *entry.layout;
    const QRect box = zoom_.Box(control.left, control.top, control.width, control.height);
    if (auto* label = dynamic_cast<Label*>(entry.widget))
        label->Place(box, zoom_.Factor());
    else if (auto* button = dynamic_cast<CommandButton*>(entry.widget))
        button->Place(box, zoom_.Factor());
    else if (auto* bar = dynamic_cast<ScrollBar*>(entry.widget))
        bar->Place(box, zoom_.Factor());
    else
        entry.widget->setGeometry(box);
}

QWidget* Window::CreateControl(const ControlLayout& control)
{
    switch (control.kind) {
    case Kind::CommandButton:
        return new CommandButton(*this, control);
    case Kind::Label:
        return new Label(*this, control);
    case Kind::HScrollBar:
    case Kind::VScrollBar:
        return new ScrollBar(*this, control);
    case Kind::PictureBox:
        return new PictureBox(*this, control);
    case Kind::Shape:
    case Kind::Line:
        break;
    }
    throw std::logic_error("not a control: " + control.name);
}

void Window::SetTabOrder()
{
    std::vector<QWidget*> order;
    for (const ControlLayout* stop : TabStops(layout_))
        for (const Entry& entry : controls_)
            if (entry.layout == stop)
                order.push_back(entry.widget);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    if (!order.empty())
        order.front()->setFocus(Qt::OtherFocusReason);
}

// Later, not at once: a handler may close its own window, and the control that ran it, and Qt's code
// that called the control, still go on when the handler returns.
void Window::DestroyControls()
{
    std::vector<Entry> controls;
    controls.swap(controls_);
    for (const Entry& entry : controls) {
        entry.widget->hide();
        entry.widget->deleteLater();
    }
}

QWidget* Window::FindWidget(std::string_view name, int index) const
{
    for (const Entry& entry : controls_)
        if (entry.layout->index == index && entry.layout->name == name)
            return entry.widget;
    return nullptr;
}

void Window::closeEvent(QCloseEvent* event)
{
    event->accept();
    DestroyControls();
}

// A new size is only a new zoom: the controls move and the fonts change, and no handler runs.
void Window::resizeEvent(QResizeEvent*)
{
    const Zoom zoom(layout_, size());
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    for (const Entry& entry : controls_)
        Place(entry);
    update();
}

void Window::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Shapes and lines lie on the window's own surface, beneath the labels; the
    // layout lists them last, so the first rows are the ones on top.
    for (auto row = layout_.controls.rbegin(); row != layout_.controls.rend(); ++row)
        if (IsDecoration(row->kind))
            PaintDecoration(painter, *row);
}

void Window::PaintDecoration(QPainter& painter, const ControlLayout& control) const
{
    const QColor text = ToQColor(Resolve(WindowTextColour));
    // Line widths are in pixels of the layout, so they grow with the zoom like everything else.
    const double zoom = zoom_.Factor();
    if (control.kind == Kind::Line) {
        painter.setRenderHint(QPainter::Antialiasing, control.x1 != control.x2 && control.y1 != control.y2);
        painter.setPen(QPen(text, control.lineWidth * zoom, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(zoom_.Point(control.x1, control.y1), zoom_.Point(control.x2, control.y2));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, control.shape == ShapeKind::Circle);
    painter.setPen(control.border ? QPen(text, zoom) : QPen(Qt::NoPen));
    painter.setBrush(
        control.filled ? QBrush(ToQColor(Resolve(control.backColor.value_or(Fixed(0xFFFFFF))))) : QBrush(Qt::NoBrush));
    const QRect box = zoom_.Box(control.left, control.top, control.width, control.height).adjusted(0, 0, -1, -1);
    if (control.shape == ShapeKind::Circle) {
        const int side = std::min(box.width(), box.height());
        painter.drawEllipse(QRect(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
    } else {
        painter.drawRect(box);
    }
}

} // namespace palettra::toolkit
