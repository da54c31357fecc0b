#include "projectfile.h"

#include "nativefile.h"
#include "textfile.h"

#include <array>

namespace chromanick {

namespace {

using textfile::kCrLf;

constexpr int kValueLines = 19;  // lines 2, 4, ..., 38

// Labels of the odd lines 1 to 39 of a finished project file.
const std::array<QString, 20> kFinalLabels = {
    QStringLiteral("Nom de l'option de couleur pour la couleur du pseudo sélectionnée :"),
    QStringLiteral(
        "Nom de l'option de couleur pour la couleur d'arrière plan du pseudo sélectionnée :"),
    QStringLiteral("Pseudo :"),
    QStringLiteral("Index du combo 1 :"),
    QStringLiteral("Index du combo 2 :"),
    QStringLiteral("Gras :"),
    QStringLiteral("Souligné : "),
    QStringLiteral("Italique :"),
    QStringLiteral("Barré :"),
    QStringLiteral("Caractère spéciaux?"),
    QStringLiteral("Rouge : "),
    QStringLiteral("Vert : "),
    QStringLiteral("Bleu : "),
    QStringLiteral("Rouge2 : "),
    QStringLiteral("Vert2 : "),
    QStringLiteral("Bleu2 : "),
    QStringLiteral("Rouge du mot dit : "),
    QStringLiteral("Vert du mot dit : "),
    QStringLiteral("Bleu du mot dit : "),
    QStringLiteral("Couleur du mot dit personnalisé ?"),
};
const QString kOui = QStringLiteral("Oui");
const QString kNon = QStringLiteral("Non");

void setError(QString* error, const QString& message) {
    if (error) *error = message;
}

QString yesNo(bool on) {
    return on ? kOui : kNon;
}

QString channel(int value) {
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

// What SupprLigne leaves of a file holding `content`.
QString withoutLine(const QString& content, qint16 lineNumber) {
    const QStringList lines = textfile::splitLines(content);
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (i + 1 != lineNumber) text += lines.at(i) + kCrLf;
    return text + kCrLf;
}

// What Insere_FicTxt leaves of a file holding `content`.
QString withLineInserted(const QString& content, const QString& text, qint16 lineNumber) {
    // Lone LF line ends, and the lone CR ones of an old Mac file, count as CR LF.
    QString t = textfile::joinLines(textfile::splitLines(content));
    const bool lastLineEnded =
        content.endsWith(QLatin1Char('\n')) ||
        (content.endsWith(QLatin1Char('\r')) && !content.contains(QLatin1Char('\n')));
    if (!content.isEmpty() && !lastLineEnded) t.chop(kCrLf.size());
    if (lineNumber == 1) {
        t = text + kCrLf + t;
    } else {
        int count = 0;
        for (qsizetype pos = t.indexOf(kCrLf); pos >= 0; pos = t.indexOf(kCrLf, pos + 2)) {
            if (++count == lineNumber - 1) {
                t.insert(pos + 2, text + kCrLf);
                break;
            }
        }
    }
    return t + kCrLf;
}

// The working file of the save (emptied once held), whose lines are
// replaced one at a time by the line procedures' own rules (withoutLine,
// withLineInserted): each step leaves the lines a file rewritten by
// SupprLigne or Insere_FicTxt would hold, but on the lines held here, so
// that the file is written once, when the project is finished, instead of
// read, split, joined and written back whole at every step.
// Both procedures end the file with a line end, so after the first step the
// file's text is its lines each followed by CR LF, and reading it again
// gives the same lines.
// Only one save at a time uses it (two programs saving the same project
// would otherwise mix their lines); one left by a save that crashed is
// taken over.
class WorkingFile {
public:
    explicit WorkingFile(nativefile::LockedFile& file) {
        const std::optional<QByteArray> data = file.isOpen() ? file.readAll() : std::nullopt;
        if (!data) {
            ok_ = false;
            error_ = file.error();
            return;
        }
        lines_ = textfile::splitLines(textfile::decode(*data));
    }

    void replace(qint16 line, const QString& text) {
        // SupprLigne: the line goes, and the file ends with an empty line.
        if (line >= 1 && line <= lines_.size()) lines_.removeAt(line - 1);
        lines_.append(QString());
        // Insere_FicTxt: the text, followed by a line end, after the
        // (line - 1)th line end, when there are that many; the file again
        // ends with an empty line. The text's own line ends split it.
        const QStringList inserted = storedLines(text);
        if (line == 1 || (line >= 2 && line - 1 <= lines_.size())) {
            for (qsizetype i = 0; i < inserted.size(); ++i)
                lines_.insert(line - 1 + i, inserted.at(i));
        }
        lines_.append(QString());
    }
    // A label line followed by its value line.
    void replace(qint16 line, const QString& label, const QString& value) {
        replace(line, label);
        replace(line + 1, value);
    }
    void colour(qint16 firstLine, const std::array<QString, 3>& labels, BgrColor c) {
        replace(firstLine, labels[0], channel(redOf(c)));
        replace(firstLine + 2, labels[1], channel(greenOf(c)));
        replace(firstLine + 4, labels[2], channel(blueOf(c)));
    }

    // The file's lines as they now stand.
    std::optional<QStringList> lines() const {
        if (!ok_) return std::nullopt;
        return lines_;
    }
    const QString& error() const { return error_; }

private:
    // The lines `text` makes once followed by a line end, as the file would
    // give them back: what its encoding cannot hold (a lone surrogate) is gone
    // as it would be after a write. A text without a line end (a
    // million-character nickname) is one line, kept as it is.
    static QStringList storedLines(const QString& text) {
        const textfile::CharacterKinds kinds = textfile::kindsIn(text);
        const QString stored = kinds.surrogate && !QStringView(text).isValidUtf16()
                                   ? textfile::decode(textfile::encode(text))
                                   : text;
        if (!kinds.lineEnd) return {stored};
        return textfile::splitLines(stored + kCrLf);
    }

    QStringList lines_;
    bool ok_ = true;
    QString error_;
};

// Builds the values line by line in the working file, in the order the
// editor has always written them.
void fillWorkingFile(WorkingFile& work, const ProjectSnapshot& snapshot) {
    const NickSettings& s = snapshot.settings;
    const bool customForeground = s.ForegroundOption == kCustomForegroundOption;
    const bool customBackground = s.BackgroundOption == kCustomBackgroundOption;

    work.replace(1, kFinalLabels[0]);
    work.replace(3, kFinalLabels[1]);
    work.replace(5, kFinalLabels[2]);
    work.replace(6, s.Nickname);
    work.replace(7, kFinalLabels[3], QString::number(snapshot.combo1Index));
    work.replace(9, kFinalLabels[4], QString::number(snapshot.combo2Index));
    work.replace(11, QStringLiteral("Gras :"), yesNo(s.Bold));
    work.replace(13, QStringLiteral("Souligné :"), yesNo(s.Underline));
    work.replace(15, QStringLiteral("Italique :"), yesNo(s.Italic));
    work.replace(17, s.Strikethrough ? QStringLiteral("Barré:") : QStringLiteral("Barré :"),
                 yesNo(s.Strikethrough));
    work.replace(19, QStringLiteral("Caractères spéciaux?"), yesNo(s.SpecialChars));
    if (customForeground)
        work.colour(
            21,
            {QStringLiteral("Couleur perso rouge :"), QStringLiteral("Couleur perso vert :"),
             QStringLiteral("Couleur perso bleu :")},
            s.CustomForeground);
    else
        work.replace(2, s.ForegroundOption);
    if (customBackground)
        work.colour(27,
                    {QStringLiteral("Couleur perso rouge arriere plan :"),
                     QStringLiteral("Couleur perso vert arriere plan :"),
                     QStringLiteral("Couleur perso bleu arriere plan :")},
                    s.CustomBackground);
    else
        work.replace(4, s.BackgroundOption);
    if (s.DitColourOn)
        work.colour(33,
                    {QStringLiteral("Couleur perso rouge du mot dit :"),
                     QStringLiteral("Couleur perso vert du mot dit :"),
                     QStringLiteral("Couleur perso bleu du mot dit :")},
                    s.DitColour);
}

QStringList finalLines(const QStringList& working, bool ditColourOn) {
    QStringList lines;
    for (int i = 0; i < kValueLines; ++i) {
        lines.append(kFinalLabels[i]);
        lines.append(working.value(2 * i + 1));  // line 2i + 2, counted from 1
    }
    lines.append(kFinalLabels[kValueLines]);
    if (ditColourOn) lines.append(kOui);
    return lines;
}

// A decimal integer with optional blanks around it and an optional sign.
// Very long numbers saturate instead of wrapping.
std::optional<qint64> parseInteger(const QString& raw) {
    const QString text = raw.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        negative = text[pos++] == QLatin1Char('-');
    if (pos == text.size()) return std::nullopt;
    qint64 value = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] < QLatin1Char('0') || text[pos] > QLatin1Char('9')) return std::nullopt;
        value = std::min<qint64>(value * 10 + (text[pos].unicode() - u'0'), 1'000'000'000'000);
    }
    return negative ? -value : value;
}

