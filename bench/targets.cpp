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

// Work done inside this process is counted in processor time, which the
// other programs of a busy machine do not inflate; the project save counts
// in wall time, since waiting for the disk is part of its cost.
enum class Clock { Cpu, Wall };

double timeOf(const Figure& f, Clock clock) {
    return clock == Clock::Cpu ? f.cpuSeconds : f.seconds;
}

QString clockName(Clock clock) {
    return clock == Clock::Cpu ? QStringLiteral(" (processeur)") : QStringLiteral(" (réel)");
}

struct Verdict {
    QString value;  // what was measured, readable
    QString target;
    bool met = false;
    bool reference = false;  // a yardstick shown for comparison, with no target
};

struct Row {
    QString label;
    std::function<std::optional<Verdict>(const CollectingReporter&)> check;
};

QString duration(double seconds) {
    if (seconds >= 1e-3) return QString::number(seconds * 1e3, 'f', 2) + QStringLiteral(" ms");
    if (seconds >= 1e-6) return QString::number(seconds * 1e6, 'f', 2) + QStringLiteral(" µs");
    return QString::number(seconds * 1e9, 'f', 1) + QStringLiteral(" ns");
}

QString ratio(double r) {
    return QStringLiteral("×") + QString::number(r, 'f', 2);
}

// An absolute time limit on one benchmark.
Row atMost(const QString& label, const std::string& name, double limitSeconds, Clock clock) {
    return {label, [=](const CollectingReporter& r) -> std::optional<Verdict> {
                const Figure f = r.figure(name);
                if (!f.found) return std::nullopt;
                const double t = timeOf(f, clock);
                return Verdict{duration(t) + clockName(clock),
                               QStringLiteral("≤ ") + duration(limitSeconds), t <= limitSeconds};
            }};
}

// A yardstick of Qt's own cost, shown beside the figures it explains.
Row yardstick(const QString& label, const std::string& name) {
    return {label, [=](const CollectingReporter& r) -> std::optional<Verdict> {
                const Figure f = r.figure(name);
                if (!f.found) return std::nullopt;
                return Verdict{duration(f.cpuSeconds) + clockName(Clock::Cpu), QStringLiteral("—"),
                               true, true};
            }};
}

// Linear growth: the long text may cost at most `limit` times the short one.
Row growth(const QString& label, const std::string& family, double limit,
           const std::string& shortText = "40", const std::string& longText = "10000") {
    return {label, [=](const CollectingReporter& r) -> std::optional<Verdict> {
                const Figure small = r.figure(family + "/" + shortText);
                const Figure large = r.figure(family + "/" + longText);
                if (!small.found || !large.found || small.cpuSeconds <= 0) return std::nullopt;
                const double k = large.cpuSeconds / small.cpuSeconds;
                return Verdict{duration(small.cpuSeconds) + QStringLiteral(" → ") +
                                   duration(large.cpuSeconds) + QStringLiteral(" (") + ratio(k) +
                                   QStringLiteral(", processeur)"),
                               QStringLiteral("≤ ") + ratio(limit), k <= limit};
            }};
}

// One benchmark against another, on processor time: at most `limit` times it.
Row againstFigure(const QString& label, const std::string& name, const std::string& reference,
                  double limit) {
    return {label, [=](const CollectingReporter& r) -> std::optional<Verdict> {
                const Figure f = r.figure(name);
                const Figure ref = r.figure(reference);
                if (!f.found || !ref.found || ref.cpuSeconds <= 0) return std::nullopt;
                const double k = f.cpuSeconds / ref.cpuSeconds;
                return Verdict{
                    duration(f.cpuSeconds) + QStringLiteral(" / ") + duration(ref.cpuSeconds) +
                        QStringLiteral(" (") + ratio(k) + QStringLiteral(", processeur)"),
                    QStringLiteral("≤ ") + ratio(limit) + QStringLiteral(" option éteinte"),
                    k <= limit};
            }};
}

