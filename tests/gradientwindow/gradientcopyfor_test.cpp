// The gradient editor's "Plus" → "Copier pour", driven through its model.
#include "dialects/codeformats.h"
#include "dialects/plus3.h"
#include "dialects/registry.h"
#include "tests/support/scriptedplatform.h"
#include "ui/gradient/gradientmodel.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

class GradientCopyForTest : public ::testing::Test {
protected:
    GradientCopyForTest() {
        model.setAutoCopy(false);
        model.setNickname(QStringLiteral("Chromanick Dégradé"));
    }

    QString copied(const char* id) {
        const Dialect* d = findDialect(QString::fromLatin1(id));
        EXPECT_NE(d, nullptr) << id;
        platform.clipboard.reset();
        model.copyFor(*d);
        return platform.clipboard.value_or(QStringLiteral("<nothing>"));
    }

    ScriptedPlatform platform;
    GradientEditorModel model{platform,
                              [] { return QDateTime(QDate(2026, 12, 10), QTime(12, 0, 0)); }};
};

}  // namespace

// A smooth gradient copied for a chat that is read back reads as the same
// runs; as text, only its characters are left.
TEST_F(GradientCopyForTest, ASmoothGradientIsCopiedForEveryChat) {
    model.setSmoothEnabled(true);
    model.setBold(true);
    model.generate();
    ASSERT_FALSE(platform.clipboard.has_value());
    const QList<StyledRun> runs = readPlusCode(model.output());
    ASSERT_GT(runs.size(), 5);
    for (const Dialect* d : writtenDialects()) {
        if (d->read == nullptr) continue;
        platform.clipboard.reset();
        model.copyFor(*d);
        ASSERT_TRUE(platform.clipboard.has_value()) << d->id.toStdString();
        const QList<StyledRun> read = d->read(*platform.clipboard);
        // A chat with a palette of its own (IRC) shows each colour as its
        // nearest: the characters and styles are what stays.
        if (d->expresses.showsColour != nullptr) {
            EXPECT_EQ(visibleText(read), visibleText(runs)) << d->id.toStdString();
            EXPECT_TRUE(std::all_of(read.begin(), read.end(), [](const StyledRun& r) {
                return r.style.bold && r.style.foreground;
            })) << d->id.toStdString();
            continue;
        }
        EXPECT_EQ(read, runs) << d->id.toStdString();
    }
    EXPECT_EQ(copied("text"), QStringLiteral("Chromanick Dégradé"));
}

// A hand edit of the box is what is copied, not the last generated line.
TEST_F(GradientCopyForTest, TheBoxIsCopiedAsTyped) {
    model.generate();
    model.editOutput(QStringLiteral("·#·$4ab·$(000,000,255)c·0d"));
    EXPECT_EQ(copied("pluslive"), QStringLiteral("[b][c=4]ab[/c][c=#0000FF]c[/c][/b]d"));
    EXPECT_EQ(model.output(), QStringLiteral("·#·$4ab·$(000,000,255)c·0d"));
    model.editOutput(QString());
    EXPECT_EQ(copied("text"), QString());
}
