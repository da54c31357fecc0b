#include "specialchars.h"

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

const QList<SpecialCharRow>& SpecialCharMap() {
    static const QList<SpecialCharRow> rows = [] {
        QList<SpecialCharRow> list;
        for (const RawRow& r : kRows) {
            list.append({QString::fromUtf16(r.letter), QString::fromUtf16(r.lookalike)});
        }
        return list;
    }();
    return rows;
}

// Each row is one plain case-sensitive replace-all over the whole text; 29
// passes of linear replacements keep the whole transform linear in the text.
QString Applique_CaracSpe(const QString& text) {
    QString result = text;
    for (const SpecialCharRow& row : SpecialCharMap()) result.replace(row.letter, row.lookalike);
    return result;
}

QString Retire_CaracSpe(const QString& text) {
    QString result = text;
    for (const SpecialCharRow& row : SpecialCharMap()) result.replace(row.lookalike, row.letter);
    return result;
}

}  // namespace chromanick
