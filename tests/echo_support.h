// Playing the radar's echo side in tests: building echo datagrams, sending
// them over UDP on loopback to port 10024 from a chosen 127.x address, and
// knowing when the receiver has dealt with everything sent so far.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "netlib_double.h"
#include "radar.h"
#include "test_sockets.h"

namespace echo_support {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr const char *radar_address = "127.0.0.1";
constexpr uint16_t echo_port = 10024;

// One line of a datagram: its header fields and the samples it changes.
struct Line {
    uint16_t sweep = 0;
    uint16_t bearing_offset = 0;
    bool line_flag = false;
    bool changes = true;
    std::map<int, uint8_t> levels;  // sample -> level nibble (0..15)
};

// A well-formed datagram: the header, the lines, and a word count that matches.
// Level nibbles that carry nothing (after an odd count, and the byte that
// evens the count up) hold `unused`.
inline Bytes datagram(uint16_t sample_count, uint8_t scale_code, uint8_t nibble,
                      const std::vector<Line> &lines, uint8_t unused = 0) {
    Bytes d = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0, 0};
    d.push_back(static_cast<uint8_t>(lines.size()));
    d.push_back(nibble);
    const uint16_t samples_and_scale =
        static_cast<uint16_t>((sample_count & 0x3FF) | scale_code << 10);
    d.push_back(static_cast<uint8_t>(samples_and_scale));
    d.push_back(static_cast<uint8_t>(samples_and_scale >> 8));
    for (const Line &l : lines) {
        const uint16_t bearing = static_cast<uint16_t>(
            l.bearing_offset | (l.line_flag ? 0x4000 : 0) | (l.changes ? 0x8000 : 0));
        d.insert(d.end(), {static_cast<uint8_t>(l.sweep), static_cast<uint8_t>(l.sweep >> 8),
                           static_cast<uint8_t>(bearing), static_cast<uint8_t>(bearing >> 8)});
        if (!l.changes) continue;
        Bytes mask(sample_count / 8, 0);
        std::vector<uint8_t> nibbles;
        for (const auto &[sample, level] : l.levels) {
            mask[sample / 8] |= static_cast<uint8_t>(1u << (sample % 8));
            nibbles.push_back(level);
        }
        d.insert(d.end(), mask.begin(), mask.end());
        Bytes levels(2 * ((nibbles.size() + 3) / 4), unused);
        for (std::size_t j = 0; j < nibbles.size(); ++j) {
            uint8_t &b = levels[j / 2];
            b = j % 2 == 0 ? static_cast<uint8_t>((b & 0xF0) | nibbles[j])
                           : static_cast<uint8_t>((b & 0x0F) | nibbles[j] << 4);
        }
        d.insert(d.end(), levels.begin(), levels.end());
    }
    // The length is counted in 16-bit words: a datagram whose lines end on an
    // odd byte (a sample count that is not a multiple of 16) carries one pad byte.
    if (d.size() % 2 != 0) d.push_back(0);
    const std::size_t words = (d.size() - 10) / 2;
    d[8] = static_cast<uint8_t>(words);
    d[9] = static_cast<uint8_t>(words >> 8);
    return d;
}

// Sends one datagram to port 10024 on 127.0.0.1 from a socket bound to `from`
// (any 127.x address can be bound on loopback; see senders_kept).
inline bool send_from(const char *from, const Bytes &bytes) {
    using namespace test_sockets;
    const int s = open_socket(SOCK_DGRAM);
    if (s == no_socket) return false;
    const bool ok = bind_to(s, ipv4(from)) &&
                    send_to(s, bytes.data(), bytes.size(), ipv4(radar_address, echo_port)) ==
                        static_cast<long>(bytes.size());
    close_socket(s);
    return ok;
}

// Whether a socket of the test's own can take `port` on every local address:
// no other socket holds it.
inline bool port_is_free(uint16_t port) {
    using namespace test_sockets;
    const int s = open_socket(SOCK_DGRAM);
    const bool free = bind_to(s, ipv4(nullptr, port));
    close_socket(s);
    return free;
}

