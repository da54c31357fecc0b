#include "targets.h"

#include <QString>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace chromanick::bench {

namespace {

using Figure = CollectingReporter::Figure;

// Fewer repetitions than this say too little about a median: such a row
// is not judged, and counts as missed.
constexpr int kMinRepetitions = 5;

// Work done inside this process is counted in processor time, which the
// other programs of a busy machine do not inflate; saves count in wall
// time, since waiting for the disk is part of their cost, and so do
// start-ups, whole processes timed from outside.
enum class Clock { Cpu, Wall };

QString clockName(Clock clock) {
    return clock == Clock::Cpu ? QStringLiteral("processeur") : QStringLiteral("réel");
}

// One quantity of a figure: a time on a clock, or a counter.
struct Quantity {
    Clock clock = Clock::Cpu;
    std::string counter;  // empty for a time
    double per = 1;       // the figure is divided by it (characters, say)

    std::optional<Spread> of(const Figure& f) const {
        Spread s = clock == Clock::Cpu ? f.cpu : f.wall;
        if (!counter.empty()) {
            const auto it = f.counters.find(counter);
            if (it == f.counters.end()) return std::nullopt;
            s = it->second;
        }
        return Spread{s.median / per, s.min / per, s.max / per};
    }
};

struct Verdict {
    QString value;  // what was measured, readable
    QString target;
    enum Kind { Met, Missed, Yardstick, Unjudged, Failed } kind = Met;
};

struct Row {
    QString label;
    std::function<std::optional<Verdict>(const CollectingReporter&)> check;
};

// Times in one unit chosen from `reference`, so that a spread reads at once.
struct Unit {
    double scale;
    const char* name;
};

Unit timeUnit(double seconds) {
    if (seconds >= 1) return {1, "s"};
    if (seconds >= 1e-3) return {1e3, "ms"};
    if (seconds >= 1e-6) return {1e6, "µs"};
    return {1e9, "ns"};
}

Unit memoryUnit() {
    return {1.0 / 1024, "Mo"};  // the counter is in KiB
}

QString number(double value) {
    return QString::number(value, 'f', value >= 100 ? 1 : 2);
}

// "3.52 ms [3.40–3.70]": the median, then the smallest and largest repetition.
QString withSpread(const Spread& s, const Unit& unit, const QString& suffix = {}) {
    return number(s.median * unit.scale) + QLatin1Char(' ') + QString::fromUtf8(unit.name) +
           suffix + QStringLiteral(" [") + number(s.min * unit.scale) + QStringLiteral("–") +
           number(s.max * unit.scale) + QLatin1Char(']');
}

QString ratio(double r) {
    return QStringLiteral("×") + QString::number(r, 'f', 2);
}

// The two figures a row compares, both of them run and repeated enough.
struct Pair {
    Figure measured;
    Figure reference;
};

// Not measured when either was left out; a failure shows as such.
std::optional<Pair> pairOf(const CollectingReporter& r, const std::string& measured,
                           const std::string& reference) {
    Pair p{r.figure(measured), r.figure(reference)};
    if (!p.measured.found || !p.reference.found) return std::nullopt;
    return p;
}

bool failed(const CollectingReporter& r, const std::string& measured,
            const std::string& reference) {
    return r.figure(measured).failed || r.figure(reference).failed;
}

bool enoughRepetitions(const Pair& p) {
    return p.measured.repetitions >= kMinRepetitions && p.reference.repetitions >= kMinRepetitions;
}

Verdict judged(QString value, QString target, bool met, const Pair& p) {
    if (!enoughRepetitions(p))
        return {value, QStringLiteral("moins de %1 répétitions").arg(kMinRepetitions),
                Verdict::Unjudged};
    return {value, target, met ? Verdict::Met : Verdict::Missed};
}

// A figure against a yardstick of the same run, compared on their medians.
Row against(const QString& label, const std::string& name, const std::string& yardstick,
            double limit, Quantity quantity, const QString& yardstickName) {
    return {label, [=](const CollectingReporter& r) -> std::optional<Verdict> {
                if (failed(r, name, yardstick)) return Verdict{{}, {}, Verdict::Failed};
                const auto p = pairOf(r, name, yardstick);
                if (!p) return std::nullopt;
                const auto a = quantity.of(p->measured);
                const auto b = quantity.of(p->reference);
                if (!a || !b || b->median <= 0) return std::nullopt;
                const Unit unit = quantity.counter.empty() ? timeUnit(b->median) : memoryUnit();
                const QString clock = quantity.counter.empty()
                                          ? QStringLiteral(", ") + clockName(quantity.clock)
                                          : QString();
                const double k = a->median / b->median;
                return judged(
                    withSpread(*a, unit) + QStringLiteral(" / ") + withSpread(*b, unit) +
                        QStringLiteral(" (") + ratio(k) + clock + QLatin1Char(')'),
                    QStringLiteral("≤ ") + ratio(limit) + QLatin1Char(' ') + yardstickName,
                    k <= limit, *p);
            }};
}

// The same, shown only: what a yardstick itself costs beside another.
Row shown(const QString& label, const std::string& name, const std::string& yardstick,
          Quantity quantity) {
    Row row = against(label, name, yardstick, 0, quantity, {});
    return {row.label, [check = row.check](const CollectingReporter& r) -> std::optional<Verdict> {
                std::optional<Verdict> v = check(r);
                if (v) *v = {v->value, QStringLiteral("—"), Verdict::Yardstick};
                return v;
            }};
}

// Growth judged where fixed costs no longer count: the cost per character
// at the large size against the cost per character at a size ten times
// smaller, at most `limit` times it (1.3 by default).
Row perCharacter(const QString& label, const std::string& family, int small, double limit = 1.3) {
    const int large = small * 10;
    return {label, [=](const CollectingReporter& r) -> std::optional<Verdict> {
                const std::string largeName = family + "/" + std::to_string(large);
                const std::string smallName = family + "/" + std::to_string(small);
                if (failed(r, largeName, smallName)) return Verdict{{}, {}, Verdict::Failed};
                const auto p = pairOf(r, largeName, smallName);
                if (!p) return std::nullopt;
                const Spread a = *Quantity{Clock::Cpu, {}, double(large)}.of(p->measured);
                const Spread b = *Quantity{Clock::Cpu, {}, double(small)}.of(p->reference);
                if (b.median <= 0) return std::nullopt;
                const Unit unit = timeUnit(b.median);
                const QString perChar = QStringLiteral("/car.");
                const double k = a.median / b.median;
                return judged(withSpread(b, unit, perChar) + QStringLiteral(" → ") +
                                  withSpread(a, unit, perChar) + QStringLiteral(" (") + ratio(k) +
                                  QStringLiteral(", processeur)"),
                              QStringLiteral("≤ ") + ratio(limit) + QStringLiteral(" par car."),
                              k <= limit, *p);
            }};
}

const Quantity kCpu{Clock::Cpu, {}};
const Quantity kWall{Clock::Wall, {}};
const Quantity kPeakMemory{Clock::Wall, "rss_max_kio"};

// The targets: typing at most ×1.15 bare widgets of the same kind and
// count; huge texts at most ×1.5 the bare boxes holding them; a save at
// most ×1.5 the bare write of its bytes; the start-up at most ×1.5 a bare
// window holding the same widgets.
constexpr double kTyping = 1.15;
constexpr double kHuge = 1.5;
constexpr double kSave = 1.5;
constexpr double kStartUp = 1.5;

std::vector<Row> growthRows() {
    return {
        perCharacter(QStringLiteral("ComposeNickCode 1 000 → 10 000 car."), "ComposeNickCode",
                     1000),
        perCharacter(QStringLiteral("Decoupe_Pseudo + Genere_Degrade 1 000 → 10 000 car."),
                     "Genere_Degrade", 1000),
        perCharacter(QStringLiteral("Dégradé fluide 1 000 → 10 000 car."), "Degrade_fluide", 1000),
        perCharacter(QStringLiteral("Applique_CaracSpe 1 000 → 10 000 car."), "Applique_CaracSpe",
                     1000),
        perCharacter(QStringLiteral("Retire_CaracSpe 1 000 → 10 000 car."), "Retire_CaracSpe",
                     1000),
        perCharacter(QStringLiteral("readPlusCode 1 000 → 10 000 car."), "readPlusCode", 1000),
        perCharacter(QStringLiteral("readPlusCode, codes et balises, 1 000 → 10 000 car."),
                     "readPlusCode_balises", 1000),
        perCharacter(QStringLiteral("Écrire pour plus3 1 000 → 10 000 car."), "Ecrire_plus3", 1000),
        perCharacter(QStringLiteral("Écrire pour pluslive 1 000 → 10 000 car."), "Ecrire_pluslive",
                     1000),
        perCharacter(QStringLiteral("Écrire pour irc 1 000 → 10 000 car."), "Ecrire_irc", 1000),
        perCharacter(QStringLiteral("Écrire pour discord 1 000 → 10 000 car."), "Ecrire_discord",
                     1000),
        perCharacter(QStringLiteral("Écrire pour minecraft 1 000 → 10 000 car."),
                     "Ecrire_minecraft", 1000),
        perCharacter(QStringLiteral("Écrire pour minimessage 1 000 → 10 000 car."),
                     "Ecrire_minimessage", 1000),
        perCharacter(QStringLiteral("Lecture d'un projet, 100 000 → 1 000 000 car."), "openProject",
                     100'000),
        perCharacter(QStringLiteral("Ouvrir un projet, 100 000 → 1 000 000 car."),
                     "Gros_pseudo_ouvrir", 100'000),
        perCharacter(QStringLiteral("Générer le pseudo., 100 000 → 1 000 000 car."),
                     "Gros_pseudo_generer", 100'000),
        perCharacter(QStringLiteral("Dégradé : passage + génération, 100 000 → 1 000 000 car."),
                     "Gros_pseudo_degrade", 100'000),
    };
}

std::vector<Row> windowRows() {
    const QString bareWrite = QStringLiteral("écriture nue");
    const QString bare = QStringLiteral("Qt nu");
    return {
        against(QStringLiteral("Enregistrement d'un projet"), "saveProject", "Ecriture_nue", kSave,
                kWall, bareWrite),
        against(QStringLiteral("Enregistrement d'un projet, pseudo de 1 000 000 car."),
                "saveProject_1M", "Ecriture_nue_1M", kSave, kWall, bareWrite),
        against(QStringLiteral("Listes de 100 000 décorations : remplies, affichées, ouvertes"),
                "Listes_100000", "Qt_nu_listes_100000", kHuge, kCpu, bare),
        against(QStringLiteral("Pseudo modifié, éditeur principal, 50 car."), "Text1_Change/50",
                "Qt_nu_QLineEdit/50", kTyping, kCpu, bare),
        against(QStringLiteral("Pseudo modifié, éditeur principal, 10 000 car."),
                "Text1_Change/10000", "Qt_nu_QLineEdit/10000", kTyping, kCpu, bare),
        against(QStringLiteral("Pseudo modifié, fenêtre Dégradé, 50 car."), "Degrade_Text1/50",
                "Qt_nu_lignes/50", kTyping, kCpu, bare),
        against(QStringLiteral("Pseudo modifié, fenêtre Dégradé, dégradé fluide, 50 car."),
                "Degrade_fluide_Text1/50", "Qt_nu_lignes_fluides/50", kTyping, kCpu, bare),
        against(QStringLiteral("Lecteur de code : touche, 200 car."), "Lecteur_touche/200",
                "Qt_nu_lecteur/200", kTyping, kCpu, bare),
        against(QStringLiteral("Ouvrir un projet, pseudo de 1 000 000 car."),
                "Gros_pseudo_ouvrir/1000000", "Qt_nu_gros_pseudo/1000000", kHuge, kCpu, bare),
        against(QStringLiteral("Générer le pseudo., 1 000 000 car."), "Gros_pseudo_generer/1000000",
                "Qt_nu_gros_code/1000000", kHuge, kCpu, bare),
        against(QStringLiteral("Dégradé : passage + génération, 1 000 000 car."),
                "Gros_pseudo_degrade/1000000", "Qt_nu_gros_degrade/1000000", kHuge, kCpu, bare),
        against(QStringLiteral("Code court après un code de 1 000 000 car., éditeur principal"),
                "Court_apres_gros_principal", "Qt_nu_court_apres_gros_principal", kHuge, kCpu,
                bare),
        against(QStringLiteral("Code court après un code de 1 000 000 car., fenêtre Dégradé"),
                "Court_apres_gros_degrade", "Qt_nu_court_apres_gros_degrade", kHuge, kCpu, bare),
    };
}

std::vector<Row> startUpRows() {
    const QString inventory = QStringLiteral("Qt nu, mêmes widgets");
    return {
        against(QStringLiteral("Démarrage : durée"), "Demarrage/Chromanick",
                "Demarrage/Qt_nu_inventaire", kStartUp, kWall, inventory),
        against(QStringLiteral("Démarrage : mémoire maximale"), "Demarrage/Chromanick",
                "Demarrage/Qt_nu_inventaire", kStartUp, kPeakMemory, inventory),
        shown(QStringLiteral("  repère : mêmes widgets Qt nus / fenêtre vide, durée"),
              "Demarrage/Qt_nu_inventaire", "Demarrage/Qt_nu", kWall),
        shown(QStringLiteral("  repère : mêmes widgets Qt nus / fenêtre vide, mémoire"),
              "Demarrage/Qt_nu_inventaire", "Demarrage/Qt_nu", kPeakMemory),
    };
}

std::vector<Row> rows() {
    std::vector<Row> all = growthRows();
    for (auto part : {windowRows(), startUpRows()}) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Left-aligned in `width` characters, counted as the terminal shows them.
std::string pad(const QString& text, int width) {
    return (text + QString(std::max<qsizetype>(0, width - text.size()), QLatin1Char(' ')))
        .toStdString();
}

QString verdictName(Verdict::Kind kind) {
    switch (kind) {
        case Verdict::Met:
            return QStringLiteral("OK");
        case Verdict::Missed:
            return QStringLiteral("MANQUÉ");
        case Verdict::Yardstick:
            return QStringLiteral("repère");
        case Verdict::Unjudged:
            return QStringLiteral("non jugé");
        case Verdict::Failed:
            return QStringLiteral("ÉCHOUÉ");
    }
    return {};
}

}  // namespace

int printTargetTable(const CollectingReporter& results) {
    struct Line {
        QString label, value, target, verdict;
    };
    std::vector<Line> lines;
    int missed = 0;
    for (const Row& row : rows()) {
        const std::optional<Verdict> v = row.check(results);
        if (!v) {
            lines.push_back(
                {row.label, QStringLiteral("non mesuré"), QString(), QStringLiteral("—")});
            continue;
        }
        if (v->kind == Verdict::Failed) {
            ++missed;
            lines.push_back({row.label, QStringLiteral("le benchmark a échoué"), QString(),
                             verdictName(v->kind)});
            continue;
        }
        if (v->kind == Verdict::Missed || v->kind == Verdict::Unjudged) ++missed;
        lines.push_back({row.label, v->value, v->target, verdictName(v->kind)});
    }
    int w[3] = {6, 6, 5};
    for (const Line& l : lines) {
        w[0] = std::max<int>(w[0], l.label.size());
        w[1] = std::max<int>(w[1], l.value.size());
        w[2] = std::max<int>(w[2], l.target.size());
    }
    std::printf("\nMédianes des répétitions, [plus petite–plus grande] à côté.\n");
    std::printf("%s  %s  %s  Résultat\n", pad(QStringLiteral("Mesure"), w[0]).c_str(),
                pad(QStringLiteral("Valeur"), w[1]).c_str(),
                pad(QStringLiteral("Cible"), w[2]).c_str());
    for (const Line& l : lines)
        std::printf("%s  %s  %s  %s\n", pad(l.label, w[0]).c_str(), pad(l.value, w[1]).c_str(),
                    pad(l.target, w[2]).c_str(), l.verdict.toStdString().c_str());
    std::fflush(stdout);
    return missed;
}

}  // namespace chromanick::bench
