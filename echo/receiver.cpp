#include "receiver.h"

#include <cstring>

#include "decoder.h"
#include "orvane.h"
#include "platform/module.h"
#include "platform/thread.h"
#include "radar.h"
#include "recording.h"
#include "ring.h"
#include "session/session.h"
#include "socket_table.h"
#include "trails.h"

namespace radar::echo {

std::atomic<int> echo_slot{0};

namespace {

constexpr uint16_t nibble_zero = 240;
constexpr uint32_t idle_ms = 10;
// While receives fail, the echo socket is asked for again once every this
// many waits: about once a second.
constexpr int waits_per_retry = 100;

std::atomic<RadarEchoFunc> echo_callback{nullptr};
std::atomic<bool> echo_started{false};

// The receiver's own: touched by no other thread.
struct Receiver {
    uint8_t datagram[datagram_capacity];
    uint8_t line[line_samples];
    uint8_t overlay[line_samples];
    uint16_t mode = 0, previous_mode = 0;
    uint16_t previous_scale = 0, previous_samples = 0;
    bool failed_before = false;  // the pass before also failed its receive
    int waits = 0;               // waits since the echo socket was last asked for
};
Receiver receiver;

void clear_picture(Receiver &r) {
    std::memset(r.line, 0, sizeof r.line);
    clear_trails();
}

// One live receive: the datagram's length, or 0 when it is not the radar's,
// or negative when the receive failed.
int receive_live(Receiver &r) {
    char sender[address_text_size] = {};
    const int length = receive(echo_slot.load(), r.datagram, sizeof r.datagram, sender);
    r.mode = mode_live;
    recording::forget_look_ahead();
    if (length <= 0) return length;
    char source[address_text_size] = {};
    GetRadarSourceAddr(source);
    source[address_text_size - 1] = '\0';
    return std::strcmp(source, sender) == 0 ? length : 0;
}

int obtain(Receiver &r) {
    switch (recording::source()) {
        case recording::Source::live:
            return receive_live(r);
        case recording::Source::playing:
            return static_cast<int>(recording::read_playback(r.datagram, r.mode));
        case recording::Source::ended:
            platform::sleep_ms(idle_ms);
            return 0;
    }
    return 0;
}

void deliver(EchoLineRecord &record, RadarEchoFunc callback) {
    if (callback != nullptr)
        callback(&record);
    else
        store_line(record);
}

void decode(Receiver &r, const uint8_t *datagram, const recording::Framed &framed, uint16_t mode,
            RadarEchoFunc callback) {
    const DatagramHeader header = read_header(datagram);
    if (header.scale_code != r.previous_scale || header.sample_count != r.previous_samples) {
        clear_picture(r);
        r.previous_scale = header.scale_code;
        r.previous_samples = header.sample_count;
    }
    std::size_t offset = header_size;
    for (int i = 0; i < header.line_count; ++i) {
        const LineHeader line = read_line_header(datagram + offset);
        recording::one_screen_step(line.sweep, framed);
        offset = apply_line(datagram, offset, line, header.sample_count, r.line);
        uint8_t *levels = r.line;
        if (trails_on()) {
            overlay_trails(r.line, r.overlay, line.sweep, line.bearing_offset, header.sample_count);
            levels = r.overlay;
        }
        EchoLineRecord record{mode,
                              levels,
                              header.sample_count,
                              static_cast<uint16_t>(header.nibble == 0 ? nibble_zero : header.nibble),
                              line.sweep,
                              line.bearing_offset,
                              line.line_flag,
                              header.scale_code};
        // Once the session has ended, the rest of the datagram is decoded but
        // no longer delivered.
        if (!session::ended()) deliver(record, callback);
    }
}

// Receives that keep failing mostly mean there is no echo socket: the port
// was taken by another program when it was opened. Once a second the port
// is asked for again, so the live echo comes back by itself once it is free.
void wait_after_failure(Receiver &r) {
    platform::sleep_ms(idle_ms);
    if (++r.waits < waits_per_retry) return;
    r.waits = 0;
    recording::retry_echo_socket();
}

void receiver_thread(void *) {
    platform::set_current_priority(platform::Priority::highest);
    const RadarEchoFunc callback = echo_callback.load();
    Receiver &r = receiver;
    for (;;) {
        if (session::ended()) {
            platform::set_current_priority(platform::Priority::normal);
            close_slot(echo_slot.load());
            return;
        }
        const int length = obtain(r);
        // A change of source starts from a clean picture, except the last
        // datagram of a playback following the ones before it.
        if (r.mode != r.previous_mode) {
            if (!(r.previous_mode == mode_playback && r.mode == mode_playback_last)) clear_picture(r);
            r.previous_mode = r.mode;
        }
        if (length < 0) {
            // A socket that fails at once, pass after pass, must not make the
            // thread spin: from the second failure in a row, wait a little.
            if (r.failed_before) wait_after_failure(r);
            r.failed_before = true;
            continue;
        }
        r.failed_before = false;
        r.waits = 0;
        if (length == 0) continue;
        take_datagram(r.datagram, static_cast<std::size_t>(length), r.mode, callback);
    }
}

}  // namespace

bool take_datagram(const uint8_t *datagram, std::size_t length, uint16_t mode,
                   RadarEchoFunc callback) {
    // Every datagram is recorded, whether or not it can be decoded.
    const bool decodable = well_formed(datagram, length);
    const recording::Framed framed = recording::frame(datagram, length, decodable);
    recording::append(framed);
    if (!decodable) return false;
    decode(receiver, datagram, framed, mode, callback);
    return true;
}

}  // namespace radar::echo

using namespace radar::echo;

extern "C" {

RADAR_EXPORT int16_t RADAR_API OrvaneInitRadarEchoFunc(RadarEchoFunc callback) {
    // The echo side starts once; a second start would put two receivers on
    // the same buffers.
    if (echo_started.exchange(true)) return RADAR_OK;
    echo_callback.store(callback);
    const int slot = open_free_slot(echo_port);
    echo_slot.store(slot);
    start_ring();
    recording::start();
    // The threads run this library's code until the process ends: it must
    // stay loaded whatever the application unloads.
    radar::platform::pin_library();
    radar::platform::start_thread(&receiver_thread, nullptr);
    radar::platform::start_thread(&aging_thread, nullptr);
    // The threads start even without the port: playback works, and the
    // receiver asks for the port again until it gets it.
    return slot < 0 ? static_cast<int16_t>(slot) : RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneSetTrailTime(uint16_t seconds) { return set_trail_time(seconds); }

RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarEchoData(EchoLineRecord *record) {
    return record == nullptr ? 0 : fetch_line(*record);
}

}  // extern "C"
