#include "settingsfiles.h"

#include "textfile.h"

#include <QDir>

#include <optional>

namespace chromanick {

namespace {

// Settings files are small lists, read at every start; anything larger than
// this is no settings file and counts as unreadable. The start-up's cost
// grows with the number of entries: at this size, lists of one-letter
// entries (half a million of them) still let the window start in under 3 s.
constexpr qint64 kSettingsFileLimit = 1024 * 1024;

const QString kNkpMessengerLabel = QStringLiteral("L'utilisateur possède Msn Plus?");
const QString kNkpLaunchLabel = QStringLiteral("Lancement automatique?");

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Steps over the separator at `pos` (a comma, or one line end of CR LF, LF or CR).
qsizetype skipSeparator(const QString& text, qsizetype pos) {
    if (pos >= text.size()) return pos;
    if (text[pos] == QLatin1Char('\r') && pos + 1 < text.size() &&
        text[pos + 1] == QLatin1Char('\n'))
        return pos + 2;
    return pos + 1;
}

qsizetype findSeparator(const QString& text, qsizetype pos) {
    while (pos < text.size() && text[pos] != QLatin1Char(',') && !isLineEnd(text[pos])) ++pos;
    return pos;
}

// An environment variable naming a folder, byte for byte as file names are
// (nativefile::decodeName); nothing when it is unset, empty or relative,
// which the XDG rules say to ignore.
std::optional<QString> absoluteFolderVariable(const char* name) {
    QByteArray value = qgetenv(name);
    if (!value.startsWith('/')) return std::nullopt;
    while (value.size() > 1 && value.endsWith('/')) value.chop(1);
    return nativefile::decodeName(value);
}

}  // namespace

QString defaultInstallDir() {
    const std::optional<QString> data = absoluteFolderVariable("XDG_DATA_HOME");
    if (data) return *data + QStringLiteral("/Chromanick/");
    const QString home = absoluteFolderVariable("HOME").value_or(QDir::homePath());
    return home + QStringLiteral("/.local/share/Chromanick/");
}

SettingsFolder::SettingsFolder(QString dir) : dir_(std::move(dir)) {
    if (!dir_.endsWith(QLatin1Char('/')) && !dir_.endsWith(QDir::separator()))
        dir_ += QLatin1Char('/');
}

QString SettingsFolder::path(const QString& fileName) const {
    return dir_ + fileName;
}

bool SettingsFolder::exists(const QString& fileName) const {
    return nativefile::isRegularFile(path(fileName));
}

NkpAnswers SettingsFolder::readNkp() const {
    nativefile::makePath(dir_);
    if (!nativefile::exists(path(kNkpFile))) textfile::writeAll(path(kNkpFile), QByteArray());
    const std::optional<QStringList> lines =
        textfile::readLines(path(kNkpFile), nullptr, kSettingsFileLimit);
    if (!lines) return {};
    return NkpAnswers{lines->value(1), lines->value(3)};
}

bool SettingsFolder::writeNkp(const QString& messengerPlusAnswer, bool autoLaunch,
                              QString* error) const {
    nativefile::makePath(dir_);
    const QByteArray data = textfile::encode(
        textfile::joinLines({kNkpMessengerLabel, messengerPlusAnswer, kNkpLaunchLabel,
                             autoLaunch ? QStringLiteral("auto") : QStringLiteral("non")}));
    // Most launches write back the answers the file already holds. The file
    // is then left as it is: replacing it safely means waiting for the disk,
    // which would be most of the program's start-up time.
    if (textfile::readAll(path(kNkpFile), nullptr, kSettingsFileLimit) == data) return true;
    return textfile::writeAll(path(kNkpFile), data, error);
}

QStringList SettingsFolder::readFields(const QString& fileName) const {
    if (!exists(fileName)) return {};
    const std::optional<QString> text =
        textfile::readText(path(fileName), nullptr, kSettingsFileLimit);
    return text ? parseFields(*text) : QStringList();
}

QStringList parseFields(const QString& text) {
    QStringList fields;
    qsizetype pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isBlank(text[pos])) ++pos;
        if (pos < text.size() && text[pos] == QLatin1Char('"')) {
            // Quoted: everything up to the closing quote, separators included;
            // whatever stands between that quote and the next separator is dropped.
            const qsizetype close = text.indexOf(QLatin1Char('"'), pos + 1);
            const qsizetype end = close < 0 ? text.size() : close;
            fields.append(text.mid(pos + 1, end - pos - 1));
            pos = findSeparator(text, std::min(end + 1, text.size()));
        } else {
            const qsizetype end = findSeparator(text, pos);
            qsizetype last = end;
            while (last > pos && isBlank(text[last - 1])) --last;
            fields.append(text.mid(pos, last - pos));
            pos = end;
        }
        pos = skipSeparator(text, pos);
    }
    return fields;
}

}  // namespace chromanick
