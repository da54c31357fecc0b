#include "ui/textfit.h"

#include "ui/wrappingcheckbox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>

namespace chromanick {

namespace {

constexpr double kSmallestPoints = 6.5;

// Room for the caption of a button-like control, in pixels.
int captionRoom(const QAbstractButton* button) {
    const QStyle* style = button->style();
    if (qobject_cast<const QPushButton*>(button) != nullptr) {
        return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    }
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    const int indicator = style->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
    const int spacing = style->pixelMetric(
        radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
        button);
    return button->width() - indicator - spacing - 2;
}

bool fits(const QWidget* widget, const QFontMetrics& metrics) {
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
    return true;
}

void shrinkUntilItFits(QWidget* widget) {
    QFont font = widget->font();
    while (!fits(widget, QFontMetrics(font)) && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (font != widget->font()) widget->setFont(font);
}

}  // namespace

void fitCaptions(QWidget* root, const QStringList& skip) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (skip.contains(widget->objectName())) continue;
        if (qobject_cast<QLabel*>(widget) != nullptr ||
            qobject_cast<QAbstractButton*>(widget) != nullptr) {
            shrinkUntilItFits(widget);
        }
    }
}

}  // namespace chromanick
