#include "ui/editor/decorationbox.h"

#include <QAbstractItemView>
#include <QScrollBar>

namespace chromanick {

DecorationBox::DecorationBox(QWidget* parent) : QComboBox(parent) {
    QAbstractItemModel* entries = model();
    auto changed = [this] { widthKnown_ = false; };
    connect(entries, &QAbstractItemModel::rowsInserted, this, changed);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(entries, &QAbstractItemModel::dataChanged, this, changed);
    connect(entries, &QAbstractItemModel::modelReset, this, changed);
}

void DecorationBox::showPopup() {
    if (!widthKnown_) {
        QAbstractItemView* list = view();
        list->setMinimumWidth(list->sizeHintForColumn(0) +
                              list->verticalScrollBar()->sizeHint().width() + 4);
        widthKnown_ = true;
    }
    QComboBox::showPopup();
}

}  // namespace chromanick
