// Runs the tests with a QApplication on Qt's offscreen platform.

#include "app/Startup.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform says on every window that it cannot raise it or
// grab the keyboard; those lines would drown the test output.
QtMessageHandler standardHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    standardHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietOffscreen);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    prepareApplication(application);
    return RUN_ALL_TESTS();
}
