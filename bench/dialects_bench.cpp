// Writing for the other chats: a smooth gradient at one colour per
// character, the line with the most runs a generator makes, written in each
// chat's codes.
#include "sampletext.h"

#include "dialects/plus3.h"
#include "dialects/registry.h"
#include "gradient/smooth.h"

#include <benchmark/benchmark.h>

namespace chromanick::bench {

namespace {

void writeSmoothGradient(benchmark::State& state, const char* id) {
    GradientSettings s;
    s.nickname = sampleNickname(int(state.range(0)));
    s.backgroundEnabled = true;
    s.backgroundColour = 0x00FF0000;
    s.bold = s.italic = true;
    const QList<StyledRun> runs = readPlusCode(smoothGradientCode(s, smoothStopsOfRow(s, 7), 1));
    const Dialect* dialect = findDialect(QLatin1StringView(id));
    if (dialect == nullptr || dialect->write == nullptr) {
        state.SkipWithError("format inconnu");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(dialect->write(runs));
}

BENCHMARK_CAPTURE(writeSmoothGradient, plus3, "plus3")->Name("Ecrire_plus3")->Arg(1000)->Arg(10000);
BENCHMARK_CAPTURE(writeSmoothGradient, pluslive, "pluslive")
    ->Name("Ecrire_pluslive")
    ->Arg(1000)
    ->Arg(10000);
BENCHMARK_CAPTURE(writeSmoothGradient, irc, "irc")->Name("Ecrire_irc")->Arg(1000)->Arg(10000);
BENCHMARK_CAPTURE(writeSmoothGradient, discord, "discord")
    ->Name("Ecrire_discord")
    ->Arg(1000)
    ->Arg(10000);
BENCHMARK_CAPTURE(writeSmoothGradient, minecraft, "minecraft")
    ->Name("Ecrire_minecraft")
    ->Arg(1000)
    ->Arg(10000);
BENCHMARK_CAPTURE(writeSmoothGradient, minimessage, "minimessage")
    ->Name("Ecrire_minimessage")
    ->Arg(1000)
    ->Arg(10000);

}  // namespace

}  // namespace chromanick::bench
