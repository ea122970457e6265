#include "desktop/Application.h"
#include "desktop/DesktopFace.h"
#include "desktop/Locale.h"
#include "shell/Catalogue.h"
#include "texts/StartUp.h"

#include <QApplication>

#include <cstdio>
#include <unistd.h>

namespace {

// Until the application object stands, Qt's complaints about a missing display end in
// an abort and a core dump; the user gets one plain line and status 1 instead.
void StartUpMessage(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "palettra: %s\n", palettra::texts::NoDisplay(palettra::desktop::LocaleLanguage()).c_str());
    _exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    const QtMessageHandler standard = qInstallMessageHandler(StartUpMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(standard);
    palettra::desktop::ConfigureApplication(application);
    palettra::desktop::DesktopFace face;
    face.SetLanguage(palettra::desktop::LocaleLanguage());
    palettra::Catalogue catalogue(face);
    catalogue.StartUp().Show();
    return QApplication::exec();
}
