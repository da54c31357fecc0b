#include "ui/qtplatform.h"
#include "core/appinfo.h"
#include "core/bgrcolor.h"
#include "ui/weblinks.h"
#include "ui/widgets/widgetcolours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QWindow>

#include <functional>
#include <string>

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
    QString shownTitle;  // as handed to the desktop
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons;

    void answerNext(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            shownTitle = box->windowHandle() != nullptr ? box->windowHandle()->title() : title;
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
    const MessageAnswer answer =
        platform.message(QStringLiteral("<b>x</b>"), appinfo::kProgramTitle,
                         MessageIcon::Information, MessageButtons::YesNo);
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(spy.title, QStringLiteral("Chromanick"));
    EXPECT_EQ(spy.text, QStringLiteral("<b>x</b>"));
    EXPECT_EQ(spy.format, Qt::PlainText);
    EXPECT_EQ(spy.buttons.size(), 2);
}

// Only messages that ask for the program's title get it: the announced visit
// of the site shows an empty title.
TEST(QtMessages, AnEmptyTitleStaysEmpty) {
    QStringList opened;
    QtPlatform platform([&](const QUrl& url) {
        opened.append(url.toString());
        return true;
    });
    MessageBoxSpy spy;
    spy.answerNext(QMessageBox::Ok);
    links::announceVisitSite(platform);
    EXPECT_TRUE(spy.title.isEmpty()) << spy.title.toStdString();
    EXPECT_TRUE(spy.shownTitle.trimmed().isEmpty()) << spy.shownTitle.toStdString();
    EXPECT_EQ(spy.text,
              QStringLiteral("Vous allez être rediriger sur la page d'accueil du site Chromanick"));
    EXPECT_EQ(opened, QStringList{appinfo::kProductSite});
}

// Without a browser the user still learns where the page is.
TEST(QtMessages, ABrowserThatCannotStartIsReportedWithTheAddress) {
    QtPlatform platform([](const QUrl&) { return false; });
    MessageBoxSpy spy;
    spy.answerNext(QMessageBox::Ok);
    platform.openUrl(appinfo::kProductSite);
    EXPECT_EQ(spy.title, appinfo::kProgramTitle);
    EXPECT_TRUE(spy.text.contains(appinfo::kProductSite)) << spy.text.toStdString();
    EXPECT_TRUE(spy.text.contains(QStringLiteral("navigateur")));
    EXPECT_EQ(spy.format, Qt::PlainText);

    QtPlatform working([](const QUrl&) { return true; });
    bool boxShown = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxShown = true;
            box->close();
        }
    });
    working.openUrl(appinfo::kProductSite);
    QCoreApplication::processEvents();
    EXPECT_FALSE(boxShown);
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

// Rich text goes on as HTML and as its own source, so that a rich editor
// pastes what it draws and a plain one the markup.
TEST(QtClipboard, HtmlGoesOnAsRichTextAndAsItsSource) {
    QtPlatform platform;
    const QString html = QStringLiteral("<span style=\"color:#FF0000\">a</span>");
    platform.setClipboardHtml(html);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasHtml());
    EXPECT_EQ(data->html(), html);
    EXPECT_EQ(data->text(), html);
    EXPECT_EQ(platform.clipboardText(), html);
}

namespace {

// Hands the next modal dialog, once it shows, to `handle`, which must close it.
template <typename Dialog>
void onNextDialog(std::function<void(Dialog*)> handle) {
    QTimer::singleShot(0, [handle] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "not the expected dialog";
            if (modal != nullptr) modal->close();
            return;
        }
        handle(dialog);
    });
}

bool onTop(const QWidget* dialog) {
    return dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// As text that a failing check prints readably.
std::string canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath().toStdString();
}

// Points an environment variable elsewhere for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

}  // namespace

