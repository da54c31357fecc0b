// The table of formats. Each row is written out here rather than registered
// by its own file: the formats live in a static library, which drops objects
// nothing refers to.
#include "registry.h"

#include "codeformats.h"
#include "palettenumbers.h"

namespace chromanick {

namespace {

// Characters as the messenger and the editors count them (UTF-16 units), as
// Minecraft's chat does too (256 at most).
qsizetype characterCount(const QString& written) {
    return written.size();
}

constexpr Expresses kEverything{true, true, true, true, true, true};
constexpr Expresses kNoBackground{true, false, true, true, true, true};

QList<StyledRun> readPlusLine(const QString& line) {
    return readPlusCode(line);
}

}  // namespace

const QList<Dialect>& dialects() {
    static const QList<Dialect> table{
        {QStringLiteral("plus3"),
         QStringLiteral("Messenger Plus! 3"),
         {},
         kEverything,
         nullptr,
         &readPlusLine,
         &characterCount,
         {},
         {}},
        {QStringLiteral("text"),
         QStringLiteral("Texte"),
         QStringLiteral("le texte visible seul"),
         {},
         &visibleText,
         nullptr,
         &characterCount,
         QStringLiteral("cmdcopiertexte"),
         QStringLiteral("Copier le texte")},
        {QStringLiteral("runs"),
         QStringLiteral("Morceaux"),
         QStringLiteral("une ligne par morceau : couleur, fond (#RRVVBB ou -), styles (b u i s "
                        "ou -), texte, séparés par des tabulations"),
         kEverything,
         &codeformat::runsListing,
         nullptr,
         &characterCount,
         {},
         {}},
        {QStringLiteral("html"), QStringLiteral("HTML"),
         QStringLiteral("un <span style=\"…\"> par morceau, texte échappé"), kEverything,
         &codeformat::html, nullptr, &characterCount, QStringLiteral("cmdcopierhtml"),
         QStringLiteral("Copier en HTML"), true},
        {QStringLiteral("bbcode"), QStringLiteral("BBCode"),
         QStringLiteral("[color=#RRVVBB] [b] [u] [i] [s] (le fond n'a pas de BBCode)"),
         kNoBackground, &codeformat::bbcode, nullptr, &characterCount,
         QStringLiteral("cmdcopierbbcode"), QStringLiteral("Copier en BBCode")},
        {QStringLiteral("ansi"),
         QStringLiteral("Couleurs du terminal"),
         QStringLiteral("couleurs 24 bits et styles du terminal"),
         kEverything,
         &codeformat::ansi,
         nullptr,
         &characterCount,
         {},
         {}},
        {QStringLiteral("minecraft"),
         QStringLiteral("Minecraft (&#RRGGBB)"),
         QStringLiteral("&#RRVVBB (ou &r sans couleur) puis &l &n &o &m avant chaque morceau "
                        "(pas de fond)"),
         kNoBackground,
         &codeformat::minecraft,
         &codeformat::readMinecraft,
         &characterCount,
         {},
         {}},
        {QStringLiteral("minimessage"),
         QStringLiteral("Minecraft MiniMessage"),
         QStringLiteral("balises <b> <u> <i> <st> et <#RRVVBB>…</#RRVVBB> (pas de fond)"),
         kNoBackground,
         &codeformat::miniMessage,
         &codeformat::readMiniMessage,
         &characterCount,
         {},
         {}},
    };
    return table;
}

const Dialect* findDialect(const QString& id) {
    for (const Dialect& dialect : dialects()) {
        if (dialect.id == id) return &dialect;
    }
    return nullptr;
}

}  // namespace chromanick

namespace chromanick {

QList<StyledRun> Reading::read(const QString& line) const {
    return findDialect(format)->read(line);
}

const QList<Reading>& readings() {
    static const QList<Reading> table{
        {QStringLiteral("plus"), QStringLiteral("Messenger Plus! et IRC"),
         QStringLiteral("codes Messenger Plus! (·… et […]) et codes de contrôle IRC (par défaut)"),
         QStringLiteral("plus3")},
        {QStringLiteral("minecraft"), QStringLiteral("Minecraft"),
         QStringLiteral("codes Minecraft après & ou § : 0-9 a-f, #RRVVBB, x, l o n m k r"),
         QStringLiteral("minecraft")},
        {QStringLiteral("minimessage"), QStringLiteral("Minecraft MiniMessage"),
         QStringLiteral("balises MiniMessage : couleurs, <gradient:…>, styles, <reset>"),
         QStringLiteral("minimessage")},
    };
    return table;
}

const Reading* findReading(const QString& id) {
    for (const Reading& reading : readings()) {
        if (reading.id == id) return &reading;
    }
    return nullptr;
}

}  // namespace chromanick
