// The stand-in network library, driven through its exported functions against
// a station played by this test on 127.0.0.1.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "loopback_station.h"
#include "orvane.h"

namespace {

using namespace loopback;
using namespace std::chrono_literals;

struct Delivery {
    int code;
    std::string text;
    int32_t handle;
};

std::mutex g_mu;
std::vector<Delivery> g_seen;
std::atomic<int> g_ends{0};

int16_t record(int16_t code, const char *text, int32_t *socket) {
    std::lock_guard lock(g_mu);
    g_seen.push_back({code, text, *socket});
    return 0;
}

int16_t count_end() {
    ++g_ends;
    return 0;
}

std::vector<Delivery> seen() {
    std::lock_guard lock(g_mu);
    return g_seen;
}

bool wait_seen(std::size_t n) {
    return eventually([n] { return seen().size() >= n; });
}

bool status_becomes(int32_t status) {
    return eventually([status] { return GetRadarSourceStatus() == status; });
}

long send_on(int32_t handle, const std::string &bytes) {
    return test_sockets::send_some(handle, bytes.data(), bytes.size());
}

// A handle the callback was given reaches the station's end `peer`: it is a
// connected socket, and what is sent on it arrives there.
void expect_reaches(int32_t handle, const Fd &peer, const std::string &bytes) {
    EXPECT_TRUE(is_tcp_socket(handle));
    EXPECT_EQ(send_on(handle, bytes), static_cast<long>(bytes.size()));
    EXPECT_EQ(read_n(peer.get(), bytes.size()), bytes);
}

// Each connection's handle. Where a descriptor can be moved (POSIX) every
// connection of the process is moved onto one number, so a kept handle
// reaches whichever connection is current; on Windows each connection is a
// socket of its own, handed over as it comes.
void expect_current(const Delivery &first, const Delivery &later, const Fd &peer) {
#if defined(_WIN32)
    (void)first;
    expect_reaches(later.handle, peer, "$R\r\n");
#else
    EXPECT_EQ(later.handle, first.handle);
    expect_reaches(first.handle, peer, "$R\r\n");
#endif
}

class StandIn : public ::testing::Test {
  protected:
    void SetUp() override {
        std::lock_guard lock(g_mu);
        g_seen.clear();
        g_ends = 0;
    }
    void TearDown() override {
        NetShutdown();
        NetClearStations();
        SetConvRadFunc(nullptr);
        SetEndRadFunc(nullptr);
    }

    // Enters `station` as `name`, chooses it and returns the accepted peer.
    static Fd open_session(Station &station, const char *name = "alpha") {
        EXPECT_EQ(NetSetStation(name, "127.0.0.1", station.port()), 0);
        SetConvRadFunc(record);
        EXPECT_EQ(SetRadarSource(name), 0);
        Fd peer = station.accept_peer();
        EXPECT_GE(peer.get(), 0);
        return peer;
    }
};

// A fresh process: re-run alone so no earlier test has touched the library.
TEST(StandInFresh, NoSourceUntilChosenAndNoEndWithoutSession) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            char addr[16] = "x";
            SetEndRadFunc(count_end);
            int bad = GetRadarSourceStatus() != ORVANE_STATUS_NO_SOURCE;
            bad |= (GetRadarSourceAddr(addr) != -1 || addr[0] != '\0') << 1;
            bad |= (NetShutdown() != 0 || g_ends != 0) << 2;
            bad |= (GetRadarSourceStatus() != ORVANE_STATUS_NO_SOURCE) << 3;
            std::exit(bad);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(StandIn, DirectoryAcceptsOnlyGoodEntries) {
    const struct {
        const char *name;
        const char *ipv4;
        int32_t want;
    } cases[] = {
        {"alpha", "127.0.0.1", 0}, {"abcdefgh", "127.0.0.2", 0}, {"abcdefghi", "127.0.0.1", -1},
        {"", "127.0.0.1", -1},     {nullptr, "127.0.0.1", -1},   {"a", nullptr, -1},
        {"a", "127.0.0", -1},      {"a", "127.0.0.256", -1},     {"a", "::1", -1},
        {"a", "localhost", -1},    {"a", " 127.0.0.1", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NetSetStation(c.name, c.ipv4, 1), c.want)
            << (c.name ? c.name : "(null)") << " " << (c.ipv4 ? c.ipv4 : "(null)");

    NetClearStations();
    for (int i = 0; i < 16; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "s%d", i);
        EXPECT_EQ(NetSetStation(name, "127.0.0.1", 1), 0) << name;
    }
    EXPECT_EQ(NetSetStation("s16", "127.0.0.1", 1), -1) << "directory full";
    EXPECT_EQ(NetSetStation("s3", "127.0.0.3", 1), 0) << "replacing needs no room";
    NetClearStations();
    EXPECT_EQ(NetSetStation("s16", "127.0.0.1", 1), 0);
}

TEST_F(StandIn, SourceAddressFollowsTheDirectory) {
    char buf[16];
    EXPECT_EQ(GetRadarSourceAddr(nullptr), -1);
    std::fill(std::begin(buf), std::end(buf), 'x');
    EXPECT_EQ(GetRadarSourceAddr(buf), -1);
    EXPECT_STREQ(buf, "");

    ASSERT_EQ(NetSetStation("far", "127.255.255.254", 1), 0);
    EXPECT_EQ(SetRadarSource("Far"), -1) << "names are compared exactly";
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_UNKNOWN_STATION);
    std::fill(std::begin(buf), std::end(buf), 'x');
    EXPECT_EQ(GetRadarSourceAddr(buf), -1);
    EXPECT_STREQ(buf, "");

