#include "toolkit/FrameAccessible.h"

#include "toolkit/Window.h"

#include <QAccessibleWidget>

namespace palettra::toolkit {

namespace {

    // Qt's interface for a plain widget says "filler", which a screen reader does not announce as a window.
    class FrameAccessible : public QAccessibleWidget {
    public:
        explicit FrameAccessible(Window* window)
            : QAccessibleWidget(window, QAccessible::Window)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            const std::string& name = static_cast<const Window*>(widget())->Layout().accessibleName;
            if (t == QAccessible::Name && !name.empty())
                return QString::fromStdString(name);
            return QAccessibleWidget::text(t);
        }
    };

    QAccessibleInterface* CreateFrame(const QString&, QObject* object)
    {
        auto* window = qobject_cast<Window*>(object);
        return window ? new FrameAccessible(window) : nullptr;
    }

} // namespace

void InstallFrameAccessible() { QAccessible::installFactory(CreateFrame); }

} // namespace palettra::toolkit
