// The echo ring: with no echo callback the receiver stores every line in a
// ring of 100 and the application takes them out with OrvaneGetRadarEchoData.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "echo_support.h"
#include "netlib_double.h"
#include "radar.h"

namespace {

using namespace echo_support;

void start_echo() {
    static const bool started = [] {
        netlib_double::set_source_address(radar_address);
        return OrvaneInitRadarEchoFunc(nullptr) == RADAR_OK;
    }();
    ASSERT_TRUE(started);
}

// `count` lines without changes, with sweep numbers from `first` on, in
// datagrams of at most 200 lines.
std::vector<Bytes> lines(int first, int count, bool line_flag = true) {
    std::vector<Bytes> datagrams;
    while (count > 0) {
        std::vector<Line> batch;
        for (int i = 0; i < count && i < 200; ++i)
            batch.push_back(Line{static_cast<uint16_t>(first + i), 3, line_flag, false, {}});
        datagrams.push_back(datagram(16, 20, 6, batch));
        first += static_cast<int>(batch.size());
        count -= static_cast<int>(batch.size());
    }
    return datagrams;
}

class Ring : public ::testing::Test {
  protected:
    void SetUp() override {
        start_echo();
        EchoLineRecord r;
        while (OrvaneGetRadarEchoData(&r) != 0) {
        }
    }

    void send(const std::vector<Bytes> &datagrams) {
        for (const Bytes &d : datagrams) ASSERT_TRUE(radar.send(d));
        ASSERT_TRUE(radar.settle());
    }

    // Fetches until the ring is empty: the sweeps in order, and the counts.
    void drain(std::vector<int> &sweeps, std::vector<int> &counts) {
        EchoLineRecord r{};
        for (int result; (result = OrvaneGetRadarEchoData(&r)) != 0;) {
            sweeps.push_back(r.Sweep);
            counts.push_back(result);
        }
    }

    Radar radar;
};

std::vector<int> range(int first, int count) {
    std::vector<int> v;
    for (int i = 0; i < count; ++i) v.push_back(first + i);
    return v;
}

TEST_F(Ring, HoldsAHundredLinesInOrder) {
    send(lines(0, 100));
    std::vector<int> sweeps, counts;
    drain(sweeps, counts);
    EXPECT_EQ(sweeps, range(0, 100));
    std::vector<int> down;
    for (int n = 100; n > 0; --n) down.push_back(n);
    EXPECT_EQ(counts, down);
}

TEST_F(Ring, TheHundredAndFirstLineEmptiesItAndIsDropped) {
    send(lines(1000, 101));
    EchoLineRecord r{};
    EXPECT_EQ(OrvaneGetRadarEchoData(&r), 0) << "emptied";
    send(lines(2000, 1));
    EXPECT_EQ(OrvaneGetRadarEchoData(&r), 1);
    EXPECT_EQ(r.Sweep, 2000);
    EXPECT_EQ(OrvaneGetRadarEchoData(&r), 0);
}

TEST_F(Ring, CountsGoDownAsLinesAreTaken) {
    send(lines(7, 3));
    std::vector<int> sweeps, counts;
    drain(sweeps, counts);
    EXPECT_EQ(counts, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(sweeps, (std::vector<int>{7, 8, 9}));
}

TEST_F(Ring, OrderHoldsAcrossTheWrap) {
    for (int round = 0; round < 4; ++round) {
        send(lines(100 * round, 60));
        std::vector<int> sweeps, counts;
        drain(sweeps, counts);
        EXPECT_EQ(sweeps, range(100 * round, 60)) << "round " << round;
    }
}

TEST_F(Ring, AFetchCopiesTheLineAndLeavesLineFlagAlone) {
    send({datagram(24, 21, 0, {Line{4321, 77, true, true, {{1, 3}, {23, 7}}}})});
    EchoLineRecord r;
    std::memset(&r, 0, sizeof r);
    r.LineFlag = 0x7777;
    ASSERT_EQ(OrvaneGetRadarEchoData(&r), 1);
    EXPECT_EQ(r.Mode, 1);
    EXPECT_EQ(r.SampleCount, 24);
    EXPECT_EQ(r.HeaderNibble, 240);
    EXPECT_EQ(r.Sweep, 4321);
    EXPECT_EQ(r.BearingOffset, 77);
    EXPECT_EQ(r.ScaleCode, 21);
    EXPECT_EQ(r.LineFlag, 0x7777);
    const uint8_t *levels = r.Data;  // unaligned in the packed record: read by value
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels[1], 3);
    EXPECT_EQ(levels[23], 7);
    EXPECT_EQ(levels[2], 0);
}

TEST_F(Ring, AnEmptyRingLeavesTheRecordUntouched) {
    EchoLineRecord r;
    std::memset(&r, 0x5C, sizeof r);
    EchoLineRecord before = r;
    EXPECT_EQ(OrvaneGetRadarEchoData(&r), 0);
    EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
    EXPECT_EQ(OrvaneGetRadarEchoData(nullptr), 0);
}

}  // namespace
