// The echo receiver with an echo callback: datagrams sent over UDP on
// loopback to port 10024, decoded, overlaid with trails and delivered.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "echo_support.h"
#include "netlib_double.h"
#include "radar.h"

namespace {

using namespace echo_support;

Collector collector;

void RADAR_CALLBACK collect(EchoLineRecord *line) { collector.add(*line); }

std::vector<Seen> take() { return collector.take(); }

// One echo side for the whole program: the receiver reads the callback once.
void start_echo() {
    static const bool started = [] {
        netlib_double::set_source_address(radar_address);
        const bool ok = OrvaneInitRadarEchoFunc(&collect) == RADAR_OK;
        // The aging thread takes its first step as it starts, which on a busy
        // machine may be late enough to fall between two lines of a test's
        // first datagram; the steps after it come a second apart.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return ok;
    }();
    ASSERT_TRUE(started);
}

class Echo : public ::testing::Test {
  protected:
    void SetUp() override {
        start_echo();
        ASSERT_EQ(OrvaneSetTrailTime(0), RADAR_OK);
        // A header no test uses: the test's own first datagram then starts
        // from a cleared line buffer.
        ASSERT_TRUE(radar.send(datagram(1, 63, 1, {})));
        ASSERT_TRUE(radar.settle());
        take();
    }

    // Sends the datagrams and returns the lines they delivered.
    std::vector<Seen> deliver(const std::vector<Bytes> &datagrams) {
        for (const Bytes &d : datagrams) EXPECT_TRUE(radar.send(d));
        EXPECT_TRUE(radar.settle());
        return take();
    }

    Radar radar;
};

std::array<uint8_t, 512> levels(std::initializer_list<std::pair<int, uint8_t>> set) {
    std::array<uint8_t, 512> l{};
    for (auto [sample, level] : set) l[sample] = level;
    return l;
}

TEST_F(Echo, TheWorkedDatagramDecodesToItsLine) {
    const Bytes worked = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00, 0x01,
                          0x03, 0x10, 0x14, 0x64, 0x00, 0x00, 0x80, 0x09, 0x02, 0x72, 0x05};
    const auto lines = deliver({worked});
    ASSERT_EQ(lines.size(), 1u);
    const EchoLineRecord &r = lines[0].record;
    EXPECT_EQ(r.Mode, 1);
    EXPECT_EQ(r.SampleCount, 16);
    EXPECT_EQ(r.HeaderNibble, 3);
    EXPECT_EQ(r.Sweep, 100);
    EXPECT_EQ(r.BearingOffset, 0);
    EXPECT_EQ(r.LineFlag, 0);
    EXPECT_EQ(r.ScaleCode, 5);
    EXPECT_EQ(lines[0].levels, levels({{0, 2}, {3, 7}, {9, 5}}));
}

TEST_F(Echo, LevelBytesComeInPairsWhateverTheMarkCount) {
    // One marked sample takes two level bytes, five take four; the nibbles
    // past the last marked sample carry nothing, and the next line starts
    // right after them.
    Bytes one =
        datagram(16, 2, 1, {Line{1, 0, false, true, {{4, 3}}}, Line{2, 0, false, true, {{5, 6}}}});
    one[14 + 4 + 2] |= 0xA0;     // high nibble of the first level byte
    one[14 + 4 + 2 + 1] = 0xEE;  // the second level byte
    Bytes five = datagram(16, 2, 1,
                          {Line{3, 0, false, true, {{0, 1}, {1, 2}, {2, 3}, {8, 4}, {15, 5}}},
                           Line{4, 0, false, true, {{6, 7}}}});
    five[14 + 4 + 2 + 2] |= 0xB0;  // high nibble of the third level byte
    five[14 + 4 + 2 + 3] = 0xCC;   // the fourth level byte
    const auto lines = deliver({one, five});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].levels, levels({{4, 3}}));
    EXPECT_EQ(lines[1].levels, levels({{4, 3}, {5, 6}}));
    EXPECT_EQ(lines[2].levels, levels({{0, 1}, {1, 2}, {2, 3}, {4, 3}, {5, 6}, {8, 4}, {15, 5}}));
    EXPECT_EQ(lines[3].levels,
              levels({{0, 1}, {1, 2}, {2, 3}, {4, 3}, {5, 6}, {6, 7}, {8, 4}, {15, 5}}));
    EXPECT_EQ(lines[3].record.Sweep, 4);
}

