// The gradient window's smooth gradient: its controls, the preview rows drawn
// group by group, and the way back to the five labels.
#include "gradient/smooth.h"
#include "tests/support/scriptedplatform.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/gradient/smoothpreview.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

class SmoothWindowTest : public ::testing::Test {
protected:
    SmoothWindowTest() { window.show(); }

    template <typename T>
    T* find(const QString& name) {
        T* widget = window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QCheckBox* smoothBox() { return find<QCheckBox>(QStringLiteral("chkfluide")); }
    QSpinBox* stepBox() { return find<QSpinBox>(QStringLiteral("spnlettres")); }
    QLabel* lengthLabel() { return find<QLabel>(QStringLiteral("lbllongueur")); }
    SmoothPreviewRow* smoothRow(int row) {
        return window.findChild<SmoothPreviewRow*>(QStringLiteral("lblfluide_%1").arg(row));
    }
    QLabel* segment(int row, int slot) {
        return find<QLabel>(QStringLiteral("lbl%1_%2").arg(slot + 1).arg(row));
    }
    void type(const QString& text) {
        auto* edit = find<QLineEdit>(QStringLiteral("Text1"));
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    // How many pixels of the row's picture have exactly `colour`.
    int pixelsOf(int row, const QColor& colour) {
        const QImage image = smoothRow(row)->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).rgb() == colour.rgb()) ++count;
        return count;
    }

    ScriptedPlatform platform;
    GradientEditorModel model{platform};
    GradientWindow window{model};
};

}  // namespace

TEST_F(SmoothWindowTest, StartsOffWithOneLetterPerColour) {
    EXPECT_EQ(smoothBox()->text(), QStringLiteral("Dégradé fluide"));
    EXPECT_FALSE(smoothBox()->isChecked());
    EXPECT_EQ(find<QLabel>(QStringLiteral("lbllettres"))->text(),
              QStringLiteral("Lettres par couleur :"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("lbllettres"))->buddy(), stepBox());
    EXPECT_EQ(stepBox()->value(), 1);
    EXPECT_EQ(stepBox()->minimum(), 1);
    EXPECT_EQ(stepBox()->maximum(), 50);
    EXPECT_FALSE(stepBox()->isEnabled());
    // The code's length is shown in every mode.
    EXPECT_TRUE(lengthLabel()->isVisible());
    // Off, nothing of it is built and the five labels show the rows.
    EXPECT_EQ(smoothRow(0), nullptr);
    EXPECT_TRUE(segment(0, 0)->isVisible());
}

TEST_F(SmoothWindowTest, OnEveryRowShowsTheNicknameGroupByGroup) {
    type(QStringLiteral("<b>abcdef"));
    smoothBox()->click();
    EXPECT_TRUE(model.smoothEnabled());
    EXPECT_TRUE(stepBox()->isEnabled());
    for (int row = 0; row < kGradientRowCount; ++row) {
        ASSERT_NE(smoothRow(row), nullptr);
        EXPECT_TRUE(smoothRow(row)->isVisible()) << row;
        EXPECT_EQ(smoothRow(row)->text(), QStringLiteral("<b>abcdef")) << row;
        EXPECT_EQ(smoothRow(row)->groupColours(), model.smoothPreview(row, -1)) << row;
        for (int slot = 0; slot < 5; ++slot) EXPECT_FALSE(segment(row, slot)->isVisible());
        // In the place of the row's first label.
        EXPECT_EQ(smoothRow(row)->pos(), segment(row, 0)->pos()) << row;
    }
    EXPECT_EQ(smoothRow(0)->groupColours().size(), 9);  // one letter per colour
    EXPECT_EQ(smoothRow(0)->groupColours().front(), bgrFromRgb(0x80, 0, 0));
    EXPECT_TRUE(smoothRow(kGradientCustomRow)->groupColours().isEmpty());  // nothing picked

    stepBox()->setValue(4);
    EXPECT_EQ(model.smoothStep(), 4);
    EXPECT_EQ(smoothRow(0)->groupColours().size(), 3);
    EXPECT_EQ(smoothRow(0)->groupColours().back(), bgrFromRgb(0xFF, 0xC0, 0x80));

    // Off again: the labels come back as they were.
    smoothBox()->click();
    EXPECT_FALSE(smoothRow(0)->isVisible());
    EXPECT_TRUE(segment(0, 0)->isVisible());
    EXPECT_EQ(segment(0, 0)->text(), QStringLiteral("<b"));
    EXPECT_TRUE(lengthLabel()->isVisible());
}

