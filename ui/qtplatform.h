#pragma once

#include "ui/platform.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QApplication;
class QColorDialog;
class QUrl;
class QWidget;

namespace chromanick {

// "Fichier Chromanick.|*.nkp" -> "Fichier Chromanick. (*.nkp)". Several
// description|pattern pairs become Qt filters separated by ";;".
QString qtFileFilter(const QString& filter);

// Loads Qt's own French translations (standard buttons "Oui", "Non",
// "Annuler", the file and colour dialogs). Returns false when they are not
// installed; the program then runs with Qt's English texts.
bool installFrenchTranslations(QApplication& app);

// The desktop as the editors see it: real message boxes, colour and file
// dialogs, the system clipboard and the default browser.
class QtPlatform : public Platform {
public:
    // Hands an address to the browser; false when none could be started.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // `openUrl` defaults to the desktop's default browser.
    explicit QtPlatform(UrlOpener urlOpener = {});
    ~QtPlatform() override;

    MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<BgrColor> pickColour(const QString& dialog, BgrColor current) override;
    std::optional<QString> saveFileName(const QString& dialog, const QString& filter,
                                        const QString& proposedName) override;
    std::optional<QString> openFileName(const QString& dialog, const QString& filter) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    bool clipboardHasText() override;
    QString clipboardText() override;
    void setClipboardHtml(const QString& html) override;
    // When no browser can be started, a message gives the address so that
    // the user can open it by hand.
    void openUrl(const QString& url) override;

private:
    std::optional<QString> askFile(const QString& dialog, const QString& filter,
                                   const QString& proposedName, bool save);
    QColorDialog& colourDialog(const QString& dialog);

    // Each named colour dialog keeps its own window (and its custom colours).
    std::map<QString, std::unique_ptr<QColorDialog>> colourDialogs_;
    // The folder last confirmed in each named file dialog.
    QHash<QString, QString> lastFolders_;
    UrlOpener urlOpener_;
};

}  // namespace chromanick