// The application's start-up against the bare Qt program, on wall time or
// on the peak memory counter.
Row againstBare(const QString& label, const std::string& counter, double limit,
                const std::string& program = "Demarrage/Chromanick") {
    const bool yardstick = program != "Demarrage/Chromanick";
    return {label, [=](const CollectingReporter& r) -> std::optional<Verdict> {
                const Figure bare = r.figure("Demarrage/Qt_nu");
                const Figure app = r.figure(program);
                if (!bare.found || !app.found) return std::nullopt;
                double a = app.seconds, b = bare.seconds;
                QString shown =
                    duration(a) + QStringLiteral(" / ") + duration(b) + QStringLiteral(" (réel)");
                if (!counter.empty()) {
                    a = app.counters.count(counter) ? app.counters.at(counter) : 0;
                    b = bare.counters.count(counter) ? bare.counters.at(counter) : 0;
                    shown = QString::number(a / 1024, 'f', 1) + QStringLiteral(" Mo / ") +
                            QString::number(b / 1024, 'f', 1) + QStringLiteral(" Mo");
                }
                if (b <= 0) return std::nullopt;
                if (yardstick)
                    return Verdict{shown + QStringLiteral(" (") + ratio(a / b) + QLatin1Char(')'),
                                   QStringLiteral("—"), true, true};
                return Verdict{shown + QStringLiteral(" (") + ratio(a / b) + QLatin1Char(')'),
                               QStringLiteral("≤ ") + ratio(limit) + QStringLiteral(" Qt nu"),
                               a / b <= limit};
            }};
}

