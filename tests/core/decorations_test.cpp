#include "core/decorations.h"
#include "core/emoticons.h"

#include <QSet>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace chromanick;

TEST(BuiltinDecorations, FiftySixPairsStartingEmpty) {
    const auto& pairs = BuiltinDecorations();
    ASSERT_EQ(pairs.size(), 56);
    EXPECT_TRUE(pairs.front().prefix.isEmpty());
    EXPECT_TRUE(pairs.front().suffix.isEmpty());
    EXPECT_EQ(BuiltinPrefixes().size(), 56);
    EXPECT_EQ(BuiltinSuffixes().size(), 56);
    QStringEncoder cp1252("windows-1252");
    for (int n = 1; n < 56; ++n) {
        EXPECT_FALSE(pairs[n].prefix.isEmpty()) << n;
        EXPECT_FALSE(pairs[n].suffix.isEmpty()) << n;
        EXPECT_EQ(BuiltinPrefixes()[n], pairs[n].prefix);
        EXPECT_EQ(BuiltinSuffixes()[n], pairs[n].suffix);
        (void)cp1252.encode(pairs[n].prefix + pairs[n].suffix);
        EXPECT_FALSE(cp1252.hasError()) << n;
    }
}

TEST(BuiltinDecorations, KnownPairsAndRepeats) {
    const auto& p = BuiltinDecorations();
    EXPECT_EQ(p[1].prefix, QStringLiteral("(¯`·._.·["));
    EXPECT_EQ(p[1].suffix, QStringLiteral("]·._.·´¯)"));
    EXPECT_EQ(p[3].prefix, QStringLiteral("×÷·.·´¯`·)»"));
    EXPECT_EQ(p[3].suffix, QStringLiteral("«(·´¯`·.·÷×"));
    for (auto [copy, original] : {std::pair{42, 19}, {43, 17}, {53, 39}}) {
        EXPECT_EQ(p[copy].prefix, p[original].prefix);
        EXPECT_EQ(p[copy].suffix, p[original].suffix);
    }
}

TEST(BuiltinDecorations, InvisibleCharactersBelongToTheEntries) {
    const auto& p = BuiltinDecorations();
    QList<int> trailing;
    for (int n = 0; n < p.size(); ++n) {
        if (p[n].suffix.endsWith(QLatin1Char(' '))) trailing.append(n);
    }
    EXPECT_EQ(trailing, (QList<int>{18, 24, 32, 45}));
    EXPECT_TRUE(p[36].prefix.endsWith(QStringLiteral("+_ ")));

    const QChar softHyphen(0x00AD);
    EXPECT_TRUE(p[20].prefix.endsWith(QString(softHyphen) + QStringLiteral("»")));
    EXPECT_TRUE(p[20].suffix.startsWith(QStringLiteral("«") + softHyphen));
    int hyphens = 0;
    for (const auto& pair : p) hyphens += int((pair.prefix + pair.suffix).count(softHyphen));
    EXPECT_EQ(hyphens, 2);
}

TEST(DecorationList, SelectingShowsTheEntryAndTypingDeselects) {
    DecorationList list;
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_TRUE(list.text().isEmpty());
    list.append(BuiltinPrefixes());
    list.append(QStringLiteral("user"));
    EXPECT_EQ(list.count(), 57);
    EXPECT_EQ(list.entries().back(), QStringLiteral("user"));

    EXPECT_TRUE(list.setCurrentIndex(56));
    EXPECT_EQ(list.text(), QStringLiteral("user"));
    EXPECT_TRUE(list.setCurrentIndex(0));
    EXPECT_TRUE(list.text().isEmpty());
    EXPECT_EQ(list.currentIndex(), 0);

    EXPECT_TRUE(list.setCurrentIndex(1));
    EXPECT_FALSE(list.setCurrentIndex(57));
    EXPECT_FALSE(list.setCurrentIndex(-2));
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.text(), BuiltinPrefixes().at(1));

    list.setText(QStringLiteral("<<"));
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.text(), QStringLiteral("<<"));
    EXPECT_TRUE(list.setCurrentIndex(-1));
    EXPECT_TRUE(list.text().isEmpty());
}

