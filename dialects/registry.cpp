// The table of formats. Each row is written out here rather than registered
// by its own file: the formats live in a static library, which drops objects
// nothing refers to.
#include "registry.h"

#include "codeformats.h"
#include "core/palettenumbers.h"
#include "ircpalette.h"
#include "plus3.h"

#include <algorithm>

namespace chromanick {

namespace {

// Characters as the messenger and the editors count them (UTF-16 units), as
// Minecraft's chat does too (256 at most).
qsizetype characterCount(const QString& written) {
    return written.size();
}

// Bytes of the UTF-8 form, as an IRC server counts a line.
qsizetype utf8ByteCount(const QString& written) {
    return written.toUtf8().size();
}

bool isIrcColour(BgrColor colour, bool) {
    return ircColours()[std::size_t(nearestIrcColour(colour))] == colour;
}

constexpr Expresses kEverything{true, true, true, true, true, true};
constexpr Expresses kNoBackground{true, false, true, true, true, true};
constexpr Expresses kIrcCodes{true, true, true, true, true, true, &isIrcColour};
constexpr Expresses kDiscordBlock{true, true, true, true, false, false, &codeformat::discordShows};

// The longest nickname the messenger keeps, codes included.
constexpr qsizetype kMessengerName = 129;
// An IRC line without its CR LF.
constexpr qsizetype kIrcLine = 510;
constexpr qsizetype kDiscordMessage = 2000;
constexpr qsizetype kMinecraftChat = 256;

QList<StyledRun> readPlusLine(const QString& line) {
    return readPlusCode(line);
}

QString characters() {
    return QStringLiteral("caractères");
}

}  // namespace

const QList<Dialect>& dialects() {
    static const QList<Dialect> table{
        {QStringLiteral("plus3"), plus3::formatLabel(), plus3::writtenCodesSummary(), kEverything,
         &codeformat::plus3, &readPlusLine, &characterCount, kMessengerName, characters(), false,
         &plus3::write},
        {QStringLiteral("pluslive"), QStringLiteral("Messenger Plus! Live ([c=…])"),
         QStringLiteral("balises de Messenger Plus! Live : [b] [u] [i] [s] [a=…] [c=…]"),
         kEverything, &codeformat::pluslive, &readPlusLine, &characterCount, kMessengerName,
         characters()},
        {QStringLiteral("irc"), QStringLiteral("IRC (mIRC)"),
         QStringLiteral("codes de contrôle d'IRC (mIRC), chaque couleur la plus proche des 99 "
                        "d'IRC"),
         kIrcCodes, &codeformat::irc, &readPlusLine, &utf8ByteCount, kIrcLine,
         QStringLiteral("octets")},
        {QStringLiteral("discord"), QStringLiteral("Discord (bloc ansi)"),
         QStringLiteral("bloc ```ansi de Discord : gras, souligné, la plus proche de ses 8 "
                        "couleurs et 8 fonds"),
         kDiscordBlock, &codeformat::discord, nullptr, &characterCount, kDiscordMessage,
         characters()},
        {QStringLiteral("text"),
         QStringLiteral("Texte"),
         QStringLiteral("le texte visible seul"),
         {},
         &visibleText,
         nullptr,
         &characterCount,
         0,
         characters()},
        {QStringLiteral("runs"), QStringLiteral("Morceaux"),
         QStringLiteral("une ligne par morceau : couleur, fond (#RRVVBB ou -), styles (b u i s "
                        "ou -), texte, séparés par des tabulations"),
         kEverything, &codeformat::runsListing, nullptr, &characterCount, 0, characters()},
        {QStringLiteral("html"), QStringLiteral("HTML"),
         QStringLiteral("un <span style=\"…\"> par morceau, texte échappé"), kEverything,
         &codeformat::html, nullptr, &characterCount, 0, characters(), true},
        {QStringLiteral("bbcode"), QStringLiteral("BBCode"),
         QStringLiteral("[color=#RRVVBB] [b] [u] [i] [s] (le fond n'a pas de BBCode)"),
         kNoBackground, &codeformat::bbcode, nullptr, &characterCount, 0, characters()},
        {QStringLiteral("ansi"), QStringLiteral("Couleurs du terminal"),
         QStringLiteral("couleurs 24 bits et styles du terminal"), kEverything, &codeformat::ansi,
         nullptr, &characterCount, 0, characters()},
        {QStringLiteral("minecraft"), QStringLiteral("Minecraft (&#RRGGBB)"),
         QStringLiteral("&#RRVVBB (ou &r sans couleur) puis &l &n &o &m avant chaque morceau "
                        "(pas de fond)"),
         kNoBackground, &codeformat::minecraft, &codeformat::readMinecraft, &characterCount,
         kMinecraftChat, characters()},
        {QStringLiteral("minimessage"), QStringLiteral("Minecraft MiniMessage"),
         QStringLiteral("balises <b> <u> <i> <st> et <#RRVVBB>…</#RRVVBB> (pas de fond)"),
         kNoBackground, &codeformat::miniMessage, &codeformat::readMiniMessage, &characterCount,
         kMinecraftChat, characters()},
    };
    return table;
}

QList<const Dialect*> writtenDialects() {
    QList<const Dialect*> written;
    for (const Dialect& dialect : dialects()) {
        if (dialect.write != nullptr) written.append(&dialect);
    }
    return written;
}

const Dialect& editorsDialect() {
    const auto own = [](const Dialect& d) { return d.writeOps != nullptr; };
    return *std::find_if(dialects().begin(), dialects().end(), own);
}

QString writeOps(const Dialect& format, const CodeOps& ops) {
    if (format.writeOps != nullptr) return format.writeOps(ops);
    return format.write(fold(ops));
}

QString writeCode(const Dialect& format, const QString& code) {
    QStringList written;
    for (const QString& line : code.split(QLatin1Char('\n')))
        written.append(format.write(readPlusCode(line)));
    return written.join(QLatin1Char('\n'));
}

const Dialect* findDialect(const QString& id) {
    for (const Dialect& dialect : dialects()) {
        if (dialect.id == id) return &dialect;
    }
    return nullptr;
}

QStringList notShown(const Expresses& expresses, const QList<StyledRun>& runs) {
    struct Feature {
        bool Expresses::*shown;
        bool (*used)(const Style&);
        const char16_t* name;
    };
    static constexpr Feature kFeatures[] = {
        {&Expresses::foreground, [](const Style& s) { return s.foreground.has_value(); },
         u"couleur du texte"},
        {&Expresses::background, [](const Style& s) { return s.background.has_value(); }, u"fond"},
        {&Expresses::bold, [](const Style& s) { return s.bold; }, u"gras"},
        {&Expresses::underline, [](const Style& s) { return s.underline; }, u"souligné"},
        {&Expresses::italic, [](const Style& s) { return s.italic; }, u"italique"},
        {&Expresses::strikethrough, [](const Style& s) { return s.strikethrough; }, u"barré"},
    };
    QStringList lost;
    for (const Feature& f : kFeatures) {
        if (expresses.*f.shown) continue;
        const auto uses = [&](const StyledRun& run) { return f.used(run.style); };
        if (std::any_of(runs.begin(), runs.end(), uses)) lost.append(QString::fromUtf16(f.name));
    }
    const auto shownAsAnother = [&](const StyledRun& run) {
        const Style& s = run.style;
        return (expresses.foreground && s.foreground &&
                !expresses.showsColour(*s.foreground, false)) ||
               (expresses.background && s.background &&
                !expresses.showsColour(*s.background, true));
    };
    if (expresses.showsColour != nullptr && std::any_of(runs.begin(), runs.end(), shownAsAnother))
        lost.append(QStringLiteral("couleurs exactes"));
    return lost;
}

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
