#include "desktop/HelpKey.h"

#include "desktop/WindowWidget.h"
#include "toolkit/access/KeyboardHelp.h"

#include <QApplication>
#include <QKeyEvent>

namespace palettra::desktop {

namespace {

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
            auto* window = widget ? qobject_cast<WindowWidget*>(widget->window()) : nullptr;
            if (!window)
                return false;
            toolkit::ShowKeyboardHelp(window->Core());
            return true;
        }
    };

} // namespace

void InstallKeyboardHelp() { qApp->installEventFilter(new HelpKey(qApp)); }

} // namespace palettra::desktop
