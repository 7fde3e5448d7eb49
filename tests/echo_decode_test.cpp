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

#include "echo/decoder.h"
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

// Every decode kernel against the scalar one, on every layout of marks, from
// a line buffer that already holds levels. The mask and levels sit in a
// buffer of exactly their size, so a kernel reading past them is caught under
// the address sanitizer.
TEST(EchoDecode, EveryDecodeKernelMatchesTheScalarOne) {
    using namespace radar::echo;
    const DecodeKernel *kernels[4];
    const std::size_t count = decode_kernels(kernels);
    ASSERT_GE(count, 1u);
    ASSERT_STREQ(kernels[0]->name, "scalar");
    std::mt19937 random(29);
    for (const uint16_t samples : {512, 504, 496, 456, 136, 64, 16, 8})
        for (const Pattern pattern : {Pattern::scattered, Pattern::runs, Pattern::full, Pattern::quiet})
            for (const int percent : {1, 3, 10, 30, 50, 90, 100})
                for (int round = 0; round < 8; ++round) {
                    const echo_support::Line l = marks_for(random, samples, pattern, percent);
                    const std::size_t mask = samples / 8;
                    std::vector<uint8_t> bytes(mask + 2 * ((l.levels.size() + 3) / 4), 0);
                    std::size_t j = 0;
                    for (const auto &[sample, nibble] : l.levels) {
                        bytes[static_cast<std::size_t>(sample) / 8] |= static_cast<uint8_t>(1u << (sample % 8));
                        bytes[mask + j / 2] |= static_cast<uint8_t>(nibble << (4 * (j & 1)));
                        ++j;
                    }
                    if (j % 4 != 0) bytes.back() |= round % 2 ? 0xE0 : 0;  // nibbles that carry nothing
                    uint8_t before[line_samples];
                    for (uint8_t &b : before) b = static_cast<uint8_t>(random() % 8);
                    uint8_t want[line_samples];
                    std::memcpy(want, before, sizeof want);
                    ASSERT_EQ(kernels[0]->run({bytes.data(), bytes.data() + mask, mask, want}), j);
                    for (std::size_t k = 1; k < count; ++k) {
                        SCOPED_TRACE(testing::Message() << kernels[k]->name << ", samples " << samples
                                                        << ", pattern " << static_cast<int>(pattern) << ", "
                                                        << percent << "%");
                        uint8_t got[line_samples];
                        std::memcpy(got, before, sizeof got);
                        ASSERT_EQ(kernels[k]->run({bytes.data(), bytes.data() + mask, mask, got}), j);
                        ASSERT_EQ(std::memcmp(got, want, sizeof got), 0);
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

namespace {

// Every kernel this processor runs gives the scalar reference's overlay,
// cells and answer, bit for bit: random cells and lines of every echo
// density, every age from none to past the longest trail, sample counts
// that are and are not a multiple of the vector width.
TEST(EchoDecode, EveryOverlayKernelMatchesTheScalarOne) {
    using namespace radar::echo;
    const OverlayKernel *kernels[4];
    const std::size_t count = overlay_kernels(kernels);
    ASSERT_GE(count, 1u);
    ASSERT_STREQ(kernels[0]->name, "scalar");
    std::mt19937 random(17);
    for (int round = 0; round < 3000; ++round) {
        const uint16_t time = std::array<uint16_t, 8>{1, 7, 8, 9, 80, 100, 4095, 32767}[round % 8];
        const auto divisor = static_cast<uint16_t>(std::max(time / 8, 1));
        const int echo_percent = std::array<int, 5>{0, 3, 10, 50, 100}[(round / 8) % 5];
        const auto elapsed = static_cast<uint16_t>(
            std::array<uint32_t, 6>{0, 1, 2, divisor, static_cast<uint32_t>(random() % (time + 2u)), 32768}[(round / 40) % 6]);
        const int samples = static_cast<int>(random() % 513);
        uint8_t line[line_samples];
        uint16_t cells[line_samples];
        for (int s = 0; s < line_samples; ++s) {
            line[s] = static_cast<int>(random() % 100) < echo_percent ? static_cast<uint8_t>(1 + random() % 7) : 0;
            cells[s] = random() % 4 == 0 ? 0 : static_cast<uint16_t>(random() % (time + 1u));
        }
        uint8_t want_overlay[line_samples] = {};
        uint16_t want_cells[line_samples];
        std::memcpy(want_cells, cells, sizeof cells);
        const bool want = kernels[0]->run({line, want_overlay, want_cells, samples, elapsed, time, divisor});
        for (std::size_t k = 1; k < count; ++k) {
            SCOPED_TRACE(testing::Message() << kernels[k]->name << ", round " << round);
            uint8_t overlay[line_samples] = {};
            uint16_t got_cells[line_samples];
            std::memcpy(got_cells, cells, sizeof cells);
            ASSERT_EQ(kernels[k]->run({line, overlay, got_cells, samples, elapsed, time, divisor}), want);
            ASSERT_EQ(std::memcmp(overlay, want_overlay, sizeof overlay), 0);
            ASSERT_EQ(std::memcmp(got_cells, want_cells, sizeof got_cells), 0);
        }
    }
}

// The multiply that stands for the trail divisor's division, every
// divisor a trail time gives and every number of seconds a cell can hold.
TEST(EchoDecode, TheTrailDivisionByMultiplyIsExact) {
    for (uint32_t divisor = 2; divisor <= 32767 / 8; ++divisor) {
        const radar::echo::Division d = radar::echo::division_by(static_cast<uint16_t>(divisor));
        for (uint32_t left = 0; left < 32768; ++left)
            ASSERT_EQ(((left * d.multiplier) >> 16) >> d.shift, left / divisor) << left << " / " << divisor;
    }
}

// The aging that rows catch up on when they are next read: across the wrap
// of the seconds counter, after hours without a line, in the part of a row
// beyond a shorter line, and a clear asked for between two lines.
TEST(EchoDecode, RowsCatchUpOnAgingAndClearsWhenTheyAreNextRead) {
    using namespace radar::echo;
    uint8_t echo[line_samples] = {}, empty[line_samples] = {}, overlay[line_samples];
    echo[3] = echo[400] = 6;
    struct Case {
        const char *what;
        uint16_t time;
        uint32_t before;       // seconds counted before the echo is laid
        uint32_t after;        // seconds counted after it
        uint16_t read_count;   // the sample count of the line that reads it
        bool clear;            // a clear asked for in between
        uint8_t sample_3, sample_400;
    };
    const Case cases[] = {
        {"plain", 100, 0, 50, 512, false, 8 + 50 / 12, 8 + 50 / 12},
        {"across the counter's wrap", 100, 0xFFFFFFFFu - 20, 50, 512, false, 8 + 50 / 12, 8 + 50 / 12},
        {"hours without a line", 32767, 0, 10 * 3600, 512, false, 0, 0},
        {"hours, short trails", 100, 0, 3 * 3600, 512, false, 0, 0},
        {"almost the longest trail", 32767, 0, 32766, 512, false, 8, 8},
        {"read by a shorter line", 100, 0, 50, 16, false, 8 + 50 / 12, 8 + 50 / 12},
        {"a clear in between", 100, 0, 1, 512, true, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(set_trail_time(c.time), RADAR_OK);
        age_trails_by(c.before);
        overlay_trails(echo, overlay, 77, 0, 512);
        ASSERT_EQ(overlay[3], 6);
        age_trails_by(c.after);
        if (c.clear) clear_trails();
        std::memset(overlay, 0xEE, sizeof overlay);
        overlay_trails(empty, overlay, 77, 0, c.read_count);
        EXPECT_EQ(overlay[3], c.sample_3);
        if (c.read_count == 16) {
            EXPECT_EQ(overlay[16], 0xEE);  // nothing written past the line's samples
            overlay_trails(empty, overlay, 77, 0, 512);  // the rest of the row aged all the same
        }
        EXPECT_EQ(overlay[400], c.sample_400);
    }
}

}  // namespace
