// A first session with the radar library, end to end on this machine.
//
// The program plays both sides: a radar station listening on a loopback TCP
// port, and the navigation application that loads the library. It enters the
// station in the stand-in network library's directory, opens a session with
// OrvaneInitRadarFunc, waits until the network library is connected, lets the
// station announce a gain setting, orders a gain setting from the station with
// a command sentence, and round-trips one setting through the library's
// parameter record. It exits non-zero when a step fails.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "orvane.h"
#include "radar.h"

namespace {

using Clock = std::chrono::steady_clock;

int fail(const char *what) {
    std::fprintf(stderr, "FAILED: %s\n", what);
    return 1;
}

void RADAR_CALLBACK on_notify(int32_t code) {
    std::printf("  notify: command code 0x%02X\n", code);
}

// A listening socket on 127.0.0.1 at a port the system chooses.
int listen_on_loopback(uint16_t &port) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        listen(listener, 1) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        close(listener);
        return -1;
    }
    port = ntohs(address.sin_port);
    return listener;
}

bool wait_until_connected() {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        if (OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

}  // namespace

int main() {
    char version[15];
    OrvaneGetRadarDllVersionNo(version);
    std::printf("radar library version %s\n", version);

    uint16_t port = 0;
    const int listener = listen_on_loopback(port);
    if (listener < 0) return fail("no loopback listener");
    std::printf("radar station RADAR1 listening on 127.0.0.1:%u\n", port);
    if (NetSetStation("RADAR1", "127.0.0.1", port) != 0) return fail("station directory");

    if (OrvaneInitRadarFunc("RADAR1", &on_notify) != RADAR_OK) return fail("OrvaneInitRadarFunc");
    const int station = accept(listener, nullptr, nullptr);
    if (station < 0 || !wait_until_connected()) return fail("no connection to the station");
    std::printf("session open, source status %d (connected)\n", OrvaneGetRadarSourceStatus());

    const char announcement[] = "$N03,2,50\r\n";
    if (send(station, announcement, sizeof announcement - 1, MSG_NOSIGNAL) < 0)
        return fail("station send");
    std::printf("station -> library: $N03,2,50\n");

    // The announcement makes the station the peer of the library's sentences;
    // until it has been delivered, a Put has nobody to go to (-3).
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    int16_t sent = RADAR_NOT_SENT;
    while (sent == RADAR_NOT_SENT && Clock::now() < deadline) {
        sent = OrvanePutRadarGain(RADAR_KIND_ORDER, 2, 50);
        if (sent == RADAR_NOT_SENT) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (sent != RADAR_OK) return fail("OrvanePutRadarGain");
    const timeval patience{5, 0};  // a station that hears nothing must not hang the example
    setsockopt(station, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    char order[16] = {};
    std::size_t got = 0;
    while (got < 12) {  // "$S03,2,50" CR LF and its zero byte
        const ssize_t n = recv(station, order + got, 12 - got, 0);
        if (n <= 0) return fail("station receive");
        got += static_cast<std::size_t>(n);
    }
    if (std::memcmp(order, "$S03,2,50\r\n", 12) != 0) return fail("the order arrived changed");
    std::printf("library -> station: $S03,2,50 (12 bytes with CR LF and the zero byte)\n");

    if (OrvaneSetRadarGain(2, 50) != RADAR_OK) return fail("OrvaneSetRadarGain(2, 50)");
    if (OrvaneSetRadarGain(4, 50) != RADAR_OUT_OF_RANGE) return fail("mode 4 was not refused");
    uint16_t mode = 0, level = 0;
    if (OrvaneGetRadarGain(&mode, &level) != RADAR_OK || mode != 2 || level != 50)
        return fail("gain did not read back as stored");
    std::printf("gain stored and read back: mode %u, level %u (mode 4 refused)\n", mode, level);

    NetShutdown();
    std::printf("session ended, source status %d\n", OrvaneGetRadarSourceStatus());
    close(station);
    close(listener);
    std::printf("ok\n");
    return 0;
}
