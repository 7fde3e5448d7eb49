// socket_win32.cpp - socket_io.h on Windows (Windows Sockets).
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

#include "socket_io.h"

namespace orvane::sock {
namespace {

SOCKET as_socket(Fd fd) { return static_cast<SOCKET>(static_cast<intptr_t>(fd)); }

// Windows Sockets must be started before the first call; once is enough.
void start() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}

Fd new_tcp() {
    start();
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, 0);
    return s == INVALID_SOCKET ? kNoFd : static_cast<Fd>(s);
}

bool set_nonblocking(Fd fd, bool on) {
    u_long mode = on ? 1 : 0;
    return ioctlsocket(as_socket(fd), FIONBIO, &mode) == 0;
}

Wait wait_for(Fd fd, short events, int ms) {
    WSAPOLLFD p{as_socket(fd), events, 0};
    const int r = WSAPoll(&p, 1, ms);
    if (r > 0) return Wait::ready;
    return r == 0 ? Wait::timeout : Wait::failed;
}

}  // namespace

bool parse_ipv4(const char *text, uint8_t out[4]) {
    start();
    in_addr addr{};
    if (text == nullptr || ::inet_pton(AF_INET, text, &addr) != 1) return false;
    std::memcpy(out, &addr.s_addr, 4);  // network order: first octet first
    return true;
}

Fd open_idle() { return new_tcp(); }

Fd begin_connect(const uint8_t ip[4], uint16_t port) {
    const Fd fd = new_tcp();
    if (fd == kNoFd) return kNoFd;
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    std::memcpy(&sa.sin_addr.s_addr, ip, 4);
    if (set_nonblocking(fd, true) &&
        (::connect(as_socket(fd), reinterpret_cast<const sockaddr *>(&sa), sizeof sa) == 0 ||
         WSAGetLastError() == WSAEWOULDBLOCK))
        return fd;
    closesocket(as_socket(fd));
    return kNoFd;
}

Wait finish_connect(Fd fd, int ms) {
    // A refused connect shows as an error event, not as writable.
    WSAPOLLFD p{as_socket(fd), POLLWRNORM, 0};
    const int r = WSAPoll(&p, 1, ms);
    if (r == 0) return Wait::timeout;
    if (r < 0 || (p.revents & (POLLERR | POLLHUP)) != 0) return Wait::failed;
    int err = 0;
    int len = sizeof err;
    if (::getsockopt(as_socket(fd), SOL_SOCKET, SO_ERROR, reinterpret_cast<char *>(&err), &len) != 0 || err != 0)
        return Wait::failed;
    return Wait::ready;
}

// Sockets cannot be moved onto another value here: the new connection becomes
// the handle, and the earlier (idle or retired) socket is closed.
Fd adopt(Fd stable, Fd fresh) {
    if (!set_nonblocking(fresh, false)) {
        closesocket(as_socket(fresh));
        return kNoFd;
    }
    if (stable != kNoFd) closesocket(as_socket(stable));
    return fresh;
}

void retire(Fd stable) {
    if (stable != kNoFd) ::shutdown(as_socket(stable), SD_BOTH);
}

Wait wait_readable(Fd fd, int ms) { return wait_for(fd, POLLRDNORM, ms); }

long receive(Fd fd, char *buffer, std::size_t size) {
    // The socket is in blocking mode (see adopt): read only what poll saw.
    u_long waiting = 0;
    if (ioctlsocket(as_socket(fd), FIONREAD, &waiting) != 0) return -1;
    const int want = waiting == 0 ? 1 : static_cast<int>(waiting < size ? waiting : size);
    const int n = ::recv(as_socket(fd), buffer, want, 0);
    if (n >= 0) return n;
    return WSAGetLastError() == WSAEWOULDBLOCK ? kNothingYet : -1;
}

void close_fd(Fd fd) {
    if (fd != kNoFd) closesocket(as_socket(fd));
}

}  // namespace orvane::sock
