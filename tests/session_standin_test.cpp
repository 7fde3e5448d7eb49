// The library and the stand-in network library together, over loopback TCP:
// a station's order reaches the conversion callback, which records the
// connection as the reply socket, answers on it, applies the order and tells
// the application.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "loopback_station.h"
#include "orvane.h"
#include "platform/net.h"
#include "radar.h"
#include "session/session.h"

namespace {

using namespace loopback;

std::atomic<int32_t> notified{-1};

TEST(SessionOverStandIn, AnOrderFromTheStationIsAnsweredAppliedAndNotified) {
    Station station;
    ASSERT_NE(station.port(), 0);
    ASSERT_EQ(NetSetStation("RADAR_1", "127.0.0.1", station.port()), 0);
    int32_t reply = -1;
    ASSERT_FALSE(radar::session::reply_socket(reply));

    // The space of the application's name reaches the network library as "_".
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR 1", [](int32_t code) { notified.store(code); }), RADAR_OK);
    Fd peer = station.accept_peer();
    ASSERT_GE(peer.get(), 0);
    ASSERT_TRUE(eventually([] { return OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED; }));

    ASSERT_TRUE(send_all(peer.get(), "$S03,2,50\r\n"));
    const std::string answer("$N03,2,50\r\n", 12);  // with its zero byte
    EXPECT_EQ(read_n(peer.get(), answer.size()), answer);
    ASSERT_TRUE(eventually([] { return notified.load() == 3; }));
    uint16_t mode = 0, level = 0;
    ASSERT_EQ(OrvaneGetRadarGain(&mode, &level), RADAR_OK);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(level, 50);
    EXPECT_TRUE(radar::session::reply_socket(reply));

    // A request is answered from the record on the same connection.
    ASSERT_TRUE(send_all(peer.get(), "$R03\r\n"));
    EXPECT_EQ(read_n(peer.get(), answer.size()), answer);

    ASSERT_EQ(NetShutdown(), 0);
    EXPECT_TRUE(radar::session::ended());
    // The session is over: the recorded socket refuses every send, quietly.
    EXPECT_EQ(radar::platform::send_bytes(reply, "x", 1), -1);
}

}  // namespace
