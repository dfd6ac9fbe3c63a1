// main() of the window tests: one QApplication for all tests, on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise. Every grid
// window reads and writes its settings file, so the whole run gets a
// settings directory and a registry of its own.
#include <gtest/gtest.h>

#include <QApplication>

#include "SettingsSandbox.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    verbal::test::SettingsSandbox sandbox;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
