// socket_io.h - the few socket operations the connection needs.
//
// One implementation per platform (socket_posix.cpp, socket_win32.cpp); nothing else in the
// library calls the operating system's socket interface.
#ifndef ORVANE_SOCKET_IO_H
#define ORVANE_SOCKET_IO_H

#include <cstddef>
#include <cstdint>

namespace orvane::sock {

using Fd = int32_t;
constexpr Fd kNoFd = -1;

enum class Wait { ready, timeout, failed };

// Parses dotted IPv4 text into four octets, most significant first.
bool parse_ipv4(const char *text, uint8_t out[4]);

// A TCP socket that is not connected: every send on it fails. Its number is
// never one of the standard streams (0..2). kNoFd on failure.
Fd open_idle();

// Starts a non-blocking connect; kNoFd when it fails at once.
Fd begin_connect(const uint8_t ip[4], uint16_t port);

// Waits up to `ms` for a connect begun by begin_connect to finish.
Wait finish_connect(Fd fd, int ms);

// Makes the connection of `fresh` the handle's, in blocking mode so sends on
// the handle behave as on any plain socket, and returns the handle to use
// from now on (kNoFd on failure). Where descriptors can be moved (POSIX) the
// connection moves onto the number `stable` and the handle never changes;
// elsewhere (Windows) `fresh` becomes the handle and `stable` is closed.
Fd adopt(Fd stable, Fd fresh);

// Ends the connection on `stable`. On POSIX an idle socket of ours takes its
// number, so a kept copy of the handle can never reach someone else's file;
// on Windows the socket is shut down and stays open until the next adopt.
void retire(Fd stable);

// Waits up to `ms` until `fd` has data, an end or an error to report.
Wait wait_readable(Fd fd, int ms);

// Reads what is there without blocking: the byte count, 0 when the peer has
// closed, kNothingYet when nothing is waiting, -1 on error.
constexpr long kNothingYet = -2;
long receive(Fd fd, char *buffer, std::size_t size);

void close_fd(Fd fd);

}  // namespace orvane::sock

#endif
