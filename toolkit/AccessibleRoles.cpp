#include "toolkit/AccessibleRoles.h"

#include "toolkit/PictureBox.h"
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

    // Graphic is the one role Qt gives an image over AT-SPI, so the photo shares it with the drawings;
    // its name and description say which is which.
    QAccessibleInterface* CreateInterface(const QString&, QObject* object)
    {
        if (auto* window = qobject_cast<Window*>(object))
            return new FrameAccessible(window);
        if (auto* picture = dynamic_cast<PictureBox*>(object))
            return new QAccessibleWidget(picture, QAccessible::Graphic);
        return nullptr;
    }

} // namespace

void InstallAccessibleRoles() { QAccessible::installFactory(CreateInterface); }

} // namespace palettra::toolkit
