#include "smooth.h"

#include "oklab.h"

#include <algorithm>

namespace chromanick {

namespace {

// The stops in OKLab, converted once for all the groups of a nickname.
class StopLine {
public:
    explicit StopLine(const QList<BgrColor>& stops) : single_(stops.front()) {
        lab_.reserve(stops.size());
        for (BgrColor stop : stops) lab_.append(toOkLab(stop));
    }

    // Group g of G: t = g / (G - 1) (0 when G = 1), x = t (S - 1), mixed
    // between stops i = min(floor(x), S - 2) and i + 1 at u = x - i. x is
    // kept as the fraction g (S - 1) / (G - 1), so that i is exact.
    BgrColor colourOf(qsizetype group, qsizetype groupCount) const {
        const qsizetype stops = lab_.size();
        if (stops == 1) return single_;
        const qsizetype span = std::max<qsizetype>(1, groupCount - 1);
        const qsizetype along = group * (stops - 1);
        const qsizetype i = std::min(along / span, stops - 2);
        const double u = double(along - i * span) / double(span);
        return fromOkLab(mixOkLab(lab_[i], lab_[i + 1], u));
    }

private:
    BgrColor single_;
    QList<OkLab> lab_;
};

QString colourCode(BgrColor colour) {
    return QStringLiteral("·$(") + Code_RVB(colour) + QLatin1Char(')');
}

}  // namespace

QList<BgrColor> SmoothStopsOfRow(const GradientSettings& settings, int row) {
    if (row >= 0 && row < GradientPresets().size()) {
        const auto& colours = GradientPresets()[row].previewColours;
        return QList<BgrColor>(colours.begin(), colours.end());
    }
    QList<BgrColor> stops;
    for (const std::optional<BgrColor>& custom : settings.customColours)
        if (custom) stops.append(*custom);
    return stops;
}

QList<ColourRun> SmoothRuns(const QString& nickname, const QList<BgrColor>& stops, int step,
                            qsizetype limit) {
    QList<ColourRun> runs;
    if (nickname.isEmpty()) return runs;
    const qsizetype shown = limit < 0 ? nickname.size() : std::min(limit, nickname.size());
    if (stops.isEmpty()) {
        runs.append({nickname.left(shown), std::nullopt});
        return runs;
    }
    const qsizetype groupSize = std::max(1, step);
    const qsizetype groupCount = (nickname.size() + groupSize - 1) / groupSize;
    const StopLine line(stops);
    for (qsizetype group = 0; group * groupSize < shown; ++group) {
        const BgrColor colour = line.colourOf(group, groupCount);
        const QStringView text = QStringView(nickname).mid(group * groupSize, groupSize);
        if (!runs.isEmpty() && runs.back().colour == colour)
            runs.back().text += text;
        else
            runs.append({text.toString(), colour});
    }
    return runs;
}

QString SmoothGradientCode(const GradientSettings& settings, const QList<BgrColor>& stops,
                           int step) {
    QString code = GradientStyleCodes(settings);
    for (const ColourRun& run : SmoothRuns(settings.nickname, stops, step)) {
        if (run.colour) code += colourCode(*run.colour);
        code += run.text;
    }
    code += QStringLiteral("·0");
    return code;
}

}  // namespace chromanick