    EXPECT_EQ(ChangeRadarSource("far"), 0);
    EXPECT_EQ(GetRadarSourceAddr(buf), 0);
    EXPECT_STREQ(buf, "127.255.255.254");
    ASSERT_EQ(NetSetStation("far", "127.0.0.9", 1), 0);
    EXPECT_EQ(GetRadarSourceAddr(buf), 0);
    EXPECT_STREQ(buf, "127.0.0.9");
    NetClearStations();
    EXPECT_EQ(GetRadarSourceAddr(buf), -1);
    EXPECT_STREQ(buf, "");
}

// A well-formed message of exactly `size` bytes, CR LF included.
std::string line_of(std::size_t size) {
    std::string line(size, 'x');
    line.replace(0, 4, "$L01");
    line[size - 2] = '\r';
    line[size - 1] = '\n';
    return line;
}

TEST_F(StandIn, StreamIsCutIntoMessages) {
    using namespace std::string_literals;
    const std::string long700 = line_of(700);
    const struct {
        const char *what;
        std::vector<std::string> writes;
        std::vector<std::pair<int, std::string>> want;
    } cases[] = {
        {"several in one write",
         {"$S1a,1\r\n$N57\r\n$Q00 tail\r\n"},
         {{26, "$S1a,1\r\n"}, {87, "$N57\r\n"}, {0, "$Q00 tail\r\n"}}},
        {"one split across writes", {"$S", "1a,sp", "lit\r", "\n"}, {{26, "$S1a,split\r\n"}}},
        {"zero after CR LF skipped", {"$A01\r\n\0$A02\r\n\0"s}, {{1, "$A01\r\n"}, {2, "$A02\r\n"}}},
        {"zero opening the next write",
         {"$A01\r\n", "\0$A02\r\n"s},
         {{1, "$A01\r\n"}, {2, "$A02\r\n"}}},
        {"only one zero skipped", {"$A01\r\n\0\0$A02\r\n"s}, {{1, "$A01\r\n"}}},
        {"hex in either case",
         {"$s1A\r\n$nFf\r\n$X0b\r\n"},
         {{26, "$s1A\r\n"}, {255, "$nFf\r\n"}, {11, "$X0b\r\n"}}},
        {"malformed lines dropped", {"S1a\r\n$S1g\r\n$Sx1\r\n$S1\r\n\r\n$$12\r\n$112\r\n"}, {}},
        {"bare LF ends nothing", {"$A01\n$A02\r\n"}, {{1, "$A01\n$A02\r\n"}}},
        {"lone CR kept", {"$A04a\rb\r\n"}, {{4, "$A04a\rb\r\n"}}},
        {"longest line kept", {line_of(512)}, {{1, line_of(512)}}},
        {"overlong line discarded", {line_of(513), "$A02\r\n"}, {{2, "$A02\r\n"}}},
        {"overlong across writes",
         {long700.substr(0, 300), long700.substr(300), "$A03\r\n"},
         {{3, "$A03\r\n"}}},
    };
    Station station;
    Fd peer = open_session(station);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t before = seen().size();
        for (const std::string &w : c.writes) {
            ASSERT_TRUE(send_all(peer.get(), w));
            std::this_thread::sleep_for(3ms);  // makes separate reads likely
        }
        // Everything before the marker has been dealt with once it arrives.
        ASSERT_TRUE(send_all(peer.get(), "$Z00\r\n"));
        ASSERT_TRUE(wait_seen(before + c.want.size() + 1));
        const std::vector<Delivery> got = seen();
        ASSERT_EQ(got.size(), before + c.want.size() + 1);
        for (std::size_t i = 0; i < c.want.size(); ++i) {
            EXPECT_EQ(got[before + i].code, c.want[i].first) << i;
            EXPECT_EQ(got[before + i].text, c.want[i].second) << i;
        }
        EXPECT_EQ(got.back().text, "$Z00\r\n");
    }
}

