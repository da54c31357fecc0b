#include "steadylabel.h"

#include "placement.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace chromanick {

SteadyLabel::SteadyLabel(const QString& name, const QString& boxName, QWidget* parent)
    : QWidget(parent), label_(plainLabel(QString(), this)) {
    setObjectName(boxName);
    label_->setObjectName(name);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    fit(true);
}

QString SteadyLabel::text() const {
    return label_->text();
}

void SteadyLabel::setText(const QString& text) {
    if (label_->text() == text) return;
    label_->setText(text);
    fit(false);
}

// As wide as the widest text shown so far (the window never cuts one), as
// high as the text's lines. Only a text longer than any measured is
// measured: the next number of a count is as wide as the one before.
void SteadyLabel::fit(bool remeasure) {
    const QFontMetrics metrics = fontMetrics();  // the label's, which it inherits
    const QString text = label_->text();
    const QMargins margins = label_->contentsMargins();
    if (remeasure) {
        widest_ = 0;
        longest_ = -1;
    }
    if (text.size() > longest_) {
        longest_ = text.size();
        int width = 0;
        for (const QStringView line : QStringView(text).split(u'\n'))
            width = std::max(width, metrics.horizontalAdvance(line.toString()));
        width += margins.left() + margins.right() + 2 * label_->margin();
        if (width > widest_ || remeasure) {
            widest_ = std::max(widest_, width);
            setMinimumWidth(widest_);
        }
    }
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    const int height = metrics.height() + (lines - 1) * metrics.lineSpacing() + margins.top() +
                       margins.bottom() + 2 * label_->margin();
    if (remeasure || height != minimumHeight()) setFixedHeight(height);
}

void SteadyLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    label_->setGeometry(rect());
}

void SteadyLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fit(true);
}

}  // namespace chromanick
