// What the receiver asks of recording and playback, pass by pass: where this
// pass's datagram comes from, the playback read, the recording append and the
// one-revolution step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "decoder.h"

namespace radar::echo::recording {

enum class Source : uint8_t {
    live,     // the echo socket
    playing,  // the playback file
    ended,    // the playback file is exhausted; nothing to read
};

// Makes the file lock ready; called once when the echo side starts.
void start();

Source source();

// Reads the next datagram of the playback file into `buffer`. Returns its
// length and sets `mode` to 2, or 3 when it is the file's last; 0 when there
// was nothing to read after all.
std::size_t read_playback(uint8_t (&buffer)[datagram_capacity], uint16_t &mode);

constexpr int no_look_ahead = -1;

// The playback read itself, on the open file `from`. `ahead` is the byte read
// after the datagram before (0..255), which the next datagram starts with, or
// no_look_ahead. Reads the next whole datagram (found through its word
// count) into `buffer` and returns its length, with `ahead` set to the byte
// after it, or no_look_ahead when the file ends right there: that datagram
// is the file's last. Returns 0 when the file cannot yield another whole
// datagram. The caller holds the file lock when the file is shared.
std::size_t read_datagram(std::FILE *from, uint8_t (&buffer)[datagram_capacity], int &ahead);

// A live pass forgets the playback look-ahead, so the next playback starts at
// the first byte of its file.
void forget_look_ahead();

// Appends the datagram to the recording file when a recording runs.
void append(const uint8_t *datagram, std::size_t length);

// The one-revolution recording's step for one line of the current datagram.
void one_screen_step(uint16_t sweep, const uint8_t *datagram, std::size_t length);

}  // namespace radar::echo::recording
