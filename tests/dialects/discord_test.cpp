#include "dialects/codeformats.h"
#include "dialects/plus3.h"
#include "dialects/registry.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

// The body of the block written for `line`.
QString discordBody(const QList<StyledRun>& runs) {
    const QString block = codeformat::discord(runs);
    const QString open = QStringLiteral("```ansi\n");
    const QString close = QStringLiteral("\n```");
    if (!block.startsWith(open) || !block.endsWith(close)) return QStringLiteral("<no block>");
    return block.sliced(open.size(), block.size() - open.size() - close.size());
}

QString discordBody(const QString& line) {
    return discordBody(readPlusCode(line));
}

Style coloured(std::optional<BgrColor> text, std::optional<BgrColor> background = std::nullopt) {
    Style s;
    s.foreground = text;
    s.background = background;
    return s;
}

constexpr BgrColor rgb(quint32 value) {
    return bgrFromRgb(int(value >> 16), int((value >> 8) & 0xFF), int(value & 0xFF));
}

}  // namespace

TEST(DiscordWriter, WritesOneCodeBlockWithACodeWhereTheLookChanges) {
    EXPECT_EQ(codeformat::discord(readPlusCode(QStringLiteral("·#·$4ab·$(000,000,255)c·0d"))),
              QStringLiteral("```ansi\n\x1b[0;1;31mab\x1b[0;1;34mc\x1b[0md\n```"));
    EXPECT_EQ(discordBody(QStringLiteral("·#·@x")), QStringLiteral("\x1b[0;1;4mx\x1b[0m"));
    EXPECT_EQ(discordBody(QStringLiteral("·$4,8x")), QStringLiteral("\x1b[0;47;31mx\x1b[0m"));
    EXPECT_EQ(discordBody(QStringLiteral("·$,8x·0y")), QStringLiteral("\x1b[0;47mx\x1b[0my"));
    // Italic and strikethrough are not shown: no code for them.
    EXPECT_EQ(discordBody(QStringLiteral("a·&·'b·#c")), QStringLiteral("ab\x1b[0;1mc\x1b[0m"));
    // Colours with one nearest colour look the same, so they make no code.
    EXPECT_EQ(discordBody(QStringLiteral("·$4a·$(250,000,000)b")),
              QStringLiteral("\x1b[0;31mab\x1b[0m"));
    EXPECT_EQ(discordBody(QStringLiteral("[c=4]abc[/c=12]")),
              QStringLiteral("\x1b[0;31ma\x1b[0;30mb\x1b[0;34mc\x1b[0m"));
    EXPECT_EQ(codeformat::discord({}), QStringLiteral("```ansi\n\n```"));
}

TEST(DiscordWriter, BackticksNeverCloseTheBlockAndControlsAreReplaced) {
    EXPECT_EQ(discordBody(QStringLiteral("```x`")), QStringLiteral("`\u200B`\u200B`x`"));
    EXPECT_EQ(discordBody(QStringLiteral("a`b")), QStringLiteral("a`b"));
    // A backtick after a code follows no backtick.
    EXPECT_EQ(discordBody(QStringLiteral("`·#`")), QStringLiteral("`\x1b[0;1m`\x1b[0m"));
    EXPECT_EQ(discordBody({{"a\x1b[31m\nb", Style{}}}), QStringLiteral("a\uFFFD[31m\uFFFD"
                                                                       "b"));
}

TEST(DiscordWriter, EachColourBecomesTheNearestOfDiscords) {
    const struct {
        quint32 colour;
        const char* code;
    } text[] = {{0x4F545C, "30"}, {0xDC322F, "31"}, {0xFFFFFF, "37"}, {0xFF0000, "31"},
                {0x0000FF, "34"}, {0x00FF00, "32"}, {0x000000, "30"}};
    for (const auto& [colour, code] : text) {
        EXPECT_EQ(discordBody({{"x", coloured(rgb(colour))}}),
                  QStringLiteral("\x1b[0;") + QLatin1StringView(code) + QStringLiteral("mx\x1b[0m"))
            << code;
    }
    const struct {
        quint32 colour;
        const char* code;
    } backgrounds[] = {
        {0x002B36, "40"}, {0xFDF6E3, "47"}, {0x6C71C4, "45"}, {0xFFFFFF, "47"}, {0x000000, "40"}};
    for (const auto& [colour, code] : backgrounds) {
        EXPECT_EQ(discordBody({{"x", coloured(std::nullopt, rgb(colour))}}),
                  QStringLiteral("\x1b[0;") + QLatin1StringView(code) + QStringLiteral("mx\x1b[0m"))
            << code;
    }
    const Dialect* discord = findDialect(QStringLiteral("discord"));
    ASSERT_NE(discord, nullptr);
    EXPECT_EQ(discord->limit, 2000);
    EXPECT_FALSE(discord->expresses.italic);
    // Its own colours are shown as they are, others as the nearest.
    const QList<StyledRun> own = {{"x", coloured(rgb(0xDC322F), rgb(0x002B36))}};
    EXPECT_TRUE(notShown(discord->expresses, own).isEmpty());
    const QList<StyledRun> swapped = {{"x", coloured(rgb(0x002B36), rgb(0xDC322F))}};
    EXPECT_EQ(notShown(discord->expresses, swapped), QStringList{"couleurs exactes"});
}
