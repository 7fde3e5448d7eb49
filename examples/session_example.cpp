// A first session with the radar library, end to end on this machine.
//
// The program plays both sides: a radar station listening on a loopback TCP
// port, and the navigation application that loads the library. It enters the
// station in the stand-in network library's directory, opens a session with
// OrvaneInitRadarFunc and waits until the network library is connected. Then
// the station announces, requests and orders the gain setting, and the
// application orders a setting from the station; every sentence both ways is
// printed and checked. It exits non-zero when a step fails.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "orvane.h"
#include "radar.h"
#include "sockets.h"  // the simulated station's: no system header here

namespace {

using Clock = std::chrono::steady_clock;
namespace net = radarctl::sockets;
constexpr int patience_ms = 5000;  // a station that hears nothing must not hang the example

int fail(const char *what) {
    std::fprintf(stderr, "FAILED: %s\n", what);
    return 1;
}

std::atomic<int32_t> notices{0};
std::atomic<int32_t> last_notice{-1};

void RADAR_CALLBACK on_notify(int32_t code) {
    std::printf("  notify: command code 0x%02X\n", code);
    last_notice.store(code);
    notices.fetch_add(1);
}

bool wait_for_notice(int32_t code) {
    static int32_t seen = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        if (notices.load() > seen && last_notice.load() == code) {
            seen = notices.load();
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

// Waits until `s` can be read (or written); false after the patience.
bool ready(net::Socket s, bool for_writing) {
    net::Watch watch{s, for_writing};
    return net::wait(&watch, 1, patience_ms) && watch.ready;
}

// The station's side of the conversation, printed as it goes.
bool station_says(net::Socket station, const char *text) {
    std::printf("station -> library: %.*s\n", static_cast<int>(std::strlen(text) - 2), text);
    for (std::size_t sent = 0, size = std::strlen(text); sent < size;) {
        if (!ready(station, true)) return false;
        const long n = net::send_some(station, text + sent, size - sent);
        if (n == net::failed) return false;
        if (n > 0) sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads one sentence (its text, CR LF and zero byte) and compares it.
bool station_hears(net::Socket station, const char *expected) {
    const std::size_t size = std::strlen(expected) + 1;
    char received[96] = {};
    for (std::size_t got = 0; got < size;) {
        if (!ready(station, false)) return false;
        const long n = net::receive(station, received + got, size - got);
        if (n == net::closed || n == net::failed) return false;
        if (n > 0) got += static_cast<std::size_t>(n);
    }
    std::printf("library -> station: %.*s (%zu bytes with CR LF and the zero byte)\n",
                static_cast<int>(size - 3), received, size);
    return std::memcmp(received, expected, size) == 0;
}

// A listening socket on 127.0.0.1 at a port the system chooses.
net::Socket listen_on_loopback(uint16_t &port) {
    net::Endpoint at, bound;
    if (!net::start() || !net::to_endpoint("127.0.0.1", 0, at)) return net::no_socket;
    net::Socket listener = net::listen_at(at, 1);
    if (listener == net::no_socket || !net::local_endpoint(listener, bound)) {
        net::close(listener);
        return net::no_socket;
    }
    port = bound.port;
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
    net::Socket listener = listen_on_loopback(port);
    if (listener == net::no_socket) return fail("no loopback listener");
    std::printf("radar station RADAR1 listening on 127.0.0.1:%u\n", port);
    if (NetSetStation("RADAR1", "127.0.0.1", port) != 0) return fail("station directory");

    if (OrvaneInitRadarFunc("RADAR1", &on_notify) != RADAR_OK) return fail("OrvaneInitRadarFunc");
    net::Socket station = ready(listener, false) ? net::accept_from(listener) : net::no_socket;
    if (station == net::no_socket || !wait_until_connected()) return fail("no connection to the station");
    std::printf("session open, source status %d (connected)\n", OrvaneGetRadarSourceStatus());

    // The station announces a gain setting: the library applies it to its
    // record and tells the application.
    if (!station_says(station, "$N03,2,50\r\n")) return fail("station send");
    if (!wait_for_notice(0x03)) return fail("no notice of the announcement");
    uint16_t mode = 0, level = 0;
    OrvaneGetRadarGain(&mode, &level);
    if (mode != 2 || level != 50) return fail("the announcement was not applied");
    std::printf("  record: gain mode %u, level %u\n", mode, level);

    // The station asks for the gain: the library answers from its record.
    if (!station_says(station, "$R03\r\n")) return fail("station send");
    if (!station_hears(station, "$N03,2,50\r\n")) return fail("no answer to the request");

    // The station orders a new gain: the library answers, applies, tells.
    if (!station_says(station, "$S03,3,60\r\n")) return fail("station send");
    if (!station_hears(station, "$N03,3,60\r\n")) return fail("no answer to the order");
    if (!wait_for_notice(0x03)) return fail("no notice of the order");
    OrvaneGetRadarGain(&mode, &level);
    if (mode != 3 || level != 60) return fail("the order was not applied");
    std::printf("  record: gain mode %u, level %u\n", mode, level);

    // The application orders a setting from the station.
    if (OrvanePutRadarACRain(RADAR_KIND_ORDER, 40) != RADAR_OK) return fail("OrvanePutRadarACRain");
    if (!station_hears(station, "$S06,40\r\n")) return fail("the order did not arrive");

    // The record refuses what is out of range, and changes nothing then.
    if (OrvaneSetRadarGain(4, 50) != RADAR_OUT_OF_RANGE) return fail("mode 4 was not refused");
    OrvaneGetRadarGain(&mode, &level);
    if (mode != 3 || level != 60) return fail("a refused Set changed the record");
    std::printf("application: OrvaneSetRadarGain(4, 50) refused, record unchanged\n");

    NetShutdown();
    std::printf("session ended, source status %d\n", OrvaneGetRadarSourceStatus());
    net::close(station);
    net::close(listener);
    std::printf("ok\n");
    return 0;
}
