// What the library is before anything has happened: this program checks the
// state of a freshly loaded library, so it must not share a process with
// tests that change it.
#include <gtest/gtest.h>

#include <cstdint>

#include "loopback_station.h"
#include "radar.h"
#include "session/session.h"

namespace {

TEST(Fresh, NoReplySocketUntilTheFirstMessage) {
    int32_t handle = 99;
    EXPECT_FALSE(radar::session::reply_socket(handle));
    EXPECT_FALSE(radar::session::ended());
}

TEST(Fresh, EveryGetReadsZeroBeforeAnySet) {
    uint16_t a = 9, b = 9, c = 9;
    uint32_t d = 9;
    int16_t s = 9;
    int32_t lat = 9, lon = 9;
    EXPECT_EQ(OrvaneGetRadarGain(&a, &b), RADAR_OK);
    EXPECT_EQ(a + b, 0);
    // The blind-sector width reads 0 although its Set refuses 0.
    a = b = c = 9;
    EXPECT_EQ(OrvaneGetRadarBlind(&a, &b, &c), RADAR_OK);
    EXPECT_EQ(a + b + c, 0);
    a = b = 9;
    EXPECT_EQ(OrvaneGetRadarNMEAHead(&a, &b, &s), RADAR_OK);
    EXPECT_EQ(a + b + s, 0);
    a = 9;
    EXPECT_EQ(OrvaneGetRadarOwnPosiLL(&a, &lat, &lon), RADAR_OK);
    EXPECT_EQ(a + lat + lon, 0);
    a = b = 9;
    EXPECT_EQ(OrvaneGetRadarVRM(2, &a, &b, &c, &d), RADAR_OK);
    EXPECT_EQ(a + b + c + d, 0u);
    uint16_t status[10];
    for (auto &v : status) v = 9;
    EXPECT_EQ(OrvaneGetArpaStatus(&status[0], &status[1], &status[2], &status[3], &status[4],
                                  &status[5], &status[6], &status[7], &status[8], &status[9]),
              RADAR_OK);
    for (auto v : status) EXPECT_EQ(v, 0);
}

TEST(Fresh, NoEchoLineWaitsBeforeTheEchoSideStarts) {
    EchoLineRecord record{};
    record.Sweep = 77;
    EXPECT_EQ(OrvaneGetRadarEchoData(&record), 0);
    EXPECT_EQ(record.Sweep, 77);
}

TEST(Fresh, BeforeTheFirstMessageEveryPutReturnsMinusThreeAndSendsNothing) {
#if !defined(_WIN32)
    // Put a socket where standard input was: a handle of 0 must not be taken
    // for the reply socket. (Windows hands out no socket numbered 0.)
    loopback::Connection pair = loopback::connect_pair();
    ASSERT_GE(pair.far.get(), 0);
    const int saved_input = dup(0);
    ASSERT_GE(saved_input, 0);
    ASSERT_EQ(dup2(pair.near.get(), 0), 0);
#endif

    EXPECT_EQ(OrvanePutRadarGain(0, 1, 55), RADAR_NOT_SENT);
    EXPECT_EQ(OrvanePutArpaAllClear(2), RADAR_NOT_SENT);
    EXPECT_EQ(OrvanePutArpaStatus(2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10), RADAR_NOT_SENT);
    // Range checks still come first.
    EXPECT_EQ(OrvanePutRadarGain(0, 4, 55), RADAR_OUT_OF_RANGE);

#if !defined(_WIN32)
    EXPECT_FALSE(test_sockets::wait_readable(pair.far.get(), 20))
        << "something was written to descriptor 0";
    dup2(saved_input, 0);
    close(saved_input);
#endif
}

}  // namespace
