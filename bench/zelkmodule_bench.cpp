#include <benchmark/benchmark.h>

#include "component/zelkmodule.h"

using namespace zelk;

// One item row's worth of settings texts, as every loader decodes them.
static void BM_DecodeItemSettings(benchmark::State& state) {
    for (auto _ : state) {
        IntSettings s;
        SwitchSettings w;
        FontStyleFlags f;
        DecodeIntSettings(QStringLiteral("0110000001010"), s);
        DecodeSwitches(QStringLiteral("011111111010110"), w);
        DecodeFontStyle(QStringLiteral("1000"), f);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(w);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_DecodeItemSettings);

// A shortened font name walks the installed list once.
static void BM_DecodeShortenedFontName(benchmark::State& state) {
    QStringList fonts;
    for (int i = 0; i < state.range(0); ++i) fonts << QStringLiteral("Font %1").arg(i);
    setInstalledFontsProvider([fonts] { return fonts; });
    for (auto _ : state) benchmark::DoNotOptimize(DecodeFontName(QStringLiteral("Time*")));
    setInstalledFontsProvider(nullptr);
}
BENCHMARK(BM_DecodeShortenedFontName)->Arg(100)->Arg(1000);

static void BM_NumericInt32(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(numericInt32(QStringLiteral(" -2147483633 ")));
}
BENCHMARK(BM_NumericInt32);
