#include "toolkit/Application.h"

#include "toolkit/AccessibleRoles.h"
#include "toolkit/Announcement.h"
#include "toolkit/Fonts.h"
#include "toolkit/HelpKey.h"
#include "toolkit/ListeningTools.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace palettra::toolkit {

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

} // namespace palettra::toolkit
