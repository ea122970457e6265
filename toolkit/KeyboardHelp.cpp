#include "toolkit/KeyboardHelp.h"

#include "toolkit/Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include <algorithm>
#include <vector>

namespace palettra::toolkit {

namespace {

    bool TakesFocus(const ControlLayout& control)
    {
        return control.kind == Kind::CommandButton || control.kind == Kind::HScrollBar
            || control.kind == Kind::VScrollBar;
    }

    std::string TabOrder(const WindowLayout& layout)
    {
        std::vector<const ControlLayout*> order;
        for (const ControlLayout& control : layout.controls)
            if (TakesFocus(control))
                order.push_back(&control);
        std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
        std::string text;
        for (const ControlLayout* control : order)
            text += (text.empty() ? "" : "、")
                + (control->accessibleName.empty() ? control->caption : control->accessibleName);
        return text;
    }

    bool Has(const WindowLayout& layout, std::initializer_list<Kind> kinds)
    {
        return std::any_of(layout.controls.begin(), layout.controls.end(), [&](const ControlLayout& control) {
            return std::find(kinds.begin(), kinds.end(), control.kind) != kinds.end();
        });
    }

    void ShowHelp(Window& window)
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("キーボード (keyboard)"),
            QString::fromStdString(KeyboardHelpText(window.Layout())), QMessageBox::Ok, &window);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    // Every window gets F1 without a shortcut object of its own: the key reaches whichever
    // control has the focus, so it is caught here on its way.
    class HelpKey : public QObject {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
                return false;
            auto* widget = qobject_cast<QWidget*>(watched);
            auto* window = widget ? qobject_cast<Window*>(widget->window()) : nullptr;
            if (!window)
                return false;
            ShowHelp(*window);
            return true;
        }
    };

} // namespace

std::string KeyboardHelpText(const WindowLayout& layout)
{
    std::string text = "Tab で次、Shift+Tab で前へ (Tab moves on, Shift+Tab back): " + TabOrder(layout) + "\n";
    if (Has(layout, { Kind::HScrollBar, Kind::VScrollBar }))
        text += "スクロールバー: ← ↑ で一つ下げ、→ ↓ で一つ上げ、PageUp と PageDown で大きく、Home と End で端へ"
                " (scroll bars: Left or Up one step down, Right or Down one step up, Page Up and Page Down a large "
                "step, Home and End to either end)\n";
    if (Has(layout, { Kind::CommandButton }))
        text += "ボタン: Space か Enter で押す (buttons: Space or Enter presses)\n";
    return text + "Esc でこのヘルプを閉じる (Escape closes this help)";
}

void InstallKeyboardHelp() { qApp->installEventFilter(new HelpKey(qApp)); }

} // namespace palettra::toolkit
