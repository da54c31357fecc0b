#include "smooth.h"

#include "core/graphemes.h"
#include "core/oklab.h"
#include "dialects/plus3.h"

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

}  // namespace

QList<BgrColor> smoothStopsOfRow(const GradientSettings& settings, int row) {
    if (row >= 0 && row < gradientPresets().size()) {
        const auto& colours = gradientPresets()[row].previewColours;
        return QList<BgrColor>(colours.begin(), colours.end());
    }
    QList<BgrColor> stops;
    for (const std::optional<BgrColor>& custom : settings.customColours)
        if (custom) stops.append(*custom);
    return stops;
}

QList<BgrColor> smoothGroupColours(const QList<BgrColor>& stops, qsizetype length, int step,
                                   qsizetype limit) {
    QList<BgrColor> colours;
    if (stops.isEmpty() || length <= 0) return colours;
    const qsizetype groupSize = std::max(1, step);
    const qsizetype groupCount = (length + groupSize - 1) / groupSize;
    const qsizetype shown = limit < 0 ? length : std::min(limit, length);
    const StopLine line(stops);
    colours.reserve((shown + groupSize - 1) / groupSize);
    for (qsizetype group = 0; group * groupSize < shown; ++group)
        colours.append(line.colourOf(group, groupCount));
    return colours;
}

QList<ColourRun> smoothRuns(const QString& nickname, const QList<BgrColor>& stops, int step) {
    QList<ColourRun> runs;
    if (nickname.isEmpty()) return runs;
    if (stops.isEmpty()) {
        runs.append({nickname, std::nullopt});
        return runs;
    }
    const qsizetype groupSize = std::max(1, step);
    const QList<qsizetype> starts = graphemes::boundaries(nickname);
    const qsizetype length = starts.size() - 1;
    const QList<BgrColor> colours = smoothGroupColours(stops, length, step);
    // Each run takes the groups from its first one up to the next colour.
    for (qsizetype first = 0; first < colours.size();) {
        qsizetype end = first + 1;
        while (end < colours.size() && colours[end] == colours[first]) ++end;
        const qsizetype from = starts[first * groupSize];
        const qsizetype to = starts[std::min(length, end * groupSize)];
        runs.append({nickname.mid(from, to - from), colours[first]});
        first = end;
    }
    return runs;
}

CodeOps smoothGradientOps(const GradientSettings& settings, const QList<BgrColor>& stops,
                          int step) {
    const QList<ColourRun> runs = smoothRuns(settings.nickname, stops, step);
    CodeOps ops = gradientStyleOps(settings);
    ops.reserve(ops.size() + 2 * runs.size() + 1);
    for (const ColourRun& run : runs) {
        if (run.colour) ops.append(CodeOp::textColour(*run.colour));
        ops.append(CodeOp::plainText(run.text));
    }
    ops.append(CodeOp::style(CodeOp::Kind::Reset));
    return ops;
}

QString smoothGradientCode(const GradientSettings& settings, const QList<BgrColor>& stops,
                           int step) {
    return plus3::write(smoothGradientOps(settings, stops, step));
}

}  // namespace chromanick
