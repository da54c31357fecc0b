#include "pluscodes.h"

namespace chromanick::pluscode {

namespace {

QString marker(QStringView rest) {
    return kDot + rest.toString();
}

}  // namespace

QString reset() {
    return marker(u"0");
}
QString bold() {
    return marker(u"#");
}
QString underline() {
    return marker(u"@");
}
QString italic() {
    return marker(u"&");
}
QString strikethrough() {
    return marker(u"'");
}

QString rgbText(BgrColor colour) {
    return colours(rgbValue(colour), {});
}

QString rgbBackground(BgrColor colour) {
    return colours({}, rgbValue(colour));
}

QString rgbValue(BgrColor colour) {
    return QLatin1Char('(') + Code_RVB(colour) + QLatin1Char(')');
}

QString paletteValue(int number, bool padded) {
    return QString::number(number).rightJustified(padded ? 2 : 1, QLatin1Char('0'));
}

QString colours(const QString& text, const QString& background) {
    QString code = marker(u"$") + text;
    if (!background.isEmpty()) code += QLatin1Char(',') + background;
    return code;
}

// Palette colour 0 (white) followed by a no-break space: the messenger then
// prints the word "Dit" invisibly.
QString ditSuppression() {
    return marker(u"$0") + QChar(0x00A0);
}

}  // namespace chromanick::pluscode
