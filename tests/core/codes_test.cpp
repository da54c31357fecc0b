#include "core/appinfo.h"
#include "core/bgrcolor.h"

#include <gtest/gtest.h>

using namespace chromanick;

TEST(CodeRvb, WritesRedGreenBlueWithThreeDigitsEach) {
    EXPECT_EQ(Code_RVB(0), QStringLiteral("000,000,000"));
    EXPECT_EQ(Code_RVB(0x0055FF), QStringLiteral("255,085,000"));
    EXPECT_EQ(Code_RVB(0xFF8000), QStringLiteral("000,128,255"));
}

TEST(AppInfo, VersionIsDotted) {
    EXPECT_EQ(appinfo::versionDotted(), QStringLiteral("6.0.0"));
}
