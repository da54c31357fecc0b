#include "dialects/registry.h"
#include "dialects/codeformats.h"
#include "dialects/plus3.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

TEST(Dialects, EachRowIsNamedOnceAndDoesSomething) {
    QSet<QString> ids;
    for (const Dialect& d : dialects()) {
        EXPECT_FALSE(d.id.isEmpty());
        EXPECT_FALSE(d.label.isEmpty()) << d.id.toStdString();
        EXPECT_FALSE(ids.contains(d.id)) << d.id.toStdString();
        ids.insert(d.id);
        EXPECT_TRUE(d.write != nullptr || d.read != nullptr) << d.id.toStdString();
        EXPECT_NE(d.length, nullptr) << d.id.toStdString();
        EXPECT_FALSE(d.unit.isEmpty()) << d.id.toStdString();
        // A written format has its line in the CLI's help.
        EXPECT_EQ(d.write != nullptr, !d.description.isEmpty()) << d.id.toStdString();
    }
}

TEST(Dialects, FindsFormatsByTheirCommandLineName) {
    ASSERT_NE(findDialect(QStringLiteral("bbcode")), nullptr);
    EXPECT_FALSE(findDialect(QStringLiteral("bbcode"))->expresses.background);
    EXPECT_TRUE(findDialect(QStringLiteral("html"))->expresses.background);
    EXPECT_EQ(findDialect(QStringLiteral("rtf")), nullptr);
    EXPECT_EQ(findDialect(QStringLiteral("HTML")), nullptr);
}

TEST(Dialects, ThePlusReaderReadsWithTheProgramsPalette) {
    const Dialect* plus = findDialect(QStringLiteral("plus3"));
    ASSERT_NE(plus, nullptr);
    ASSERT_NE(plus->read, nullptr);
    const QString line = QStringLiteral("·#·$4ab·0c");
    EXPECT_EQ(plus->read(line), readPlusCode(line));
    EXPECT_EQ(plus->length(line), line.size());
}

TEST(Dialects, EachReadingUsesAFormatsReaderAndThePlusCodesComeFirst) {
    QSet<QString> ids, labels;
    for (const Reading& r : readings()) {
        EXPECT_FALSE(ids.contains(r.id)) << r.id.toStdString();
        EXPECT_FALSE(labels.contains(r.label)) << r.id.toStdString();
        ids.insert(r.id);
        labels.insert(r.label);
        EXPECT_FALSE(r.description.isEmpty()) << r.id.toStdString();
        const Dialect* format = findDialect(r.format);
        ASSERT_NE(format, nullptr) << r.id.toStdString();
        ASSERT_NE(format->read, nullptr) << r.id.toStdString();
        EXPECT_EQ(findReading(r.id), &r);
    }
    EXPECT_EQ(readings().front().id, QStringLiteral("plus"));
    const QString line = QStringLiteral("·#a&lb<b>c");
    EXPECT_EQ(findReading(QStringLiteral("plus"))->read(line), readPlusCode(line));
    EXPECT_EQ(visibleText(findReading(QStringLiteral("minecraft"))->read(line)),
              QStringLiteral("·#ab<b>c"));
    EXPECT_EQ(visibleText(findReading(QStringLiteral("minimessage"))->read(line)),
              QStringLiteral("·#a&lbc"));
    EXPECT_EQ(findReading(QStringLiteral("plus3")), nullptr);
}

TEST(Dialects, EveryWriterWritesEveryRunOfALine) {
    const QList<StyledRun> runs = readPlusCode(QStringLiteral("·$,4·#x·0y"));
    for (const Dialect& d : dialects()) {
        if (d.write == nullptr) continue;
        const QString written = d.write(runs);
        EXPECT_TRUE(written.contains(u'x')) << d.id.toStdString();
        EXPECT_TRUE(written.contains(u'y')) << d.id.toStdString();
    }
}

}  // namespace

namespace {

// Both Messenger Plus! formats are read back by the Plus! reader, and a
// Messenger name keeps 129 characters, codes included.
TEST(Dialects, MessengerFormatsAreReadBackAndLimitedToANickname) {
    const QList<StyledRun> runs = readPlusCode(QStringLiteral("·$4,8a·#b·$(001,002,003)c"));
    for (const char* id : {"plus3", "pluslive"}) {
        const Dialect* d = findDialect(QLatin1StringView(id));
        ASSERT_NE(d, nullptr) << id;
        ASSERT_NE(d->read, nullptr) << id;
        EXPECT_EQ(d->read(d->write(runs)), runs) << id;
        EXPECT_EQ(d->limit, 129) << id;
        EXPECT_EQ(d->length(QStringLiteral("·#é")), 3) << id;
    }
    // The formats that are not a chat's have no limit.
    for (const char* id : {"text", "runs", "html", "bbcode", "ansi"})
        EXPECT_EQ(findDialect(QLatin1StringView(id))->limit, 0) << id;
}

}  // namespace

namespace {

// What a format loses of a line: only what the line uses and the format
// cannot show, in the order colour, background, styles.
TEST(Dialects, NamesWhatAFormatCannotShowOfALine) {
    const auto lost = [](const char* id, const QString& line) {
        return notShown(findDialect(QLatin1StringView(id))->expresses, readPlusCode(line))
            .join(QStringLiteral(", "));
    };
    const QString busy = QStringLiteral("·$4,8·#·&a·'b");
    EXPECT_EQ(lost("discord", busy), QStringLiteral("italique, barré, couleurs exactes"));
    EXPECT_EQ(lost("bbcode", busy), QStringLiteral("fond"));
    EXPECT_EQ(lost("text", busy), QStringLiteral("couleur du texte, fond, gras, italique, barré"));
    EXPECT_EQ(lost("plus3", busy), QString());
    // Red 4 is one of IRC's colours; (001,002,003) is not.
    EXPECT_EQ(lost("irc", QStringLiteral("·$4,1·@x")), QString());
    EXPECT_EQ(lost("irc", QStringLiteral("·$4,1x·$,(001,002,003)y")),
              QStringLiteral("couleurs exactes"));
    // A plain line loses nothing anywhere.
    for (const Dialect& d : dialects())
        EXPECT_TRUE(notShown(d.expresses, readPlusCode(QStringLiteral("abc"))).isEmpty());
    EXPECT_EQ(lost("discord", QStringLiteral("·&·@x")), QStringLiteral("italique"));
}

}  // namespace
