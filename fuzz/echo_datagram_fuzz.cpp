// Echo datagrams as they arrive on the echo socket, through the receiver's
// own work on each (take_datagram): validation, the header, every line
// decoded against the line buffer, trails laid over it, the line record
// filled and delivered, the recording appended (every datagram, framed so
// that it plays back to the same lines).
//
// Input: the datagram's bytes. Bit 0 of byte 0, which the decoder keeps
// without reading, picks the delivery: the echo callback, or the ring
// (emptied after every datagram through OrvaneGetRadarEchoData).
#include <cstddef>
#include <cstdint>

#include "echo/decoder.h"
#include "echo/receiver.h"
#include "echo/recording.h"
#include "echo/ring.h"
#include "echo/trails.h"
#include "echo_checks.h"
#include "fuzz_support.h"
#include "radar.h"

namespace {

using namespace radar::echo;

constexpr uint16_t trail_seconds = 24;  // a trail cell shows level 8 + min(24 / 3, 7)
constexpr int ring_lines = 100;
constexpr unsigned rearm_every = 4096;  // inputs between one-revolution recordings

fuzz::EchoModel model;
fuzz::EchoModel recorded_model;  // the same datagrams as a recording holds them
int delivered;

void RADAR_CALLBACK on_line(EchoLineRecord *line) {
    FUZZ_CHECK(model.matches(*line, delivered));
    FUZZ_CHECK(recorded_model.matches(*line, delivered));
    ++delivered;
}

// A datagram as recorded keeps the file readable (its word count gives its
// length) and plays back to the lines it gave live.
bool recorded_alike(const uint8_t *data, std::size_t size, bool decodable) {
    const recording::Framed framed = recording::frame(data, size, decodable);
    if (size == 0 || size > datagram_capacity) return framed.length == 0;
    const std::size_t words = (framed.bytes[9] & 3u) * 256u + framed.bytes[8];
    if (framed.length != 10 + 2 * words || well_formed(framed.bytes, framed.length) != decodable)
        return false;
    if (decodable) recorded_model.take(framed.bytes, mode_live, true);
    return true;
}

bool start() {
    // The echo side as OrvaneInitRadarEchoFunc starts it, without its threads.
    start_ring();
    recording::start();
    // A recording runs throughout; its file takes every datagram and keeps none.
    return set_trail_time(trail_seconds) == RADAR_OK &&
           OrvaneRecStartRadarEcho("/dev/null") == RADAR_OK;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    static const bool started = start();
    static unsigned inputs = 0;
    FUZZ_CHECK(started);
    if (inputs++ % rearm_every == 0)
        FUZZ_CHECK(OrvaneRecStartRadarEchoOneScreen("/dev/null") == RADAR_OK);

    const bool to_ring = size > 0 && (data[0] & 1) != 0;
    const bool decodable = well_formed(data, size);
    if (decodable) model.take(data, mode_live, true);
    FUZZ_CHECK(recorded_alike(data, size, decodable));
    delivered = 0;
    const bool taken = take_datagram(data, size, mode_live, to_ring ? nullptr : &on_line);
    FUZZ_CHECK(taken == decodable);
    const int lines = decodable ? model.count() : 0;
    if (!to_ring) {
        FUZZ_CHECK(delivered == lines);
        return 0;
    }
    // The ring holds 100 lines: the 101st finds it full, empties it and is
    // dropped, and filling starts again. What waits is the datagram's last
    // lines % 101.
    const int waiting = lines % (ring_lines + 1);
    // The ring leaves the record's line flag as it was.
    EchoLineRecord record{};
    record.LineFlag = 7;
    int fetched = 0;
    for (int16_t left; (left = OrvaneGetRadarEchoData(&record)) > 0; ++fetched) {
        FUZZ_CHECK(left == waiting - fetched);
        FUZZ_CHECK(model.matches(record, lines - waiting + fetched, false) && record.LineFlag == 7);
    }
    FUZZ_CHECK(fetched == waiting);
    return 0;
}
