#include "toolkit/HelpKey.h"

#include "toolkit/KeyboardHelp.h"
#include "toolkit/Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace palettra::toolkit {

namespace {

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

void InstallKeyboardHelp() { qApp->installEventFilter(new HelpKey(qApp)); }

} // namespace palettra::toolkit
