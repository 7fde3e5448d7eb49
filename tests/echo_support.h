// Playing the radar's echo side in tests: building echo datagrams, sending
// them over UDP on loopback to port 10024 from a chosen 127.x address, and
// knowing when the receiver has dealt with everything sent so far.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "netlib_double.h"
#include "radar.h"

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
inline Bytes datagram(uint16_t sample_count, uint8_t scale_code, uint8_t nibble,
                      const std::vector<Line> &lines) {
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
        Bytes levels(2 * ((nibbles.size() + 3) / 4), 0);
        for (std::size_t j = 0; j < nibbles.size(); ++j)
            levels[j / 2] |= static_cast<uint8_t>((j % 2 == 0) ? nibbles[j] : nibbles[j] << 4);
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

// Sends one datagram to port 10024 on 127.0.0.1 from `from` (any 127.x
// address works on loopback).
inline bool send_from(const char *from, const Bytes &bytes) {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0) return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from, &local.sin_addr);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(echo_port);
    inet_pton(AF_INET, radar_address, &to.sin_addr);
    const bool ok = ::bind(s, reinterpret_cast<sockaddr *>(&local), sizeof local) == 0 &&
                    ::sendto(s, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr *>(&to),
                             sizeof to) == static_cast<ssize_t>(bytes.size());
    ::close(s);
    return ok;
}

// Counts the datagrams the receiver will look at (every one it receives
// whole asks the network library for the source address), so that a test can
// wait until all of them have been dealt with.
class Radar {
  public:
    bool send(const Bytes &bytes, const char *from = radar_address) {
        if (!bytes.empty() && bytes.size() <= 1024) ++expected_;
        return send_from(from, bytes);
    }

    // Sends a datagram the receiver drops (from a foreign address) and waits
    // until the receiver has taken it: everything sent before is done with.
    bool settle(const char *foreign = "127.0.0.9") {
        if (!send(datagram(16, 0, 1, {}), foreign)) return false;
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (netlib_double::source_address_calls() < expected_) {
            if (Clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

  private:
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