TEST(DecorationList, BalancingCopiesThePositionOrLeavesTheTarget) {
    DecorationList prefixes, suffixes;
    prefixes.append(BuiltinPrefixes());
    suffixes.append(BuiltinSuffixes());
    prefixes.setCurrentIndex(1);
    const auto to = balancedIndex(prefixes.currentIndex(), suffixes.count());
    ASSERT_TRUE(to.has_value());
    suffixes.setCurrentIndex(*to);
    EXPECT_EQ(suffixes.text(), QStringLiteral("]·._.·´¯)"));

    EXPECT_EQ(balancedIndex(-1, 56), -1);
    EXPECT_EQ(balancedIndex(-1, 0), -1);
    EXPECT_EQ(balancedIndex(0, 56), 0);
    EXPECT_EQ(balancedIndex(55, 56), 55);
    EXPECT_EQ(balancedIndex(56, 56), std::nullopt);  // a user entry the other list lacks
    EXPECT_EQ(balancedIndex(-2, 56), std::nullopt);
}

TEST(EmoticonTable, SixtySevenPicturesInOrder) {
    const auto& table = EmoticonTable();
    ASSERT_EQ(table.size(), 67);
    QSet<QString> texts;
    for (int i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].image, QStringLiteral("Image%1").arg(i + 2));
        EXPECT_FALSE(table[i].tooltip.isEmpty());
        EXPECT_FALSE(table[i].text.isEmpty());
        texts.insert(table[i].text);
    }
    EXPECT_EQ(texts.size(), 67);
    EXPECT_EQ(table[0].text, QStringLiteral(":)"));
    EXPECT_EQ(table[18].image, QStringLiteral("Image20"));
    EXPECT_EQ(table[18].tooltip, QStringLiteral("Escargot"));
    EXPECT_EQ(table[18].text, QStringLiteral("(sn)"));
}

TEST(InsertAtCaret, InsertsOrReplacesTheSelection) {
    const QString sn = QStringLiteral("(sn)");
    TextEdit e = insertAtCaret(QStringLiteral("Bob"), 3, 0, sn);
    EXPECT_EQ(e.text, QStringLiteral("Bob(sn)"));
    EXPECT_EQ(e.caret, 7);

    e = insertAtCaret(QStringLiteral("Bob"), 1, 2, sn);
    EXPECT_EQ(e.text, QStringLiteral("B(sn)"));
    EXPECT_EQ(e.caret, 5);

    e = insertAtCaret(QStringLiteral("Bob"), 0, 0, sn);
    EXPECT_EQ(e.text, QStringLiteral("(sn)Bob"));
    EXPECT_EQ(e.caret, 4);

    e = insertAtCaret(QString(), 0, 0, sn);
    EXPECT_EQ(e.text, sn);
    EXPECT_EQ(e.caret, 4);
}

TEST(InsertAtCaret, ClampsPositionsOutsideTheText) {
    const QString x = QStringLiteral("x");
    EXPECT_EQ(insertAtCaret(QStringLiteral("Bob"), 10, 0, x).text, QStringLiteral("Bobx"));
    EXPECT_EQ(insertAtCaret(QStringLiteral("Bob"), -3, 0, x).text, QStringLiteral("xBob"));
    const TextEdit e = insertAtCaret(QStringLiteral("Bob"), 1, 99, x);
    EXPECT_EQ(e.text, QStringLiteral("Bx"));
    EXPECT_EQ(e.caret, 2);
    EXPECT_EQ(insertAtCaret(QStringLiteral("Bob"), 1, -1, x).text, QStringLiteral("Bxob"));
}
