#include "ui/widgets/textfit.h"

#include "ui/widgets/wrappingcheckbox.h"

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
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

namespace chromanick {

namespace {

constexpr double kSmallestPoints = 6.5;
constexpr int kSmallestPixels = 9;
// A line edit keeps two pixels each side of its text and one for the caret.
constexpr int kLineEditMargins = 2 * 2 + 1;

// One step smaller; false once the font is as small as it may get.
bool shrink(QFont& font) {
    if (font.pointSizeF() > 0) {
        if (font.pointSizeF() - 0.5 < kSmallestPoints) return false;
        font.setPointSizeF(font.pointSizeF() - 0.5);
        return true;
    }
    if (font.pixelSize() - 1 < kSmallestPixels) return false;
    font.setPixelSize(font.pixelSize() - 1);
    return true;
}

// Room for the caption of a button-like control, in pixels.
int captionRoom(const QAbstractButton* button) {
    const QStyle* style = button->style();
    if (qobject_cast<const QPushButton*>(button) != nullptr) {
        // Inside the button's frame, with the style's margins when it has any.
        QStyleOptionButton option;
        option.initFrom(button);
        const int inside =
            style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int margins = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return std::min(inside, button->width() - margins);
    }
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    const int indicator = style->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
    const int spacing = style->pixelMetric(
        radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
        button);
    return button->width() - indicator - spacing - 2;
}

// Room for the text of an editable list's box.
int editRoom(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    option.frame = combo->hasFrame();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return field.width() - kLineEditMargins;
}

// The size `text` takes laid out as `box` lays it out, `width` pixels wide.
QSizeF laidOutSize(const QPlainTextEdit* box, const QFont& font, qreal width) {
    QTextOption option = box->document()->defaultTextOption();
    option.setWrapMode(box->lineWrapMode() == QPlainTextEdit::NoWrap ? QTextOption::NoWrap
                                                                     : box->wordWrapMode());
    QSizeF size;
    for (const QString& paragraph : box->toPlainText().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            size.rheight() += line.height();
            size.setWidth(std::max(size.width(), line.naturalTextWidth()));
        }
        layout.endLayout();
    }
    return size;
}

// Whether every line of a read-only box shows in the part of the box that
// its parent does not cut off.
bool textFits(const QPlainTextEdit* box, const QFont& font) {
    int shownHeight = box->height();
    if (const QWidget* parent = box->parentWidget()) {
        shownHeight = std::min(box->geometry().bottom(), parent->height() - 1) - box->y() + 1;
    }
    const qreal margin = box->document()->documentMargin();
    const qreal width = box->width() - 2 * box->frameWidth() - 2 * margin;
    const qreal height = shownHeight - 2 * box->frameWidth() - 2 * margin;
    const QSizeF needed = laidOutSize(box, font, width);
    // An unwrapped line also keeps a pixel for the caret.
    return needed.height() <= height && needed.width() + 1 <= width;
}

bool fits(const QWidget* widget, const QFont& font) {
    const QFontMetrics metrics(font);
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                                      Qt::TextWordWrap, label->text());
            return needed.height() <= room.height();
        }
        return metrics.horizontalAdvance(label->text()) <= room.width();
    }
    if (const auto* box = qobject_cast<const WrappingCheckBox*>(widget)) {
        const QRect room = box->captionRect();
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, box->text());
        return needed.height() <= room.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return metrics.horizontalAdvance(button->text()) <= captionRoom(button);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return !combo->isEditable() ||
               metrics.horizontalAdvance(combo->currentText()) <= editRoom(combo);
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
        return !box->isReadOnly() || textFits(box, font);
    }
    return true;
}

bool fitted(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

void shrinkUntilItFits(QWidget* widget) {
    QFont font = widget->font();
    while (!fits(widget, font) && shrink(font)) {
    }
    if (font != widget->font()) widget->setFont(font);
}

}  // namespace

void fitCaptions(QWidget* root, const QStringList& skip) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (skip.contains(widget->objectName())) continue;
        if (fitted(widget)) shrinkUntilItFits(widget);
    }
}

}  // namespace chromanick

namespace chromanick {

void replaceText(QPlainTextEdit* box, const QString& text, const std::function<void()>& setUp) {
    if (!box->document()->isEmpty()) box->clear();
    if (setUp) setUp();
    box->setPlainText(text);
}

void showCode(QPlainTextEdit* box, const QString& code) {
    const bool longCode = code.size() > kLongestWordWrappedCode;
    const auto wrap =
        longCode ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    // Such a code never fits the box: with the scroll bar there from the
    // start, the text is not laid out a second time when it appears.
    const auto bar = longCode ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    // Both settings come before the new text: each change lays the whole
    // text out again.
    replaceText(box, code, [&] {
        if (box->wordWrapMode() != wrap) box->setWordWrapMode(wrap);
        if (box->verticalScrollBarPolicy() != bar) box->setVerticalScrollBarPolicy(bar);
    });
}

bool holdsText(const QPlainTextEdit* box, const QString& text) {
    // The document counts one paragraph end more than its plain text holds.
    return box->document()->characterCount() - 1 == text.size() && box->toPlainText() == text;
}

}  // namespace chromanick
