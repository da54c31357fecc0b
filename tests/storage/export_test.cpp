#include "core/appinfo.h"
#include "storage/textexport.h"
#include "storage/textfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

const QDateTime kWhen(QDate(2026, 12, 7), QTime(17, 45, 12));
const QLocale kFrench(QLocale::French, QLocale::France);

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(TextExport, DateInTheSystemShortDateAndLongTime) {
    EXPECT_EQ(exportDateTime(kWhen, kFrench), QStringLiteral("07/12/2026 17:45:12"));
    EXPECT_FALSE(exportDateTime(kWhen, QLocale(QLocale::English, QLocale::UnitedStates))
                     .contains(QStringLiteral("UTC")));
    EXPECT_EQ(exportVersion(), QStringLiteral("6.00"));
}

TEST(TextExport, MainEditorLayoutByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pseudo"));  // no extension added
    const QString code = QStringLiteral("·#·$12abc·0");
    ASSERT_TRUE(writeExport(path, mainEditorExport(code, kWhen, ExportSignature::Plain, kFrench)));
    const QString expected = QStringLiteral(
                                 "Pseudo créé le : 07/12/2026 17:45:12\r\n\r\n"
                                 "Le code couleur à copier :\r\n\r\n") +
                             code + QStringLiteral("\r\n\r\nPseudo créé avec Chromanick6.00\r\n") +
                             appinfo::kProductSite + QStringLiteral(", Tiwakan\r\n");
    // UTF-8 without a byte-order mark, as terminals and editors read it.
    EXPECT_EQ(fileBytes(path), expected.toUtf8());

    const QStringList closing =
        mainEditorExport(QString(), kWhen, ExportSignature::Closing, kFrench);
    ASSERT_EQ(closing.size(), 8);
    EXPECT_EQ(closing[4], QString());
    EXPECT_EQ(closing[7], appinfo::kProductSite + QStringLiteral(", Tiwakan."));
}

TEST(TextExport, GradientEditorLayout) {
    const QStringList lines = gradientEditorExport(QStringLiteral("·$55a·0"), kWhen, kFrench);
    const QStringList expected = {
        QStringLiteral("Pseudo créé le : 07/12/2026 17:45:12"),
        QString(),
        QStringLiteral("Le code couleur à copier :"),
        QString(),
        QStringLiteral("·$55a·0"),
        QString(),
        QString(),
        QStringLiteral("Pseudo créé avec Chromanick Dégradé6.00"),
        QString(),
        QStringLiteral("Merci, Tiwakan"),
        QStringLiteral("N'oubiez pas de visiter ") + appinfo::kProductSite,
    };
    EXPECT_EQ(lines, expected);
}

TEST(TextExport, MultiLineCodePushesTheLaterLinesDown) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.txt"));
    ASSERT_TRUE(writeExport(
        path, gradientEditorExport(QStringLiteral("un\ndeux\r\ntrois"), kWhen, kFrench)));
    const QStringList lines = *textfile::readLines(path);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines.mid(4, 3), (QStringList{"un", "deux", "trois"}));
    EXPECT_TRUE(fileBytes(path).contains("un\r\ndeux\r\ntrois\r\n"));
}

TEST(TextExport, AnyNicknameIsWrittenAsUtf8WithoutBomAndFailuresReport) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.txt"));
    ASSERT_TRUE(textfile::writeAll(path, QByteArray(10000, 'z')));
    const QStringList lines =
        mainEditorExport(QStringLiteral("·$1Жека😀·0"), kWhen, ExportSignature::Plain, kFrench);
    ASSERT_TRUE(writeExport(path, lines));
    EXPECT_FALSE(fileBytes(path).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(fileBytes(path), textfile::joinLines(lines).toUtf8());

    QString error;
    EXPECT_FALSE(writeExport(QString(), lines, &error));
    EXPECT_FALSE(writeExport(dir.filePath(QStringLiteral("no/such/x.txt")), lines, &error));
    EXPECT_FALSE(error.isEmpty());
}