TEST_F(SmoothWindowTest, RowsAreDrawnInTheirRunsColours) {
    type(QStringLiteral("MMMMMMMMMM"));
    stepBox()->setEnabled(true);
    smoothBox()->click();
    stepBox()->setValue(5);
    // Two groups of five: the first and the last preview colour of each row.
    const QColor first(0x80, 0, 0);
    const QColor last(0xFF, 0xC0, 0x80);
    EXPECT_GT(pixelsOf(0, first), 0);
    EXPECT_GT(pixelsOf(0, last), 0);
    EXPECT_EQ(pixelsOf(0, QColor(0xFF, 0, 0)), 0);  // the middle stop has no group

    // Underline and strike-through are drawn with each run, in its colour.
    const int plain = pixelsOf(0, first);
    find<QCheckBox>(QStringLiteral("chksouligne"))->click();
    const int underlined = pixelsOf(0, first);
    EXPECT_GT(underlined, plain);
    find<QCheckBox>(QStringLiteral("chkbarre"))->click();
    EXPECT_GT(pixelsOf(0, first), underlined);

    // A chosen background fills every row.
    find<QCheckBox>(QStringLiteral("chkcolorap"))->click();
    platform.colours.push_back(bgrFromRgb(0, 0, 255));
    find<QPushButton>(QStringLiteral("cmdselectcolorap"))->click();
    const QImage image = smoothRow(20)->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
}

// Groups are of characters as a reader sees them: five emoji and five
// letters at five per colour are two groups, the first and the last colour,
// and every character is drawn in one of them.
TEST_F(SmoothWindowTest, RowsColourWholeCharactersGroupByGroup) {
    model.setNickname(QStringLiteral("\U0001F600").repeated(5) + QStringLiteral("MMMMM"));
    smoothBox()->click();
    stepBox()->setValue(5);
    ASSERT_EQ(smoothRow(0)->groupColours().size(), 2);
    EXPECT_GT(pixelsOf(0, QColor(0xFF, 0xC0, 0x80)), 0);  // the letters, in the last colour
    EXPECT_EQ(pixelsOf(0, QColor(0xFF, 0, 0)), 0);        // no middle group
    EXPECT_EQ(pixelsOf(0, QColor(Qt::black)), 0);         // nothing left uncoloured
}

TEST_F(SmoothWindowTest, GenerateAndTheLengthLabelUseTheSmoothCode) {
    type(QStringLiteral("abcdefgh"));
    smoothBox()->click();
    EXPECT_TRUE(lengthLabel()->isVisible());
    EXPECT_EQ(lengthLabel()->textFormat(), Qt::PlainText);
    // The credit note in Text2 is no code: nothing is counted yet.
    EXPECT_TRUE(lengthLabel()->text().isEmpty());
    type(QStringLiteral("ij"));

    find<QPushButton>(QStringLiteral("cmdgenerer"))->click();
    const QString code = find<QPlainTextEdit>(QStringLiteral("Text2"))->toPlainText();
    EXPECT_EQ(code, smoothGradientCode(model.settings(), smoothStopsOfRow(model.settings(), 0), 1));
    EXPECT_EQ(platform.clipboard, code);
    ASSERT_GT(code.size(), 129);
    EXPECT_EQ(lengthLabel()->text(),
              QStringLiteral("Longueur du code : %1 caractères (un pseudo Messenger en garde 129)")
                  .arg(code.size()));
}

TEST_F(SmoothWindowTest, NouveauUnticksTheOption) {
    smoothBox()->click();
    stepBox()->setValue(12);
    find<QAction>(QStringLiteral("mnunew"))->trigger();
    EXPECT_FALSE(smoothBox()->isChecked());
    EXPECT_FALSE(stepBox()->isEnabled());
    EXPECT_EQ(stepBox()->value(), 12);
    EXPECT_TRUE(segment(0, 0)->isVisible());
    EXPECT_FALSE(smoothRow(0)->isVisible());
}

TEST_F(SmoothWindowTest, TheKeyboardReachesTheControlsAfterTheCustomColours) {
    QApplication::setActiveWindow(&window);
    auto* lastColour = find<QPushButton>(QStringLiteral("cmdcolorperso5"));
    lastColour->setFocus();
    QTest::keyClick(lastColour, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), smoothBox());
    QTest::keyClick(smoothBox(), Qt::Key_Space);
    EXPECT_TRUE(model.smoothEnabled());
    QTest::keyClick(smoothBox(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), stepBox());
    QTest::keyClick(stepBox(), Qt::Key_Up);
    EXPECT_EQ(model.smoothStep(), 2);
}

// Fifty wide letters: every smooth row stops at its column's edge, where it
// draws an ellipsis.
TEST_F(SmoothWindowTest, RowsWiderThanTheirColumnAreCut) {
    type(QString(50, QLatin1Char('W')));
    smoothBox()->click();
    const int rightColumn = find<QWidget>(QStringLiteral("opt_6"))->x();
    auto* frame = find<QWidget>(QStringLiteral("Frame2"));
    for (int row = 0; row < kGradientRowCount; ++row) {
        SmoothPreviewRow* line = smoothRow(row);
        ASSERT_NE(line, nullptr);
        const bool left = row != kGradientCustomRow && line->x() < rightColumn;
        const int edge = left ? rightColumn : frame->contentsRect().right() + 1;
        EXPECT_LE(line->geometry().right() + 1, edge) << row;
        EXPECT_GT(line->width(), 0) << row;
    }
    // Rows in the left column all stop at the same edge.
    EXPECT_EQ(smoothRow(0)->geometry().right(), smoothRow(1)->geometry().right());
}
