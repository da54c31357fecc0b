// Test entry point for suites that create widgets: one QApplication for the
// whole run. Widgets are drawn offscreen unless QT_QPA_PLATFORM says otherwise
// (ctest sets it, but test discovery runs the binary without that setting).
#include <QApplication>

#include <gtest/gtest.h>

#include "testhome.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    chromanick::testsupport::useTestHome();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
