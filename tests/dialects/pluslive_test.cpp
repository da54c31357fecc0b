#include "dialects/codeformats.h"
#include "dialects/plus3.h"
#include "tests/support/coderuns.h"
#include "tests/support/randomruns.h"

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

QString asPlusLive(const QString& line) {
    return codeformat::pluslive(readPlusCode(line));
}

}  // namespace

TEST(PlusLiveWriter, WritesStyleGroupsAroundEachColouredRun) {
    EXPECT_EQ(asPlusLive(QStringLiteral("·#·$4ab·$(000,000,255)c·0d")),
              QStringLiteral("[b][c=4]ab[/c][c=#0000FF]c[/c][/b]d"));
    EXPECT_EQ(asPlusLive(QStringLiteral("·'·&·@·#x")),
              QStringLiteral("[b][u][i][s]x[/s][/i][/u][/b]"));
    EXPECT_EQ(asPlusLive(QStringLiteral("·$4,8x·$,(001,002,003)y·0·$,12z")),
              QStringLiteral("[a=8][c=4]x[/c][/a][a=#010203][c=4]y[/c][/a][a=12]z[/a]"));
    // A group ends where the styles change, whatever the colours do.
    EXPECT_EQ(asPlusLive(QStringLiteral("·#·$4a·$12b·#·&c·$68d")),
              QStringLiteral("[b][c=4]a[/c][c=12]b[/c][/b][i][c=12]c[/c][c=1]d[/c][/i]"));
    EXPECT_EQ(asPlusLive(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(asPlusLive(QString()), QString());
}

TEST(PlusLiveWriter, FadesAreWrittenOneColourPerCharacter) {
    EXPECT_EQ(asPlusLive(QStringLiteral("[c=4]abc[/c=12]")),
              QStringLiteral("[c=4]a[/c][c=#80007E]b[/c][c=12]c[/c]"));
    // Digits and commas after a colour are plain text in tags.
    EXPECT_EQ(asPlusLive(QStringLiteral("·$4,5,6")), QStringLiteral("[a=5][c=4],6[/c][/a]"));
}

// Written then read back, any line gives its runs again; the tags' "[" and
// the dot codes' "·" are left out, since no tag keeps them as text.
TEST(PlusLiveWriter, ReadsBackAsTheSameRuns) {
    QRandomGenerator random(1831);
    const QStringList alphabet = {"a", "Z", "0", "7", ",", "]", "=", "/", " ", "é", "😀", "#"};
    for (int i = 0; i < 3000; ++i) {
        const QList<StyledRun> runs = randomRuns(random, alphabet, 8);
        const QString written = codeformat::pluslive(runs);
        ASSERT_EQ(readPlusCode(written), runs) << written.toStdString();
    }
}
