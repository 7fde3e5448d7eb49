// Sockets, as far as the library needs them. A handle is the 32-bit value
// the network library hands over, or one of the library's own datagram
// sockets (a descriptor here, a SOCKET on Windows).
#pragma once

#include <cstddef>
#include <cstdint>

namespace radar::platform {

using SocketHandle = int32_t;

// "No socket": all bits set, like Windows Sockets' invalid-socket value.
constexpr SocketHandle no_socket = -1;

// Sends `size` bytes on `handle` in one call, without retrying. Returns the
// number of bytes the socket accepted, or -1 when the call failed. A peer that
// has gone away makes it fail; it never raises a signal.
int64_t send_bytes(SocketHandle handle, const void *data, std::size_t size);

// Starts the sockets layer, asking for version 1.1 where there is one to
// start. Its result is not examined.
void start_sockets();

// Opens an IPv4 datagram socket with broadcast allowed, bound to every local
// address at `port`. Blocking, no time-out. Returns false when creating,
// setting the option or binding failed (the socket is then closed again).
bool open_datagram_socket(uint16_t port, SocketHandle &handle);

// The receive queue a datagram socket asks for: over a second of the radar's
// echo stream at its usual rate.
constexpr int receive_queue_bytes = 1 << 20;

// Waits for one datagram and copies it into `buffer`. Returns its length, or
// -1 when the receive failed: the socket was closed or shut down, or the
// datagram was longer than `size` (its bytes are then gone, as with Windows
// Sockets). `sender` receives the sender's IPv4 address, most significant
// octet first.
int64_t receive_datagram(SocketHandle handle, void *buffer, std::size_t size, uint8_t (&sender)[4]);

// Stops the socket: a receive blocked on it on another thread returns with a
// failure, and every later receive fails at once. The handle stays allocated
// until close_socket.
void shut_socket(SocketHandle handle);

// Releases the handle; no receive may be using it any more.
void close_socket(SocketHandle handle);

}  // namespace radar::platform
