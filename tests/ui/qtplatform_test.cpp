#include "ui/qtplatform.h"
#include "core/bgrcolor.h"
#include "ui/widgetcolours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace chromanick;

TEST(FileFilter, BecomesQtsDescriptionAndPatternForm) {
    EXPECT_EQ(qtFileFilter(QStringLiteral("Fichier Chromanick.|*.nkp")),
              QStringLiteral("Fichier Chromanick. (*.nkp)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Fichier Texte.|*.txt|Tous|*.*")),
              QStringLiteral("Fichier Texte. (*.txt);;Tous (*.*)"));
}

TEST(WidgetColours, SystemColoursResolveAgainstTheDesktopPalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    EXPECT_EQ(toQColor(kSystemButtonFace, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(kSystemButtonText, palette), QColor(4, 5, 6));
    // Red lives in the low byte.
    EXPECT_EQ(toQColor(0x0055FF, palette), QColor(255, 85, 0));
    EXPECT_EQ(toBgr(QColor(0, 128, 255)), BgrColor(0xFF8000));
}

// Answers the next message box with `button` and records what it showed.
struct MessageBoxSpy {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons;

    void answerNext(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            format = box->textFormat();
            for (QAbstractButton* b : box->buttons()) buttons.append(b->text());
            box->button(button)->click();
        });
    }
};

TEST(QtMessages, ShowPlainTextUnderTheProgramTitleAndReturnTheButton) {
    QtPlatform platform;
    MessageBoxSpy spy;
    spy.answerNext(QMessageBox::No);
    const MessageAnswer answer = platform.message(QStringLiteral("<b>x</b>"), QString(),
                                                  MessageIcon::Information, MessageButtons::YesNo);
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(spy.title, QStringLiteral("Chromanick"));
    EXPECT_EQ(spy.text, QStringLiteral("<b>x</b>"));
    EXPECT_EQ(spy.format, Qt::PlainText);
    EXPECT_EQ(spy.buttons.size(), 2);
}

TEST(QtMessages, FrenchTranslationsNameTheStandardButtons) {
    ASSERT_TRUE(installFrenchTranslations(*qApp));
    QtPlatform platform;
    MessageBoxSpy spy;
    spy.answerNext(QMessageBox::Cancel);
    const MessageAnswer answer =
        platform.message(QStringLiteral("Enregistrer ?"), QStringLiteral("Titre"),
                         MessageIcon::None, MessageButtons::YesNoCancel);
    EXPECT_EQ(answer, MessageAnswer::Cancel);
    EXPECT_EQ(spy.title, QStringLiteral("Titre"));
    QStringList captions = spy.buttons;
    for (QString& c : captions) c.remove(QLatin1Char('&'));
    EXPECT_TRUE(captions.contains(QStringLiteral("Oui"))) << captions.join(',').toStdString();
    EXPECT_TRUE(captions.contains(QStringLiteral("Non")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Annuler")));
}

TEST(QtClipboard, HoldsTheCodeCharactersUnchanged) {
    QtPlatform platform;
    const QString code = QStringLiteral("·$1abc·0·$0") + QChar(0x00A0);
    platform.clearClipboard();
    platform.setClipboardText(code);
    ASSERT_TRUE(platform.clipboardHasText());
    EXPECT_EQ(platform.clipboardText(), code);
}
