// What every benchmark program shares: a baseline timed in the same run, its
// ratio to the measured path as a counter, and the smoke mode CI runs.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>

namespace bench {

using Clock = std::chrono::steady_clock;

// RADAR_BENCH_SMOKE=1: every benchmark runs briefly, to show that it works.
inline bool smoke() {
    const char *v = std::getenv("RADAR_BENCH_SMOKE");
    return v != nullptr && v[0] != '\0' && v[0] != '0';
}

inline double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Items per second of `work`, which does `items` items per call; called
// repeatedly for at least `at_least` seconds (less in smoke mode). The
// fastest of three rounds counts, as the benchmark's own best would.
template <class Work>
double rate_of(Work &&work, double items, double at_least = 0.2) {
    if (smoke()) at_least = 0.01;
    double best = 0;
    for (int round = 0; round < 3; ++round) {
        uint64_t calls = 0;
        const auto start = Clock::now();
        double elapsed = 0;
        do {
            work();
            ++calls;
            elapsed = seconds_since(start);
        } while (elapsed < at_least / 3);
        const double rate = static_cast<double>(calls) * items / elapsed;
        if (rate > best) best = rate;
    }
    return best;
}

// Reports items/s of the path, measured over `seconds` of the benchmark's own
// loop, beside the baseline's items/s and their ratio (path / baseline).
inline void report(benchmark::State &state, double items, double seconds, double baseline_rate,
                   const char *unit) {
    const double rate = items / seconds;
    state.counters[unit] = benchmark::Counter(rate);
    state.counters["baseline"] = benchmark::Counter(baseline_rate);
    state.counters["ratio"] = benchmark::Counter(rate / baseline_rate);
}

}  // namespace bench