class ProjectLines {
public:
    explicit ProjectLines(QStringList lines) : lines_(std::move(lines)) {}
    bool present(int line) const { return line <= lines_.size(); }
    QString value(int line) const { return lines_.value(line - 1); }
    bool isYes(int line) const { return value(line) == kOui; }

    // The list index of line `line`: a missing line gives 0; an empty line,
    // a non-number or an index outside -1..count-1 fails.
    std::optional<int> index(int line, int count) const {
        const std::optional<qint64> parsed = present(line) ? parseInteger(value(line)) : 0;
        if (!parsed || *parsed < -1 || *parsed >= count) return std::nullopt;
        return int(*parsed);
    }

    // Colour of three channel lines; `absent` when any of them is empty.
    // nullopt when a channel is negative or not a number.
    std::optional<std::optional<BgrColor>> colour(int firstLine) const {
        std::array<int, 3> channels{};
        for (int i = 0; i < 3; ++i)
            if (value(firstLine + 2 * i).isEmpty())  // built in place: no copy of an empty value
                return std::optional<std::optional<BgrColor>>(std::in_place);
        for (int i = 0; i < 3; ++i) {
            const std::optional<qint64> parsed = parseInteger(value(firstLine + 2 * i));
            if (!parsed || *parsed < 0) return std::nullopt;
            channels[i] = int(std::min<qint64>(*parsed, 255));
        }
        return std::optional<BgrColor>(bgrFromRgb(channels[0], channels[1], channels[2]));
    }

private:
    QStringList lines_;
};

}  // namespace

