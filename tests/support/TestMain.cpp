// The main of every test program: a Qt application (offscreen in tests) with the program's style, around
// GoogleTest.
#include "platform/ProgramStyle.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::useProgramStyle(); // windows are looked at as the program shows them
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
