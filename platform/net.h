// Sockets, as far as the library needs them. The handle is the 32-bit value
// the network library hands over (a descriptor here, a SOCKET on Windows).
#pragma once

#include <cstddef>
#include <cstdint>

namespace radar::platform {

using SocketHandle = int32_t;

// Sends `size` bytes on `handle` in one call, without retrying. Returns the
// number of bytes the socket accepted, or -1 when the call failed. A peer that
// has gone away makes it fail; it never raises a signal.
int64_t send_bytes(SocketHandle handle, const void *data, std::size_t size);

}  // namespace radar::platform
