#include "desktop/Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace palettra::desktop {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void Announce(QWidget& window, const std::string& text)
{
    QAccessibleAnnouncementEvent announcement(&window, QString::fromStdString(text));
    QAccessible::updateAccessibility(&announcement);
}

void InstallAnnouncements() { }

#else

namespace {

    // Qt 6.4 hands a name or description change to AT-SPI without its new text, and Orca 43 cannot
    // speak it; what Orca does speak is a notification that becomes showing, by its name. So each
    // window gets a hidden child of that role, shown and at once hidden again to say one text.
    class Notification : public QWidget {
    public:
        explicit Notification(QWidget& window)
            : QWidget(&window)
        {
            setGeometry(0, 0, 0, 0);
            hide();
        }

        // Read by the accessible interface, not set as the accessible name: Qt would send a name change
        // whose missing text Orca chokes on.
        QString text;
    };

    class NotificationAccessible : public QAccessibleWidget {
    public:
        explicit NotificationAccessible(Notification* notification)
            : QAccessibleWidget(notification, QAccessible::Notification)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            return t == QAccessible::Name ? static_cast<const Notification*>(widget())->text
                                          : QAccessibleWidget::text(t);
        }
    };

    QAccessibleInterface* CreateNotification(const QString&, QObject* object)
    {
        auto* notification = dynamic_cast<Notification*>(object);
        return notification ? new NotificationAccessible(notification) : nullptr;
    }

    Notification& NotificationOf(QWidget& window)
    {
        for (QObject* child : window.children())
            if (auto* notification = dynamic_cast<Notification*>(child))
                return *notification;
        return *new Notification(window);
    }

} // namespace

void Announce(QWidget& window, const std::string& text)
{
    Notification& notification = NotificationOf(window);
    notification.text = QString::fromStdString(text);
    notification.show();
    notification.hide();
}

void InstallAnnouncements() { QAccessible::installFactory(CreateNotification); }

#endif

} // namespace palettra::desktop
