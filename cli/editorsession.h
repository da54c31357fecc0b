#pragma once

// A freshly started main editor for the commands that work as the window
// would: its decoration lists hold the built-in entries and the user's own,
// and its dialogs answer with what the command line gave.
#include "composeoptions.h"
#include "ui/editor/mainmodel.h"
#include "ui/platform.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace chromanick::cli {

// Dialogs without a window: file dialogs give the path set beforehand (or
// are cancelled), colour dialogs the colour set for them, the clipboard
// lives in memory, and critical messages are kept for the command to report.
class HeadlessPlatform : public Platform {
public:
    QString filePath;
    QMap<QString, BgrColor> colours;
    QStringList errors;

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
    void openUrl(const QString& url) override;

private:
    std::optional<QString> clipboard_;
    std::optional<QString> path() const;
};

// The arguments of a command that sets up an editor: a file, the compose
// options, --lookalike and the nickname.
struct EditorCommandLine {
    QString file;
    ComposeOptions options;
    bool lookalike = false;
};
EditorCommandLine parseEditorCommandLine(const QStringList& args, const QString& fileWhat);
QString editorCommandOptionsUsage();

class EditorSession {
public:
    EditorSession();

    // Sets the controls as the options say, each through its own handler.
    // Decoration positions reach the user entries too.
    void setUp(const ComposeOptions& options, bool lookalike);
    // Fails with the editor's last critical message (exit status 1) when it
    // reported one.
    void throwIfFailed() const;

    HeadlessPlatform platform;
    MainEditorModel model;

private:
    void setColours(const NickSettings& s);
    void setDecorations(const ComposeOptions& options);
};

}  // namespace chromanick::cli
