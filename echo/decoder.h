// The echo datagram: a header and up to 255 lines, each line a sweep at one
// bearing given as changes against the line before.
//
//   offset 0   8 bytes   kept and recorded as they are
//   offset 8   2 bytes   bits 0-9: word count (the datagram is 10 + 2 x words
//                        long); read only by the playback reader
//   offset 10  1 byte    line count
//   offset 11  1 byte    bits 0-3: header nibble
//   offset 12  2 bytes   bits 0-9: sample count; bits 10-15: scale code
//   offset 14            the lines
// Two-byte fields are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

#include "trails.h"

namespace radar::echo {

constexpr std::size_t datagram_capacity = 1024;
constexpr std::size_t header_size = 14;

struct DatagramHeader {
    uint8_t line_count;
    uint8_t nibble;
    uint16_t sample_count;
    uint8_t scale_code;
};

struct LineHeader {
    uint16_t sweep;           // 0..8191
    uint16_t bearing_offset;  // 0..8191
    uint8_t line_flag;        // 0 or 1
    bool changes;             // the line carries a change mask and levels
};

DatagramHeader read_header(const uint8_t *datagram);
LineHeader read_line_header(const uint8_t *line);

// True when the whole datagram can be decoded inside its `length` bytes: a
// full header, at most 512 samples a line, and every line ending within the
// received bytes. The word count is not read: bytes after the last line (a
// pad byte, say) are left alone. Anything else is dropped whole, before any
// of its lines is delivered.
bool well_formed(const uint8_t *datagram, std::size_t length);

// Applies one line's changes to the line buffer and returns the offset of the
// next line. `offset` is where the line starts; the datagram is well formed.
std::size_t apply_line(const uint8_t *datagram, std::size_t offset, const LineHeader &header,
                       uint16_t sample_count, uint8_t (&line)[line_samples]);

// One line's changes as the decode kernels take them: a mask of `mask` bytes,
// the level nibbles after it, and the line buffer they change. A kernel
// returns how many samples were marked, and reads no byte past the levels.
struct Changes {
    const uint8_t *bits;
    const uint8_t *levels;
    std::size_t mask;
    uint8_t *line;
};
struct DecodeKernel {
    const char *name;
    std::size_t (*run)(const Changes &);
};

// The decode kernels this processor runs, the scalar reference first;
// apply_line uses the last.
std::size_t decode_kernels(const DecodeKernel *(&out)[4]);

}  // namespace radar::echo
