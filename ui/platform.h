#pragma once

#include "core/bgrcolor.h"

#include <QString>

#include <optional>

namespace chromanick {

enum class MessageIcon { None, Information, Critical };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Everything the editors need from the desktop. The Qt implementation shows
// real dialogs; tests use a scripted one.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box under `title`, shown as given: an empty title stays
    // empty (messages under the program's name pass appinfo::kProgramTitle).
    virtual MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons) = 0;

    // A modal colour dialog named after its control (e.g. "cmdialcolor1"),
    // opening on `current`. Returns the chosen colour (0 to 0xFFFFFF), or
    // nothing when cancelled.
    virtual std::optional<BgrColor> pickColour(const QString& dialog, BgrColor current) = 0;

    // File dialogs. `filter` is written "Description|*.ext". The path chosen is
    // returned unchanged (no extension added); nothing when cancelled.
    virtual std::optional<QString> saveFileName(const QString& dialog, const QString& filter,
                                                const QString& proposedName) = 0;
    virtual std::optional<QString> openFileName(const QString& dialog, const QString& filter) = 0;

    // Plain-text clipboard.
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual bool clipboardHasText() = 0;
    virtual QString clipboardText() = 0;
    // Rich text: `html` on the clipboard as HTML (text/html) and as its own
    // source (text/plain), so that a rich editor pastes what it draws and a
    // plain one the markup. A desktop without rich text keeps the source.
    virtual void setClipboardHtml(const QString& html) { setClipboardText(html); }

    // Hands an address to the default browser; the result is ignored.
    virtual void openUrl(const QString& url) = 0;
};

}  // namespace chromanick
