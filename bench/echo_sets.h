// Echo datagrams for the benchmarks: lines of 512 samples whose samples
// change with a given probability, packed into as few datagrams as the 1024
// bytes allow.
#pragma once

#include <random>
#include <vector>

#include "echo/trails.h"
#include "echo_support.h"

namespace echo_sets {

using echo_support::Bytes;

constexpr uint16_t samples = 512;
constexpr int lines_per_set = 2048;  // a quarter of a revolution
constexpr std::size_t most = 1024;   // the largest datagram
constexpr std::size_t header = 14;

// Where each line lies in the set, and which trail row it lands on.
struct LineAt {
    std::size_t datagram, offset, size;
    int row;
};

struct Set {
    std::vector<Bytes> datagrams;
    std::vector<LineAt> lines;
};

// Lines whose samples change with probability `percent`/100, to random
// levels 0..7, packed into as few datagrams as the 1024 bytes allow.
inline Set make_set(int percent, int line_count = lines_per_set) {
    std::mt19937 random(7u + static_cast<unsigned>(percent));
    std::uniform_int_distribution<int> hundred(0, 99), level(0, 7);
    std::vector<echo_support::Line> pending;
    std::vector<std::size_t> sizes;
    Set set;
    std::size_t size = header;
    auto flush = [&] {
        const Bytes d = echo_support::datagram(samples, 3, 1, pending);
        std::size_t offset = header;
        for (std::size_t i = 0; i < pending.size(); ++i) {
            set.lines.push_back({set.datagrams.size(), offset, sizes[i],
                                 (pending[i].sweep + pending[i].bearing_offset) % radar::echo::trail_rows});
            offset += sizes[i];
        }
        set.datagrams.push_back(d);
        pending.clear();
        sizes.clear();
        size = header;
    };
    for (int n = 0; n < line_count; ++n) {
        echo_support::Line line;
        line.sweep = static_cast<uint16_t>(n % radar::echo::trail_rows);
        line.bearing_offset = 100;
        for (int s = 0; s < samples; ++s)
            if (hundred(random) < percent) line.levels[s] = static_cast<uint8_t>(level(random));
        const std::size_t bytes = 4 + samples / 8 + 2 * ((line.levels.size() + 3) / 4);
        if (size + bytes > most) flush();
        pending.push_back(line);
        sizes.push_back(bytes);
        size += bytes;
    }
    flush();
    return set;
}


}  // namespace echo_sets
