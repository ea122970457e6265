#include "desktop/AccessibleRoles.h"

#include "desktop/PictureView.h"
#include "desktop/WindowWidget.h"
#include "toolkit/access/AccessibleName.h"

#include <QAccessibleWidget>

namespace palettra::desktop {

namespace {

    // Qt's interface for a plain widget says "filler", which a screen reader does not announce as a window.
    class FrameAccessible : public QAccessibleWidget {
    public:
        explicit FrameAccessible(WindowWidget* window)
            : QAccessibleWidget(window, QAccessible::Window)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            const toolkit::Window& window = static_cast<const WindowWidget*>(widget())->Core();
            const std::string name = toolkit::WindowName(window.Layout(), window.Language());
            if (t == QAccessible::Name && !name.empty())
                return QString::fromStdString(name);
            return QAccessibleWidget::text(t);
        }
    };

    // Graphic is the one role Qt gives an image over AT-SPI, so the photo shares it with the drawings;
    // its name and description say which is which.
    QAccessibleInterface* CreateInterface(const QString&, QObject* object)
    {
        if (auto* window = qobject_cast<WindowWidget*>(object))
            return new FrameAccessible(window);
        if (auto* picture = dynamic_cast<PictureView*>(object))
            return new QAccessibleWidget(picture, QAccessible::Graphic);
        return nullptr;
    }

} // namespace

void InstallAccessibleRoles() { QAccessible::installFactory(CreateInterface); }

} // namespace palettra::desktop
