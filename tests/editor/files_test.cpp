// The main editor's file commands: project save and open, text export, and
// the save question of "Quitter" and of closing the window.
#include "core/lookalikes.h"
#include "editorfixture.h"
#include "storage/textfile.h"
#include "tests/support/exportfile.h"

#include <QDir>
#include <QFile>
#include <QMap>

using namespace chromanick;
using namespace chromanick::testing;

namespace {

// Everything the window shows, to check that a failed open changed nothing.
struct EditorView {
    NickSettings settings;
    int caret;
    int combo1;
    int combo2;
    QString caption;
    QString output;
    PreviewState preview;
    BgrColor fgCaption;
    BgrColor bgOption;
    std::optional<BgrColor> ditCaption;
    bool operator==(const EditorView&) const = default;
};

EditorView viewOf(const MainEditorModel& m) {
    return {m.settings(),
            m.caret(),
            m.prefixes().currentIndex(),
            m.suffixes().currentIndex(),
            m.lookalikeCaption(),
            m.output(),
            m.preview(),
            m.customForegroundCaptionColour(),
            m.customBackgroundOptionColour(),
            m.ditCaptionColour()};
}

QStringList readLines(const QString& path) {
    return textfile::readLines(path).value_or(QStringList());
}

class ProjectTest : public EditorTest {
protected:
    // A 39-line project file: labels on odd lines, the given values on even
    // lines (both list indices "-1" unless given).
    QString writeProject(const QString& name, QMap<int, QString> values, int lineCount = 39) {
        if (!values.contains(8)) values[8] = QStringLiteral("-1");
        if (!values.contains(10)) values[10] = QStringLiteral("-1");
        QStringList lines;
        for (int n = 1; n <= lineCount; ++n)
            lines << (n % 2 ? QStringLiteral("libellé") : values.value(n));
        const QString path = pathIn(name);
        EXPECT_TRUE(textfile::writeLines(path, lines));
        return path;
    }

    void saveAs(MainEditorModel& m, const QString& path) {
        platform.paths.push_back(path);
        m.saveProject();
    }

    // Saves the editor's choices and opens them in a freshly started editor.
    std::unique_ptr<MainEditorModel> roundTrip() {
        const QString path = pathIn(QStringLiteral("projet.nkp"));
        saveAs(*model, path);
        auto fresh = makeModel();
        EXPECT_TRUE(fresh->openProjectFile(path));
        EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp")));
        return fresh;
    }
};

}  // namespace

// --- Save ---

