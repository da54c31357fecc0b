#include "dialects/registry.h"
#include "dialects/palettenumbers.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

TEST(Dialects, EachRowIsNamedOnceAndDoesSomething) {
    QSet<QString> ids;
    QSet<QString> copyNames;
    for (const Dialect& d : dialects()) {
        EXPECT_FALSE(d.id.isEmpty());
        EXPECT_FALSE(d.label.isEmpty()) << d.id.toStdString();
        EXPECT_FALSE(ids.contains(d.id)) << d.id.toStdString();
        ids.insert(d.id);
        EXPECT_TRUE(d.write != nullptr || d.read != nullptr) << d.id.toStdString();
        EXPECT_NE(d.length, nullptr) << d.id.toStdString();
        // A written format has its line in the CLI's help.
        EXPECT_EQ(d.write != nullptr, !d.description.isEmpty()) << d.id.toStdString();
        if (!d.copyName.isEmpty()) {
            EXPECT_FALSE(copyNames.contains(d.copyName)) << d.id.toStdString();
            copyNames.insert(d.copyName);
            EXPECT_FALSE(d.copyCaption.isEmpty()) << d.id.toStdString();
            EXPECT_NE(d.write, nullptr) << d.id.toStdString();
        }
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
