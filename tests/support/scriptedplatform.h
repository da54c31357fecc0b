#pragma once

// A Platform that answers from a script instead of showing dialogs, and
// records what the program asked for. Unscripted questions get a default
// answer (Cancel / cancelled) and are still recorded.
#include "ui/platform.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace chromanick::testing {

class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };
    struct ColourRequest {
        QString dialog;
        BgrColor current;
    };
    struct FileRequest {
        QString dialog;
        QString filter;
        QString proposedName;
        bool save;
    };

    // Scripts, consumed in order.
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<BgrColor>> colours;
    std::deque<std::optional<QString>> paths;

    // What was asked.
    QList<Message> messages;
    QList<ColourRequest> colourRequests;
    QList<FileRequest> fileRequests;
    QStringList openedUrls;

    // Clipboard contents; `clipboardRejectsText` simulates a clipboard that
    // holds no text after a put. `clipboardHtml` is the rich text put with
    // the plain text, until the next put.
    std::optional<QString> clipboard;
    std::optional<QString> clipboardHtml;
    bool clipboardRejectsText = false;

    MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons) override {
        messages.append({text, title, icon, buttons});
        if (answers.empty())
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<BgrColor> pickColour(const QString& dialog, BgrColor current) override {
        colourRequests.append({dialog, current});
        if (colours.empty()) return std::nullopt;
        auto c = colours.front();
        colours.pop_front();
        return c;
    }
    std::optional<QString> saveFileName(const QString& dialog, const QString& filter,
                                        const QString& proposedName) override {
        fileRequests.append({dialog, filter, proposedName, true});
        return nextPath();
    }
    std::optional<QString> openFileName(const QString& dialog, const QString& filter) override {
        fileRequests.append({dialog, filter, QString(), false});
        return nextPath();
    }
    void clearClipboard() override {
        clipboard.reset();
        clipboardHtml.reset();
    }
    void setClipboardText(const QString& text) override {
        clipboardHtml.reset();
        if (!clipboardRejectsText) clipboard = text;
    }
    void setClipboardHtml(const QString& html) override {
        setClipboardText(html);
        if (!clipboardRejectsText) clipboardHtml = html;
    }
    bool clipboardHasText() override { return clipboard.has_value(); }
    QString clipboardText() override { return clipboard.value_or(QString()); }
    void openUrl(const QString& url) override { openedUrls.append(url); }

private:
    std::optional<QString> nextPath() {
        if (paths.empty()) return std::nullopt;
        std::optional<QString> p = std::move(paths.front());
        paths.pop_front();
        return p;
    }
};

}  // namespace chromanick::testing
