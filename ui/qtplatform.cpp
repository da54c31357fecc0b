#include "ui/qtplatform.h"

#include "core/appinfo.h"
#include "ui/widgets/widgetcolours.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTranslator>
#include <QTreeView>
#include <QUrl>
#include <QWindow>

namespace chromanick {

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]));
    }
    if (filters.isEmpty()) return filter;
    return filters.join(QStringLiteral(";;"));
}

bool installFrenchTranslations(QApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_fr"), folder)) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    return true;
}

namespace {

// Boxes and dialogs belong to the window the user is working in.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

bool alwaysOnTopWindowShown(const QWidget* except) {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window != except && window->isVisible() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            return true;
        }
    }
    return false;
}

// The about window stays above every other window. While it shows, a box or
// dialog must stay on top as well, or it could open hidden behind it.
void keepInFront(QWidget* dialog) {
    const bool onTop = alwaysOnTopWindowShown(dialog);
    if (dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
}

// A file dialog opens in the folder last confirmed in it; the first time, in
// the user's documents folder, or at home when there is none.
QString startFolder(const QString& lastFolder) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (const QString& folder : {lastFolder, documents}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath();
}

// Qt opens its file dialog at a size that cuts the column titles and dates
// of the detailed view. Each column gets room for its title and content;
// once the dialog is laid out, just before it shows, it grows until the file
// list shows those columns side by side (within the screen).
class FileDialogFit : public QObject {
public:
    explicit FileDialogFit(QFileDialog& box) : QObject(&box), box_(box) {
        files_ = box.findChild<QTreeView*>(QStringLiteral("treeView"));
        if (files_ == nullptr) return;
        widenColumns();
        // The room the dialog gains goes to the file list, not the side bar.
        if (auto* splitter = box.findChild<QSplitter*>(QStringLiteral("splitter"))) {
            splitter->setStretchFactor(0, 0);
            splitter->setStretchFactor(1, 1);
        }
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &box_ && event->type() == QEvent::Show) growToColumns();
        return false;
    }

private:
    void widenColumns() {
        QHeaderView* header = files_->header();
        const QFontMetrics metrics(files_->font());
        const int margin = 2 * metrics.averageCharWidth();
        const QString date =
            QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
        const QString content[] = {QStringLiteral("Mon pseudo en couleurs(28 12 26).nkp"),
                                   QStringLiteral("999,9 Kio"), QStringLiteral("Fichier nkp"),
                                   date};
        columns_ = 0;
        for (int i = 0; i < header->count(); ++i) {
            // Qt makes the name column as wide as 26 "w"; a long project
            // name is enough.
            int width = i == 0 ? header->sectionSizeHint(i)
                               : qMax(header->sectionSize(i), header->sectionSizeHint(i));
            if (i < 4) width = qMax(width, metrics.horizontalAdvance(content[i]) + margin);
            header->resizeSection(i, width);
            columns_ += width;
        }
    }

    // The detailed list may be the hidden page of the views: its room is the
    // views' own.
    void growToColumns() {
        const QWidget* views = files_->parentWidget();
        while (views != nullptr && qobject_cast<const QStackedWidget*>(views) == nullptr)
            views = views->parentWidget();
        const int room = views != nullptr ? views->width() : files_->width();
        const int missing = columns_ + files_->verticalScrollBar()->sizeHint().width() +
                            2 * files_->frameWidth() - room;
        if (missing <= 0) return;
        QSize size(box_.width() + missing, qMax(box_.height(), box_.width() * 3 / 5));
        if (const QScreen* screen = box_.screen()) {
            size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
        }
        box_.resize(size.expandedTo(box_.size()));
    }

    QFileDialog& box_;
    QTreeView* files_ = nullptr;
    int columns_ = 0;
};

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQtAnswer(int button, MessageButtons buttons) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            break;
    }
    // Closed by its title bar: the box's escape answer.
    switch (buttons) {
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

}  // namespace

QtPlatform::QtPlatform(UrlOpener urlOpener) : urlOpener_(std::move(urlOpener)) {
    if (!urlOpener_) urlOpener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::message(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons) {
    QMessageBox box(toQtIcon(icon), title, text, toQtButtons(buttons), dialogParent());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    keepInFront(&box);
    if (title.isEmpty()) {
        // Qt names an untitled window after the program: a blank title stays
        // blank on screen. (Set once the window's flags are final: changing
        // them makes a new native window.)
        box.winId();
        box.windowHandle()->setTitle(QStringLiteral(" "));
    }
    return fromQtAnswer(box.exec(), buttons);
}

QColorDialog& QtPlatform::colourDialog(const QString& dialog) {
    auto& slot = colourDialogs_[dialog];
    if (!slot) {
        slot = std::make_unique<QColorDialog>();
        slot->setObjectName(dialog);
    }
    return *slot;
}

std::optional<BgrColor> QtPlatform::pickColour(const QString& dialog, BgrColor current) {
    QColorDialog& box = colourDialog(dialog);
    box.setCurrentColor(toQColor(current));
    keepInFront(&box);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return toBgr(box.selectedColor());
}

std::optional<QString> QtPlatform::askFile(const QString& dialog, const QString& filter,
                                           const QString& proposedName, bool save) {
    QFileDialog box(dialogParent());
    box.setObjectName(dialog);
    box.setNameFilter(qtFileFilter(filter));
    // Never append an extension to the name the user typed.
    box.setDefaultSuffix(QString());
    box.setDirectory(startFolder(lastFolders_.value(dialog)));
    new FileDialogFit(box);
    keepInFront(&box);
    if (save) {
        box.setAcceptMode(QFileDialog::AcceptSave);
        box.setFileMode(QFileDialog::AnyFile);
        if (!proposedName.isEmpty()) box.selectFile(proposedName);
    } else {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        box.setFileMode(QFileDialog::ExistingFile);
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = box.selectedFiles().constFirst();
    lastFolders_.insert(dialog, QFileInfo(path).absolutePath());
    return QDir::toNativeSeparators(path);
}

std::optional<QString> QtPlatform::saveFileName(const QString& dialog, const QString& filter,
                                                const QString& proposedName) {
    return askFile(dialog, filter, proposedName, true);
}

std::optional<QString> QtPlatform::openFileName(const QString& dialog, const QString& filter) {
    return askFile(dialog, filter, QString(), false);
}

void QtPlatform::clearClipboard() {
    QApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

bool QtPlatform::clipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

QString QtPlatform::clipboardText() {
    return QApplication::clipboard()->text();
}

void QtPlatform::setClipboardHtml(const QString& html) {
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(html);
    QApplication::clipboard()->setMimeData(data);
}

void QtPlatform::openUrl(const QString& url) {
    if (urlOpener_(QUrl(url))) return;
    message(QStringLiteral("Aucun navigateur web n'a pu être lancé. Pour consulter la page, "
                           "ouvrez vous-même cette adresse : ") +
                url,
            appinfo::kProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
}

}  // namespace chromanick
