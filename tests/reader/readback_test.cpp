// Reading back what the two editors write: every character of the nickname
// and its decorations comes back, in the colour and styles that were chosen.
#include "core/compose.h"
#include "core/decorations.h"
#include "core/nicksettings.h"
#include "core/palettes.h"
#include "dialects/plus3.h"
#include "gradient/gradient.h"
#include "gradient/smooth.h"
#include "tests/support/coderuns.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <random>

using namespace chromanick;

namespace {

// Texts of every kind the boxes take, without the code dot: letters, digits,
// accents, markup signs, blanks, a no-break space and a character outside
// the basic plane.
class TextMaker {
public:
    explicit TextMaker(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool coin() { return below(2) == 0; }

    QString text(int maxLength) {
        static const QStringList pieces = {
            "a", "Z", "é", "ç", "1", "7", "0", " ", "<", ">", "&",      "\"",     "'",
            "[", "]", "$", "#", "@", "(", ")", ",", "¯", "`", "\u00A0", "\u2665", "\U0001F600"};
        QString out;
        const int length = below(maxLength + 1);
        for (int i = 0; i < length; ++i) out += pieces.at(below(int(pieces.size())));
        return out;
    }
    BgrColor colour() { return BgrColor(std::uniform_int_distribution<int>(0, 0xFFFFFF)(random_)); }
    // Bold, underline, italic, strikethrough, each on or off.
    void styles(bool& bold, bool& underline, bool& italic, bool& strikethrough) {
        for (bool* style : {&bold, &underline, &italic, &strikethrough}) *style = coin();
    }

private:
    std::mt19937 random_;
};

// Two starts of a text the code format itself makes ambiguous, left out of
// the random texts here (the tests at the end show them): right after a
// one-digit palette code the messenger takes a digit as the code's second
// one, and right after any colour code a "," followed by a colour reads as
// a background. A piece of text never starts with either.
QString noCodeContinuation(QString text) {
    if (!text.isEmpty() && (text.front().isDigit() || text.front() == QLatin1Char(',')))
        text.front() = QLatin1Char('x');
    return text;
}

Style styled(std::optional<BgrColor> foreground, std::optional<BgrColor> background, bool bold,
             bool underline, bool italic, bool strikethrough) {
    return {foreground, background, bold, underline, italic, strikethrough};
}

// The format of each visible character, in order.
QList<Style> formatsByCharacter(const QList<StyledRun>& runs) {
    QList<Style> formats;
    for (const StyledRun& run : runs) {
        for (qsizetype i = 0; i < run.text.size(); ++i) formats.append(run.style);
    }
    return formats;
}

// The palette number of a code "·$N" or "·$,N"; -1 for any other code.
int paletteNumber(const QString& code) {
    const QString digits = code.sliced(code.startsWith(QStringLiteral("·$,")) ? 3 : 2);
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok && !digits.startsWith(QLatin1Char('(')) ? n : -1;
}

// The colour written in a code "·$(rrr,ggg,bbb)" or "·$,(rrr,ggg,bbb)".
std::optional<BgrColor> writtenColour(const QString& code) {
    static const QRegularExpression form(QStringLiteral("\\((\\d{3}),(\\d{3}),(\\d{3})\\)$"));
    const QRegularExpressionMatch m = form.match(code);
    if (!m.hasMatch()) return std::nullopt;
    return bgrFromRgb(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

// What the reader shows a code of the editors in: the colour it writes out,
// or its palette number's colour in the reader's table (which the editors'
// previews only approach).
BgrColor colourOfCode(const QString& code) {
    if (const auto written = writtenColour(code)) return *written;
    return PaletteNumberColours()[std::size_t(paletteNumber(code))];
}

std::optional<BgrColor> expectedForeground(const NickSettings& s) {
    const PaletteEntry* e = findForegroundEntry(s.ForegroundOption);
    if (e->role == EntryRole::Custom) return s.CustomForeground;
    return colourOfCode(plus3::write(e->code));
}

std::optional<BgrColor> expectedBackground(const NickSettings& s) {
    const PaletteEntry* e = findBackgroundEntry(s.BackgroundOption);
    if (e->role == EntryRole::Default) return std::nullopt;
    if (e->role == EntryRole::Custom) return s.CustomBackground;
    return colourOfCode(plus3::write(e->code));
}

NickSettings randomSettings(TextMaker& make) {
    NickSettings s;
    const QList<PaletteEntry>& fg = ForegroundPalette();
    const QList<PaletteEntry>& bg = BackgroundPalette();
    s.ForegroundOption = fg.at(make.below(int(fg.size()))).option;
    s.BackgroundOption = bg.at(make.below(int(bg.size()))).option;
    make.styles(s.Bold, s.Underline, s.Italic, s.Strikethrough);
    s.CustomForeground = make.colour();
    s.CustomBackground = make.colour();
    s.DitColourOn = make.coin();
    s.DitColour = make.colour();
    s.DitSuppressed = make.coin();
    // Decorations: typed text, or a built-in entry without the dot.
    QStringList plainPrefixes;
    for (const QString& p : BuiltinPrefixes()) {
        if (!p.contains(QChar(0x00B7))) plainPrefixes.append(p);
    }
    s.Prefix = noCodeContinuation(make.coin() && !plainPrefixes.isEmpty()
                                      ? plainPrefixes.at(make.below(int(plainPrefixes.size())))
                                      : make.text(6));
    s.Nickname = make.text(20);
    s.Suffix = make.text(6);
    if (s.Prefix.isEmpty()) s.Nickname = noCodeContinuation(s.Nickname);
    if (s.Prefix.isEmpty() && s.Nickname.isEmpty()) s.Suffix = noCodeContinuation(s.Suffix);
    return s;
}

}  // namespace

TEST(ReadBack, MainEditorCodeShowsTheDecoratedNicknameInTheChosenFormat) {
    TextMaker make(12);
    for (int round = 0; round < 3000; ++round) {
        const NickSettings s = randomSettings(make);
        const QString code = ComposeNickCode(s);
        SCOPED_TRACE(code.toStdString());
        const QList<StyledRun> runs = readPlusCode(code);
        const QString decorated = s.Prefix + s.Nickname + s.Suffix;
        const QString dit = s.DitSuppressed ? QString(QChar(0x00A0)) : QString();
        ASSERT_EQ(visibleText(runs), decorated + dit);

        const Style chosen = styled(expectedForeground(s), expectedBackground(s), s.Bold,
                                    s.Underline, s.Italic, s.Strikethrough);
        const QList<Style> formats = formatsByCharacter(runs);
        for (qsizetype i = 0; i < decorated.size(); ++i) ASSERT_EQ(formats.at(i), chosen) << i;
        if (s.DitSuppressed) {
            Style white;
            white.foreground = 0xFFFFFF;
            EXPECT_EQ(formats.back(), white);
        }
    }
}

TEST(ReadBack, EveryColourEntryIsOneWholeCode) {
    for (const PaletteEntry& e : ForegroundPalette()) {
        if (e.role != EntryRole::Fixed) continue;
        Style f;
        f.foreground = colourOfCode(plus3::write(e.code));
        EXPECT_EQ(readPlusCode(plus3::write(e.code) + QStringLiteral("x")),
                  (QList<StyledRun>{{"x", f}}))
            << e.option.toStdString();
    }
    for (const PaletteEntry& e : BackgroundPalette()) {
        if (e.role != EntryRole::Fixed) continue;
        Style f;
        f.background = colourOfCode(plus3::write(e.code));
        EXPECT_EQ(readPlusCode(plus3::write(e.code) + QStringLiteral("x")),
                  (QList<StyledRun>{{"x", f}}))
            << e.option.toStdString();
    }
}

TEST(ReadBack, DigitRightAfterAOneDigitCodeJoinsTheCode) {
    // As in the messenger: "·$1" then "2abc" is colour 12 then "abc".
    NickSettings s;
    s.Nickname = QStringLiteral("2abc");
    const QList<StyledRun> runs = readPlusCode(ComposeNickCode(s));
    EXPECT_EQ(visibleText(runs), QStringLiteral("abc"));
    EXPECT_EQ(runs.front().style.foreground, PaletteNumberColours()[12]);
    s.Nickname = QStringLiteral("9abc");  // 19 is a colour too; 1 then 9 would not be
    EXPECT_EQ(visibleText(readPlusCode(ComposeNickCode(s))), QStringLiteral("abc"));
    s.ForegroundOption = QStringLiteral("Option5");  // "·$6": 69 is no colour
    EXPECT_EQ(visibleText(readPlusCode(ComposeNickCode(s))), QStringLiteral("9abc"));
}

TEST(ReadBack, CommaAndColourRightAfterAColourCodeReadAsABackground) {
    // "·$6" then ",5abc" is colour 6 on background 5, then "abc".
    NickSettings s;
    s.ForegroundOption = QStringLiteral("Option5");
    s.Nickname = QStringLiteral(",5abc");
    QList<StyledRun> runs = readPlusCode(ComposeNickCode(s));
    EXPECT_EQ(visibleText(runs), QStringLiteral("abc"));
    EXPECT_EQ(runs.front().style.background, PaletteNumberColours()[5]);
    s.Nickname = QStringLiteral(",#00FF00,(000,000,000)");
    EXPECT_EQ(visibleText(readPlusCode(ComposeNickCode(s))), QStringLiteral(",(000,000,000)"));
    // A comma followed by anything else stays text.
    s.Nickname = QStringLiteral(", abc");
    EXPECT_EQ(visibleText(readPlusCode(ComposeNickCode(s))), QStringLiteral(", abc"));
    s.Nickname = QStringLiteral(",x");
    s.ForegroundOption = kCustomForegroundOption;
    EXPECT_EQ(visibleText(readPlusCode(ComposeNickCode(s))), QStringLiteral(",x"));
}

TEST(ReadBack, TagsTypedInANicknameAreReadAsTags) {
    // The messenger reads them too: "[b]" in the nickname box makes it bold.
    NickSettings s;
    s.Nickname = QStringLiteral("[b]Bob[/b] [c=4]x");
    const QList<StyledRun> runs = readPlusCode(ComposeNickCode(s));
    EXPECT_EQ(visibleText(runs), QStringLiteral("Bob x"));
    EXPECT_TRUE(runs.front().style.bold);
    EXPECT_EQ(runs.back().style.foreground, PaletteNumberColours()[4]);
}

TEST(ReadBack, GradientCodeShowsEachSegmentInItsSlotsColour) {
    TextMaker make(13);
    for (int round = 0; round < 3000; ++round) {
        GradientSettings g;
        g.presetRow = make.below(kGradientRowCount);
        for (auto& custom : g.customColours) {
            if (make.coin()) custom = make.colour();
        }
        g.backgroundEnabled = make.coin();
        g.backgroundColour = make.colour();
        make.styles(g.bold, g.underline, g.italic, g.strikethrough);
        g.nickname = make.text(make.coin() ? 12 : 60);
        SegmentSplit split = Decoupe_Pseudo(g.nickname);
        for (QString& segment : split.segments) segment = noCodeContinuation(segment);
        g.nickname = split.segments[0] + split.segments[1] + split.segments[2] + split.segments[3] +
                     split.segments[4];
        const QString code = Genere_Degrade(g, split);
        SCOPED_TRACE(code.toStdString());
        const QList<StyledRun> runs = readPlusCode(code);
        ASSERT_EQ(visibleText(runs), g.nickname);

        const QList<Style> formats = formatsByCharacter(runs);
        qsizetype at = 0;
        std::optional<BgrColor> slotColour;  // a custom slot without colour keeps the last one
        for (int slot = 0; slot < 5; ++slot) {
            if (g.presetRow < kGradientCustomRow) {
                const QString slotCode = plus3::write({gradientPresets()[g.presetRow].codes[slot]});
                slotColour = PaletteNumberColours()[std::size_t(paletteNumber(slotCode))];
            } else if (g.customColours[slot]) {
                slotColour = g.customColours[slot];
            }
            const Style expected = styled(
                slotColour, g.backgroundEnabled ? std::optional(g.backgroundColour) : std::nullopt,
                g.bold, g.underline, g.italic, g.strikethrough);
            for (qsizetype i = 0; i < split.segments[slot].size(); ++i, ++at)
                ASSERT_EQ(formats.at(at), expected) << "slot " << slot;
        }
    }
}

// What a generator says it writes is what the reader reads: its operations,
// folded, are the runs of its code line (the "Dit" colour, with no text after
// it, shows nothing in either).
TEST(ReadBack, TheGeneratorsOperationsFoldIntoTheRunsTheirCodesRead) {
    TextMaker make(14);
    for (int round = 0; round < 1000; ++round) {
        const NickSettings s = randomSettings(make);
        SCOPED_TRACE(ComposeNickCode(s).toStdString());
        ASSERT_EQ(fold(composeOps(s)), readPlusCode(ComposeNickCode(s)));

        GradientSettings g;
        g.presetRow = make.below(kGradientRowCount);
        for (auto& custom : g.customColours) {
            if (make.coin()) custom = make.colour();
        }
        g.backgroundEnabled = make.coin();
        g.backgroundColour = make.colour();
        make.styles(g.bold, g.underline, g.italic, g.strikethrough);
        SegmentSplit split = Decoupe_Pseudo(make.text(30));
        for (QString& segment : split.segments) segment = noCodeContinuation(segment);
        g.nickname.clear();
        for (const QString& segment : split.segments) g.nickname += segment;
        ASSERT_EQ(fold(gradientOps(g, split)), readPlusCode(Genere_Degrade(g, split)));
        // Every group follows a colour code: none may start a continuation.
        for (QChar& c : g.nickname) {
            if (c.isDigit() || c == QLatin1Char(',')) c = QLatin1Char('x');
        }
        const QList<BgrColor> stops = smoothStopsOfRow(g, g.presetRow);
        const int step = 1 + make.below(4);
        ASSERT_EQ(fold(smoothGradientOps(g, stops, step)),
                  readPlusCode(smoothGradientCode(g, stops, step)));
    }
}
