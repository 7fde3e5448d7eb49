// The echo port taken by another program when the echo side starts: the
// start says so, and the receiver takes the port as soon as it is free, so
// the live echo arrives without any further call. A program of its own: the
// echo side starts once per process.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "echo_support.h"
#include "netlib_double.h"
#include "radar.h"
#include "test_sockets.h"

namespace {

using namespace echo_support;

Collector collector;

void RADAR_CALLBACK collect(EchoLineRecord *line) { collector.add(*line); }

TEST(EchoPort, ATakenPortIsReportedAndTakenOnceItIsFree) {
    netlib_double::set_source_address(radar_address);
    // Another program's socket on the port, bound the plain way (no address
    // reuse), as most programs bind.
    const int holder = test_sockets::open_socket(SOCK_DGRAM);
    ASSERT_NE(holder, test_sockets::no_socket);
    ASSERT_TRUE(test_sockets::bind_to(holder, test_sockets::ipv4(nullptr, echo_port)))
        << "UDP port 10024 is taken by something else";
    EXPECT_EQ(OrvaneInitRadarEchoFunc(&collect), RADAR_OUT_OF_RANGE);
    test_sockets::close_socket(holder);

    // The receiver asks for the port again about once a second; until it
    // has it, datagrams sent to the port are lost, so keep sending.
    const Bytes d = datagram(16, 5, 3, {Line{42, 7, false, true, {{2, 6}}}});
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    bool heard = false;
    while (!heard && Clock::now() < deadline) {
        ASSERT_TRUE(send_from(radar_address, d));
        for (int i = 0; i < 20 && !heard; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            heard = collector.size() > 0;
        }
    }
    ASSERT_TRUE(heard) << "no live echo within 5 s of the port coming free";
    const std::vector<Seen> lines = collector.take();
    EXPECT_EQ(lines[0].record.Mode, 1);
    EXPECT_EQ(lines[0].record.Sweep, 42);
    EXPECT_EQ(lines[0].record.BearingOffset, 7);
    EXPECT_EQ(lines[0].levels[2], 6);
}

}  // namespace
