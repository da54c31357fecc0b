#include "ui/reader/readermodel.h"
#include "dialects/codeformats.h"
#include "tests/support/coderuns.h"
#include "tests/support/scriptedplatform.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

class ReaderModelTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    CodeReaderModel model{platform};
};

}  // namespace

TEST_F(ReaderModelTest, EachLineOfTheBoxIsReadOnItsOwn) {
    model.setCode(QStringLiteral("·#ab·0c\r\n·$4d\n\n·"));
    ASSERT_EQ(model.lines().size(), 4);
    EXPECT_EQ(visibleText(model.lines()[0]), QStringLiteral("abc"));
    EXPECT_TRUE(model.lines()[0][0].style.bold);
    EXPECT_FALSE(model.lines()[1][0].style.bold);  // a new line starts unformatted
    EXPECT_TRUE(model.lines()[2].isEmpty());
    EXPECT_EQ(visibleText(model.lines()[3]), QStringLiteral("·"));
    EXPECT_EQ(model.visibleLength(), 5);
    EXPECT_EQ(model.codeLength(), 12);
    EXPECT_EQ(model.lengthsText(),
              QStringLiteral("Longueur visible : 5 caractères ; longueur du code : 12 caractères"));
    model.setCode(QStringLiteral("a"));
    EXPECT_EQ(model.lengthsText(),
              QStringLiteral("Longueur visible : 1 caractère ; longueur du code : 1 caractère"));
}

TEST_F(ReaderModelTest, LengthsWarnWhenALineIsLongerThanAMessengerNameKeeps) {
    const QString lengths =
        QStringLiteral("Longueur visible : 129 caractères ; longueur du code : 129 caractères");
    model.setCode(QString(129, QLatin1Char('a')));
    EXPECT_EQ(model.lengthsText(), lengths);
    // Codes count: 128 letters and a bold code make 130.
    model.setCode(QStringLiteral("·#") + QString(128, QLatin1Char('a')));
    EXPECT_EQ(
        model.lengthsText(),
        QStringLiteral("Longueur visible : 128 caractères ; longueur du code : 130 caractères\n"
                       "Un pseudo Messenger garde 129 caractères : la suite sera coupée."));
    // Each line is a name of its own: two short lines are not too long.
    model.setCode(QString(100, QLatin1Char('a')) + QLatin1Char('\n') +
                  QString(100, QLatin1Char('b')));
    EXPECT_FALSE(model.lengthsText().contains(CodeReaderModel::kLengthWarning));
}

