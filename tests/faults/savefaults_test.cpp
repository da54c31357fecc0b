// The main editor's saves on a disk that refuses writes: the project and the
// text export report the failure, the program stays open and the previous
// file is left byte for byte, with no stray working file.
#include "faultydisk.h"
#include "storage/projectfile.h"
#include "tests/support/scriptedplatform.h"
#include "ui/editor/mainmodel.h"

#include <gtest/gtest.h>

using namespace chromanick;
using namespace chromanick::testing;

namespace {

const QString kSaveFailure = QStringLiteral("Impossible d'enregistrer le fichier : ");

class EditorSaveFault : public FaultyDiskTest {
protected:
    void SetUp() override {
        FaultyDiskTest::SetUp();
        if (IsSkipped()) return;
        model = std::make_unique<MainEditorModel>(
            platform, [] { return QDateTime(QDate(2026, 12, 7), QTime(17, 45, 12)); });
        model->fillDecorationLists({}, {});
        model->setNickname(QStringLiteral("Nouveau pseudo"));
        model->setBold(true);
        model->generate();
        platform.clipboard.reset();
    }

    // The one message shown: the critical save failure for `path`.
    void expectSaveFailureReported(const QString& path) {
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages[0].text, kSaveFailure + path);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    }

    ScriptedPlatform platform;
    std::unique_ptr<MainEditorModel> model;
};

// A real project file, as an earlier save left it.
QByteArray previousProject(const QString& scratch) {
    ProjectSnapshot snapshot;
    snapshot.settings.Nickname = QStringLiteral("Ancien pseudo");
    EXPECT_TRUE(saveProject(scratch, snapshot));
    QByteArray bytes = fileBytes(scratch);
    QFile::remove(scratch);
    return bytes;
}

}  // namespace

TEST_P(EditorSaveFault, ProjectSaveIsReportedAndKeepsThePreviousProject) {
    QTemporaryDir scratch;
    const QByteArray previous = previousProject(scratch.filePath(QStringLiteral("p.nkp")));
    ASSERT_FALSE(previous.isEmpty());
    const QString path = previousFileThenFault(QStringLiteral("pseudo.nkp"), previous);

    platform.paths = {path};
    model->saveProject();
    expectSaveFailureReported(path);
    expectUntouched(path, previous);
    EXPECT_FALSE(QFile::exists(projectWorkingPath(path)));

    // The editor is as it was, and the previous project still opens.
    EXPECT_EQ(model->nickname(), QStringLiteral("Nouveau pseudo"));
    platform.paths = {path};
    model->openProject();
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(model->nickname(), QStringLiteral("Ancien pseudo"));
}

TEST_P(EditorSaveFault, ExportIsReportedAndKeepsThePreviousText) {
    const QByteArray previous = "Ancien export\r\n";
    const QString path = previousFileThenFault(QStringLiteral("pseudo.txt"), previous);

    platform.paths = {path};
    model->exportText();
    expectSaveFailureReported(path);
    expectUntouched(path, previous);
}

TEST_P(EditorSaveFault, AFailedExportOnQuittingOrClosingKeepsTheProgramOpen) {
    const QByteArray previous = "Ancien export\r\n";
    const QString path = previousFileThenFault(QStringLiteral("pseudo.txt"), previous);

    platform.answers = {MessageAnswer::Yes};
    platform.paths = {path};
    EXPECT_FALSE(model->quitRequested());
    platform.answers = {MessageAnswer::Yes};
    platform.paths = {path};
    EXPECT_FALSE(model->closeRequested());

    ASSERT_EQ(platform.messages.size(), 4);  // question, failure, question, failure
    EXPECT_EQ(platform.messages[1].text, kSaveFailure + path);
    EXPECT_EQ(platform.messages[3].text, kSaveFailure + path);
    EXPECT_EQ(platform.messages[3].icon, MessageIcon::Critical);
    expectUntouched(path, previous);
}

INSTANTIATE_TEST_SUITE_P(Disk, EditorSaveFault,
                         ::testing::Values(DiskFault::ReadOnly, DiskFault::Full), faultName);
