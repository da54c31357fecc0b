// Saving the gradient code as text: the questions and every outcome, the
// cancelled dialog and the failed write included.
#include "tests/support/exportfile.h"
#include "tests/support/scriptedplatform.h"
#include "ui/gradient/gradientmodel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

const QString kFailureText = QStringLiteral("Impossible d'enregistrer le fichier : ");

class GradientSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        model.setNickname(QStringLiteral("abcdefg"));
        model.generate();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    // A path that cannot be written: its folder is a regular file.
    QString unwritablePath() {
        QFile blocker(path(QStringLiteral("blocker")));
        blocker.open(QIODevice::WriteOnly);
        return path(QStringLiteral("blocker/out.txt"));
    }
    QStringList linesOf(const QString& file) const {
        return chromanick::testing::exportLines(file);
    }
    bool noFilesWritten() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty();
    }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    GradientEditorModel model{platform,
                              [] { return QDateTime(QDate(2026, 12, 7), QTime(17, 45, 12)); }};
};

// quit (mnuexit) and close share the three-way question and its outcomes.
class GradientLeaveTest : public GradientSaveTest, public ::testing::WithParamInterface<bool> {
protected:
    bool leave() { return GetParam() ? model.quitRequested() : model.closeRequested(); }
};

}  // namespace

TEST_F(GradientSaveTest, MenuSaveAsksYesNoAndWritesTheElevenLineLayout) {
    platform.answers = {MessageAnswer::Yes};
    platform.paths = {path(QStringLiteral("pseudo"))};
    model.saveRequested();

    ASSERT_EQ(platform.messages.size(), 1);
    const auto& question = platform.messages[0];
    EXPECT_EQ(question.text, QStringLiteral("Voulez vous enregistré votre pseudo?"));
    EXPECT_EQ(question.title, QStringLiteral("Enregistrer le code de votre pseudo?"));
    EXPECT_EQ(question.icon, MessageIcon::Information);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);

    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_EQ(platform.fileRequests[0].dialog, QStringLiteral("cmdialsave"));
    EXPECT_EQ(platform.fileRequests[0].filter, QStringLiteral("Fichier Texte.|*.txt"));
    EXPECT_TRUE(platform.fileRequests[0].proposedName.isEmpty());
    EXPECT_TRUE(platform.fileRequests[0].save);

    const QStringList lines = linesOf(path(QStringLiteral("pseudo")));  // no extension added
    ASSERT_EQ(lines.size(), 11);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Pseudo créé le : ")));
    EXPECT_EQ(lines[4], model.output());
}

TEST_F(GradientSaveTest, MenuSaveAnsweredNoWritesNothing) {
    platform.answers = {MessageAnswer::No};
    model.saveRequested();
    EXPECT_TRUE(platform.fileRequests.isEmpty());
    EXPECT_TRUE(noFilesWritten());
}

TEST_F(GradientSaveTest, MenuSaveWithACancelledDialogWritesAndShowsNothing) {
    platform.answers = {MessageAnswer::Yes};
    model.saveRequested();
    EXPECT_EQ(platform.messages.size(), 1);  // the question only
    EXPECT_TRUE(noFilesWritten());
}

TEST_F(GradientSaveTest, MenuSaveThatFailsIsReportedWithThePath) {
    const QString target = unwritablePath();
    platform.answers = {MessageAnswer::Yes};
    platform.paths = {target};
    model.saveRequested();

    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[1].text, kFailureText + target);
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages[1].buttons, MessageButtons::Ok);
}

TEST_F(GradientSaveTest, AnExistingFileIsReplacedWhole) {
    const QString target = path(QStringLiteral("old.txt"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(4000, 'Z'));
    old.close();

    platform.answers = {MessageAnswer::Yes};
    platform.paths = {target};
    model.saveRequested();
    EXPECT_EQ(linesOf(target).size(), 11);
    EXPECT_FALSE(textfile::readAll(target).value_or(QByteArray()).contains("ZZ"));
}

TEST_P(GradientLeaveTest, AsksTheThreeWayQuestion) {
    platform.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(leave());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Voulez vous enregistré votre pseudo?"));
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Enregistrer le code de votre pseudo?"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(platform.fileRequests.isEmpty());
}

TEST_P(GradientLeaveTest, NoEndsWithoutWriting) {
    platform.answers = {MessageAnswer::No};
    EXPECT_TRUE(leave());
    EXPECT_TRUE(platform.fileRequests.isEmpty());
    EXPECT_TRUE(noFilesWritten());
}

TEST_P(GradientLeaveTest, YesEndsOnceTheFileIsWritten) {
    platform.answers = {MessageAnswer::Yes};
    platform.paths = {path(QStringLiteral("fin.txt"))};
    EXPECT_TRUE(leave());
    EXPECT_EQ(linesOf(path(QStringLiteral("fin.txt"))).size(), 11);
}

TEST_P(GradientLeaveTest, YesWithACancelledDialogStaysOpen) {
    platform.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(leave());
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(noFilesWritten());
}

TEST_P(GradientLeaveTest, YesWithAFailedWriteReportsItAndStaysOpen) {
    const QString target = unwritablePath();
    platform.answers = {MessageAnswer::Yes};
    platform.paths = {target};
    EXPECT_FALSE(leave());
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[1].text, kFailureText + target);
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Critical);
}

INSTANTIATE_TEST_SUITE_P(QuitAndClose, GradientLeaveTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Quit" : "Close"; });
