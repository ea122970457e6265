#include "shell/Catalogue.h"
#include "toolkit/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    palettra::toolkit::ConfigureApplication(application);
    palettra::Catalogue catalogue;
    catalogue.StartUp().Show();
    return QApplication::exec();
}
