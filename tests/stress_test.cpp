// Everything at once, for a few seconds: the network library's thread hands
// over command messages through the conversion callback while application
// threads call Set, Get and Put; echo datagrams flood in over loopback UDP and
// the ring is drained; the trail time changes; recordings start and stop;
// playbacks start and end. Afterwards every field read was one that was
// written, every line fetched was a line, and the library still answers and
// still delivers. Run under ThreadSanitizer (the tsan preset) this is the
// check that every access shared between threads is well defined.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "echo_support.h"
#include "loopback_station.h"
#include "netlib_double.h"
#include "radar.h"
#include "scratch_folder.h"
#include "test_sockets.h"

namespace {

using namespace echo_support;
using namespace std::chrono_literals;

constexpr auto chaos_time = 3s;
constexpr auto settle_time = 10s;

// The record's groups the network thread never touches, written by one
// application thread with one of two value sets and read by another: a read
// shows one set or the other in each field, never a mix of bytes.
constexpr uint32_t far_distance = 99999999;

std::atomic<int> notified{0};
void RADAR_CALLBACK on_notify(int32_t) { notified.fetch_add(1, std::memory_order_relaxed); }

struct Message {
    int16_t code;
    const char *text;
};
constexpr Message messages[] = {
    {0x03, "$R03\r\n"},   {0x03, "$S03,2,50\r\n"},          {0x04, "$N04,1,20\r\n"},
    {0x13, "$R13,1\r\n"}, {0x1B, "$S1B,2,1,0,1,123.4\r\n"}, {0x1D, "$R1D,3\r\n"},
    {0x41, "$S41\r\n"},   {0x4B, "$S4B,768\r\n"},           {0x56, "$N56,1,2,3,4,5,6,7,8,9,A\r\n"},
    {0x00, ""},           {0x03, "$S03,9,999\r\n"},         {0x37, "$S37,1,-3.5,7.7\r\n"},
};

std::filesystem::path new_folder() { return scratch::new_folder("radar-stress-"); }

// A line the ring handed over: its fields as the receiver fills them.
bool line_ok(const EchoLineRecord &r) {
    if (r.Data == nullptr || r.Mode < 1 || r.Mode > 3) return false;
    if (r.SampleCount != 16 && r.SampleCount != 64 && r.SampleCount != 24) return false;
    if (r.Sweep >= 8192 || r.BearingOffset >= 8192 || r.ScaleCode >= 64) return false;
    for (int s = 0; s < r.SampleCount; ++s)
        if (r.Data[s] > 15) return false;
    return true;
}

// Runs `step` until `stop`, counting the steps.
template <class Step>
std::thread loop(const std::atomic<bool> &stop, std::atomic<int> &steps, Step step) {
    return std::thread([&stop, &steps, step]() mutable {
        while (!stop.load()) {
            step();
            steps.fetch_add(1, std::memory_order_relaxed);
        }
    });
}

TEST(Stress, EverythingAtOnceStaysWellDefinedAndAlive) {
    namespace fs = std::filesystem;
    const fs::path folder = new_folder();
    ASSERT_FALSE(folder.empty());
    const std::string recording = (folder / "recording.bin").string();
    const std::string one_screen = (folder / "one_screen.bin").string();
    const std::string playback = (folder / "playback.bin").string();

    // Live datagrams (two headers, so the picture is cleared now and then),
    // and a playback file of a third header.
    const std::vector<Bytes> live = {
        datagram(16, 5, 3,
                 {Line{0, 0, false, true, {{0, 2}, {3, 7}}}, Line{1, 7, true, false, {}}}),
        datagram(
            16, 5, 3,
            {Line{2, 0, false, true, {{1, 9}, {2, 4}}}, Line{8191, 8191, false, true, {{15, 1}}}}),
        datagram(64, 6, 0, {Line{8190, 2, false, true, {{63, 6}}}}),
    };
    {
        std::ofstream out(playback, std::ios::binary);
        for (int i = 0; i < 20; ++i) {
            const Bytes d =
                datagram(24, 7, 2, {Line{static_cast<uint16_t>(i), 0, false, true, {{i, 5}}}});
            out.write(reinterpret_cast<const char *>(d.data()),
                      static_cast<std::streamsize>(d.size()));
        }
    }

    netlib_double::set_source_address(radar_address);
    ASSERT_EQ(OrvaneInitRadarFunc("STRESS", &on_notify), RADAR_OK);
    ASSERT_NE(netlib_double::conversion, nullptr);
    const OrvaneConvFunc conversion = netlib_double::conversion;
    loopback::Connection connection = loopback::connect_pair();
    ASSERT_GE(connection.near.get(), 0);
    ASSERT_GE(connection.far.get(), 0);
    const int32_t reply_socket = connection.near.get();
    ASSERT_EQ(OrvaneInitRadarEchoFunc(nullptr), RADAR_OK);
    // One message before the threads start records the reply socket, so every
    // Put has a peer however late the network thread gets going.
    {
        int32_t socket = reply_socket;
        conversion(0x4D, "", &socket);
    }
    const int echo_sender = test_sockets::open_socket(SOCK_DGRAM);
    ASSERT_TRUE(test_sockets::bind_to(echo_sender, test_sockets::ipv4(radar_address)));

    std::atomic<bool> stop{false}, stop_reading{false};
    std::atomic<int> handled{0}, sentences{0}, set_get{0}, puts{0}, sent{0}, fetched{0};
    std::atomic<int> trail_changes{0}, recordings{0}, playbacks{0};
    std::atomic<int> recordings_started{0}, recordings_ended{0}, playbacks_started{0},
        playbacks_ended{0};
    std::atomic<int> lines{0}, torn{0}, bad_lines{0}, failed_puts{0};

    std::vector<std::thread> threads;
    // The network library's thread.
    threads.push_back(loop(stop, handled, [&, i = std::size_t{0}]() mutable {
        const Message &m = messages[i++ % std::size(messages)];
        int32_t socket = reply_socket;
        conversion(m.code, m.text, &socket);
    }));
    // Application thread 1: writes the offset group with one of two value
    // sets, and reads and writes the gain.
    threads.push_back(loop(stop, set_get, [&, far = false]() mutable {
        far = !far;
        OrvaneSetRadarOffset(far ? 1 : 0, far ? 3599 : 0, far ? far_distance : 0);
        uint16_t mode = 0, level = 0;
        OrvaneSetRadarGain(1, 60);
        OrvaneGetRadarGain(&mode, &level);
        if (mode > 3 || level > 100) torn.fetch_add(1);
    }));
    // Application thread 2: reads the offset group, and sends sentences.
    threads.push_back(loop(stop, puts, [&, i = 0]() mutable {
        uint16_t setting = 7, bearing = 7;
        uint32_t distance = 7;
        OrvaneGetRadarOffset(&setting, &bearing, &distance);
        if (setting > 1 || (bearing != 0 && bearing != 3599) ||
            (distance != 0 && distance != far_distance))
            torn.fetch_add(1);
        int16_t result = RADAR_OK;
        switch (i++ % 4) {
            case 0:
                result = OrvanePutRadarGain(RADAR_KIND_REQUEST, 0, 0);
                break;
            case 1:
                result = OrvanePutRadarOffset(RADAR_KIND_ANNOUNCE, setting, bearing, distance);
                break;
            case 2:
                result = OrvanePutRadarOwnPosiLL(RADAR_KIND_ORDER, 1, -353894400, 707788800);
                break;
            default:
                result = OrvanePutArpaAllClear(RADAR_KIND_X);
                break;
        }
        if (result != RADAR_OK) failed_puts.fetch_add(1);
    }));
    // The echo flood.
    threads.push_back(loop(stop, sent, [&, i = 0]() mutable {
        // Mostly one header; every 64th datagram changes it and clears the picture.
        const Bytes &d = live[(i % 64 == 63) ? 2 : i % 2];
        ++i;
        test_sockets::send_to(echo_sender, d.data(), d.size(),
                              test_sockets::ipv4(radar_address, echo_port));
        if (i % 16 == 0) std::this_thread::sleep_for(1ms);
    }));
    // The application drains the ring.
    threads.push_back(loop(stop, fetched, [&] {
        EchoLineRecord record{};
        if (OrvaneGetRadarEchoData(&record) > 0) {
            lines.fetch_add(1, std::memory_order_relaxed);
            if (!line_ok(record)) bad_lines.fetch_add(1);
        } else {
            std::this_thread::sleep_for(100us);
        }
    }));
    // Trail time changes; each clears every trail.
    threads.push_back(loop(stop, trail_changes, [&, i = 0]() mutable {
        constexpr uint16_t times[] = {8, 0, 30, 5};
        OrvaneSetTrailTime(times[i++ % 4]);
        std::this_thread::sleep_for(50ms);
    }));
    // Recordings, and a one-revolution recording now and then.
    threads.push_back(loop(stop, recordings, [&, i = 0]() mutable {
        if (OrvaneRecStartRadarEcho(recording.c_str()) == RADAR_OK) {
            recordings_started.fetch_add(1);
            std::this_thread::sleep_for(15ms);
            if (OrvaneRecEndRadarEcho() == RADAR_OK) recordings_ended.fetch_add(1);
        }
        if (i++ % 8 == 0) OrvaneRecStartRadarEchoOneScreen(one_screen.c_str());
        std::this_thread::sleep_for(15ms);
    }));
    // Playbacks: started (refused while a recording runs), left to run or to
    // reach the end of the file, and ended.
    threads.push_back(loop(stop, playbacks, [&] {
        if (OrvaneReadStartRadarEcho(playback.c_str()) == RADAR_OK) {
            playbacks_started.fetch_add(1);
            std::this_thread::sleep_for(10ms);
            if (OrvaneReadEndRadarEcho() == RADAR_OK) playbacks_ended.fetch_add(1);
        }
        std::this_thread::sleep_for(7ms);
    }));
    // The far end of the reply connection takes every sentence.
    std::thread reader([&] {
        char buffer[4096];
        for (;;) {
            if (!test_sockets::wait_readable(connection.far.get(), 20)) {
                if (stop_reading.load()) return;
                continue;
            }
            const long got =
                test_sockets::receive_some(connection.far.get(), buffer, sizeof buffer);
            if (got <= 0) return;
            int ends = 0;
            for (long i = 0; i < got; ++i) ends += buffer[i] == '\0';
            sentences.fetch_add(ends, std::memory_order_relaxed);
        }
    });

    // The chaos runs its time; recording and playback take turns, and the
    // time is stretched (within a bound) until each has had one.
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < chaos_time ||
           ((recordings_ended.load() == 0 || playbacks_ended.load() == 0) &&
            std::chrono::steady_clock::now() - start < chaos_time + settle_time))
        std::this_thread::sleep_for(10ms);
    stop.store(true);
    for (std::thread &t : threads) t.join();
    stop_reading.store(true);
    reader.join();

