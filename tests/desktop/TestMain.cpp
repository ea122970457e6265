#include "desktop/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // The suite never needs a display, also when CTest lists its tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    palettra::desktop::ConfigureApplication(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
