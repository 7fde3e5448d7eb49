// The echo receiver: one thread that obtains a datagram per pass, decodes its
// lines against the persistent line buffer, lays trails over them and hands
// each to the application.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "radar.h"

namespace radar::echo {

constexpr uint16_t echo_port = 10024;

// Where a line came from, as its record's Mode says.
constexpr uint16_t mode_live = 1;
constexpr uint16_t mode_playback = 2;
constexpr uint16_t mode_playback_last = 3;  // the last datagram of a playback file

// The slot of the echo socket (a negative status when it could not be
// opened). Replaced when playback ends; read at every receive.
extern std::atomic<int> echo_slot;

// The receiver's work on one datagram it has obtained, `length` bytes from
// the echo socket or the playback file, whose lines carry `mode`. It is
// appended to a running recording (framed so that the file stays readable).
// A datagram that cannot be decoded whole is then dropped (false).
// Otherwise a new header clears the picture, and each line is decoded
// against the line buffer, overlaid with trails while they are on and
// delivered to `callback`, or stored in the ring when it is null.
// Receiver thread only: it owns the line buffer. (The fuzz targets call it
// in place of the thread, which is then never started.)
bool take_datagram(const uint8_t *datagram, std::size_t length, uint16_t mode,
                   RadarEchoFunc callback);

}  // namespace radar::echo
