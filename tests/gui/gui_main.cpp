// The GUI tests run headless: Qt's offscreen platform unless told otherwise.
// The Qt application belongs to this function, so a test that runs the
// program's whole start-up and shut-down leaves it standing for the others.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "framework/runtime.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    ulvarin::RuntimeInit(argc, argv);
    return RUN_ALL_TESTS();
}
