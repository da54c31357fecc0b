#include "core/codeops.h"
#include "core/palettenumbers.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

using Kind = CodeOp::Kind;

Style coloured(std::optional<BgrColor> foreground, std::optional<BgrColor> background = {}) {
    Style style;
    style.foreground = foreground;
    style.background = background;
    return style;
}

CodeOp text(const char* t) {
    return CodeOp::plainText(QString::fromUtf8(t));
}

}  // namespace

TEST(CodeOps, FoldSwitchesStylesAndResetClearsColoursToo) {
    Style bold;
    bold.bold = true;
    Style all = coloured(0x0000FF, 0x00FF00);
    all.bold = all.underline = all.italic = all.strikethrough = true;
    const CodeOps ops{CodeOp::style(Kind::Bold),          text("a"),
                      CodeOp::style(Kind::Underline),     CodeOp::style(Kind::Italic),
                      CodeOp::style(Kind::Strikethrough), CodeOp::textColour(0x0000FF),
                      CodeOp::background(0x00FF00),       text("b"),
                      CodeOp::style(Kind::Reset),         text("c"),
                      CodeOp::style(Kind::Bold),          text("d"),
                      CodeOp::style(Kind::Bold),          text("e")};
    EXPECT_EQ(
        fold(ops),
        (QList<StyledRun>{{"a", bold}, {"b", all}, {"c", Style{}}, {"d", bold}, {"e", Style{}}}));
}

TEST(CodeOps, FoldJoinsRunsOfOneStyleAndDropsEmptyText) {
    // A colour set twice to the same value, empty text and codes with no text
    // after them leave no run of their own.
    const CodeOps ops{CodeOp::textColour(7),     text("a"), text(""),
                      CodeOp::textColour(7),     text("b"), CodeOp::style(Kind::Bold),
                      CodeOp::style(Kind::Bold), text("c"), CodeOp::style(Kind::Reset),
                      CodeOp::textColour(9)};
    EXPECT_EQ(fold(ops), (QList<StyledRun>{{"abc", coloured(7)}}));
    EXPECT_EQ(fold({}), QList<StyledRun>{});
}

TEST(CodeOps, PaletteColoursCarryTheirNumberAndTheirColour) {
    const CodeOp blue = CodeOp::paletteTextColour(12);
    EXPECT_EQ(blue.paletteNumber, 12);
    EXPECT_EQ(blue.colour, PaletteNumberColours()[12]);
    EXPECT_EQ(CodeOp::paletteBackground(68).kind, Kind::Background);
    EXPECT_EQ(CodeOp::textColour(12).paletteNumber, std::nullopt);
    // Folded, a palette colour is its colour.
    EXPECT_EQ(fold({CodeOp::paletteBackground(4), text("x")}),
              (QList<StyledRun>{{"x", coloured({}, PaletteNumberColours()[4])}}));
}

TEST(CodeOps, UnfoldFoldsBackIntoTheSameRuns) {
    Style boldRed = coloured(0x0000FF);
    boldRed.bold = true;
    Style italicOnGrey = coloured({}, 0x808080);
    italicOnGrey.italic = true;
    Style all = coloured(0x00FF00, 0x808080);
    all.underline = all.strikethrough = all.bold = all.italic = true;
    const QList<QList<StyledRun>> readings{
        {},
        {{"plain", Style{}}},
        {{"a", boldRed}, {"b", italicOnGrey}, {"c", Style{}}, {"d", all}, {"e", boldRed}},
        {{"a", all}, {"b", coloured(0x00FF00)}, {"c", coloured({}, 0x808080)}},
    };
    for (const QList<StyledRun>& runs : readings) EXPECT_EQ(fold(unfold(runs)), runs);
}

TEST(CodeOps, UnfoldWritesOnlyWhatChangesOrResetsWhenThatIsShorter) {
    Style red = coloured(0x0000FF);
    Style redBold = red;
    redBold.bold = true;
    // Only the bold switches between the first two runs.
    EXPECT_EQ(
        unfold({{"a", red}, {"b", redBold}}),
        (CodeOps{CodeOp::textColour(0x0000FF), text("a"), CodeOp::style(Kind::Bold), text("b")}));
    // A colour can only go with a reset; what stays is set again after it.
    EXPECT_EQ(unfold({{"a", redBold}, {"b", coloured({}, 0xFFFFFF)}}),
              (CodeOps{CodeOp::textColour(0x0000FF), CodeOp::style(Kind::Bold), text("a"),
                       CodeOp::style(Kind::Reset), CodeOp::background(0xFFFFFF), text("b")}));
    // Three styles off: one reset is shorter than three switches.
    Style three;
    three.bold = three.italic = three.underline = true;
    EXPECT_EQ(
        unfold({{"a", three}, {"b", Style{}}}),
        (CodeOps{CodeOp::style(Kind::Bold), CodeOp::style(Kind::Underline),
                 CodeOp::style(Kind::Italic), text("a"), CodeOp::style(Kind::Reset), text("b")}));
}