TEST_F(StandIn, HandleIsTheConnectedSocket) {
    Station station;
    Fd peer = open_session(station);
    ASSERT_TRUE(send_all(peer.get(), "$Q10\r\n"));
    ASSERT_TRUE(wait_seen(1));
    const int32_t handle = seen()[0].handle;
    EXPECT_GT(handle, 2);
    expect_reaches(handle, peer, "$R10ok\r\n");
}

TEST_F(StandIn, StatusFollowsTheLifeCycle) {
    Station station;
    SetConvRadFunc(record);
    EXPECT_EQ(SetRadarSource("late"), -1);
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_UNKNOWN_STATION);

    // Entered afterwards, the name is found on the next attempt.
    ASSERT_EQ(NetSetStation("late", "127.0.0.1", station.port()), 0);
    Fd peer = station.accept_peer();
    ASSERT_GE(peer.get(), 0);
    EXPECT_TRUE(status_becomes(ORVANE_STATUS_CONNECTED));
    ASSERT_TRUE(send_all(peer.get(), "$A01\r\n"));
    ASSERT_TRUE(wait_seen(1));

    station.close();
    peer.reset();
    EXPECT_TRUE(status_becomes(ORVANE_STATUS_CONNECTING));
    EXPECT_EQ(send_on(seen()[0].handle, "x"), -1) << "lost connection";
    EXPECT_TRUE(is_tcp_socket(seen()[0].handle));

    EXPECT_EQ(NetShutdown(), 0);
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_ENDED);
}

TEST_F(StandIn, ReconnectsAndTheHandleReachesTheNewPeer) {
    Station station;
    Fd first = open_session(station);
    ASSERT_TRUE(send_all(first.get(), "$A01\r\n"));
    ASSERT_TRUE(wait_seen(1));
    first.reset();

    Fd second = station.accept_peer();
    ASSERT_GE(second.get(), 0);
    ASSERT_TRUE(send_all(second.get(), "$A02\r\n"));
    ASSERT_TRUE(wait_seen(2));
    const std::vector<Delivery> got = seen();
    EXPECT_EQ(got[1].code, 2);
    expect_current(got[0], got[1], second);
}

TEST_F(StandIn, ChangeRadarSourceMovesToAnotherStation) {
    Station a, b;
    Fd peer_a = open_session(a, "alpha");
    ASSERT_EQ(NetSetStation("bravo", "127.0.0.1", b.port()), 0);
    ASSERT_TRUE(send_all(peer_a.get(), "$A01\r\n"));
    ASSERT_TRUE(wait_seen(1));

    for (const char *bad : {static_cast<const char *>(nullptr), "", "ninechars"}) {
        EXPECT_EQ(ChangeRadarSource(bad), -1);
        EXPECT_EQ(SetRadarSource(bad), -1);
    }
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_CONNECTED) << "bad names change nothing";

    EXPECT_EQ(ChangeRadarSource("bravo"), 0);
    EXPECT_TRUE(sees_end(peer_a.get()));
    Fd peer_b = b.accept_peer();
    ASSERT_GE(peer_b.get(), 0);
    ASSERT_TRUE(send_all(peer_b.get(), "$B02\r\n"));
    ASSERT_TRUE(wait_seen(2));
    EXPECT_EQ(seen()[1].code, 2);
    expect_current(seen()[0], seen()[1], peer_b);

    EXPECT_EQ(ChangeRadarSource("nowhere"), -1);
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_UNKNOWN_STATION);
    EXPECT_TRUE(sees_end(peer_b.get()));
}