bool SupprLigne(qint16 lineNumber, const QString& path, QString* error) {
    const std::optional<QString> content = textfile::readText(path, error);
    return content && textfile::overwriteText(path, withoutLine(*content, lineNumber), error);
}

bool Insere_FicTxt(const QString& text, const QString& path, qint16 lineNumber, QString* error) {
    const std::optional<QString> content = textfile::readText(path, error);
    return content &&
           textfile::overwriteText(path, withLineInserted(*content, text, lineNumber), error);
}

QString projectWorkingPath(const QString& path) {
    const std::optional<QByteArray> target = nativefile::finalTarget(nativefile::encodeName(path));
    return target ? nativefile::decodeName(*target + ".tmp") : path + QStringLiteral(".tmp");
}

bool saveProject(const QString& path, const ProjectSnapshot& snapshot, QString* error) {
    if (path.isEmpty()) {
        setError(error, QStringLiteral("aucun nom de fichier"));
        return false;
    }
    // The working file is held from its first line to the end, so that two
    // saves of one project replace it one after the other, each with its own
    // lines; once the lines stand, it takes the project file's place.
    nativefile::Replacement replacement(path);
    if (!replacement.isOpen()) {
        setError(error, replacement.error());
        return false;
    }
    WorkingFile work(replacement.working());
    fillWorkingFile(work, snapshot);
    const std::optional<QStringList> working = work.lines();
    if (!working) {
        setError(error, work.error());
        return false;
    }
    const QStringList lines = finalLines(*working, snapshot.settings.DitColourOn);
    if (replacement.commit(textfile::encodeLines(lines))) return true;
    setError(error, replacement.error());
    return false;
}

std::optional<NickProject> readProject(const QString& path, int combo1Count, int combo2Count) {
    if (path.isEmpty()) return std::nullopt;
    const std::optional<QStringList> raw = textfile::readLines(path);
    if (!raw) return std::nullopt;
    return parseProject(*raw, combo1Count, combo2Count);
}

std::optional<NickProject> parseProject(const QStringList& rawLines, int combo1Count,
                                        int combo2Count) {
    const ProjectLines lines(rawLines);

    NickProject project;
    project.ForegroundOption = lines.value(2);
    project.BackgroundOption = lines.value(4);
    project.Nickname = lines.value(6);
    const std::optional<int> combo1 = lines.index(8, combo1Count);
    const std::optional<int> combo2 = lines.index(10, combo2Count);
    if (!combo1 || !combo2) return std::nullopt;
    project.Combo1Index = *combo1;
    project.Combo2Index = *combo2;
    project.Bold = lines.isYes(12);
    project.Underline = lines.isYes(14);
    project.Italic = lines.isYes(16);
    project.Strikethrough = lines.isYes(18);
    project.SpecialChars = lines.isYes(20);
    const auto foreground = lines.colour(22);
    const auto background = lines.colour(28);
    const auto dit = lines.colour(34);
    if (!foreground || !background || !dit) return std::nullopt;
    project.CustomForeground = *foreground;
    project.CustomBackground = *background;
    project.DitColour = *dit;
    return project;
}

QString safeFileName(QString name) {
    for (QChar& c : name) {
        if (QStringView(u"/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    }
    return name;
}

QString proposedProjectName(const QString& nickname, const QDate& today) {
    return safeFileName(nickname + QLatin1Char('(') + today.toString(QStringLiteral("d MM yy")) +
                        QLatin1Char(')')) +
           QStringLiteral(".nkp");
}

}  // namespace chromanick
