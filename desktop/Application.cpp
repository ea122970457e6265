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
    // The program ends when the core says so, at "End" or when its last window closes.
    application.setQuitOnLastWindowClosed(false);
    InstallAccessibleRoles();
    InstallAnnouncements();
    DescribeWhenToolsStartListening();
    InstallKeyboardHelp();
}

} // namespace palettra::desktop
