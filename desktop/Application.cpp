#include "desktop/Application.h"

#include "desktop/AccessibleRoles.h"
#include "desktop/Announcement.h"
#include "desktop/Fonts.h"
#include "desktop/HelpKey.h"
#include "desktop/ListeningTools.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace palettra::desktop {

void ConfigureApplication(QApplication& application)
{
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setPalette(application.style()->standardPalette());
    InstallFontSubstitutes();
    application.setFont(ButtonFont());
    application.setQuitOnLastWindowClosed(true);
    InstallAccessibleRoles();
    InstallAnnouncements();
    DescribeWhenToolsStartListening();
    InstallKeyboardHelp();
}

} // namespace palettra::desktop
