#pragma once
// What the database benchmarks share: a fresh database on the back end named by the benchmark's
// argument (0 SQLite, 1 the PostgreSQL server), and our path timed against a bare one.

#include <chrono>
#include <memory>

#include <benchmark/benchmark.h>

#include "support/testdb.h"

namespace zelk::bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The database for state.range(0); nullptr, with the run skipped and the reason given, when
// there is none.
inline std::unique_ptr<test::TestDb> benchDb(benchmark::State& state) {
    const bool server = state.range(0) == 1;
    if (server && !test::TestDb::postgresAvailable()) {
        state.SkipWithError("ZELK_TEST_PG names no server");
        return nullptr;
    }
    auto db = std::make_unique<test::TestDb>(server ? test::TestBackend::PostgreSQL
                                                    : test::TestBackend::SQLite);
    if (!db->ok()) {
        state.SkipWithError(db->error().toStdString().c_str());
        return nullptr;
    }
    return db;
}

// Both rounds (each returns its milliseconds) run once to warm up, then once each per
// iteration; the iteration's time is ours. Counters: `oursCounter`, bare_ms and their ratio.
template <class Ours, class Bare>
void compareRounds(benchmark::State& state, const char* oursCounter, Ours ours, Bare bare) {
    ours();
    bare();
    double oursTotal = 0, bareTotal = 0;
    for (auto _ : state) {
        const double l = ours();
        const double b = bare();
        oursTotal += l;
        bareTotal += b;
        state.SetIterationTime(l / 1000.0);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters[oursCounter] = oursTotal / n;
    state.counters["bare_ms"] = bareTotal / n;
    state.counters["ratio"] = bareTotal > 0 ? oursTotal / bareTotal : 0;
}

// Registration: on SQLite and on the server, manual time in milliseconds, two seconds at least.
inline void onBothBackends(benchmark::internal::Benchmark* b) {
    b->Arg(0)
        ->Arg(1)
        ->ArgName("postgres")
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
}

}  // namespace zelk::bench