// Whether a datagram leaves with the 127.x address its socket is bound to as
// its sender. Linux keeps it; Wine sends every loopback datagram from
// 127.0.0.1, whatever the socket is bound to. On Windows it is asked once, of
// sockets of the test's own on a free port.
inline bool senders_kept() {
#if defined(_WIN32)
    static const bool kept = [] {
        using namespace test_sockets;
        const int in = open_socket(SOCK_DGRAM), out = open_socket(SOCK_DGRAM);
        bool same = false;
        if (bind_to(in, ipv4(radar_address)) && bind_to(out, ipv4("127.0.0.2"))) {
            const uint8_t probe = 1;
            uint8_t got[4];
            sockaddr_in from{};
            same = send_to(out, &probe, 1,
                           ipv4(radar_address, ntohs(bound_address(in).sin_port))) == 1 &&
                   wait_readable(in, 5000) && receive_from(in, got, sizeof got, from) == 1 &&
                   from.sin_addr.s_addr == ipv4("127.0.0.2").sin_addr.s_addr;
        }
        close_socket(in);
        close_socket(out);
        return same;
    }();
    return kept;
#else
    return true;
#endif
}

// Counts the datagrams the receiver will look at (every one it receives
// whole asks the network library for the source address), so that a test can
// wait until all of them have been dealt with.
class Radar {
  public:
    bool send(const Bytes &bytes, const char *from = radar_address) {
        if (std::strcmp(from, radar_address) != 0 && !senders_kept()) return send_as(from, bytes);
        if (counted(bytes)) ++expected_;
        return send_from(from, bytes);
    }

    // Sends a datagram the receiver drops (from a foreign address) and waits
    // until the receiver has taken it: everything sent before is done with.
    bool settle(const char *foreign = "127.0.0.9") {
        return send(datagram(16, 0, 1, {}), foreign) && all_taken();
    }

  private:
    static bool counted(const Bytes &bytes) { return !bytes.empty() && bytes.size() <= 1024; }

    bool all_taken() const {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (netlib_double::source_address_calls() < expected_) {
            if (Clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Where every datagram arrives from 127.0.0.1, one "from" another
    // address is sent from 127.0.0.1 while the double names the radar at an
    // address that makes the receiver's comparison come out as it would for
    // `from`: 127.0.0.1 when `from` is the address the double names, `from`
    // itself otherwise. The receiver asks once per datagram, so the double
    // names it only while this datagram is the one being looked at.
    bool send_as(const char *from, const Bytes &bytes) {
        if (!all_taken()) return false;
        const std::string radar = netlib_double::source_address();
        netlib_double::set_source_address(radar == from ? radar_address : from);
        bool sent = send_from(radar_address, bytes);
        if (sent && counted(bytes)) {
            ++expected_;
            sent = all_taken();
        }
        netlib_double::set_source_address(radar);
        return sent;
    }

    uint64_t expected_ = netlib_double::source_address_calls();
};

// What an echo callback saw of one line.
struct Seen {
    EchoLineRecord record;
    std::array<uint8_t, 512> levels;
};

// Lines delivered to the echo callback, collected across threads.
class Collector {
  public:
    void add(const EchoLineRecord &line) {
        Seen s{line, {}};
        const uint8_t *data = line.Data;
        std::copy(data, data + 512, s.levels.begin());
        std::lock_guard<std::mutex> held(lock_);
        seen_.push_back(s);
    }
    std::vector<Seen> take() {
        std::lock_guard<std::mutex> held(lock_);
        std::vector<Seen> lines;
        lines.swap(seen_);
        return lines;
    }
    std::size_t size() {
        std::lock_guard<std::mutex> held(lock_);
        return seen_.size();
    }
    // Waits until at least `count` lines are in (bounded); false on time-out.
    bool wait_for(std::size_t count) {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (size() < count) {
            if (Clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

  private:
    std::mutex lock_;
    std::vector<Seen> seen_;
};

}  // namespace echo_support
