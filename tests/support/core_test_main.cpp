// Test entry point for QtCore suites.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "testhome.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    chromanick::testsupport::useTestHome();
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
