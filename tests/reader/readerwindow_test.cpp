#include "ui/reader/readerwindow.h"
#include "tests/support/coderuns.h"
#include "tests/support/scriptedplatform.h"
#include "ui/reader/codedrawing.h"
#include "ui/reader/readermodel.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

class ReaderWindowTest : public ::testing::Test {
protected:
    template <typename W>
    W* child(const char* name) {
        W* w = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QImage drawn() { return child<CodeDrawing>("dessin")->grab().toImage(); }

    ScriptedPlatform platform;
    CodeReaderModel model{platform};
    CodeReaderWindow window{model};
};

bool holdsColour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(ReaderWindowTest, ShowsTheControlsInFrench) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lecteur de code"));
    EXPECT_EQ(child<QPushButton>("cmdcoller")->text(), QStringLiteral("Coller"));
    EXPECT_EQ(child<QLabel>("lblcopierpour")->text(), QStringLiteral("Copier pour :"));
    EXPECT_EQ(child<QPushButton>("cmdcopier")->text(), QStringLiteral("Copier"));
    // Every written format, by its French label.
    QComboBox* formats = child<QComboBox>("cbocopierpour");
    ASSERT_EQ(formats->count(), CodeReaderModel::copyFormats().size());
    EXPECT_NE(formats->findText(QStringLiteral("IRC (mIRC)")), -1);
    EXPECT_NE(formats->findText(QStringLiteral("Messenger Plus! 3 (·$)")), -1);
    EXPECT_NE(formats->findText(QStringLiteral("Discord (bloc ansi)")), -1);
    EXPECT_NE(formats->findText(QStringLiteral("HTML")), -1);
    EXPECT_EQ(child<QPushButton>("cmdfermer")->text(), QStringLiteral("Fermer"));
    EXPECT_EQ(child<QLabel>("lblpalette")->text(), CodeReaderModel::kPaletteNote);
    QComboBox* sizes = child<QComboBox>("cbotaille");
    EXPECT_EQ(sizes->count(), model.sizes().size());
    EXPECT_EQ(sizes->currentText(), model.size());
    for (QLabel* label : window.findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

TEST_F(ReaderWindowTest, TypingRedrawsTheCodeAndItsLengths) {
    window.open(QString());
    QPlainTextEdit* box = child<QPlainTextEdit>("txtcode");
    QTest::keyClicks(box, QStringLiteral("·$(255,000,000)<b>abc</b>"));
    EXPECT_EQ(model.code(), QStringLiteral("·$(255,000,000)<b>abc</b>"));
    EXPECT_EQ(child<QLabel>("lbllongueurs")->text(), model.lengthsText());
    const QImage image = drawn();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_TRUE(holdsColour(image, QColor(255, 0, 0)));
    EXPECT_EQ(child<CodeDrawing>("dessin")->lines(), model.lines());
}

TEST_F(ReaderWindowTest, OpeningWithACodeFillsTheBoxAndTheSizeListResizes) {
    window.open(QStringLiteral("·$,(000,000,255)ab\n·$(000,255,000)cd"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(child<QPlainTextEdit>("txtcode")->toPlainText(),
              QStringLiteral("·$,(000,000,255)ab\n·$(000,255,000)cd"));
    EXPECT_EQ(child<CodeDrawing>("dessin")->lines().size(), 2);
    const QImage image = drawn();
    EXPECT_TRUE(holdsColour(image, QColor(0, 0, 255)));  // the first line's background

    QComboBox* sizes = child<QComboBox>("cbotaille");
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("24")));
    emit sizes->activated(sizes->currentIndex());
    EXPECT_EQ(child<CodeDrawing>("dessin")->pointSize(), 24.0);
}

TEST_F(ReaderWindowTest, LireCommeReadsTheBoxAgain) {
    EXPECT_EQ(child<QLabel>("lbllirecomme")->text(), QStringLiteral("Lire comme :"));
    QComboBox* readings = child<QComboBox>("cbolirecomme");
    ASSERT_EQ(readings->count(), model.readingLabels().size());
    EXPECT_EQ(readings->currentText(), QStringLiteral("Messenger Plus! et IRC"));
    window.open(QStringLiteral("&#FF0000ab"));
    EXPECT_FALSE(holdsColour(drawn(), QColor(255, 0, 0)));
    readings->setCurrentIndex(readings->findText(QStringLiteral("Minecraft")));
    emit readings->activated(readings->currentIndex());
    EXPECT_EQ(model.reading().id, QStringLiteral("minecraft"));
    EXPECT_EQ(child<CodeDrawing>("dessin")->lines(), model.lines());
    EXPECT_TRUE(holdsColour(drawn(), QColor(255, 0, 0)));
    // A choice made in the model shows in the list.
    model.pickReading(QStringLiteral("Minecraft MiniMessage"));
    EXPECT_EQ(readings->currentText(), QStringLiteral("Minecraft MiniMessage"));
}

TEST_F(ReaderWindowTest, ButtonsUseTheClipboardAndFermerCloses) {
    window.open(QStringLiteral("·#a"));
    QComboBox* formats = child<QComboBox>("cbocopierpour");
    const auto copyFor = [&](const QString& label) {
        formats->setCurrentIndex(formats->findText(label));
        emit formats->activated(formats->currentIndex());
        child<QPushButton>("cmdcopier")->click();
    };
    copyFor(QStringLiteral("Texte"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("a"));
    copyFor(QStringLiteral("BBCode"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("[b]a[/b]"));
    EXPECT_FALSE(platform.clipboardHtml.has_value());
    copyFor(QStringLiteral("IRC (mIRC)"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("\x02"
                                                 "a\x0F"));
    copyFor(QStringLiteral("HTML"));
    // The HTML both as rich text and as its source.
    EXPECT_EQ(platform.clipboard, QStringLiteral("<span style=\"font-weight:bold\">a</span>"));
    EXPECT_EQ(platform.clipboardHtml, platform.clipboard);
    platform.clipboard = QStringLiteral("·@z");
    child<QPushButton>("cmdcoller")->click();
    EXPECT_EQ(child<QPlainTextEdit>("txtcode")->toPlainText(), QStringLiteral("·@z"));
    child<QPushButton>("cmdfermer")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ReaderWindowTest, KeyboardReachesEveryControl) {
    window.open(QString());
    QStringList reached;
    QWidget* w = child<QPlainTextEdit>("txtcode");
    for (int i = 0; i < 10 && w != nullptr; ++i) {
        reached.append(w->objectName());
        w = w->nextInFocusChain();
        while (w != nullptr && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    }
    for (const char* name : {"txtcode", "cbolirecomme", "cbotaille", "cmdcoller", "cbocopierpour",
                             "cmdcopier", "cmdfermer"})
        EXPECT_TRUE(reached.contains(QString::fromLatin1(name))) << name;
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// The chosen format's length and what it loses follow the code and the choice.
TEST_F(ReaderWindowTest, ShowsTheChosenFormatsLengthAndWhatItLoses) {
    window.open(QStringLiteral("·&·$(255,000,000)ab"));
    QComboBox* formats = child<QComboBox>("cbocopierpour");
    formats->setCurrentIndex(formats->findText(QStringLiteral("Discord (bloc ansi)")));
    emit formats->activated(formats->currentIndex());
    EXPECT_EQ(child<QLabel>("lblnonmontre")->text(),
              QStringLiteral("Ce format ne montre pas : italique, couleurs exactes."));
    EXPECT_EQ(child<QLabel>("lbllongueurformat")->text(), model.formatLengthText());
    EXPECT_TRUE(model.formatLengthText().contains(QStringLiteral("sur 2000")));
    QTest::keyClicks(child<QPlainTextEdit>("txtcode"), QStringLiteral("c"));
    EXPECT_EQ(child<QLabel>("lbllongueurformat")->text(), model.formatLengthText());
    window.open(QStringLiteral("plain"));
    EXPECT_EQ(formats->currentText(), QStringLiteral("Discord (bloc ansi)"));
    EXPECT_TRUE(child<QLabel>("lblnonmontre")->text().isEmpty());
}

TEST_F(ReaderWindowTest, HostileInputIsDrawnAsText) {
    window.open(QStringLiteral("<b>x</b>\n·\n") + QString(100000, QLatin1Char('m')));
    EXPECT_EQ(model.lines().size(), 3);
    EXPECT_FALSE(drawn().isNull());
    EXPECT_EQ(visibleText(model.lines()[0]), QStringLiteral("<b>x</b>"));
}

// A line wider than the window scrolls sideways to its end.
TEST_F(ReaderWindowTest, AWideLineScrollsSideways) {
    window.open(QStringLiteral("·$(255,000,000)") + QString(300, QLatin1Char('W')) +
                QStringLiteral("·$(000,000,255)fin"));
    window.resize(560, 360);
    QTest::qWait(0);
    auto* scroller = child<QScrollArea>("defilementdessin");
    CodeDrawing* drawing = child<CodeDrawing>("dessin");
    ASSERT_EQ(scroller->widget(), drawing);
    EXPECT_GT(drawing->width(), scroller->viewport()->width());
    QScrollBar* bar = scroller->horizontalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    bar->setValue(bar->maximum());
    // The line's end, in blue, is in view.
    const QImage view = scroller->viewport()->grab().toImage();
    EXPECT_TRUE(holdsColour(view, QColor(0, 0, 255)));
    EXPECT_TRUE(holdsColour(drawn(), QColor(255, 0, 0)));

    // A short line needs no scrolling.
    window.open(QStringLiteral("abc"));
    QTest::qWait(0);
    EXPECT_FALSE(bar->isVisible());
}

// The runs' widths are remembered from one key to the next, but never across
// another size or font: the drawing is as wide as its line in each.
TEST_F(ReaderWindowTest, TheDrawingIsMeasuredAgainForAnotherSizeOrFont) {
    const QString line = QString(40, QLatin1Char('W'));
    window.open(QStringLiteral("·$(255,000,000)") + line + QStringLiteral("·#") + line);
    CodeDrawing* drawing = child<CodeDrawing>("dessin");
    const auto lineWidth = [&] { return drawing->minimumSizeHint().width(); };
    const int at12 = lineWidth();
    QComboBox* sizes = child<QComboBox>("cbotaille");
    const auto pick = [&](const char* size) {
        sizes->setCurrentIndex(sizes->findText(QLatin1String(size)));
        emit sizes->activated(sizes->currentIndex());
    };
    pick("24");
    EXPECT_GT(lineWidth(), at12 * 3 / 2);
    pick("12");
    EXPECT_EQ(lineWidth(), at12);

    QFont font = drawing->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    drawing->setFont(font);
    EXPECT_GE(lineWidth(), at12 + 3 * 80);
    drawing->setFont(QFont());
    // Typed at the end: the line is one character wider.
    const int before = lineWidth();
    auto* box = child<QPlainTextEdit>("txtcode");
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QStringLiteral("W"));
    EXPECT_GT(lineWidth(), before);
}
