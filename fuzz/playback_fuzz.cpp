// Playback files: the playback read (read_datagram, the reader behind the
// receiver's read_playback) on a file of arbitrary bytes, datagram after
// datagram, carrying the look-ahead byte from one read to the next as
// read_playback does, until the file can yield no more. What it yields is
// checked against the file itself: every datagram is the file's next bytes
// as they are, as long as its word count says; the last one is flagged
// exactly when the file ends right after it; a file that cannot yield a
// whole datagram (too short, or a word count beyond the receive buffer)
// yields nothing more. The datagrams themselves go through the receiver's
// decoding in the echo datagram target.
//
// Input: the file's bytes.
#include <stdio.h>  // fmemopen

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "echo/decoder.h"
#include "echo/recording.h"
#include "fuzz_support.h"

namespace {

using namespace radar::echo;

// Whether the file's bytes from `at` on hold another whole datagram, judged
// from its header alone, and how long it is.
bool whole_datagram_at(const uint8_t *data, std::size_t size, std::size_t at, std::size_t &length) {
    if (size - at < 10) return false;
    length = 10 + 2 * ((data[at + 9] & 3u) * 256u + data[at + 8]);
    return length <= datagram_capacity && length <= size - at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    // The file as a read-only stream over the input itself (an empty input
    // is an empty file): the reader's calls are the same as on a disk file.
    static uint8_t nothing[1];
    std::FILE *file = ::fmemopen(size == 0 ? nothing : const_cast<uint8_t *>(data), size, "rb");
    FUZZ_CHECK(file != nullptr);

    // The receive buffer, exactly as large as the receiver's.
    uint8_t buffer[datagram_capacity];
    int ahead = recording::no_look_ahead;
    std::size_t at = 0;  // where the next datagram starts in the file
    for (;;) {
        std::size_t expected = 0;
        const bool whole = whole_datagram_at(data, size, at, expected);
        const std::size_t length = recording::read_datagram(file, buffer, ahead);
        FUZZ_CHECK(length == (whole ? expected : 0));
        if (length == 0) break;
        FUZZ_CHECK(std::memcmp(buffer, data + at, length) == 0);
        at += length;
        // One byte is read ahead: the datagram is the last exactly when the
        // file ends with it.
        FUZZ_CHECK((ahead == recording::no_look_ahead) == (at == size));
        if (ahead == recording::no_look_ahead) break;
        FUZZ_CHECK(ahead == data[at]);
    }
    std::fclose(file);
    return 0;
}