TEST_F(Echo, LevelsEightToFifteenLeaveTheSample) {
    const auto lines =
        deliver({datagram(24, 3, 1,
                          {Line{1, 0, false, true, {{4, 6}, {5, 1}}},
                           Line{2, 0, false, true, {{4, 12}, {5, 8}, {6, 15}, {7, 7}}}})});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].levels, levels({{4, 6}, {5, 1}, {7, 7}}));
}

TEST_F(Echo, SampleCount500HasAMaskOf62Bytes) {
    const auto lines = deliver({datagram(
        500, 4, 1,
        {Line{1, 0, false, true, {{0, 1}, {495, 7}}}, Line{2, 0, false, true, {{494, 3}}}})});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].record.SampleCount, 500);
    EXPECT_EQ(lines[1].levels, levels({{0, 1}, {494, 3}, {495, 7}}));
    for (int s = 496; s < 500; ++s) EXPECT_EQ(lines[1].levels[s], 0) << s;
}

TEST_F(Echo, ALineWithoutChangesRepeatsTheOneBefore) {
    const auto lines = deliver(
        {datagram(16, 5, 1, {Line{10, 0, false, true, {{1, 4}, {2, 5}}}}),
         datagram(16, 5, 1, {Line{11, 7, true, false, {}}, Line{12, 0, false, false, {}}})});
    ASSERT_EQ(lines.size(), 3u);
    for (const Seen &s : lines) EXPECT_EQ(s.levels, levels({{1, 4}, {2, 5}}));
    EXPECT_EQ(lines[1].record.Sweep, 11);
    EXPECT_EQ(lines[1].record.BearingOffset, 7);
    EXPECT_EQ(lines[1].record.LineFlag, 1);
    EXPECT_EQ(lines[2].record.Sweep, 12);
}

TEST_F(Echo, ADatagramWithoutLinesDeliversNothing) {
    EXPECT_TRUE(deliver({datagram(16, 6, 1, {})}).empty());
    EXPECT_EQ(deliver({datagram(16, 6, 1, {Line{1, 0, false, false, {}}})}).size(), 1u);
}

TEST_F(Echo, AChangeOfScaleCodeOrSampleCountClearsTheLine) {
    const auto lines = deliver({
        datagram(32, 7, 1, {Line{1, 0, false, true, {{3, 4}}}}),
        datagram(32, 7, 1, {Line{2, 0, false, false, {}}}),  // same header: kept
        datagram(32, 8, 1, {Line{3, 0, false, false, {}}}),  // scale code alone changed
        datagram(32, 8, 1, {Line{4, 0, false, true, {{3, 4}}}}),
        datagram(40, 8, 1, {Line{5, 0, false, false, {}}}),  // sample count alone changed
        datagram(40, 8, 2, {Line{6, 0, false, true, {{3, 4}}}}),
        datagram(40, 8, 9, {Line{7, 0, false, false, {}}}),  // the nibble does not clear
    });
    ASSERT_EQ(lines.size(), 7u);
    const auto kept = levels({{3, 4}});
    const std::array<uint8_t, 512> cleared{};
    EXPECT_EQ(lines[1].levels, kept);
    EXPECT_EQ(lines[2].levels, cleared);
    EXPECT_EQ(lines[4].levels, cleared);
    EXPECT_EQ(lines[6].levels, kept);
}

TEST_F(Echo, HeaderAndLineFieldsAreTakenFromTheirBits) {
    Bytes d =
        datagram(16, 63, 0, {Line{8191, 8191, true, false, {}}, Line{0, 0, false, false, {}}});
    d[11] = 0xF0;       // header nibble 0, upper bits set
    d[14 + 1] |= 0xE0;  // sweep bits 13-15
    d[14 + 3] |= 0x20;  // bearing offset bit 13
    d[18 + 1] |= 0xE0;
    const auto lines = deliver({d, datagram(16, 63, 0x57, {Line{5, 6, false, false, {}}})});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].record.HeaderNibble, 240);
    EXPECT_EQ(lines[0].record.Sweep, 8191);
    EXPECT_EQ(lines[0].record.BearingOffset, 8191);
    EXPECT_EQ(lines[0].record.LineFlag, 1);
    EXPECT_EQ(lines[0].record.ScaleCode, 63);
    EXPECT_EQ(lines[1].record.Sweep, 0);
    EXPECT_EQ(lines[1].record.LineFlag, 0);
    EXPECT_EQ(lines[2].record.HeaderNibble, 7);
}

