#pragma once

// Looks at a window as a user reads it: every caption must fit the room its
// control gives it, and no other control, nor the window's edge, may cover
// any part of it. Read-only text boxes (which have no scroll bars) must show
// every line of their text.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QWidget>

#include "ui/widgets/wrappingcheckbox.h"

#include <gtest/gtest.h>

#include <optional>

namespace chromanick::testing {

namespace captions_detail {

// Where a caption is drawn inside its control (`text`) and the part of the
// control meant for it (`room`), in the control's coordinates.
struct CaptionPlace {
    QRect room;
    QRect text;
    bool wraps = false;
};

inline QRect drawnText(const QWidget* widget, const QRect& room, int flags, const QString& text) {
    return widget->style()->itemTextRect(widget->fontMetrics(), room, flags, widget->isEnabled(),
                                         text);
}

inline std::optional<CaptionPlace> placeOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) return std::nullopt;
        const QRect room = label->contentsRect();
        int flags = int(label->alignment());
        if (label->wordWrap()) flags |= Qt::TextWordWrap;
        return CaptionPlace{room, drawnText(label, room, flags, label->text()), label->wordWrap()};
    }
    if (const auto* box = qobject_cast<const WrappingCheckBox*>(widget)) {
        const QRect room = box->captionRect();
        return CaptionPlace{
            room,
            drawnText(box, room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, box->text()),
            true};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty()) return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        int flags = Qt::AlignCenter;
        if (qobject_cast<const QCheckBox*>(button) != nullptr) {
            element = QStyle::SE_CheckBoxContents;
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
            element = QStyle::SE_RadioButtonContents;
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        }
        const QRect room = button->style()->subElementRect(element, &option, button);
        return CaptionPlace{room, drawnText(button, room, flags, button->text())};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        const QLineEdit* edit = combo->lineEdit();
        if (edit == nullptr || edit->text().isEmpty()) return std::nullopt;
        // A line edit keeps two pixels each side and one for the caret.
        const QRect room = edit->geometry().adjusted(2, 0, -3, 0);
        return CaptionPlace{room,
                            drawnText(edit, room, Qt::AlignLeft | Qt::AlignVCenter, edit->text())};
    }
    return std::nullopt;
}

// Whether the pixel `point` of `widget` shows `widget` (or one of its own
// children) in its window.
inline bool showsItself(const QWidget* widget, QPoint point) {
    const QWidget* window = widget->window();
    const QPoint there = widget->mapTo(window, point);
    if (!window->rect().contains(there)) return false;
    const QWidget* hit = window->childAt(there);
    return hit == widget || widget->isAncestorOf(hit);
}

inline bool uncovered(const QWidget* widget, const QRect& area) {
    const QRect inner = area.adjusted(1, 1, -1, -1);
    for (QPoint corner : {inner.topLeft(), inner.topRight(), inner.bottomLeft(),
                          inner.bottomRight(), inner.center()}) {
        if (!showsItself(widget, corner)) return false;
    }
    return true;
}

// Every line of a read-only box ends inside its viewport and inside the window.
inline bool showsAllItsText(const QPlainTextEdit* box) {
    const QWidget* viewport = box->viewport();
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        QTextCursor end(block);
        end.movePosition(QTextCursor::EndOfBlock);
        const QRect caret = box->cursorRect(end);
        if (!viewport->rect().contains(caret)) return false;
        if (!uncovered(viewport, caret.adjusted(-1, -1, 1, 1))) return false;
    }
    return true;
}

}  // namespace captions_detail

// The objectNames of the visible controls under `root` whose caption or text
// cannot be read whole, each with the reason. Controls named in `skip` are
// left out.
inline QStringList unreadableCaptions(const QWidget* root, const QStringList& skip = {}) {
    using namespace captions_detail;
    QStringList faults;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) || skip.contains(widget->objectName())) continue;
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
            if (box->isReadOnly() && !showsAllItsText(box))
                faults.append(widget->objectName() + QStringLiteral(": text cut"));
            continue;
        }
        const std::optional<CaptionPlace> place = placeOf(widget);
        if (!place) continue;
        const bool fits = place->wraps ? place->room.contains(place->text)
                                       : place->text.width() <= place->room.width();
        if (!fits) {
            faults.append(widget->objectName() + QStringLiteral(": too long"));
        } else if (!uncovered(widget, place->text)) {
            faults.append(widget->objectName() + QStringLiteral(": covered"));
        }
    }
    return faults;
}

// As a test assertion that names the faulty controls.
inline ::testing::AssertionResult readsWhole(const QWidget* root, const QStringList& skip = {}) {
    const QStringList faults = unreadableCaptions(root, skip);
    if (faults.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << faults.join(QStringLiteral("; ")).toStdString();
}

}  // namespace chromanick::testing
