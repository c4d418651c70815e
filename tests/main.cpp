// Runs the tests with a QApplication on Qt's offscreen platform.

#include "Startup.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    prepareApplication(application);
    return RUN_ALL_TESTS();
}
