// The main of the tests that need a screen wider than 800 pixels.
#include "OffscreenScreen.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    UseOffscreenScreen(QSize(1280, 1024));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
