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

// Opens the echo socket again when it is missing while the stream is live:
// the port was taken by another program when the echo side started or when
// playback ended. Does nothing during playback (the socket stays closed then)
// or when the socket is open. The receiver calls it about once a second
// while its receives fail.
void retry_echo_socket();

// A live pass forgets the playback look-ahead, so the next playback starts at
// the first byte of its file.
void forget_look_ahead();

// A datagram as a recording file holds it.
struct Framed {
    const uint8_t *bytes;
    std::size_t length;  // 0: nothing to write
};

// How a datagram of `length` bytes is written to a recording. The reader
// finds each next datagram only through its word count, so a datagram is
// written as received when its word count gives its length, and otherwise
// as a copy whose word count does, bytes 0-7 and bits 10-15 of the count as
// received: an odd length is evened up with a zero byte (`decodable`: the
// lines end within the received bytes) or evened down by its last byte (not
// decodable: the byte added would let playback decode lines that the live
// picture never showed); one shorter than 10 bytes is filled with zeros to
// 10. Played back, a framed datagram decodes to the same lines as received.
// The copy lives in a buffer of the receiver's own, valid until the next
// call.
Framed frame(const uint8_t *datagram, std::size_t length, bool decodable);

// Appends the datagram to the recording file when a recording runs.
void append(const Framed &datagram);

// The one-revolution recording's step for one line of the current datagram.
void one_screen_step(uint16_t sweep, const Framed &datagram);

}  // namespace radar::echo::recording
