// Library entry and session: station names, the calls made to the network
// library and their order, the notify callback, the reply socket, the end
// flag and the version text. The network library is the test double.
#include "session/session.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "netlib_double.h"
#include "radar.h"

namespace {

using Calls = std::vector<std::string>;

std::vector<int32_t> notified_a, notified_b;
void RADAR_CALLBACK notify_a(int32_t code) { notified_a.push_back(code); }
void RADAR_CALLBACK notify_b(int32_t code) { notified_b.push_back(code); }

class Session : public ::testing::Test {
  protected:
    void SetUp() override {
        netlib_double::reset();
        notified_a.clear();
        notified_b.clear();
    }
};

struct NameCase {
    const char *legend;
    const char *name;
    const char *handed_on;  // the copy the network library receives; null: refused
};

const NameCase name_cases[] = {
    {"one character", "A", "A"},
    {"eight characters", "ABCDEFGH", "ABCDEFGH"},
    {"nine characters", "ABCDEFGHI", nullptr},
    {"far too long", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", nullptr},
    {"empty", "", nullptr},
    {"space becomes underscore", "RADAR 1", "RADAR_1"},
    {"only a space", " ", "_"},
    {"every special character", "#&'-_", "#&'-_"},
    {"letters of both cases and digits", "aZ09zA", "aZ09zA"},
    {"full stop", "RADAR.1", nullptr},
    {"slash", "RADAR/1", nullptr},
    {"tab", "R\tA", nullptr},
    {"byte 0x80", "R\x80", nullptr},
    {"byte 0xFF", "\xff", nullptr},
    {"Latin-1 letter", "R\xe9", nullptr},
    {"eight with a bad last one", "ABCDEFG.", nullptr},
};

// Runs `call` on every name case and compares the status and the calls made
// to the network library; `calls_for` gives the calls for an accepted name.
void check_names(int16_t (*call)(const char *), Calls (*calls_for)(const std::string &)) {
    for (const NameCase &c : name_cases) {
        netlib_double::reset();
        const int16_t status = call(c.name);
        const bool accepted = c.handed_on != nullptr;
        EXPECT_EQ(status, accepted ? RADAR_OK : RADAR_REFUSED) << c.legend;
        EXPECT_EQ(netlib_double::calls, accepted ? calls_for(c.handed_on) : Calls{}) << c.legend;
    }
}

TEST_F(Session, InitChecksTheNameAndRegistersInOrder) {
    check_names([](const char *name) { return OrvaneInitRadarFunc(name, &notify_a); },
                [](const std::string &copy) {
                    return Calls{"SetRadarSource(" + copy + ")", "SetConvRadFunc", "SetEndRadFunc"};
                });
}

TEST_F(Session, ChangeHostChecksTheNameTheSameWay) {
    check_names(&OrvaneChangeRadarHost,
                [](const std::string &copy) { return Calls{"ChangeRadarSource(" + copy + ")"}; });
}

TEST_F(Session, EverySingleByteIsJudgedByTheAllowedSet) {
    const std::string allowed =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789#&'-_ ";
    for (int byte = 1; byte < 256; ++byte) {
        const char name[] = {'X', static_cast<char>(byte), 'Y', '\0'};
        const bool expected = allowed.find(static_cast<char>(byte)) != std::string::npos;
        EXPECT_EQ(OrvaneChangeRadarHost(name), expected ? RADAR_OK : RADAR_REFUSED)
            << "byte " << byte;
    }
}

TEST_F(Session, NullNamesAreRefused) {
    EXPECT_EQ(OrvaneInitRadarFunc(nullptr, &notify_a), RADAR_REFUSED);
    EXPECT_EQ(OrvaneChangeRadarHost(nullptr), RADAR_REFUSED);
    EXPECT_EQ(netlib_double::calls, Calls{});
}

TEST_F(Session, InitWithoutNotifyRegistersButNamesNoSource) {
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", &notify_a), RADAR_OK);
    netlib_double::reset();
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", nullptr), RADAR_OK);
    EXPECT_EQ(netlib_double::calls, (Calls{"SetConvRadFunc", "SetEndRadFunc"}));
    EXPECT_NE(netlib_double::conversion, nullptr);
    EXPECT_NE(netlib_double::end, nullptr);
    radar::session::notify(5);
    EXPECT_TRUE(notified_a.empty()) << "the earlier notify callback was cleared";
}

TEST_F(Session, EachSuccessfulInitReplacesTheNotifyCallback) {
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", &notify_a), RADAR_OK);
    radar::session::notify(3);
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR2", &notify_b), RADAR_OK);
    radar::session::notify(4);
    EXPECT_EQ(notified_a, std::vector<int32_t>{3});
    EXPECT_EQ(notified_b, std::vector<int32_t>{4});
}

TEST_F(Session, AFailedInitKeepsTheEarlierNotifyCallback) {
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", &notify_a), RADAR_OK);
    netlib_double::reset();
    ASSERT_EQ(OrvaneInitRadarFunc("BAD.NAME", &notify_b), RADAR_REFUSED);
    EXPECT_EQ(netlib_double::calls, Calls{});
    radar::session::notify(0x41);
    EXPECT_EQ(notified_a, std::vector<int32_t>{0x41});
    EXPECT_TRUE(notified_b.empty());
}

TEST_F(Session, VersionTextIsCopiedWithItsTerminatorOnly) {
    char buffer[24];
    std::memset(buffer, 0x7E, sizeof buffer);
    EXPECT_EQ(OrvaneGetRadarDllVersionNo(buffer), 15);
    EXPECT_EQ(std::memcmp(buffer, "195001300702b1", 15), 0);
    for (std::size_t i = 15; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0x7E) << "byte " << i;
    EXPECT_EQ(OrvaneGetRadarDllVersionNo(nullptr), 0);
}

TEST_F(Session, SourceStatusIsPassedThroughUnchanged) {
    for (int32_t value : {0, 1, 2, -1, 12345, INT32_MIN, INT32_MAX}) {
        netlib_double::status = value;
        EXPECT_EQ(OrvaneGetRadarSourceStatus(), value);
    }
    EXPECT_EQ(netlib_double::calls.back(), "GetRadarSourceStatus");
}

TEST_F(Session, EveryMessageRecordsItsReplySocketWhateverTheCode) {
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", &notify_a), RADAR_OK);
    ASSERT_NE(netlib_double::conversion, nullptr);
    struct {
        int16_t code;
        int32_t socket;
    } const cases[] = {{3, 7},          {0, 8},          {1, 9},    {2, 10},
                       {0x3F, 11},      {87, 12},        {88, 13},  {-1, 14},
                       {INT16_MIN, 15}, {INT16_MAX, 16}, {0x4D, 0}, {0x57, -1}};
    for (const auto &c : cases) {
        int32_t handle = c.socket;
        EXPECT_EQ(netlib_double::conversion(c.code, "$N03,2,50\r\n", &handle), 0) << c.code;
        int32_t reply = 0x5555;
        EXPECT_TRUE(radar::session::reply_socket(reply)) << c.code;
        EXPECT_EQ(reply, c.socket) << "code " << c.code;
    }
    // A missing text is not followed either; the socket is still recorded.
    int32_t handle = 21;
    EXPECT_EQ(netlib_double::conversion(0, nullptr, &handle), 0);
    int32_t recorded = 0;
    EXPECT_TRUE(radar::session::reply_socket(recorded));
    EXPECT_EQ(recorded, 21);
    handle = -1;
    EXPECT_EQ(netlib_double::conversion(3, nullptr, &handle), 0);
    // A missing socket address is skipped, not followed.
    EXPECT_EQ(netlib_double::conversion(3, "$N03,2,50\r\n", nullptr), 0);
    int32_t reply = 0;
    EXPECT_TRUE(radar::session::reply_socket(reply));
    EXPECT_EQ(reply, -1);
}

TEST_F(Session, TheEndFlagStaysSetForGood) {
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", nullptr), RADAR_OK);
    ASSERT_NE(netlib_double::end, nullptr);
    EXPECT_EQ(netlib_double::end(), 0);
    EXPECT_TRUE(radar::session::ended());
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", &notify_a), RADAR_OK);
    EXPECT_TRUE(radar::session::ended());
}

}  // namespace