TEST_F(Echo, OnlyTheRadarSourceIsHeardEitherWay) {
    const Bytes d = datagram(16, 9, 1, {Line{1, 0, false, true, {{2, 2}}}});
    ASSERT_TRUE(radar.send(d, "127.0.0.2"));
    EXPECT_TRUE(deliver({}).empty()) << "a datagram from another address is dropped";
    EXPECT_EQ(deliver({d}).size(), 1u);

    netlib_double::set_source_address("127.0.0.2");
    ASSERT_TRUE(radar.send(d, "127.0.0.1"));
    ASSERT_TRUE(radar.send(d, "127.0.0.2"));
    ASSERT_TRUE(radar.settle());
    const auto lines = take();
    netlib_double::set_source_address(radar_address);
    ASSERT_EQ(lines.size(), 1u);
}

TEST_F(Echo, AMalformedDatagramIsDroppedWholeAndTheNextOneDecodes) {
    const Bytes setup = datagram(16, 10, 1, {Line{1, 0, false, true, {{2, 5}}}});
    const Bytes good = datagram(16, 10, 1, {Line{2, 0, false, false, {}}});
    auto with_words = [](Bytes d, int words) {
        d[8] = static_cast<uint8_t>(words);
        d[9] = static_cast<uint8_t>(words >> 8);
        return d;
    };
    auto cut = [&](Bytes d, std::size_t size) {
        d.resize(size);
        return with_words(d, static_cast<int>((size - 10) / 2));
    };
    // A first line that would change sample 2, and then something wrong.
    const Bytes changes =
        datagram(16, 10, 1,
                 {Line{3, 0, false, true, {{2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}},
                  Line{4, 0, false, true, {{2, 1}}}});
    Bytes too_many_lines = changes;
    too_many_lines[10] = 3;
    Bytes all_lines = changes;
    all_lines[10] = 255;
    Bytes samples_513 = datagram(513, 10, 1, {Line{3, 0, false, false, {}}});
    Bytes samples_1023 = datagram(1023, 10, 1, {Line{3, 0, false, false, {}}});
    const struct {
        const char *legend;
        Bytes bytes;
    } bad[] = {
        {"sample count 513", samples_513},
        {"sample count 1023", samples_1023},
        {"more lines than the datagram holds", too_many_lines},
        {"line count 255", all_lines},
        {"level bytes cut short", cut(changes, changes.size() - 6)},
        {"mask cut short", cut(changes, 14 + 4 + 6 + 4 + 1 + 1)},
        {"shorter than a header", Bytes(changes.begin(), changes.begin() + 13)},
        {"longer than the receive buffer", Bytes(1100, 0x80)},
        {"empty", Bytes{}},
    };
    ASSERT_EQ(deliver({setup}).size(), 1u);
    for (const auto &b : bad) {
        ASSERT_TRUE(radar.send(b.bytes)) << b.legend;
        const auto lines = deliver({good});
        ASSERT_EQ(lines.size(), 1u) << b.legend;
        EXPECT_EQ(lines[0].levels, levels({{2, 5}})) << b.legend;
        EXPECT_EQ(lines[0].record.Sweep, 2) << b.legend;
    }
}

TEST_F(Echo, TrailsFadeFromFifteenWhereAnEchoHasBeen) {
    ASSERT_EQ(OrvaneSetTrailTime(80), RADAR_OK);
    const auto lines =
        deliver({datagram(32, 11, 1,
                          {Line{100, 0, false, true, {{10, 5}, {11, 6}}},
                           Line{100, 0, false, true, {{10, 0}}}, Line{101, 0, false, false, {}}})});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].levels[10], 5) << "a present echo shows its own level";
    EXPECT_EQ(lines[1].levels[10], 15) << "a fresh trail";
    EXPECT_EQ(lines[1].levels[11], 6);
    EXPECT_EQ(lines[2].levels[10], 0) << "another bearing has no trail";
}

