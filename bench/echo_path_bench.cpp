// The echo path inside the receiver: decode, trail overlay and delivery of
// each line (to a callback, or through the ring to a fetching application),
// beside a memcpy of the bytes the path must touch; and the trail memory's
// aging pass and clear beside plain passes over 8 MiB.
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "echo/decoder.h"
#include "echo/receiver.h"
#include "echo/ring.h"
#include "echo/trails.h"
#include "echo_sets.h"

namespace {

using echo_sets::Bytes;
using echo_sets::LineAt;
using echo_sets::Set;
using echo_sets::make_set;
using echo_sets::most;
using echo_sets::samples;
using radar::echo::line_samples;
using radar::echo::trail_rows;

void RADAR_CALLBACK sink(EchoLineRecord *line) { benchmark::DoNotOptimize(line->Data[line->SampleCount - 1]); }

// The bytes the path must touch for a line, copied with memcpy: the line's
// wire bytes, the line buffer, and with trails the trail row (two bytes a
// sample) and the overlay buffer; through the ring, the slot's levels.
int16_t baseline_rows[trail_rows][line_samples];
struct BaselineScratch {
    uint8_t wire[most], line[line_samples], overlay[line_samples], row[2 * line_samples];
    uint8_t slots[radar::echo::ring_slots][line_samples];
} scratch;

void baseline_pass(const Set &set, bool trails, bool ring) {
    std::size_t slot = 0;
    for (const LineAt &l : set.lines) {
        const uint8_t *wire = set.datagrams[l.datagram].data() + l.offset;
        std::memcpy(scratch.wire, wire, l.size);
        std::memcpy(scratch.line, scratch.overlay, samples);
        if (trails) {
            std::memcpy(scratch.row, baseline_rows[l.row], 2 * samples);
            std::memcpy(baseline_rows[l.row], scratch.row, 2 * samples);
            std::memcpy(scratch.overlay, scratch.line, samples);
        }
        if (ring) {
            std::memcpy(scratch.slots[slot], trails ? scratch.overlay : scratch.line, line_samples);
            if (++slot == radar::echo::ring_slots) slot = 0;
        }
        benchmark::ClobberMemory();
    }
}

void Decode(benchmark::State &state) {
    const int percent = static_cast<int>(state.range(0));
    const bool trails = state.range(1) != 0;
    const bool ring = state.range(2) != 0;
    static bool ring_ready = false;
    if (!ring_ready) {
        radar::echo::start_ring();
        ring_ready = true;
    }
    const Set set = make_set(percent);
    radar::echo::set_trail_time(trails ? 80 : 0);
    const RadarEchoFunc callback = ring ? nullptr : &sink;
    auto path = [&] {
        for (const Bytes &d : set.datagrams) {
            radar::echo::take_datagram(d.data(), d.size(), radar::echo::mode_live, callback);
            if (ring) {
                EchoLineRecord line{};
                while (radar::echo::fetch_line(line) > 0) benchmark::DoNotOptimize(line.Data[0]);
            }
        }
    };
    path();  // the first datagram of a new header clears the picture
    const double lines = static_cast<double>(set.lines.size());
    const double baseline = bench::rate_of([&] { baseline_pass(set, trails, ring); }, lines);
    const auto start = bench::Clock::now();
    for (auto _ : state) path();
    bench::report(state, lines * static_cast<double>(state.iterations()), bench::seconds_since(start), baseline,
                  "lines/s");
    std::size_t wire = 0;
    for (const LineAt &l : set.lines) wire += l.size;
    state.counters["wire bytes/line"] = static_cast<double>(wire) / lines;
}
BENCHMARK(Decode)
    ->ArgNames({"changes%", "trails", "ring"})
    ->ArgsProduct({{0, 10, 50, 100}, {0, 1}, {0, 1}})
    ->UseRealTime();

// Each decode kernel this processor runs, alone or followed by an overlay
// kernel on the line's trail row (the overlay as the receiver runs it, less
// its row bookkeeping): what a processor with fewer instruction sets gets. The
// baseline is the memcpy of the same bytes, as for Decode.
uint16_t kernel_cells[trail_rows][line_samples];

void Kernels(benchmark::State &state) {
    const radar::echo::DecodeKernel *decoders[4];
    const radar::echo::OverlayKernel *overlays[4];
    const std::size_t decoder_count = radar::echo::decode_kernels(decoders);
    const std::size_t overlay_count = radar::echo::overlay_kernels(overlays);
    const auto d = static_cast<std::size_t>(state.range(1));
    const long o = state.range(2);
    if (d >= decoder_count || o >= static_cast<long>(overlay_count)) {
        state.SkipWithError("this processor does not run the kernel");
        return;
    }
    state.SetLabel(std::string(decoders[d]->name) + (o < 0 ? "" : std::string(" + ") + overlays[o]->name));
    const Set set = make_set(static_cast<int>(state.range(0)));
    uint8_t line[line_samples] = {}, overlay[line_samples];
    const std::size_t mask = samples / 8;
    auto path = [&] {
        for (const LineAt &l : set.lines) {
            const uint8_t *bits = set.datagrams[l.datagram].data() + l.offset + 4;
            benchmark::DoNotOptimize(decoders[d]->run({bits, bits + mask, mask, line}));
            if (o >= 0)
                benchmark::DoNotOptimize(overlays[o]->run({line, overlay, kernel_cells[l.row], samples, 0, 80, 10}));
        }
        benchmark::ClobberMemory();
    };
    const double lines = static_cast<double>(set.lines.size());
    const double baseline = bench::rate_of([&] { baseline_pass(set, o >= 0, false); }, lines);
    const auto start = bench::Clock::now();
    for (auto _ : state) path();
    bench::report(state, lines * static_cast<double>(state.iterations()), bench::seconds_since(start), baseline,
                  "lines/s");
}
BENCHMARK(Kernels)
    ->ArgNames({"changes%", "decode", "overlay"})
    ->ArgsProduct({{0, 10, 50, 100}, {0, 1, 2}, {-1, 1, 2, 3}})
    ->UseRealTime();

// Trail memory whose rows hold trails in `percent` of the bearings, in a
// quarter of each such row's samples; the plain baseline array holds the
// same pattern. Trails in every row is the worst case: with trails off, or
// on a quiet screen, most rows hold none.
void fill_trails(int percent) {
    radar::echo::set_trail_time(32767);
    uint8_t line[line_samples] = {}, overlay[line_samples];
    for (int s = 0; s < line_samples; s += 4) line[s] = 5;
    for (int row = 0; row < trail_rows; ++row)
        if (row % 100 < percent)
            radar::echo::overlay_trails(line, overlay, static_cast<uint16_t>(row), 0, line_samples);
    for (int row = 0; row < trail_rows; ++row)
        for (int s = 0; s < line_samples; ++s)
            baseline_rows[row][s] = static_cast<int16_t>(row % 100 < percent && s % 4 == 0 ? 32767 : 0);
}

// The plain pass: the same step on a plain array, which the compiler may
// vectorise at will.
__attribute__((noinline)) void plain_aging_pass(int16_t *cells, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const int16_t v = cells[i];
        cells[i] = static_cast<int16_t>(v > 0 ? v - 1 : v);
    }
}

constexpr double cells = double(trail_rows) * line_samples;

void Aging(benchmark::State &state) {
    fill_trails(static_cast<int>(state.range(0)));
    const double baseline =
        bench::rate_of([] { plain_aging_pass(&baseline_rows[0][0], trail_rows * line_samples); }, cells);
    const auto start = bench::Clock::now();
    for (auto _ : state) radar::echo::age_trails();
    bench::report(state, cells * static_cast<double>(state.iterations()), bench::seconds_since(start), baseline,
                  "cells/s");
}
BENCHMARK(Aging)->ArgNames({"rows%"})->Arg(100)->Arg(25)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

void Clear(benchmark::State &state) {
    const double baseline =
        bench::rate_of([] { std::memset(baseline_rows, 0, sizeof baseline_rows); benchmark::ClobberMemory(); },
                       cells);
    const auto start = bench::Clock::now();
    for (auto _ : state) radar::echo::clear_trails();
    bench::report(state, cells * static_cast<double>(state.iterations()), bench::seconds_since(start), baseline,
                  "cells/s");
}
BENCHMARK(Clear)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
