// Incoming command messages through the conversion callback, as the network
// library delivers them: a command code and the message text, with the reply
// socket's handle, while a notify callback is registered.
//
// Input: byte 0 picks the code (mostly 0..87, sometimes outside), byte 1
// carries flags (bit 0: no socket handle, bit 1: no text), the rest is the
// text. A text of 1024 bytes or more is handed over without a terminating
// zero: the library reads no further than 1024 characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_support.h"
#include "netlib_double.h"
#include "radar.h"

namespace {

constexpr std::size_t longest_message = 1024;

fuzz::ReplySocket reply;
int16_t message_code;
int notified;

void RADAR_CALLBACK on_change(int32_t code) {
    // Only the handler of the message in hand notifies, and only its code.
    FUZZ_CHECK(code == message_code);
    ++notified;
    // The application reads the group while the handler waits for it.
    uint16_t mode = 0, level = 0;
    FUZZ_CHECK(OrvaneGetRadarGain(&mode, &level) == RADAR_OK);
}

bool start() {
    if (!reply.open()) return false;
    return OrvaneInitRadarFunc("FUZZ", &on_change) == RADAR_OK &&
           netlib_double::conversion != nullptr;
}

int16_t pick_code(uint8_t b) {
    if (b < 176) return static_cast<int16_t>(b % 88);
    return static_cast<int16_t>((b & 1) ? -(b - 175) : 88 + (b - 176));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    static const bool started = start();
    FUZZ_CHECK(started);
    if (size < 2) return 0;
    message_code = pick_code(data[0]);
    const bool no_socket = (data[1] & 1) != 0;
    const bool no_text = (data[1] & 2) != 0;
    const std::size_t length = size - 2;

    // The text in a buffer of its own exact size, so a read past it is seen.
    const bool terminated = length < longest_message;
    char *text = static_cast<char *>(std::malloc(length + (terminated ? 1 : 0)));
    FUZZ_CHECK(text != nullptr);
    std::memcpy(text, data + 2, length);
    if (terminated) text[length] = '\0';

    int32_t socket = reply.near;
    notified = 0;
    const int16_t result = netlib_double::conversion(message_code, no_text ? nullptr : text,
                                                     no_socket ? nullptr : &socket);
    std::free(text);
    FUZZ_CHECK(result == 0);
    FUZZ_CHECK(notified <= 1);
    FUZZ_CHECK(socket == reply.near);  // the handle is read, never written

    // Every answer is one announcement of the message's own code.
    char sent[4096];
    const std::size_t got = reply.drain(sent, sizeof sent);
    std::size_t answers = 0;
    for (std::size_t at = 0; at < got;) {
        const void *end = std::memchr(sent + at, '\0', got - at);
        FUZZ_CHECK(end != nullptr);  // every sentence leaves with its zero byte
        const std::size_t n =
            static_cast<std::size_t>(static_cast<const char *>(end) - (sent + at));
        int code = -1;
        char kind = 0;
        FUZZ_CHECK(fuzz::well_formed_sentence(sent + at, n, code, kind));
        FUZZ_CHECK(kind == 'N' && code == message_code);
        ++answers;
        at += n + 1;
    }
    FUZZ_CHECK(answers <= 1);
    return 0;
}