TEST_F(Echo, TheTrailRowIsSweepPlusOffsetModulo8192) {
    ASSERT_EQ(OrvaneSetTrailTime(80), RADAR_OK);
    const auto lines =
        deliver({datagram(32, 12, 1,
                          {Line{8190, 10, false, true, {{20, 3}}},
                           Line{8, 0, false, true, {{20, 0}}}, Line{9, 0, false, false, {}}})});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].levels[20], 15);
    EXPECT_EQ(lines[2].levels[20], 0);
}

TEST_F(Echo, WithTrailsOffTheLineBufferItselfIsDelivered) {
    ASSERT_EQ(OrvaneSetTrailTime(80), RADAR_OK);
    auto with_trails = deliver({datagram(
        32, 13, 1, {Line{1, 0, false, true, {{2, 4}}}, Line{1, 0, false, true, {{2, 0}}}})});
    ASSERT_EQ(with_trails.size(), 2u);
    EXPECT_EQ(with_trails[1].levels[2], 15);
    ASSERT_EQ(OrvaneSetTrailTime(0), RADAR_OK);
    const auto without = deliver({datagram(
        32, 13, 1, {Line{1, 0, false, true, {{2, 4}}}, Line{1, 0, false, true, {{2, 0}}}})});
    ASSERT_EQ(without.size(), 2u);
    // Data sits unaligned in the packed record: read it by value.
    const uint8_t *line_buffer = without[0].record.Data, *again = without[1].record.Data;
    const uint8_t *overlay = with_trails[0].record.Data;
    EXPECT_NE(line_buffer, overlay) << "the overlay buffer is another buffer";
    EXPECT_EQ(line_buffer, again);
    for (const Seen &s : without)
        for (uint8_t level : s.levels) EXPECT_LT(level, 8);
}

TEST_F(Echo, ANegativeTrailTimeIsRefusedAndTheTrailsStay) {
    ASSERT_EQ(OrvaneSetTrailTime(80), RADAR_OK);
    ASSERT_EQ(deliver({datagram(32, 14, 1, {Line{1, 0, false, true, {{2, 4}}}})}).size(), 1u);
    for (uint16_t time : {0x8000, 0xFFFF, 0x8001})
        EXPECT_EQ(OrvaneSetTrailTime(time), RADAR_REFUSED);
    const auto lines = deliver({datagram(32, 14, 1, {Line{1, 0, false, true, {{2, 0}}}})});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].levels[2], 15);
}

TEST_F(Echo, ShortTrailTimesShowOneLevelPerSecondLeft) {
    ASSERT_EQ(OrvaneSetTrailTime(3), RADAR_OK);
    const auto lines = deliver({datagram(
        32, 15, 1, {Line{1, 0, false, true, {{2, 4}}}, Line{1, 0, false, true, {{2, 0}}}})});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].levels[2], 8 + 3);
}

TEST_F(Echo, TrailsAgeOnceASecond) {
    ASSERT_EQ(OrvaneSetTrailTime(8), RADAR_OK);  // divisor 1: level 8 + seconds left, at most 15
    auto first = deliver({datagram(
        32, 16, 1, {Line{1, 0, false, true, {{2, 4}}}, Line{1, 0, false, true, {{2, 0}}}})});
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[1].levels[2], 15);
    // An aging step comes once a second: after the second one 6 seconds are
    // left, level 14. However late the probes run, the level falls, never
    // faster than a step a second.
    const auto set_at = Clock::now();
    const auto deadline = set_at + std::chrono::seconds(10);
    uint8_t level = 15;
    while (level == 15 && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto probe = deliver({datagram(32, 16, 1, {Line{1, 0, false, false, {}}})});
        if (probe.size() == 1) level = probe[0].levels[2];
    }
    EXPECT_LE(level, 14);
    EXPECT_GE(level, 8);
    EXPECT_GE(Clock::now() - set_at, std::chrono::milliseconds(900))
        << "two steps take a second at least";
}

TEST_F(Echo, OverlayBytesAtAndAboveTheSampleCountStayAsTheyWere) {
    ASSERT_EQ(OrvaneSetTrailTime(80), RADAR_OK);
    const auto lines = deliver({datagram(32, 17, 1, {Line{1, 0, false, true, {{20, 6}}}}),
                                datagram(16, 17, 1, {Line{2, 0, false, true, {{3, 2}}}})});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].levels[3], 2);
    EXPECT_EQ(lines[1].levels[20], 6) << "written by the longer line before";
}

}  // namespace
