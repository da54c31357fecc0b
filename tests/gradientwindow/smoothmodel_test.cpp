// The gradient editor's smooth gradient, driven through its model.
#include "gradient/smooth.h"
#include "storage/textfile.h"
#include "tests/support/scriptedplatform.h"
#include "ui/gradient/gradientmodel.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

class SmoothModelTest : public ::testing::Test {
protected:
    SmoothModelTest() { model.setNickname(QStringLiteral("abcdefgh")); }

    QString fiveSegmentCode() const { return Genere_Degrade(model.settings(), model.split()); }
    QString smoothCode(int row) const {
        return smoothGradientCode(model.settings(), smoothStopsOfRow(model.settings(), row),
                                  model.smoothStep());
    }
    QString lengthText(const QString& code) const {
        const QString text = QStringLiteral("Longueur du code : %1 caractères").arg(code.size());
        return code.size() > 129 ? text + QStringLiteral(" (un pseudo Messenger en garde 129)")
                                 : text;
    }

    ScriptedPlatform platform;
    GradientEditorModel model{platform,
                              [] { return QDateTime(QDate(2026, 12, 9), QTime(10, 0, 0)); }};
};

}  // namespace

TEST_F(SmoothModelTest, StartsOffAndGeneratesTheFiveSegmentCode) {
    EXPECT_FALSE(model.smoothEnabled());
    EXPECT_EQ(model.smoothStep(), 1);
    model.generate();
    EXPECT_EQ(model.output(), QStringLiteral("·$55ab·$46cd·$37ef·$19gh·$18·0"));
    EXPECT_EQ(model.codeLengthText(), lengthText(model.output()));
}

TEST_F(SmoothModelTest, OnGeneratesCopiesAndCountsTheSmoothCode) {
    int changes = 0;
    QObject::connect(&model, &GradientEditorModel::changed, [&changes] { ++changes; });
    model.setSmoothEnabled(true);
    model.setSmoothStep(3);
    EXPECT_EQ(changes, 2);
    model.selectRow(12);
    model.setBold(true);
    const QString expected = smoothCode(12);
    EXPECT_TRUE(model.codeLengthText().isEmpty());  // the credit note is no code
    model.generate();
    EXPECT_EQ(model.codeLengthText(), lengthText(expected));
    EXPECT_EQ(model.output(), expected);
    EXPECT_EQ(platform.clipboard, expected);
    // Row 12's preview colours, first, middle and last over three groups.
    EXPECT_EQ(expected,
              QStringLiteral("·#·$(000,128,000)abc·$(000,255,000)def·$(192,255,192)gh·0"));

    // The count is the output box's: a new nickname changes it only once
    // generated, an edit of the box at once.
    model.setNickname(QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(model.codeLengthText(), lengthText(expected));
    EXPECT_EQ(model.output(), expected);
    model.editOutput(QString(130, QLatin1Char('x')));
    EXPECT_EQ(model.codeLengthText(), lengthText(model.output()));
    EXPECT_TRUE(model.codeTooLong());

    model.setSmoothEnabled(false);
    model.generate();
    EXPECT_EQ(model.output(), fiveSegmentCode());
}

TEST_F(SmoothModelTest, TheStepStaysWithinOneToFifty) {
    model.setSmoothStep(0);
    EXPECT_EQ(model.smoothStep(), 1);
    model.setSmoothStep(51);
    EXPECT_EQ(model.smoothStep(), kSmoothStepMax);
    model.setSmoothStep(7);
    EXPECT_EQ(model.smoothStep(), 7);
}

TEST_F(SmoothModelTest, PreviewRowsUseTheirOwnStops) {
    model.setSmoothEnabled(true);
    model.setSmoothStep(2);
    for (int row : {0, 17, 35}) {
        EXPECT_EQ(model.smoothPreview(row, -1),
                  smoothGroupColours(smoothStopsOfRow(model.settings(), row), 8, 2))
            << row;
    }
    // The custom row: uncoloured until a colour is picked, then the picked
    // slots in slot order.
    EXPECT_TRUE(model.smoothPreview(kGradientCustomRow, -1).isEmpty());
    platform.colours = {bgrFromRgb(0, 0, 255), bgrFromRgb(255, 0, 0)};
    model.pickCustomColour(4);
    model.pickCustomColour(1);
    const QList<BgrColor> custom = model.smoothPreview(kGradientCustomRow, -1);
    ASSERT_EQ(custom.size(), 4);
    EXPECT_EQ(custom.front(), bgrFromRgb(255, 0, 0));
    EXPECT_EQ(custom.back(), bgrFromRgb(0, 0, 255));
    model.selectRow(kGradientCustomRow);
    model.generate();
    EXPECT_TRUE(model.output().startsWith(QStringLiteral("·$(255,000,000)ab·$(")));
    // The preview may stop early; the colours are still the whole nickname's.
    EXPECT_EQ(model.smoothPreview(0, 3), model.smoothPreview(0, -1).mid(0, 2));
}

TEST_F(SmoothModelTest, NouveauTurnsItOffAndKeepsTheStep) {
    model.setSmoothEnabled(true);
    model.setSmoothStep(4);
    model.reset();
    EXPECT_FALSE(model.smoothEnabled());
    EXPECT_EQ(model.smoothStep(), 4);
    model.generate();
    EXPECT_EQ(model.output(), fiveSegmentCode());
}

TEST_F(SmoothModelTest, TheExportHoldsTheSmoothCode) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    model.setSmoothEnabled(true);
    model.generate();
    platform.answers = {MessageAnswer::Yes};
    platform.paths = {dir.filePath(QStringLiteral("pseudo.txt"))};
    model.saveRequested();
    const QStringList lines =
        textfile::readLines(dir.filePath(QStringLiteral("pseudo.txt"))).value_or(QStringList());
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[4], smoothCode(0));
}

TEST_F(SmoothModelTest, ANicknamePastTheTypingLimitIsGeneratedWhole) {
    model.setSmoothEnabled(true);
    model.setNickname(QString(70, QLatin1Char('z')));
    EXPECT_EQ(model.nickname().size(), 70);
    model.generate();
    EXPECT_EQ(model.output(), smoothCode(0));
}
