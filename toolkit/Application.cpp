#include "toolkit/Application.h"

#include "toolkit/Description.h"
#include "toolkit/Fonts.h"
#include "toolkit/FrameAccessible.h"
#include "toolkit/KeyboardHelp.h"

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
    InstallFrameAccessible();
    DescribeWhenToolsStartListening();
    InstallKeyboardHelp();
}

} // namespace palettra::toolkit
