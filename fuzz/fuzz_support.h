// What the fuzz targets share: the check that turns a broken expectation into
// a crash libFuzzer reports, and the reply socket, a connected pair of Unix
// stream sockets whose far end the target reads and empties after each input.
#pragma once

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// An expectation of the library that an input broke: reported, then a crash.
#define FUZZ_CHECK(condition)                                                           \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: expectation failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                                   \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

namespace fuzz {

// Both ends non-blocking: a full buffer fails the library's send instead of
// stopping the target, and reading the far end never waits.
struct ReplySocket {
    int near = -1;  // the handle the library sends on
    int far = -1;   // the end the target reads

    bool open() {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return false;
        near = ends[0];
        far = ends[1];
        return ::fcntl(near, F_SETFL, O_NONBLOCK) == 0 && ::fcntl(far, F_SETFL, O_NONBLOCK) == 0;
    }

    // Reads whatever has arrived, up to `size` bytes; the rest is dropped.
    std::size_t drain(char *into, std::size_t size) const {
        std::size_t have = 0;
        char spill[4096];
        for (;;) {
            char *to = have < size ? into + have : spill;
            const std::size_t room = have < size ? size - have : sizeof spill;
            const ssize_t got = ::recv(far, to, room, 0);
            if (got <= 0) break;
            if (have < size) have += static_cast<std::size_t>(got);
        }
        return have;
    }
};

constexpr char kind_letters[] = "SRNXEO";

inline bool upper_hex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
inline int hex_value(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// One sentence as the library sends it: "$", a kind letter, two upper-case
// hexadecimal digits of the command code, the data, CR LF, and a zero byte
// that is not part of `text`. The longest is 66 characters.
inline bool well_formed_sentence(const char *text, std::size_t length, int &code, char &kind) {
    if (length < 6 || length > 66 || text[0] != '$') return false;
    if (text[1] == '\0' || std::strchr(kind_letters, text[1]) == nullptr) return false;
    if (!upper_hex(text[2]) || !upper_hex(text[3])) return false;
    if (text[length - 2] != '\r' || text[length - 1] != '\n') return false;
    for (std::size_t i = 4; i + 2 < length; ++i) {
        const char c = text[i];
        if (!(c == ',' || c == '.' || c == '-' || (c >= '0' && c <= '9'))) return false;
    }
    // The bare form has no data at all; the data form starts with a comma.
    if (length > 6 && text[4] != ',') return false;
    kind = text[1];
    code = hex_value(text[2]) * 16 + hex_value(text[3]);
    return true;
}

}  // namespace fuzz
