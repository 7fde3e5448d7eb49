// Incoming messages through the conversion callback: scanned, checked,
// answered where the message asks for it, applied and notified. Answers go
// out on a UDP socket connected to a sink that never reads (the kernel drops
// what does not fit), so a send costs the same every time; the send alone is
// measured on that socket and taken out of the figure.
#include <cstring>

#include "bench_support.h"
#include "netlib_double.h"
#include "platform/net.h"
#include "radar.h"
#include "test_sockets.h"

namespace {

int notices = 0;
void RADAR_CALLBACK notice(int32_t) { ++notices; }

int32_t reply = -1;

void open_session() {
    if (reply >= 0) return;
    using namespace test_sockets;
    OrvaneInitRadarFunc("RADAR_1", &notice);
    const int sink = open_socket(SOCK_DGRAM);
    bind_to(sink, ipv4("127.0.0.1"));
    reply = open_socket(SOCK_DGRAM);
    const sockaddr_in to = bound_address(sink);
    ::connect(reply, reinterpret_cast<const sockaddr *>(&to), sizeof to);
}

struct Message {
    int16_t code;
    const char *text;
    int answers;  // sentences sent back per message
};

// An order answered with the new values, an announcement applied without an
// answer, a request answered from the record, a six-field order, and an event.
constexpr Message messages[] = {
    {0x03, "$S03,2,50\r\n", 1},
    {0x03, "$N03,2,50\r\n", 0},
    {0x03, "$R03\r\n", 1},
    {0x1B, "$N1B,1,1,1234,0\r\n", 0},
    {0x35, "$N35,1,2345678,-1234567\r\n", 0},
    {0x01, "$S01\r\n", 0},
};

void Incoming(benchmark::State &state) {
    open_session();
    const Message &m = messages[state.range(0)];
    int32_t socket = reply;
    const std::size_t length = std::strlen(m.text);
    // The send alone: the answer's bytes (about the message's length, and
    // its zero byte) on the same socket.
    const double sends = bench::rate_of(
        [&] { radar::platform::send_bytes(reply, m.text, length + 1); }, 1);
    const auto start = bench::Clock::now();
    for (auto _ : state) netlib_double::conversion(m.code, m.text, &socket);
    const double seconds = bench::seconds_since(start);
    const double n = static_cast<double>(state.iterations());
    state.SetLabel(std::string(m.text, length - 2));
    state.counters["messages/s"] = n / seconds;
    state.counters["sends/s"] = sends;
    state.counters["messages/s without send"] = n / (seconds - n * m.answers / sends);
}
BENCHMARK(Incoming)->DenseRange(0, std::size(messages) - 1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
