// Very long nicknames: a project of a million characters saved and opened
// through the real editor model, and typing in the real main window with ten
// thousand characters already in the box. Only the results are checked;
// how long these take is measured by the benchmarks (bench/).
#include "tests/support/scriptedplatform.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

QDateTime fixedNow() {
    return QDateTime(QDate(2026, 12, 7), QTime(17, 45, 12));
}

// `length` characters cycling through `alphabet`.
QString repeated(const QString& alphabet, qsizetype length) {
    QString text;
    text.reserve(length);
    while (text.size() < length) text += alphabet.left(length - text.size());
    return text;
}

}  // namespace

TEST(NicknameStress, AMillionCharacterProjectSavesAndOpensUnchanged) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Windows-1252 text, then text only UTF-8 can hold.
    const QStringList alphabets = {QStringLiteral("Tiwakan é€¨°o.O, \"x\" "),
                                   QStringLiteral("Pseudo ☺ ♥ ДЖ 漢字 ")};
    for (const QString& alphabet : alphabets) {
        SCOPED_TRACE(alphabet.toStdString());
        const QString nickname = repeated(alphabet, 1000000);
        const QString path = dir.filePath(QStringLiteral("long.nkp"));

        ScriptedPlatform platform;
        MainEditorModel saved(platform, fixedNow);
        saved.fillDecorationLists({}, {});
        saved.setNickname(nickname);
        saved.setBold(true);
        saved.pickPrefix(3);
        saved.pickSuffix(3);
        platform.paths = {path};
        saved.saveProject();
        EXPECT_TRUE(platform.messages.isEmpty());

        MainEditorModel opened(platform, fixedNow);
        opened.fillDecorationLists({}, {});
        platform.paths = {path};
        opened.openProject();
        EXPECT_TRUE(platform.messages.isEmpty());
        EXPECT_EQ(opened.nickname(), nickname);
        EXPECT_EQ(opened.settings(), saved.settings());
        EXPECT_EQ(opened.prefixes().currentIndex(), 3);
    }
}

TEST(NicknameStress, TypingAfterTenThousandCharactersGoesThroughTheLookAlikes) {
    ScriptedPlatform platform;
    MainEditorModel model(platform, fixedNow);
    model.fillDecorationLists({}, {});
    MainWindow window(model);
    window.show();
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* lookAlikes = window.findChild<QCheckBox*>(QStringLiteral("chkcaracspe"));
    ASSERT_TRUE(box && lookAlikes);

    // The box behaves as after a paste of 10,000 characters.
    const QString pasted = repeated(QStringLiteral("Tiwakan les couleurs "), 10000);
    box->setText(pasted);
    emit box->textEdited(box->text());
    lookAlikes->click();
    ASSERT_TRUE(model.lookalike());
    ASSERT_EQ(box->text().size(), pasted.size());

    const QString typed = QStringLiteral("salut");
    for (const QChar c : typed) {
        box->setCursorPosition(int(box->text().size()));
        QTest::keyClick(box, c.toLatin1());
        QCoreApplication::processEvents();
    }
    // Each letter went through the look-alike rewriting.
    EXPECT_EQ(box->text().size(), pasted.size() + typed.size());
    EXPECT_EQ(model.nickname(), box->text());
    EXPECT_NE(model.nickname().right(typed.size()), typed);

    model.generate();
    EXPECT_FALSE(model.output().isEmpty());
}
