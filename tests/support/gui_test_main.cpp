// Test entry point for suites that create widgets: one QApplication for the
// whole run (ctest sets QT_QPA_PLATFORM=offscreen).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
