// The formatting-code logic on short and very long nicknames.
#include "sampletext.h"

#include "core/lookalikes.h"
#include "dialects/plus3.h"
#include "gradient/gradient.h"
#include "gradient/smooth.h"

#include <benchmark/benchmark.h>

namespace chromanick::bench {

namespace {

void composeNickCode(benchmark::State& state) {
    NickSettings s;
    s.Nickname = sampleNickname(int(state.range(0)));
    s.Prefix = QStringLiteral("¤º°`°º¤ø,¸¸,ø¤º°`°º¤ ");
    s.Suffix = QStringLiteral(" ¤º°`°º¤ø,¸¸,ø¤º°`°º¤");
    s.ForegroundOption = QStringLiteral("Option2");
    s.Bold = s.Underline = s.Italic = s.Strikethrough = true;
    s.DitColourOn = true;
    s.DitColour = 0x00336699;
    for (auto _ : state) benchmark::DoNotOptimize(ComposeNickCode(s));
}

void gradientCode(benchmark::State& state) {
    GradientSettings s;
    s.nickname = sampleNickname(int(state.range(0)));
    s.presetRow = 7;
    s.backgroundEnabled = true;
    s.backgroundColour = 0x00FF0000;
    s.bold = s.italic = true;
    for (auto _ : state) benchmark::DoNotOptimize(Genere_Degrade(s, Decoupe_Pseudo(s.nickname)));
}

// The smooth gradient at one letter per colour, its costliest step: one
// OKLab mix and one colour code per character.
void smoothGradient(benchmark::State& state) {
    GradientSettings s;
    s.nickname = sampleNickname(int(state.range(0)));
    s.backgroundEnabled = true;
    s.backgroundColour = 0x00FF0000;
    s.bold = s.italic = true;
    const QList<BgrColor> stops = smoothStopsOfRow(s, 7);
    for (auto _ : state) benchmark::DoNotOptimize(smoothGradientCode(s, stops, 1));
}

void applyLookalikes(benchmark::State& state) {
    const QString text = sampleNickname(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(Applique_CaracSpe(text));
}

void removeLookalikes(benchmark::State& state) {
    const int length = int(state.range(0));
    // Look-alikes as the editor holds them, cut to the length asked for.
    const QString text = Applique_CaracSpe(sampleNickname(length)).left(length);
    for (auto _ : state) benchmark::DoNotOptimize(Retire_CaracSpe(text));
}

BENCHMARK(composeNickCode)->Name("ComposeNickCode")->Arg(1000)->Arg(10000);
BENCHMARK(gradientCode)->Name("Genere_Degrade")->Arg(1000)->Arg(10000);
BENCHMARK(smoothGradient)->Name("Degrade_fluide")->Arg(1000)->Arg(10000);
BENCHMARK(applyLookalikes)->Name("Applique_CaracSpe")->Arg(1000)->Arg(10000);
BENCHMARK(removeLookalikes)->Name("Retire_CaracSpe")->Arg(1000)->Arg(10000);

}  // namespace

}  // namespace chromanick::bench
