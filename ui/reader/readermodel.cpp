#include "readermodel.h"

#include "core/preview.h"
#include "dialects/codeformats.h"

#include <algorithm>

namespace chromanick {

namespace {

// Line breaks of any platform; a pasted "\r\n" is one break.
QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    unified.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    unified.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

// "2 caractères", "1 caractère", "0 octet": `unit` is plural.
QString counted(qsizetype count, const QString& unit) {
    return QString::number(count) + QLatin1Char(' ') + (count > 1 ? unit : unit.chopped(1));
}

QString characters(qsizetype count) {
    return counted(count, QStringLiteral("caractères"));
}

}  // namespace

CodeReaderModel::CodeReaderModel(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {
    setCode(QString());
}

QString CodeReaderModel::lengthsText() const {
    const QString lengths = QStringLiteral("Longueur visible : %1 ; longueur du code : %2")
                                .arg(characters(visibleLength_), characters(codeLength_));
    return tooLong() ? lengths + QLatin1Char('\n') + kLengthWarning : lengths;
}

QStringList CodeReaderModel::sizes() const {
    return previewFontSizes();
}

void CodeReaderModel::setCode(const QString& text) {
    code_ = text;
    lines_.clear();
    visibleLength_ = 0;
    codeLength_ = 0;
    longestLine_ = 0;
    for (const QString& line : splitLines(text)) {
        lines_.append(reading_->read(line));
        visibleLength_ += visibleText(lines_.back()).size();
        codeLength_ += line.size();
        longestLine_ = std::max(longestLine_, line.size());
    }
    emit changed();
}

void CodeReaderModel::pickSize(const QString& entry) {
    if (!sizes().contains(entry) || entry == size_) return;
    size_ = entry;
    emit changed();
}

QStringList CodeReaderModel::readingLabels() const {
    QStringList labels;
    for (const Reading& r : readings()) labels.append(r.label);
    return labels;
}

void CodeReaderModel::pickReading(const QString& label) {
    for (const Reading& r : readings()) {
        if (r.label != label || &r == reading_) continue;
        reading_ = &r;
        setCode(code_);
        return;
    }
}

void CodeReaderModel::paste() {
    if (!platform_.clipboardHasText()) {
        platform_.message(kNoTextToPaste, kTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    setCode(platform_.clipboardText());
}

QString CodeReaderModel::written(QString (*format)(const QList<StyledRun>&)) const {
    QStringList out;
    out.reserve(lines_.size());
    for (const QList<StyledRun>& line : lines_) out.append(format(line));
    return out.join(QLatin1Char('\n'));
}

QList<const Dialect*> CodeReaderModel::copyFormats() {
    QList<const Dialect*> formats;
    for (const Dialect& d : dialects()) {
        if (d.write != nullptr) formats.append(&d);
    }
    return formats;
}

void CodeReaderModel::pickCopyFormat(int index) {
    if (index < 0 || index >= copyFormats().size() || index == copyIndex_) return;
    copyIndex_ = index;
    emit changed();
}

QString CodeReaderModel::formatLengthText() const {
    const Dialect& format = copyFormat();
    qsizetype longest = 0;
    for (const QList<StyledRun>& line : lines_)
        longest = std::max(longest, format.length(format.write(line)));
    QString text = kFormatLength.arg(counted(longest, format.unit));
    if (format.limit <= 0) return text + QLatin1Char('.');
    text += kFormatLimit.arg(format.limit);
    return longest > format.limit ? text + kOverLimit : text;
}

QString CodeReaderModel::notShownText() const {
    QList<StyledRun> all;
    for (const QList<StyledRun>& line : lines_) all += line;
    const QStringList lost = notShown(copyFormat().expresses, all);
    return lost.isEmpty() ? QString() : kNotShown.arg(lost.join(QStringLiteral(", ")));
}

void CodeReaderModel::copyAs(const Dialect& format) {
    const QString text = written(format.write);
    if (format.copiesRichText)
        platform_.setClipboardHtml(text);
    else
        platform_.setClipboardText(text);
}

}  // namespace chromanick
