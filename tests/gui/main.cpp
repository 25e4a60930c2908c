// The GUI tests need one QApplication; without a display they run offscreen.
#include "UserFolders.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    IsolateUserFolders();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmor"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
