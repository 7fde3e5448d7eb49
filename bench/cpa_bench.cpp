// OrvaneCalCpaTcpa through the library's export, over a spread of targets:
// ranges, bearings, speeds and courses across their whole domains; beside it
// the same calculation in floating point.
#include <cmath>
#include <random>
#include <vector>

#include "bench_support.h"
#include "radar.h"

namespace {

struct Target {
    int32_t range;
    int16_t bearing, own_speed, own_course, speed, course;
};

std::vector<Target> targets() {
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> range(0, 4800);  // hundredths of a mile: up to 48 NM
    std::uniform_int_distribution<int> angle(0, 3599), speed(0, 500);
    std::vector<Target> all(4096);
    for (Target &t : all)
        t = {range(random),
             static_cast<int16_t>(angle(random)),
             static_cast<int16_t>(speed(random)),
             static_cast<int16_t>(angle(random)),
             static_cast<int16_t>(speed(random)),
             static_cast<int16_t>(angle(random))};
    return all;
}

// The baseline: the same closest approach in double precision, with the C
// library's sine, cosine and square root (speeds in tenths of a knot,
// angles in tenths of a degree, range in hundredths of a mile).
__attribute__((noinline)) void float_approach(const Target &t, double &cpa, double &tcpa) {
    constexpr double tenth_degree = 3.14159265358979323846 / 1800.0;
    const double px = t.range * std::sin(t.bearing * tenth_degree), py = t.range * std::cos(t.bearing * tenth_degree);
    const double vx = t.speed * std::sin(t.course * tenth_degree) - t.own_speed * std::sin(t.own_course * tenth_degree);
    const double vy = t.speed * std::cos(t.course * tenth_degree) - t.own_speed * std::cos(t.own_course * tenth_degree);
    const double v2 = vx * vx + vy * vy;
    tcpa = v2 > 0 ? -(px * vx + py * vy) / v2 : 0;
    cpa = std::hypot(px + vx * tcpa, py + vy * tcpa);
}

void CpaTcpa(benchmark::State &state) {
    const std::vector<Target> all = targets();
    int32_t cpa = 0, tcpa = 0;
    std::size_t i = 0;
    const double baseline = bench::rate_of(
        [&] {
            double c = 0, t = 0;
            for (const Target &target : all) {
                float_approach(target, c, t);
                benchmark::DoNotOptimize(c);
                benchmark::DoNotOptimize(t);
            }
        },
        static_cast<double>(all.size()));
    const auto start = bench::Clock::now();
    for (auto _ : state) {
        const Target &t = all[i++ & (all.size() - 1)];
        OrvaneCalCpaTcpa(t.range, t.bearing, t.own_speed, t.own_course, t.speed, t.course, &cpa, &tcpa);
        benchmark::DoNotOptimize(cpa);
        benchmark::DoNotOptimize(tcpa);
    }
    bench::report(state, static_cast<double>(state.iterations()), bench::seconds_since(start), baseline, "calls/s");
}
BENCHMARK(CpaTcpa)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
