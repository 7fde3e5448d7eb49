// What tracking adds to the echo path: the receiver's work on each line
// (decode, trails, delivery to a callback) alone, and the same with the
// tracker taking every line in the callback, on the simulator's scene (a
// coast, ships, sea clutter and noise), in one run. The ratio of the two is
// the figure: the tracker should add at most a quarter.
#include <memory>
#include <vector>

#include "bench_support.h"
#include "echo/receiver.h"
#include "echo/trails.h"
#include "radar_tracking.h"
#include "station.h"

namespace {

constexpr double rpm = 24;
// Enough for an automatic acquisition (six revolutions running) to confirm
// the ships well within one pass, so the tracks' own work is measured too.
// Each pass starts the scene over while the clock runs on: the ships jump
// back, their tracks are lost and new ones acquired, as in a busy sea.
constexpr int revolutions = 12;
constexpr uint16_t sweep_step = 2;

struct Recorded {
    std::vector<std::vector<uint8_t>> datagrams;
    std::vector<double> times;  // of each datagram's last line
    uint64_t lines = 0;
};

// Revolutions of the standard scene, encoded as the station sends them.
const Recorded &scene() {
    static const Recorded recorded = [] {
        Recorded r;
        const radarctl::Scene s = radarctl::Scene::standard();
        const uint8_t code = radarctl::scale_code_for(s.range_nm);
        const uint16_t samples = radarctl::sample_count_for(s.range_nm);
        radarctl::EchoEncoder encoder(samples, code);
        uint8_t levels[512];
        std::vector<uint8_t> datagram;
        double t = 0;
        for (int rev = 0; rev < revolutions; ++rev)
            for (uint32_t sweep = 0; sweep < 8192; sweep += sweep_step) {
                t = radarctl::sweep_time(rpm, static_cast<uint64_t>(rev), static_cast<uint16_t>(sweep));
                radarctl::draw_line(s, static_cast<uint16_t>(sweep), t, samples, levels);
                if (encoder.add(static_cast<uint16_t>(sweep), 0, false, levels, datagram)) {
                    r.datagrams.push_back(datagram);
                    r.times.push_back(t);
                }
                ++r.lines;
            }
        if (encoder.flush(datagram)) {
            r.datagrams.push_back(datagram);
            r.times.push_back(t);
        }
        return r;
    }();
    return recorded;
}

RadarTracker *tracker = nullptr;
double line_time = 0;

void RADAR_CALLBACK sink(EchoLineRecord *line) { benchmark::DoNotOptimize(line->Data[line->SampleCount - 1]); }
void RADAR_CALLBACK track(EchoLineRecord *line) { radartrack_line(tracker, line, line_time); }

void run(const Recorded &r, RadarEchoFunc callback, double &clock) {
    for (std::size_t i = 0; i < r.datagrams.size(); ++i) {
        line_time = clock + r.times[i];
        radar::echo::take_datagram(r.datagrams[i].data(), r.datagrams[i].size(), radar::echo::mode_live,
                                   callback);
    }
    clock += revolutions * 60.0 / rpm;
}

// The tracker on every line; the baseline is the same path with a callback
// that only touches the line.
void EchoPathWithTracker(benchmark::State &state) {
    const Recorded &r = scene();
    radar::echo::set_trail_time(state.range(0) ? 80 : 0);
    std::unique_ptr<RadarTracker, void (*)(RadarTracker *)> owned(radartrack_create(), radartrack_destroy);
    tracker = owned.get();
    const RadarTrackZone everywhere{RADARTRACK_ZONE_ACQUIRE, 0, 0, 0.3, 6};
    radartrack_set_zone(tracker, 2, &everywhere);
    double clock = 0;
    run(r, &track, clock);  // the ships are acquired and tracked from here on
    const double lines = static_cast<double>(r.lines);
    double plain_clock = 0;
    const double baseline = bench::rate_of([&] { run(r, &sink, plain_clock); }, lines);
    const auto start = bench::Clock::now();
    for (auto _ : state) run(r, &track, clock);
    bench::report(state, lines * static_cast<double>(state.iterations()), bench::seconds_since(start), baseline,
                  "lines/s");
    RadarTrackStatus status{};
    radartrack_status(tracker, &status);
    state.counters["targets"] = status.targets;
    // The tracker's share of the path: 1/ratio - 1 of the plain path's time.
    state.counters["added"] = baseline / (lines * static_cast<double>(state.iterations()) /
                                          bench::seconds_since(start)) - 1.0;
}
BENCHMARK(EchoPathWithTracker)->ArgNames({"trails"})->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