std::vector<Row> rows() {
    return {
        growth(QStringLiteral("ComposeNickCode 40 → 10 000 car."), "ComposeNickCode", 250),
        growth(QStringLiteral("Decoupe_Pseudo + Genere_Degrade 40 → 10 000 car."), "Genere_Degrade",
               250),
        growth(QStringLiteral("Dégradé fluide 40 → 10 000 car."), "Degrade_fluide", 250),
        growth(QStringLiteral("Applique_CaracSpe 40 → 10 000 car."), "Applique_CaracSpe", 250),
        growth(QStringLiteral("Retire_CaracSpe 40 → 10 000 car."), "Retire_CaracSpe", 250),
        growth(QStringLiteral("readPlusCode 40 → 10 000 car."), "readPlusCode", 250),
        growth(QStringLiteral("readPlusCode, codes et balises, 40 → 10 000 car."),
               "readPlusCode_balises", 250),
        growth(QStringLiteral("Écrire pour plus3 40 → 10 000 car."), "Ecrire_plus3", 250),
        growth(QStringLiteral("Écrire pour pluslive 40 → 10 000 car."), "Ecrire_pluslive", 250),
        growth(QStringLiteral("Écrire pour irc 40 → 10 000 car."), "Ecrire_irc", 250),
        growth(QStringLiteral("Écrire pour discord 40 → 10 000 car."), "Ecrire_discord", 250),
        atMost(QStringLiteral("Enregistrement d'un projet"), "saveProject", 20e-3, Clock::Wall),
        atMost(QStringLiteral("Enregistrement d'un projet, pseudo de 1 000 000 car."),
               "saveProject_1M", 2.0, Clock::Wall),
        atMost(QStringLiteral("Ouverture d'un projet, pseudo de 1 000 000 car."), "openProject_1M",
               0.1, Clock::Wall),
        atMost(QStringLiteral("Listes de 100 000 décorations : remplies, affichées, ouvertes"),
               "Listes_100000", 2.0, Clock::Cpu),
        atMost(QStringLiteral("Pseudo modifié, éditeur principal, 50 car."), "Text1_Change/50",
               1e-3, Clock::Cpu),
        atMost(QStringLiteral("Pseudo modifié, éditeur principal, 10 000 car."),
               "Text1_Change/10000", 1e-3, Clock::Cpu),
        yardstick(QStringLiteral("  repère : QLineEdit + QLabel Qt nus, 10 000 car."),
                  "Qt_nu_QLineEdit/10000"),
        atMost(QStringLiteral("Pseudo modifié, fenêtre Dégradé, 50 car."), "Degrade_Text1/50", 2e-3,
               Clock::Cpu),
        growth(QStringLiteral("Ouvrir un projet, pseudo de 100 000 → 1 000 000 car."),
               "Gros_pseudo_ouvrir", 12, "100000", "1000000"),
        growth(QStringLiteral("Générer le pseudo., 100 000 → 1 000 000 car."),
               "Gros_pseudo_generer", 12, "100000", "1000000"),
        atMost(QStringLiteral("Générer le pseudo., 1 000 000 car."), "Gros_pseudo_generer/1000000",
               1.0, Clock::Cpu),
        growth(QStringLiteral("Dégradé : passage + génération, 100 000 → 1 000 000 car."),
               "Gros_pseudo_degrade", 12, "100000", "1000000"),
        atMost(QStringLiteral("Code court après un code de 1 000 000 car., éditeur principal"),
               "Court_apres_gros_principal", 0.1, Clock::Cpu),
        atMost(QStringLiteral("Code court après un code de 1 000 000 car., fenêtre Dégradé"),
               "Court_apres_gros_degrade", 0.1, Clock::Cpu),
        againstFigure(QStringLiteral("Pseudo modifié, fenêtre Dégradé, dégradé fluide, 50 car."),
                      "Degrade_fluide_Text1/50", "Degrade_Text1/50", 1.5),
        atMost(QStringLiteral("Lecteur de code : touche, 200 car."), "Lecteur_touche/200", 1e-3,
               Clock::Cpu),
        againstBare(QStringLiteral("Démarrage : durée"), {}, 1.5),
        againstBare(QStringLiteral("Démarrage : mémoire maximale"), "rss_max_kio", 1.5),
        againstBare(QStringLiteral("  repère : fenêtre Qt nue avec une ligne de texte, durée"), {},
                    0, "Demarrage/Qt_nu_texte"),
        againstBare(QStringLiteral("  repère : fenêtre Qt nue avec une ligne de texte, mémoire"),
                    "rss_max_kio", 0, "Demarrage/Qt_nu_texte"),
    };
}

// Left-aligned in `width` characters, counted as the terminal shows them.
std::string pad(const QString& text, int width) {
    return (text + QString(std::max<qsizetype>(0, width - text.size()), QLatin1Char(' ')))
        .toStdString();
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
            ++missed;
            lines.push_back(
                {row.label, QStringLiteral("non mesuré"), QString(), QStringLiteral("MANQUÉ")});
            continue;
        }
        if (!v->met) ++missed;
        const QString verdict = v->reference ? QStringLiteral("repère")
                                : v->met     ? QStringLiteral("OK")
                                             : QStringLiteral("MANQUÉ");
        lines.push_back({row.label, v->value, v->target, verdict});
    }
    int w[3] = {6, 6, 5};
    for (const Line& l : lines) {
        w[0] = std::max<int>(w[0], l.label.size());
        w[1] = std::max<int>(w[1], l.value.size());
        w[2] = std::max<int>(w[2], l.target.size());
    }
    std::printf("\n%s  %s  %s  Résultat\n", pad(QStringLiteral("Mesure"), w[0]).c_str(),
                pad(QStringLiteral("Valeur"), w[1]).c_str(),
                pad(QStringLiteral("Cible"), w[2]).c_str());
    for (const Line& l : lines)
        std::printf("%s  %s  %s  %s\n", pad(l.label, w[0]).c_str(), pad(l.value, w[1]).c_str(),
                    pad(l.target, w[2]).c_str(), l.verdict.toStdString().c_str());
    std::fflush(stdout);
    return missed;
}

}  // namespace chromanick::bench
