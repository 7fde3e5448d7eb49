// The receiver's decoding and trail overlay against a plain reading of the
// datagram format, without sockets or threads: random datagrams of every
// change density (quiet stretches, fully marked stretches starting on an even
// or an odd nibble, scattered marks), sample counts that leave a short last
// stretch of the mask, and level nibbles 8..15 that leave a sample alone.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "echo/receiver.h"
#include "echo/trails.h"
#include "echo_support.h"

namespace {

using echo_support::Bytes;
using Levels = std::array<uint8_t, 512>;

std::vector<Levels> delivered;

void RADAR_CALLBACK keep(EchoLineRecord *line) {
    Levels levels{};
    std::memcpy(levels.data(), line->Data, line->SampleCount);
    delivered.push_back(levels);
}

// The format read plainly: each marked sample in turn (the line's levels in
// sample order) takes the next nibble, and a nibble of 8..15 leaves it as it
// was.
void decode_plainly(Levels &line, const echo_support::Line &l) {
    for (const auto &[sample, nibble] : l.levels)
        if (nibble < 8) line[static_cast<std::size_t>(sample)] = nibble;
}

// How a line's marks are laid out.
enum class Pattern { scattered, runs, full, quiet };

echo_support::Line marks_for(std::mt19937 &random, uint16_t sample_count, Pattern pattern, int percent) {
    std::vector<bool> marked(512, false);
    // Only samples the mask covers can be marked: up to the count rounded
    // down to a multiple of 8.
    const int samples = sample_count / 8 * 8;
    std::uniform_int_distribution<int> hundred(0, 99), nibble(0, 15), run(1, 140);
    switch (pattern) {
        case Pattern::scattered:
            for (int s = 0; s < samples; ++s) marked[s] = hundred(random) < percent;
            break;
        case Pattern::runs:  // stretches of marks, so whole 64-sample words fill from odd starts too
            for (int s = 0; s < samples;) {
                const int length = run(random);
                const bool on = hundred(random) < percent;
                for (int i = 0; i < length && s < samples; ++i, ++s) marked[s] = on;
            }
            break;
        case Pattern::full:
            for (int s = 0; s < samples; ++s) marked[s] = true;
            break;
        case Pattern::quiet:
            break;
    }
    echo_support::Line line;
    for (int s = 0; s < samples; ++s)
        if (marked[s])
            line.levels[s] = static_cast<uint8_t>(hundred(random) < percent / 4 ? 8 + nibble(random) % 8
                                                                               : nibble(random) % 8);
    return line;
}

TEST(EchoDecode, EveryLayoutOfMarksDecodesAsTheFormatReads) {
    std::mt19937 random(2026);
    radar::echo::set_trail_time(0);
    uint8_t scale = 0;
    for (const uint16_t samples : {512, 504, 500, 456, 64, 72, 16, 8, 0}) {
        for (const Pattern pattern : {Pattern::scattered, Pattern::runs, Pattern::full, Pattern::quiet}) {
            for (const int percent : {3, 10, 50, 90, 100}) {
                SCOPED_TRACE(testing::Message() << "samples " << samples << ", pattern "
                                                << static_cast<int>(pattern) << ", " << percent << "%");
                // A new scale code starts each case from a cleared line buffer.
                scale = static_cast<uint8_t>(scale % 63 + 1);
                Levels expected{};
                for (int round = 0; round < 12; ++round) {
                    std::vector<echo_support::Line> lines;
                    std::size_t size = 14;
                    for (int n = 0; n < 6; ++n) {
                        echo_support::Line l = marks_for(random, samples, pattern, percent);
                        l.sweep = static_cast<uint16_t>(n);
                        const std::size_t bytes = 4 + samples / 8 + 2 * ((l.levels.size() + 3) / 4);
                        if (size + bytes > 1024) break;
                        size += bytes;
                        lines.push_back(std::move(l));
                    }
                    // Nibbles that carry nothing hold noise.
                    const Bytes d = echo_support::datagram(samples, scale, 1, lines, 0xEE);
                    delivered.clear();
                    ASSERT_TRUE(radar::echo::take_datagram(d.data(), d.size(), radar::echo::mode_live, &keep));
                    ASSERT_EQ(delivered.size(), lines.size());
                    for (std::size_t i = 0; i < lines.size(); ++i) {
                        decode_plainly(expected, lines[i]);
                        for (int s = 0; s < samples; ++s)
                            ASSERT_EQ(delivered[i][s], expected[s])
                                << "round " << round << ", line " << i << ", sample " << s;
                    }
                }
            }
        }
    }
}

// A cell's trail level follows the seconds left over the trail divisor (the
// trail time / 8, at least 1): 8 + min(left / divisor, 7); at 0 it shows
// nothing. Each trail time is walked second by second through its aging.
TEST(EchoDecode, TrailLevelsFollowTheSecondsLeftAsTheyAge) {
    using namespace radar::echo;
    uint8_t echo[line_samples] = {}, empty[line_samples] = {}, overlay[line_samples];
    echo[3] = 6;
    for (const int time : {1, 2, 7, 8, 9, 15, 16, 17, 63, 64, 80, 100, 4095, 32767}) {
        SCOPED_TRACE(testing::Message() << "trail time " << time);
        ASSERT_EQ(set_trail_time(static_cast<uint16_t>(time)), RADAR_OK);
        overlay_trails(echo, overlay, 8190, 10, 16);  // row 8
        ASSERT_EQ(overlay[3], 6);
        const int divisor = time / 8 > 0 ? time / 8 : 1;
        // Every second for short times; for long ones, each level's first
        // and last second and the ones beside them.
        std::set<int, std::greater<>> stops = {time, 1};
        for (int l = 1; l <= time && time <= 200; ++l) stops.insert(l);
        for (int q = 1; q <= 8; ++q)
            for (int v = q * divisor - 1; v <= q * divisor + 1; ++v)
                if (v >= 1 && v <= time) stops.insert(v);
        int left = time;
        for (const int stop : stops) {
            for (; left > stop; --left) age_trails();
            overlay_trails(empty, overlay, 8, 0, 16);
            ASSERT_EQ(overlay[3], 8 + std::min(left / divisor, 7)) << left << " seconds left";
            ASSERT_EQ(overlay[2], 0);
        }
        age_trails();
        overlay_trails(empty, overlay, 8, 0, 16);
        EXPECT_EQ(overlay[3], 0);
        // The row has gone quiet; a fresh echo there ages again from the top.
        overlay_trails(echo, overlay, 8, 0, 16);
        age_trails();
        overlay_trails(empty, overlay, 8, 0, 16);
        EXPECT_EQ(overlay[3], time > 1 ? 8 + std::min((time - 1) / divisor, 7) : 0);
    }
}

}  // namespace