TEST_F(ProjectTest, SaveProposesTheNicknameAndTodayAndWritesTheLayout) {
    model->setNickname(QStringLiteral("Bob"));
    model->pickForeground(QStringLiteral("optbleu1"));
    model->pickPrefix(3);
    model->setBold(true);
    const QString path = pathIn(QStringLiteral("Bob"));
    saveAs(*model, path);

    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_EQ(platform.fileRequests[0].dialog, QStringLiteral("cmdsaveprojet"));
    EXPECT_EQ(platform.fileRequests[0].filter, QStringLiteral("Fichier Chromanick.|*.nkp"));
    EXPECT_EQ(platform.fileRequests[0].proposedName, QStringLiteral("Bob(7 12 26).nkp"));

    const QStringList lines = readLines(path);  // no extension added
    ASSERT_EQ(lines.size(), 39);
    QStringList values;
    for (int n = 2; n <= 20; n += 2) values << lines[n - 1];
    EXPECT_EQ(values.join(QLatin1Char('|')),
              QStringLiteral("optbleu1|Option20|Bob|3|-1|Oui|Non|Non|Non|Non"));
    EXPECT_EQ(lines.last(), QStringLiteral("Couleur du mot dit personnalisé ?"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ProjectTest, CancelledSaveWritesNothing) {
    model->saveProject();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ProjectTest, FailedSaveIsReported) {
    const QString path = pathIn(QStringLiteral("absent/Bob.nkp"));
    saveAs(*model, path);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("Impossible d'enregistrer le fichier : ") + path);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
}

// --- Round trips ---

TEST_F(ProjectTest, RoundTripRestoresPaletteChoicesAndLookalikes) {
    model->setNickname(QStringLiteral("Salut Lola"));
    model->pickForeground(QStringLiteral("optvert13"));
    model->pickBackground(QStringLiteral("optakaki"));
    model->pickPrefix(20);
    model->pickSuffix(20);
    model->setUnderline(true);
    model->setStrikethrough(true);
    model->setLookalike(true);
    const auto fresh = roundTrip();
    EXPECT_EQ(fresh->settings(), model->settings());
    EXPECT_EQ(fresh->nickname(), QStringLiteral("$ålµt |_ølå"));
    EXPECT_EQ(fresh->prefixes().currentIndex(), 20);
    EXPECT_EQ(fresh->suffixes().currentIndex(), 20);
    EXPECT_EQ(fresh->lookalikeCaption(), kLookalikeCaptionOn);
}

TEST_F(ProjectTest, RoundTripRestoresCustomColoursAndTheDitColour) {
    model->setNickname(QStringLiteral("Жора 😀 Aimé"));
    platform.colours = {0x0055FF, 0xFF8000, 0x0000FF};
    model->customForegroundDoubleClicked();
    model->customBackgroundDoubleClicked();
    model->setDitColourOn(true);
    model->setItalic(true);
    platform.colourRequests.clear();

    const auto fresh = roundTrip();
    EXPECT_EQ(fresh->settings(), model->settings());
    EXPECT_EQ(fresh->nickname(), QStringLiteral("Жора 😀 Aimé"));
    EXPECT_EQ(fresh->preview().textColour, 0x0055FFu);
    EXPECT_EQ(fresh->preview().backgroundColour, 0xFF8000u);
    EXPECT_EQ(fresh->ditCaptionColour(), std::optional<BgrColor>(0x0000FF));
    EXPECT_TRUE(platform.colourRequests.isEmpty());
    fresh->generate();
    model->generate();
    EXPECT_EQ(fresh->output(), model->output());
}

// --- Open ---

TEST_F(ProjectTest, OpenUsesItsDialogAndACancelOpensNothing) {
    const QString path = writeProject(QStringLiteral("a.nkp"), {{6, QStringLiteral("Premier")}});
    platform.paths.push_back(path);
    model->openProject();
    EXPECT_EQ(model->nickname(), QStringLiteral("Premier"));
    EXPECT_EQ(platform.fileRequests.value(0).dialog, QStringLiteral("cmdopenprojet"));
    EXPECT_EQ(platform.fileRequests.value(0).filter,
              QStringLiteral("Fichier Chromanick.|*.nkp|Tous les fichiers|*"));

    model->setNickname(QStringLiteral("Second"));
    const EditorView before = viewOf(*model);
    model->openProject();  // cancelled: the earlier path is not reused
    EXPECT_EQ(viewOf(*model), before);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ProjectTest, FailingFilesLeaveTheEditorUntouched) {
    model->setNickname(QStringLiteral("Travail en cours"));
    model->pickPrefix(4);
    model->setBold(true);
    const QStringList bad = {
        writeProject(QStringLiteral("index.nkp"),
                     {{6, QStringLiteral("X")}, {8, QStringLiteral("56")}}),
        writeProject(QStringLiteral("canal.nkp"), {{6, QStringLiteral("X")},
                                                   {12, QStringLiteral("Oui")},
                                                   {22, QStringLiteral("abc")},
                                                   {24, QStringLiteral("0")},
                                                   {26, QStringLiteral("0")}}),
        writeProject(QStringLiteral("vide.nkp"), {{6, QStringLiteral("X")}, {8, QString()}}),
        pathIn(QStringLiteral("absent.nkp")),
    };
    const EditorView before = viewOf(*model);
    for (const QString& path : bad) {
        platform.messages.clear();
        EXPECT_FALSE(model->openProjectFile(path)) << path.toStdString();
        EXPECT_EQ(viewOf(*model), before) << path.toStdString();
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages[0].text,
                  QStringLiteral("Impossible d'ouvrir le fichier : ") + path);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    }
}

TEST_F(ProjectTest, OpenOnlyTicksBoxes) {
    model->setBold(true);
    const QString path = writeProject(QStringLiteral("p.nkp"), {{6, QStringLiteral("Bob")},
                                                                {12, QStringLiteral("Non")},
                                                                {16, QStringLiteral("Oui")},
                                                                {20, QStringLiteral("oui")}});
    ASSERT_TRUE(model->openProjectFile(path));
    EXPECT_TRUE(model->bold());
    EXPECT_TRUE(model->italic());
    EXPECT_FALSE(model->lookalike());
    EXPECT_EQ(model->preview().text, QStringLiteral("Bob"));
    EXPECT_TRUE(model->preview().italic);
}

