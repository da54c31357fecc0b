#pragma once

// Watches the layout of a multi-line box while its text is replaced: the
// length of the longest paragraph laid out meanwhile. Laying out the old text
// again is what made replacing a long code by a short one take minutes.
#include <QAbstractTextDocumentLayout>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace chromanick::testing {

class LayoutWatch {
public:
    explicit LayoutWatch(QPlainTextEdit* box) {
        connection_ = QObject::connect(
            box->document()->documentLayout(), &QAbstractTextDocumentLayout::updateBlock,
            [this](const QTextBlock& block) { longest_ = std::max(longest_, block.length()); });
    }
    ~LayoutWatch() { QObject::disconnect(connection_); }
    LayoutWatch(const LayoutWatch&) = delete;
    LayoutWatch& operator=(const LayoutWatch&) = delete;

    // The longest paragraph laid out, in characters with its paragraph end.
    int longestLaidOut() const { return longest_; }

private:
    QMetaObject::Connection connection_;
    int longest_ = 0;
};

}  // namespace chromanick::testing
