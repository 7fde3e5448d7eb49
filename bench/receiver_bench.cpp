// The receiver thread at work. End to end: datagrams sent over UDP on
// loopback to port 10024, received, decoded and delivered to the echo
// callback, beside a bare recvfrom loop receiving the same datagrams from the
// same sender on another port. Playback: a large recording played from file
// to the callback, beside a bare read of the same file datagram by datagram.
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "bench_support.h"
#include "echo_sets.h"
#include "netlib_double.h"
#include "platform/net.h"
#include "test_sockets.h"

namespace {

using namespace std::chrono_literals;
using echo_sets::Bytes;
using echo_sets::Set;

constexpr uint16_t bare_port = 10124;

std::atomic<uint64_t> lines_seen{0};

// A playback is timed from its first line to its last: how soon the receiver
// turns to the file after the start is not part of the figure.
std::atomic<bool> armed{false};
bench::Clock::time_point first_line_at, last_line_at;

// The callback does as little as an application's would: it looks at the
// line and counts it (one writer, so a plain store of the count will do).
void RADAR_CALLBACK count_line(EchoLineRecord *line) {
    benchmark::DoNotOptimize(line->Data[line->SampleCount - 1]);
    if (line->Mode != 1 && armed.load(std::memory_order_relaxed)) {
        armed.store(false, std::memory_order_relaxed);
        first_line_at = bench::Clock::now();
    }
    if (line->Mode == 3) last_line_at = bench::Clock::now();
    lines_seen.store(lines_seen.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

void start_echo_side() {
    static bool started = false;
    if (started) return;
    started = true;
    netlib_double::set_source_address("127.0.0.1");
    OrvaneInitRadarEchoFunc(&count_line);
}

// Waits until `count` reaches `target`, or until it has not moved for 300 ms
// (what is missing by then was lost). Returns when the last progress was seen.
template <class Count>
bench::Clock::time_point wait_for(Count count, uint64_t target) {
    uint64_t seen = count();
    auto progress = bench::Clock::now();
    while (seen < target) {
        std::this_thread::sleep_for(200us);
        const uint64_t now = count();
        if (now != seen) {
            seen = now;
            progress = bench::Clock::now();
        } else if (bench::Clock::now() - progress > 300ms) {
            break;
        }
    }
    return progress;
}

// Sends the set's datagrams `rounds` times to `port` on 127.0.0.1, every
// `gap` (zero: as fast as the socket takes them).
void send_all(const Set &set, int rounds, uint16_t port, std::chrono::nanoseconds gap) {
    using namespace test_sockets;
    const int s = open_socket(SOCK_DGRAM);
    bind_to(s, ipv4("127.0.0.1"));
    const sockaddr_in to = ipv4("127.0.0.1", port);
    auto next = bench::Clock::now();
    for (int r = 0; r < rounds; ++r) {
        for (const Bytes &d : set.datagrams) {
            if (gap.count() != 0) {
                while (bench::Clock::now() < next) {
                }
                next += gap;
            }
            send_to(s, d.data(), d.size(), to);
        }
    }
    close_socket(s);
}

struct Burst {
    double seconds;
    uint64_t datagrams_in;
};

// The bare loop: a socket of its own on `bare_port` with the same receive
// queue as the library's, a thread receiving and counting until a one-byte
// datagram tells it to stop.
Burst bare_burst(const Set &set, int rounds, std::chrono::nanoseconds gap) {
    using namespace test_sockets;
    const int s = open_socket(SOCK_DGRAM);
    const int queue = radar::platform::receive_queue_bytes;
    setsockopt(s, SOL_SOCKET, SO_RCVBUF, &queue, sizeof queue);
    bind_to(s, ipv4(nullptr, bare_port));
    std::atomic<uint64_t> received{0};
    std::thread loop([&] {
        uint8_t buffer[1024];
        for (;;) {
            sockaddr_in from{};
            const long n = receive_from(s, buffer, sizeof buffer, from);
            if (n == 1) break;
            if (n > 0) received.fetch_add(1, std::memory_order_relaxed);
        }
    });
    const uint64_t total = set.datagrams.size() * static_cast<uint64_t>(rounds);
    const auto start = bench::Clock::now();
    send_all(set, rounds, bare_port, gap);
    const auto last = wait_for([&] { return received.load(); }, total);
    const uint8_t stop = 0;
    const int out = open_socket(SOCK_DGRAM);
    send_to(out, &stop, 1, ipv4("127.0.0.1", bare_port));
    close_socket(out);
    loop.join();
    close_socket(s);
    return {std::chrono::duration<double>(last - start).count(), received.load()};
}

Burst library_burst(const Set &set, int rounds, std::chrono::nanoseconds gap) {
    const uint64_t lines = set.lines.size() * static_cast<uint64_t>(rounds);
    const uint64_t before = lines_seen.load();
    const auto start = bench::Clock::now();
    send_all(set, rounds, 10024, gap);
    const auto last = wait_for([&] { return lines_seen.load() - before; }, lines);
    const uint64_t got = lines_seen.load() - before;
    return {std::chrono::duration<double>(last - start).count(), got * set.datagrams.size() / set.lines.size()};
}

// Args: change percentage; gap between datagrams in microseconds (0: flood);
// trails on (80 s) or off.
void EndToEnd(benchmark::State &state) {
    start_echo_side();
    OrvaneSetTrailTime(state.range(2) != 0 ? 80 : 0);
    const Set set = echo_sets::make_set(static_cast<int>(state.range(0)), 8192);
    const std::chrono::nanoseconds gap = std::chrono::microseconds(state.range(1));
    const int rounds = bench::smoke() ? 1 : (gap.count() == 0 ? 20 : 2);
    const uint64_t sent = set.datagrams.size() * static_cast<uint64_t>(rounds);
    library_burst(set, 1, gap);  // the first datagram of a new header clears the picture
    double seconds = 0, bare_seconds = 0;
    uint64_t in = 0, bare_in = 0, lost = 0, bare_lost = 0;
    for (auto _ : state) {
        const Burst bare = bare_burst(set, rounds, gap);
        const Burst mine = library_burst(set, rounds, gap);
        state.SetIterationTime(mine.seconds);
        seconds += mine.seconds;
        bare_seconds += bare.seconds;
        in += mine.datagrams_in;
        bare_in += bare.datagrams_in;
        lost += sent - mine.datagrams_in;
        bare_lost += sent - bare.datagrams_in;
    }
    const double lines_per_datagram = double(set.lines.size()) / double(set.datagrams.size());
    state.counters["datagrams/s"] = double(in) / seconds;
    state.counters["lines/s"] = double(in) * lines_per_datagram / seconds;
    state.counters["bare datagrams/s"] = double(bare_in) / bare_seconds;
    state.counters["ratio"] = (double(in) / seconds) / (double(bare_in) / bare_seconds);
    // The share of the sent datagrams the library delivered, over the share
    // the bare loop received.
    state.counters["delivered/bare"] = double(in) / double(bare_in);
    state.counters["lost"] = double(lost);
    state.counters["bare lost"] = double(bare_lost);
    state.counters["sent"] = double(sent * state.iterations());
}
BENCHMARK(EndToEnd)
    ->ArgNames({"changes%", "gap_us", "trails"})
    ->ArgsProduct({{10, 100}, {0, 20}, {0, 1}})
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// A recording: the set's datagrams back to back, `revolutions` times over.
std::string write_recording(const Set &set, int revolutions) {
    const std::string path = "/tmp/radar_bench_playback.rec";
    std::FILE *f = std::fopen(path.c_str(), "wb");
    for (int r = 0; r < revolutions; ++r)
        for (const Bytes &d : set.datagrams) std::fwrite(d.data(), 1, d.size(), f);
    std::fclose(f);
    return path;
}

// The bare read: each datagram's 10 leading bytes, then the rest its word
// count gives.
uint64_t bare_read(const std::string &path) {
    std::FILE *f = std::fopen(path.c_str(), "rb");
    uint8_t buffer[1024];
    uint64_t datagrams = 0;
    while (std::fread(buffer, 1, 10, f) == 10) {
        const std::size_t rest = 2 * ((buffer[9] & 3u) * 256u + buffer[8]);
        if (std::fread(buffer + 10, 1, rest, f) != rest) break;
        ++datagrams;
        benchmark::DoNotOptimize(buffer[10]);
    }
    std::fclose(f);
    return datagrams;
}

void Playback(benchmark::State &state) {
    start_echo_side();
    OrvaneSetTrailTime(state.range(1) != 0 ? 80 : 0);
    const Set set = echo_sets::make_set(static_cast<int>(state.range(0)), 8192);
    const int revolutions = bench::smoke() ? 1 : 10;
    const std::string path = write_recording(set, revolutions);
    const double lines = double(set.lines.size()) * revolutions;
    const double datagrams = double(set.datagrams.size()) * revolutions;
    const double baseline = bench::rate_of([&] { bare_read(path); }, lines);
    const auto play = [&](uint64_t &delivered) {
        const uint64_t before = lines_seen.load();
        armed.store(true);
        OrvaneReadStartRadarEcho(path.c_str());
        wait_for([&] { return lines_seen.load(std::memory_order_acquire) - before; }, static_cast<uint64_t>(lines));
        delivered += lines_seen.load() - before;
        OrvaneReadEndRadarEcho();
        return std::chrono::duration<double>(last_line_at - first_line_at).count();
    };
    // Once untimed: the first lines with trails touch the trail memory's
    // pages for the first time, which a process does once.
    uint64_t warm_up = 0;
    play(warm_up);
    double seconds = 0;
    uint64_t delivered = 0;
    for (auto _ : state) {
        const double s = play(delivered);
        state.SetIterationTime(s);
        seconds += s;
    }
    state.counters["lines/s"] = double(delivered) / seconds;
    state.counters["datagrams/s"] = datagrams * double(state.iterations()) / seconds;
    state.counters["baseline"] = baseline;
    state.counters["ratio"] = double(delivered) / seconds / baseline;
    state.counters["missing"] = lines * double(state.iterations()) - double(delivered);
    std::remove(path.c_str());
}
BENCHMARK(Playback)
    ->ArgNames({"changes%", "trails"})
    ->ArgsProduct({{10, 100}, {0, 1}})
    ->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