// The about window stays above all others: while it shows, message boxes,
// colour and file dialogs must stay above it too, and they belong to the
// window the user works in.
TEST(QtDialogs, StayInFrontOfAnAlwaysOnTopWindowWhileItShows) {
    QtPlatform platform;
    QWidget about(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    about.show();
    QWidget editor;
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));

    bool boxOnTop = false;
    QWidget* boxParent = nullptr;
    onNextDialog<QMessageBox>([&](QMessageBox* box) {
        boxOnTop = onTop(box);
        boxParent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    platform.message(QStringLiteral("Aide"), QString(), MessageIcon::None, MessageButtons::Ok);
    EXPECT_TRUE(boxOnTop);
    EXPECT_EQ(boxParent, &editor);

    bool colourOnTop = false;
    onNextDialog<QColorDialog>([&](QColorDialog* dialog) {
        colourOnTop = onTop(dialog);
        dialog->reject();
    });
    EXPECT_EQ(platform.pickColour(QStringLiteral("cmdialcolor1"), 0), std::nullopt);
    EXPECT_TRUE(colourOnTop);

    bool fileOnTop = false;
    onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        fileOnTop = onTop(dialog);
        dialog->reject();
    });
    platform.saveFileName(QStringLiteral("cmdialsave"), QStringLiteral("Fichier Texte.|*.txt"),
                          QString());
    EXPECT_TRUE(fileOnTop);

    // Once it is closed, the same dialogs open as ordinary windows again.
    about.hide();
    onNextDialog<QMessageBox>([&](QMessageBox* box) {
        boxOnTop = onTop(box);
        box->button(QMessageBox::Ok)->click();
    });
    platform.message(QStringLiteral("Aide"), QString(), MessageIcon::None, MessageButtons::Ok);
    EXPECT_FALSE(boxOnTop);
    onNextDialog<QColorDialog>([&](QColorDialog* dialog) {
        colourOnTop = onTop(dialog);
        dialog->reject();
    });
    platform.pickColour(QStringLiteral("cmdialcolor1"), 0);
    EXPECT_FALSE(colourOnTop);
}

// A file dialog first opens in the documents folder (home when there is
// none), and afterwards where a file was last chosen in that same dialog.
TEST(QtDialogs, FileDialogsStartInDocumentsThenInTheFolderLastUsed) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const ScopedVariable homeVariable("HOME", home.path());
    const ScopedVariable configVariable("XDG_CONFIG_HOME",
                                        home.filePath(QStringLiteral(".config")));
    const QString filter = QStringLiteral("Fichier Chromanick.|*.nkp");
    QtPlatform platform;

    QString folder;
    onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        dialog->reject();
    });
    EXPECT_EQ(platform.openFileName(QStringLiteral("cmdopenprojet"), filter), std::nullopt);
    EXPECT_EQ(canonical(folder), canonical(home.path()));

    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("ailleurs")));
    const QString chosen = home.filePath(QStringLiteral("ailleurs/mon pseudo.nkp"));
    QString proposed;
    onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->selectFile(chosen);
        static_cast<QDialog*>(dialog)->accept();  // as its Save button
    });
    const std::optional<QString> path =
        platform.saveFileName(QStringLiteral("cmdsaveprojet"), filter, QStringLiteral("Bob"));
    EXPECT_EQ(canonical(folder), canonical(home.filePath(QStringLiteral("Documents"))));
    EXPECT_EQ(proposed, QStringLiteral("Bob"));
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(QFileInfo(*path).fileName(), QStringLiteral("mon pseudo.nkp"));

    auto startOf = [&](const QString& dialogName) {
        onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
        platform.saveFileName(dialogName, filter, QString());
        return canonical(folder);
    };
    EXPECT_EQ(startOf(QStringLiteral("cmdsaveprojet")),
              canonical(home.filePath(QStringLiteral("ailleurs"))));
    EXPECT_EQ(startOf(QStringLiteral("cmdialsave")),
              canonical(home.filePath(QStringLiteral("Documents"))));
}

// The detailed view shows every column title, names and dates whole, and the
// dialog is wide enough to show those columns side by side.
TEST(QtDialogs, FileDialogsOpenWideEnoughForNamesAndDates) {
    QtPlatform platform;
    QStringList cut;
    int shownWidth = 0;
    int neededWidth = 0;
    onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setViewMode(QFileDialog::Detail);
        auto* files = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        if (files == nullptr) {
            cut.append(QStringLiteral("no detailed view"));
        } else {
            QHeaderView* header = files->header();
            const QFontMetrics metrics(files->font());
            const QString date = QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)),
                                                    QLocale::ShortFormat);
            for (int i = 0; i < header->count(); ++i) {
                const QString title = header->model()->headerData(i, Qt::Horizontal).toString();
                if (header->sectionSize(i) < header->sectionSizeHint(i)) cut.append(title);
            }
            if (header->sectionSize(3) < metrics.horizontalAdvance(date)) cut.append(date);
            for (int i = 0; i < 4; ++i) neededWidth += header->sectionSize(i);
            shownWidth = files->viewport()->width();
        }
        dialog->reject();
    });
    platform.openFileName(QStringLiteral("cmdopenprojet"),
                          QStringLiteral("Fichier Chromanick.|*.nkp|Tous les fichiers|*"));
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral(", ")).toStdString();
    EXPECT_GE(shownWidth, neededWidth);
}
