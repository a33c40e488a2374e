#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widget tests never need a display; CTest sets offscreen, and so does a plain run
    // (including the test listing the build does).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