    std::printf(
        "%d messages, %d notified, %d sentences read, %d Set/Get rounds, %d Put rounds, "
        "%d datagrams sent, %d lines fetched in %d polls, %d trail times, %d/%d recordings "
        "started/ended, "
        "%d/%d playbacks started/ended\n",
        handled.load(), notified.load(), sentences.load(), set_get.load(), puts.load(), sent.load(),
        lines.load(), fetched.load(), trail_changes.load(), recordings_started.load(),
        recordings_ended.load(), playbacks_started.load(), playbacks_ended.load());
    EXPECT_GT(handled.load(), 0);
    EXPECT_GT(notified.load(), 0);
    EXPECT_GT(sentences.load(), 0);
    EXPECT_GT(set_get.load(), 0);
    EXPECT_GT(puts.load(), 0);
    EXPECT_GT(sent.load(), 0);
    EXPECT_GT(lines.load(), 0);
    EXPECT_GT(trail_changes.load(), 1);
    EXPECT_GT(recordings_started.load(), 0);
    EXPECT_GT(recordings_ended.load(), 0);
    EXPECT_GT(playbacks_started.load(), 0);
    EXPECT_GT(playbacks_ended.load(), 0);
    EXPECT_EQ(torn.load(), 0);
    EXPECT_EQ(bad_lines.load(), 0);
    EXPECT_EQ(failed_puts.load(), 0);

    // Still alive: the live stream is back and is delivered, and a request
    // is answered.
    OrvaneReadEndRadarEcho();  // refused when live already
    OrvaneRecEndRadarEcho();
    ASSERT_EQ(OrvaneSetTrailTime(0), RADAR_OK);
    const Bytes marker = datagram(16, 9, 4, {Line{4321, 0, true, true, {{5, 5}}}});
    bool seen = false;
    const auto deadline = std::chrono::steady_clock::now() + settle_time;
    while (!seen && std::chrono::steady_clock::now() < deadline) {
        test_sockets::send_to(echo_sender, marker.data(), marker.size(),
                              test_sockets::ipv4(radar_address, echo_port));
        std::this_thread::sleep_for(5ms);
        EchoLineRecord record{};
        while (OrvaneGetRadarEchoData(&record) > 0)
            seen |= record.Sweep == 4321 && record.Mode == 1;
    }
    EXPECT_TRUE(seen);
    int32_t socket = reply_socket;
    conversion(0x03, "$R03\r\n", &socket);
    EXPECT_EQ(loopback::read_n(connection.far.get(), 1).substr(0, 1), "$");

    test_sockets::close_socket(echo_sender);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

}  // namespace
