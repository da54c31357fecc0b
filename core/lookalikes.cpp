#include "lookalikes.h"

#include <QHash>

#include <array>

namespace chromanick {

namespace {

struct RawRow {
    const char16_t* letter;
    const char16_t* lookalike;
};

// Rows are applied in this order in both directions. No look-alike contains
// any of the letters, so the forward direction is idempotent; the way back
// is lossy where look-alikes overlap ("¥" serves "Y" and "y", "\/" is part
// of "\/\/", "|_" can be cut out of "|\/|_").
constexpr RawRow kRows[] = {
    {u"a", u"å"},       // 1
    {u"A", u"Â"},       // 2
    {u"B", u"ß"},       // 3
    {u"b", u"þ"},       // 4
    {u"c", u"¢"},       // 5
    {u"D", u"Ð"},       // 6
    {u"E", u"£"},       // 7
    {u"e", u"€"},       // 8
    {u"I", u"Ï"},       // 9
    {u"i", u"í"},       // 10
    {u"j", u"¡"},       // 11
    {u"L", u"|_"},      // 12
    {u"M", u"|\\/|"},   // 13
    {u"N", u"Ñ"},       // 14
    {u"n", u"ñ"},       // 15
    {u"O", u"Ø"},       // 16
    {u"o", u"ø"},       // 17
    {u"p", u"Þ"},       // 18
    {u"S", u"$"},       // 19
    {u"s", u"§"},       // 20
    {u"U", u"Ù"},       // 21
    {u"u", u"µ"},       // 22
    {u"V", u"\\/"},     // 23
    {u"W", u"\\/\\/"},  // 24
    {u"x", u"¤"},       // 25
    {u"Y", u"¥"},       // 26
    {u"y", u"¥"},       // 27
    {u"Z", u"Ž"},       // 28
    {u"z", u"ž"},       // 29
};

}  // namespace

const QList<LookalikeRow>& SpecialCharMap() {
    static const QList<LookalikeRow> rows = [] {
        QList<LookalikeRow> list;
        for (const RawRow& r : kRows) {
            list.append({QString::fromUtf16(r.letter), QString::fromUtf16(r.lookalike)});
        }
        return list;
    }();
    return rows;
}

namespace {

// The look-alike of each letter by its code: a flat table for Latin-1, where
// every letter of the map is, and a hash for anything beyond. Null views for
// characters that stay as they are.
class LookalikeIndex {
public:
    LookalikeIndex() {
        for (const LookalikeRow& row : SpecialCharMap()) {
            const char16_t code = row.letter.front().unicode();
            QStringView& slot = code < latin1_.size() ? latin1_[code] : other_[code];
            if (slot.isNull()) slot = row.lookalike;  // the first row wins
        }
    }
    QStringView of(char16_t code) const {
        return code < latin1_.size() ? latin1_[code] : other_.value(code);
    }

private:
    std::array<QStringView, 256> latin1_{};  // views into the static map
    QHash<char16_t, QStringView> other_;
};

}  // namespace

// Each row is a case-sensitive replace-all of one letter, applied in row
// order. No look-alike contains any of the letters, so a later row never
// rewrites what an earlier one wrote, and the 29 passes come down to one
// lookup per character: the result is measured, then filled, whatever the
// length of the text (this runs on every keystroke in the nickname box).
QString Applique_CaracSpe(const QString& text) {
    static const LookalikeIndex index;
    qsizetype length = 0;
    for (const QChar c : text) {
        const QStringView lookalike = index.of(c.unicode());
        length += lookalike.isNull() ? 1 : lookalike.size();
    }
    QString result(length, Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text) {
        const QStringView lookalike = index.of(c.unicode());
        if (lookalike.isNull()) {
            *out++ = c;
        } else {
            std::copy(lookalike.begin(), lookalike.end(), out);
            out += lookalike.size();
        }
    }
    return result;
}

QString Retire_CaracSpe(const QString& text) {
    QString result = text;
    for (const LookalikeRow& row : SpecialCharMap()) result.replace(row.lookalike, row.letter);
    return result;
}

}  // namespace chromanick