TEST_F(StandIn, MessagesWaitForTheCallback) {
    Station station;
    ASSERT_EQ(NetSetStation("alpha", "127.0.0.1", station.port()), 0);
    ASSERT_EQ(SetRadarSource("alpha"), 0);
    Fd peer = station.accept_peer();
    ASSERT_GE(peer.get(), 0);
    ASSERT_TRUE(send_all(peer.get(), "$A01\r\n$A02\r\n"));
    ASSERT_TRUE(status_becomes(ORVANE_STATUS_CONNECTED));
    // Time in which a reader that dropped unclaimed messages would lose them.
    std::this_thread::sleep_for(60ms);

    SetConvRadFunc(record);
    ASSERT_TRUE(wait_seen(2));
    EXPECT_EQ(seen()[0].code, 1);
    EXPECT_EQ(seen()[1].code, 2);

    // Taken away and given back in mid-session.
    SetConvRadFunc(nullptr);
    ASSERT_TRUE(send_all(peer.get(), "$A03\r\n"));
    std::this_thread::sleep_for(60ms);
    SetConvRadFunc(record);
    ASSERT_TRUE(wait_seen(3));
    EXPECT_EQ(seen()[2].code, 3);
}

TEST_F(StandIn, ShutdownEndsOnceAndLeavesAHandleThatRefusesSends) {
    Station station;
    SetEndRadFunc(count_end);
    Fd peer = open_session(station);
    ASSERT_TRUE(send_all(peer.get(), "$A01\r\n"));
    ASSERT_TRUE(wait_seen(1));
    const int32_t handle = seen()[0].handle;

    EXPECT_EQ(NetShutdown(), 0);
    EXPECT_EQ(g_ends, 1);
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_ENDED);
    EXPECT_TRUE(sees_end(peer.get()));
    EXPECT_EQ(send_on(handle, "x"), -1);
    EXPECT_TRUE(is_tcp_socket(handle));

    EXPECT_EQ(NetShutdown(), 0);
    EXPECT_EQ(g_ends, 1);
    char buf[16];
    EXPECT_EQ(GetRadarSourceAddr(buf), -1);
}

TEST_F(StandIn, NewSessionAfterShutdown) {
    Station station;
    SetEndRadFunc(count_end);
    Fd first = open_session(station);
    ASSERT_TRUE(send_all(first.get(), "$A01\r\n"));
    ASSERT_TRUE(wait_seen(1));
    NetShutdown();

    Fd second = open_session(station);
    ASSERT_TRUE(send_all(second.get(), "$A02\r\n"));
    ASSERT_TRUE(wait_seen(2));
    EXPECT_EQ(seen()[1].code, 2);
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_CONNECTED);
    NetShutdown();
    EXPECT_EQ(g_ends, 2);
}

int16_t record_then_shut_down(int16_t code, const char *text, int32_t *socket) {
    record(code, text, socket);
    return static_cast<int16_t>(NetShutdown());
}

TEST_F(StandIn, ShutdownFromTheCallbackEndsTheSession) {
    Station station;
    SetEndRadFunc(count_end);
    Fd peer = open_session(station);
    SetConvRadFunc(record_then_shut_down);
    ASSERT_TRUE(send_all(peer.get(), "$A01\r\n$A02\r\n"));
    ASSERT_TRUE(eventually([] { return g_ends == 1; }));
    EXPECT_EQ(GetRadarSourceStatus(), ORVANE_STATUS_ENDED);
    EXPECT_TRUE(sees_end(peer.get()));
    EXPECT_EQ(seen().size(), 1u) << "nothing is delivered after the end";

    Fd again = open_session(station);
    ASSERT_TRUE(send_all(again.get(), "$A03\r\n"));
    ASSERT_TRUE(wait_seen(2));
    EXPECT_EQ(seen()[1].code, 3);
}

}  // namespace
