#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace chromanick {

struct DecorationPair {
    QString prefix;
    QString suffix;
};

// The 56 built-in pairs; entry n of the suffixes closes entry n of the prefixes.
const QList<DecorationPair>& BuiltinDecorations();
QStringList BuiltinPrefixes();
QStringList BuiltinSuffixes();

// One editable decoration drop-down list: its entries, the selected position
// (-1 for none) and the text shown, which is the decoration in use.
class DecorationList {
public:
    void append(const QString& entry);
    void append(const QStringList& entries);
    int count() const { return int(entries_.size()); }
    const QStringList& entries() const { return entries_; }

    int currentIndex() const { return index_; }
    QString text() const { return text_; }

    // Selecting a position shows its entry; -1 selects nothing and empties the text.
    // Returns false (and changes nothing) for a position outside the list.
    bool setCurrentIndex(int index);
    // Text typed or set directly: no entry is selected any more.
    void setText(const QString& text);

private:
    QStringList entries_;
    int index_ = -1;
    QString text_;
};

// "Equilibrer": the position the target list takes for a source position.
// -1 gives -1; a position the target list does not have gives nothing
// (the target is left unchanged).
std::optional<int> balancedIndex(int sourceIndex, int targetCount);

}  // namespace chromanick
