// The end of the session stops the echo side: no line is delivered after the
// end flag is set, not even the rest of the datagram in hand, and the
// receiver gives the echo port back.
#include <gtest/gtest.h>

#include <atomic>

#include "echo_support.h"
#include "netlib_double.h"
#include "radar.h"

namespace {

using namespace echo_support;

std::atomic<int> delivered{0};

// The session ends while the first line of a datagram is being delivered.
void RADAR_CALLBACK end_at_first_line(EchoLineRecord *) {
    if (delivered.fetch_add(1) == 0) netlib_double::end();
}

TEST(EchoEnd, NoLineIsDeliveredOnceTheSessionHasEnded) {
    netlib_double::set_source_address(radar_address);
    ASSERT_EQ(OrvaneInitRadarFunc("RADAR1", nullptr), RADAR_OK);  // registers the end callback
    ASSERT_NE(netlib_double::end, nullptr);
    ASSERT_EQ(OrvaneInitRadarEchoFunc(&end_at_first_line), RADAR_OK);
    Radar radar;
    ASSERT_TRUE(radar.send(datagram(16, 1, 1,
                                    {Line{1, 0, false, false, {}}, Line{2, 0, false, false, {}},
                                     Line{3, 0, false, false, {}}})));
    // The receiver ends and closes the echo socket: the port comes free.
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!port_is_free(echo_port) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(port_is_free(echo_port));
    EXPECT_EQ(delivered.load(), 1);
}

}  // namespace