TEST_F(ProjectTest, OpenRestoresTheDitColourWithoutItsDialog) {
    model->setDitSuppressed(true);
    const QString path = writeProject(
        QStringLiteral("dit.nkp"),
        {{34, QStringLiteral("255")}, {36, QStringLiteral("000")}, {38, QStringLiteral("000")}});
    ASSERT_TRUE(model->openProjectFile(path));
    EXPECT_TRUE(model->ditColourOn());
    EXPECT_EQ(model->ditColour(), 0x0000FFu);
    EXPECT_TRUE(platform.colourRequests.isEmpty());
    // Everything else that ticking the box does still happens.
    EXPECT_FALSE(model->ditSuppressed());
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(ProjectTest, OpenRestoresTheCustomBackgroundForItsDialog) {
    model->setNickname(QStringLiteral("x"));
    const QString path = writeProject(QStringLiteral("bg.nkp"), {{6, QStringLiteral("abc")},
                                                                 {28, QStringLiteral("0")},
                                                                 {30, QStringLiteral("128")},
                                                                 {32, QStringLiteral("300")}});
    ASSERT_TRUE(model->openProjectFile(path));
    EXPECT_EQ(model->backgroundOption(), QStringLiteral("optaperso"));
    EXPECT_EQ(model->customBackground(), 0xFF8000u);  // a channel above 255 counts as 255
    EXPECT_EQ(model->preview().backgroundColour, 0xFF8000u);
    EXPECT_EQ(model->customBackgroundOptionColour(), 0xFF8000u);
    model->customBackgroundDoubleClicked();
    EXPECT_EQ(platform.colourRequests.value(0).current, 0xFF8000u);
}

TEST_F(ProjectTest, PaletteNamesApplyAfterTheCustomColourAndOnlyInTheirGroup) {
    const QString path = writeProject(QStringLiteral("noms.nkp"), {{2, QStringLiteral("optbleu1")},
                                                                   {4, QStringLiteral("optbleu1")},
                                                                   {6, QStringLiteral("abc")},
                                                                   {22, QStringLiteral("255")},
                                                                   {24, QStringLiteral("0")},
                                                                   {26, QStringLiteral("0")}});
    ASSERT_TRUE(model->openProjectFile(path));
    EXPECT_EQ(model->foregroundOption(), QStringLiteral("optbleu1"));
    EXPECT_EQ(model->customForeground(), 0x0000FFu);
    EXPECT_EQ(model->backgroundOption(), QStringLiteral("Option20"));
}

TEST_F(ProjectTest, ShortFileSelectsTheFirstDecorations) {
    model->pickPrefix(7);
    const QString path = writeProject(QStringLiteral("court.nkp"), {{6, QStringLiteral("Bob")}}, 6);
    ASSERT_TRUE(model->openProjectFile(path));
    EXPECT_EQ(model->nickname(), QStringLiteral("Bob"));
    EXPECT_EQ(model->prefixes().currentIndex(), 0);
    EXPECT_EQ(model->suffixes().currentIndex(), 0);
}

// --- Text export and the save question ---

class ExportTest : public EditorTest {
protected:
    ExportTest() {
        model->setNickname(QStringLiteral("abc"));
        model->generate();
    }
    const ScriptedPlatform::Message& onlyMessage() {
        EXPECT_EQ(platform.messages.size(), 1);
        return platform.messages.front();
    }
};

TEST_F(ExportTest, MenuExportWritesTheCodeWithThePlainSignature) {
    const QString path = pathIn(QStringLiteral("pseudo"));
    platform.paths.push_back(path);
    model->exportText();
    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_EQ(platform.fileRequests[0].dialog, QStringLiteral("cmdialsave"));
    EXPECT_EQ(platform.fileRequests[0].filter, QStringLiteral("Fichier Texte.|*.txt"));
    EXPECT_TRUE(platform.fileRequests[0].proposedName.isEmpty());
    EXPECT_TRUE(platform.messages.isEmpty());

    const QStringList lines = exportLines(path);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Pseudo créé le : ")));
    EXPECT_EQ(lines[4], QStringLiteral("·$1abc·0"));
    EXPECT_EQ(lines[6], QStringLiteral("Pseudo créé avec Chromanick6.00"));
    EXPECT_TRUE(lines[7].endsWith(QStringLiteral(", Tiwakan")));
}

TEST_F(ExportTest, CancelledExportNeverReusesTheEarlierPath) {
    const QString path = pathIn(QStringLiteral("pseudo.txt"));
    platform.paths.push_back(path);
    model->exportText();
    const QByteArray first = textfile::readAll(path).value_or(QByteArray());
    model->setNickname(QStringLiteral("autre"));
    model->generate();
    model->exportText();
    EXPECT_EQ(textfile::readAll(path).value_or(QByteArray()), first);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ExportTest, FailedExportIsReported) {
    const QString path = pathIn(QStringLiteral("absent/pseudo.txt"));
    platform.paths.push_back(path);
    model->exportText();
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Impossible d'enregistrer le fichier : ") + path);
    EXPECT_EQ(onlyMessage().icon, MessageIcon::Critical);
}

TEST_F(ExportTest, QuitAsksFirst) {
    platform.answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(model->quitRequested());
    const auto& question = onlyMessage();
    EXPECT_EQ(question.text, QStringLiteral("Voulez vous enregistrer votre pseudo?"));
    EXPECT_EQ(question.title, QStringLiteral("Chromanick"));  // the program's title
    EXPECT_EQ(question.icon, MessageIcon::Information);
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(platform.fileRequests.isEmpty());
}

TEST_F(ExportTest, CancelKeepsTheWindowOpen) {
    platform.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(model->closeRequested());
    EXPECT_TRUE(platform.fileRequests.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ExportTest, YesEndsOnlyWhenTheFileIsWritten) {
    // Dialog cancelled: nothing written, the window stays.
    platform.answers.push_back(MessageAnswer::Yes);
    EXPECT_FALSE(model->quitRequested());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // Write failed: reported, the window stays.
    const QString bad = pathIn(QStringLiteral("absent/x.txt"));
    platform.answers.push_back(MessageAnswer::Yes);
    platform.paths.push_back(bad);
    EXPECT_FALSE(model->closeRequested());
    EXPECT_EQ(platform.messages.last().text,
              QStringLiteral("Impossible d'enregistrer le fichier : ") + bad);

    const QString good = pathIn(QStringLiteral("x.txt"));
    platform.answers.push_back(MessageAnswer::Yes);
    platform.paths.push_back(good);
    EXPECT_TRUE(model->quitRequested());
    EXPECT_TRUE(exportLines(good).value(7).endsWith(QStringLiteral(", Tiwakan")));
}

TEST_F(ExportTest, ClosingSignsWithAFullStop) {
    const QString path = pathIn(QStringLiteral("x.txt"));
    platform.answers.push_back(MessageAnswer::Yes);
    platform.paths.push_back(path);
    EXPECT_TRUE(model->closeRequested());
    EXPECT_TRUE(exportLines(path).value(7).endsWith(QStringLiteral(", Tiwakan.")));
}

TEST_F(ProjectTest, NicknameWithLineBreaksIsSavedAndReopenedWhole) {
    model->setNickname(QStringLiteral("line1\nline2\r\nline3"));
    saveAs(*model, pathIn(QStringLiteral("nl.nkp")));
    EXPECT_TRUE(platform.messages.isEmpty());
    auto reopened = makeModel();
    ASSERT_TRUE(reopened->openProjectFile(pathIn(QStringLiteral("nl.nkp"))));
    EXPECT_EQ(reopened->nickname(), QStringLiteral("line1 line2 line3"));
    // A lone CR inside line 6 of a file written elsewhere.
    QFile file(pathIn(QStringLiteral("nl.nkp")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll().replace("line1 line2", "line1\rline2");
    ASSERT_TRUE(file.seek(0) && file.write(bytes) == bytes.size());
    file.close();
    ASSERT_TRUE(reopened->openProjectFile(pathIn(QStringLiteral("nl.nkp"))));
    EXPECT_EQ(reopened->nickname(), QStringLiteral("line1 line2 line3"));
}

TEST_F(ProjectTest, ProjectWrittenInUtf8WithoutAMarkOpensAsWritten) {
    model->setNickname(QStringLiteral("Bebe"));
    saveAs(*model, pathIn(QStringLiteral("utf8.nkp")));
    // Rewritten by a text editor that saves UTF-8 without a mark.
    QFile file(pathIn(QStringLiteral("utf8.nkp")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray utf8 =
        QString::fromLatin1(file.readAll()).replace("Bebe", QStringLiteral("Bébé ☺")).toUtf8();
    file.close();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(utf8), utf8.size());
    file.close();
    auto reopened = makeModel();
    ASSERT_TRUE(reopened->openProjectFile(pathIn(QStringLiteral("utf8.nkp"))));
    EXPECT_EQ(reopened->nickname(), QStringLiteral("Bébé ☺"));
}
