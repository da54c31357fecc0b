#include "ui/editor/paletteframe.h"

#include "ui/widgets/widgetcolours.h"

#include <QButtonGroup>
#include <QMouseEvent>

namespace chromanick {

void PaletteOption::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the pair already selected the option; the second
    // one is only the double click, not another click.
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
        event->accept();
        return;
    }
    QRadioButton::mouseDoubleClickEvent(event);
}

bool PaletteOption::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

PaletteFrame::PaletteFrame(Kind kind, const QList<PaletteEntry>& entries, const Grid& grid,
                           QWidget* parent)
    : QGroupBox(parent), kind_(kind), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    const int cellWidth = grid.area.width() / grid.columns;
    const int cellHeight = grid.area.height() / grid.rows;
    for (int i = 0; i < entries.size(); ++i) {
        const int column = i / grid.rows;
        const int row = i % grid.rows;
        const QRect place(grid.area.left() + column * cellWidth, grid.area.top() + row * cellHeight,
                          cellWidth - 3, cellHeight - 1);
        addOption(entries[i], place);
    }
}

PaletteOption* PaletteFrame::addOption(const PaletteEntry& entry, const QRect& place) {
    auto* button = new PaletteOption(entry.caption, this);
    button->setObjectName(entry.option);
    button->setGeometry(place);
    group_->addButton(button);
    options_.insert(entry.option, button);
    if (kind_ == Kind::Foreground) {
        setCaptionColour(entry.option, entry.previewColour);
    } else {
        setFillColour(entry.option, entry.previewColour);
        setCaptionColour(entry.option, entry.captionColour);
    }
    const QString name = entry.option;
    connect(button, &QRadioButton::clicked, this, [this, name] { emit picked(name); });
    connect(button, &PaletteOption::doubleClicked, this,
            [this, name] { emit doubleClicked(name); });
    return button;
}

QRadioButton* PaletteFrame::option(const QString& name) const {
    return options_.value(name);
}

void PaletteFrame::select(const QString& name) {
    PaletteOption* button = options_.value(name);
    if (button == nullptr || button->isChecked()) return;
    const QSignalBlocker blocker(button);
    button->setChecked(true);
}

QString PaletteFrame::selected() const {
    const QAbstractButton* button = group_->checkedButton();
    return button != nullptr ? button->objectName() : QString();
}

void PaletteFrame::setCaptionColour(const QString& name, BgrColor colour) {
    PaletteOption* button = options_.value(name);
    if (button == nullptr) return;
    QPalette palette = button->palette();
    const QColor shown = toQColor(colour, palette);
    if (palette.color(QPalette::WindowText) == shown) return;
    palette.setColor(QPalette::WindowText, shown);
    palette.setColor(QPalette::ButtonText, shown);
    button->setPalette(palette);
}

void PaletteFrame::setFillColour(const QString& name, BgrColor colour) {
    PaletteOption* button = options_.value(name);
    if (button == nullptr) return;
    QPalette palette = button->palette();
    const QColor shown = toQColor(colour, palette);
    if (button->autoFillBackground() && palette.color(QPalette::Window) == shown) return;
    palette.setColor(QPalette::Window, shown);
    button->setPalette(palette);
    button->setBackgroundRole(QPalette::Window);
    button->setAutoFillBackground(true);
}

}  // namespace chromanick
