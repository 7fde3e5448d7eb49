// The socket calls the tests make, the same on POSIX and on Windows: the
// headers, starting Windows Sockets, and the calls whose names, argument types
// or error reports differ. A socket travels as an int, as the library's
// handles do (Windows hands out SOCKET values that fit in 32 bits).
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>
#include <ws2tcpip.h>
// Old far and near pointer words, empty macros here: they would swallow
// names such as a connection's near and far ends.
#undef near
#undef far
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

#include <cstddef>
#include <cstdint>

namespace test_sockets {

constexpr int no_socket = -1;

#if defined(_WIN32)

using Native = SOCKET;
using Length = int;
using Buffer = char *;
using ConstBuffer = const char *;

// Windows Sockets must be started before the first call; once, before main,
// is enough. It is never cleaned up: the library's receiver may still wait on
// a socket when the program ends.
struct Startup {
    Startup() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
};
inline const Startup startup;

inline Native native(int handle) { return static_cast<Native>(static_cast<intptr_t>(handle)); }
inline int from_native(Native s) { return s == INVALID_SOCKET ? no_socket : static_cast<int>(s); }
inline void close_socket(int handle) { ::closesocket(native(handle)); }
constexpr int no_signal = 0;  // a send on a broken connection raises no signal here
inline int poll_one(int handle, short events, int ms) {
    WSAPOLLFD p{native(handle), events, 0};
    return ::WSAPoll(&p, 1, ms);
}
constexpr short readable_events = POLLRDNORM;
inline bool last_error_was_reset() { return ::WSAGetLastError() == WSAECONNRESET; }

#else

using Native = int;
using Length = socklen_t;
using Buffer = void *;
using ConstBuffer = const void *;

inline Native native(int handle) { return handle; }
inline int from_native(Native s) { return s < 0 ? no_socket : s; }
inline void close_socket(int handle) { ::close(handle); }
constexpr int no_signal = MSG_NOSIGNAL;
inline int poll_one(int handle, short events, int ms) {
    pollfd p{handle, events, 0};
    return ::poll(&p, 1, ms);
}
constexpr short readable_events = POLLIN;
inline bool last_error_was_reset() { return errno == ECONNRESET; }

#endif

inline int open_socket(int type) { return from_native(::socket(AF_INET, type, 0)); }

// True when `handle` has data, an end or an error to report within `ms`.
inline bool wait_readable(int handle, int ms) { return poll_one(handle, readable_events, ms) > 0; }

// One send, raising no signal: the byte count, or -1.
inline long send_some(int handle, const void *data, std::size_t size) {
    return static_cast<long>(
        ::send(native(handle), static_cast<ConstBuffer>(data), static_cast<int>(size), no_signal));
}

// One receive: the byte count, 0 at the peer's end, or -1.
inline long receive_some(int handle, void *buffer, std::size_t size) {
    return static_cast<long>(
        ::recv(native(handle), static_cast<Buffer>(buffer), static_cast<int>(size), 0));
}

inline long send_to(int handle, const void *data, std::size_t size, const sockaddr_in &to) {
    return static_cast<long>(::sendto(native(handle), static_cast<ConstBuffer>(data),
                                      static_cast<int>(size), 0,
                                      reinterpret_cast<const sockaddr *>(&to), sizeof to));
}

// One datagram and its sender: the byte count, or -1.
inline long receive_from(int handle, void *buffer, std::size_t size, sockaddr_in &from) {
    Length length = sizeof from;
    return static_cast<long>(::recvfrom(native(handle), static_cast<Buffer>(buffer),
                                        static_cast<int>(size), 0,
                                        reinterpret_cast<sockaddr *>(&from), &length));
}

// An IPv4 address and port; a null `dotted` is every local address.
inline sockaddr_in ipv4(const char *dotted, uint16_t port = 0) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_ANY);
    if (dotted != nullptr) ::inet_pton(AF_INET, dotted, &a.sin_addr);
    return a;
}

inline bool bind_to(int handle, const sockaddr_in &a) {
    return ::bind(native(handle), reinterpret_cast<const sockaddr *>(&a), sizeof a) == 0;
}

inline bool connect_to(int handle, const sockaddr_in &a) {
    return ::connect(native(handle), reinterpret_cast<const sockaddr *>(&a), sizeof a) == 0;
}

// The address a socket is bound to; port 0 when that cannot be read.
inline sockaddr_in bound_address(int handle) {
    sockaddr_in a{};
    Length length = sizeof a;
    if (::getsockname(native(handle), reinterpret_cast<sockaddr *>(&a), &length) != 0)
        a.sin_port = 0;
    return a;
}

inline bool set_option(int handle, int level, int name, int value) {
    return ::setsockopt(native(handle), level, name,
                        static_cast<ConstBuffer>(static_cast<const void *>(&value)),
                        sizeof value) == 0;
}

inline bool get_option(int handle, int level, int name, int &value) {
    Length length = sizeof value;
    return ::getsockopt(native(handle), level, name,
                        static_cast<Buffer>(static_cast<void *>(&value)), &length) == 0;
}

// Makes closing the socket end its connection with a reset.
inline bool reset_at_close(int handle) {
    const linger at_once{1, 0};
    return ::setsockopt(native(handle), SOL_SOCKET, SO_LINGER,
                        static_cast<ConstBuffer>(static_cast<const void *>(&at_once)),
                        sizeof at_once) == 0;
}

}  // namespace test_sockets
