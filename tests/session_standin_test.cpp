// The library and the stand-in network library together, over loopback TCP:
// a station's message reaches the conversion callback, which records the
// connection as the reply socket, and bytes sent on that socket reach the
// station.
#include <gtest/gtest.h>

#include <string>

#include "loopback_station.h"
#include "orvane.h"
#include "platform/net.h"
#include "radar.h"
#include "session/session.h"

namespace {

using namespace loopback;

TEST(SessionOverStandIn, AMessageFromTheStationMakesItTheReplyPeer) {
    Station station;
    ASSERT_NE(station.port(), 0);
    ASSERT_EQ(NetSetStation("RADAR_1", "127.0.0.1", station.port()), 0);
    int32_t reply = -1;
    ASSERT_FALSE(radar::session::reply_socket(reply));

    // The space of the application's name reaches the network library as "_".
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR 1", [](int32_t) {}), RADAR_OK);
    Fd peer = station.accept_peer();
    ASSERT_GE(peer.get(), 0);
    ASSERT_TRUE(eventually([] { return OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED; }));

    ASSERT_TRUE(send_all(peer.get(), "$N03,2,50\r\n"));
    ASSERT_TRUE(eventually([&] { return radar::session::reply_socket(reply); }));

    const std::string answer("$N03,2,50\r\n", 12);  // with its zero byte
    ASSERT_EQ(radar::platform::send_bytes(reply, answer.data(), answer.size()),
              static_cast<int64_t>(answer.size()));
    EXPECT_EQ(read_n(peer.get(), answer.size()), answer);

    ASSERT_EQ(NetShutdown(), 0);
    EXPECT_TRUE(radar::session::ended());
    // The session is over: the recorded socket refuses every send, quietly.
    EXPECT_EQ(radar::platform::send_bytes(reply, "x", 1), -1);
}

}  // namespace