TEST_F(ReaderModelTest, SizeComesFromThePreviewSizeList) {
    QSignalSpy changed(&model, &CodeReaderModel::changed);
    EXPECT_TRUE(model.sizes().contains(model.size()));
    model.pickSize(QStringLiteral("24"));
    EXPECT_EQ(model.pointSize(), 24.0);
    model.pickSize(QStringLiteral("25"));  // not an entry: ignored
    EXPECT_EQ(model.size(), QStringLiteral("24"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(ReaderModelTest, LinesAreReadAsTheChosenChatWritesThem) {
    EXPECT_EQ(model.readingLabels(),
              (QStringList{"Messenger Plus! et IRC", "Minecraft", "Minecraft MiniMessage"}));
    EXPECT_EQ(model.reading().label, QStringLiteral("Messenger Plus! et IRC"));
    model.setCode(
        QStringLiteral("\x02"
                       "a&lb\n<red>c"));
    EXPECT_EQ(visibleText(model.lines()[0]), QStringLiteral("a&lb"));
    EXPECT_TRUE(model.lines()[0][0].style.bold);
    QSignalSpy changed(&model, &CodeReaderModel::changed);
    model.pickReading(QStringLiteral("Minecraft"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(visibleText(model.lines()[0]), QStringLiteral("\x02"
                                                            "ab"));
    EXPECT_TRUE(model.lines()[0][1].style.bold);
    model.pickReading(QStringLiteral("Minecraft MiniMessage"));
    EXPECT_EQ(visibleText(model.lines()[1]), QStringLiteral("c"));
    EXPECT_TRUE(model.lines()[1][0].style.foreground.has_value());
    EXPECT_EQ(model.visibleLength(), 6);
    // The same entry again, or none, changes nothing.
    model.pickReading(QStringLiteral("Minecraft MiniMessage"));
    model.pickReading(QStringLiteral("IRC"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(model.reading().id, QStringLiteral("minimessage"));
}

TEST_F(ReaderModelTest, CopiesGoThroughTheClipboardOneResultPerLine) {
    model.setCode(QStringLiteral("·#<b>·0x\n·$(255,000,000)y"));
    model.copyAs(*findDialect(QStringLiteral("text")));
    EXPECT_EQ(platform.clipboard, QStringLiteral("<b>x\ny"));
    model.copyAs(*findDialect(QStringLiteral("html")));
    EXPECT_EQ(platform.clipboard, QStringLiteral("<span style=\"font-weight:bold\">&lt;b&gt;</span>"
                                                 "<span style=\"\">x</span>\n"
                                                 "<span style=\"color:#FF0000\">y</span>"));
    model.copyAs(*findDialect(QStringLiteral("bbcode")));
    EXPECT_EQ(platform.clipboard, QStringLiteral("[b]<b>[/b]x\n[color=#FF0000]y[/color]"));
}

// "Copier pour :" keeps its choice over new codes; the length is the longest
// line written in it, against the chat's limit and in its unit.
TEST_F(ReaderModelTest, CopiesForTheChosenFormatAndMeasuresTheResult) {
    const QList<const Dialect*> formats = CodeReaderModel::copyFormats();
    const int irc = int(formats.indexOf(findDialect(QStringLiteral("irc"))));
    ASSERT_GE(irc, 0);
    model.pickCopyFormat(irc);
    model.setCode(QStringLiteral("·#é\n·$(250,000,000)x"));
    EXPECT_EQ(&model.copyFormat(), formats[irc]);
    model.copy();
    EXPECT_EQ(platform.clipboard, QStringLiteral("\x02é\x0F\n\x03"
                                                 "04x\x0F"));
    EXPECT_EQ(model.formatLengthText(),
              QStringLiteral("Longueur dans ce format : 5 octets sur 510."));
    EXPECT_EQ(model.notShownText(), QStringLiteral("Ce format ne montre pas : couleurs exactes."));

    model.setCode(QString(300, QChar(0xE9)));
    EXPECT_EQ(model.formatLengthText(), QStringLiteral("Longueur dans ce format : 600 octets sur "
                                                       "510. Trop long pour cette messagerie."));
    EXPECT_TRUE(model.notShownText().isEmpty());
    const int html = int(formats.indexOf(findDialect(QStringLiteral("html"))));
    model.pickCopyFormat(html);
    model.setCode(QStringLiteral("x"));
    EXPECT_EQ(model.formatLengthText(), QStringLiteral("Longueur dans ce format : 23 caractères."));
    model.pickCopyFormat(int(formats.size()));  // not an entry: ignored
    EXPECT_EQ(model.copyFormatIndex(), html);
}

TEST_F(ReaderModelTest, PasteReadsTheClipboardOrSaysItHoldsNoText) {
    platform.clipboard = QStringLiteral("·@a\n·&b");
    model.paste();
    EXPECT_EQ(model.code(), QStringLiteral("·@a\n·&b"));
    EXPECT_EQ(model.lines().size(), 2);

    platform.clipboard.reset();
    model.paste();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, CodeReaderModel::kNoTextToPaste);
    EXPECT_EQ(model.code(), QStringLiteral("·@a\n·&b"));  // nothing lost
}

TEST_F(ReaderModelTest, HostileCodesAreReadWhole) {
    const QString huge = QStringLiteral("·$4<script>") + QString(100000, QLatin1Char('x'));
    model.setCode(huge);
    EXPECT_EQ(model.visibleLength(), huge.size() - 3);
    model.copyAs(*findDialect(QStringLiteral("html")));
    EXPECT_FALSE(platform.clipboard->contains(QStringLiteral("<script>")));
}
