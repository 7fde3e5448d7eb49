// socket_posix.cpp - socket_io.h on POSIX systems.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "socket_io.h"

namespace orvane::sock {
namespace {

// Keeps our descriptors off 0..2: a handle of 0 reads as "none" to callers,
// and a socket on 1 or 2 would swallow the process's output.
int off_std_streams(int fd) {
    if (fd < 0 || fd > 2) return fd;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    ::close(fd);
    return moved;
}

int new_tcp() { return off_std_streams(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)); }

bool set_nonblocking(int fd, bool on) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0) return false;
    const int wanted = on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
    return wanted == flags || ::fcntl(fd, F_SETFL, wanted) == 0;
}

// Puts the file of `from` on the number `to`, keeping close-on-exec.
bool move_onto(int from, int to) {
#if defined(__linux__)
    return ::dup3(from, to, O_CLOEXEC) == to;
#else
    if (::dup2(from, to) != to) return false;
    ::fcntl(to, F_SETFD, FD_CLOEXEC);
    return true;
#endif
}

Wait wait_for(int fd, short events, int ms) {
    pollfd p{fd, events, 0};
    const int r = ::poll(&p, 1, ms);
    if (r > 0) return Wait::ready;
    return (r == 0 || errno == EINTR) ? Wait::timeout : Wait::failed;
}

}  // namespace

bool parse_ipv4(const char *text, uint8_t out[4]) {
    in_addr addr{};
    if (text == nullptr || ::inet_pton(AF_INET, text, &addr) != 1) return false;
    std::memcpy(out, &addr.s_addr, 4);  // network order: first octet first
    return true;
}

Fd open_idle() { return new_tcp(); }

Fd begin_connect(const uint8_t ip[4], uint16_t port) {
    const int fd = new_tcp();
    if (fd < 0) return kNoFd;
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    std::memcpy(&sa.sin_addr.s_addr, ip, 4);
    if (set_nonblocking(fd, true) &&
        (::connect(fd, reinterpret_cast<const sockaddr *>(&sa), sizeof sa) == 0 ||
         errno == EINPROGRESS || errno == EINTR))
        return fd;
    ::close(fd);
    return kNoFd;
}

Wait finish_connect(Fd fd, int ms) {
    const Wait w = wait_for(fd, POLLOUT, ms);
    if (w != Wait::ready) return w;
    int err = 0;
    socklen_t len = sizeof err;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0 || err != 0) return Wait::failed;
    return Wait::ready;
}

Fd adopt(Fd stable, Fd fresh) {
    const bool ok = set_nonblocking(fresh, false) && move_onto(fresh, stable);
    ::close(fresh);
    return ok ? stable : kNoFd;
}

void retire(Fd stable) {
    if (stable < 0) return;
    // Shutting down first wakes any thread blocked in send or poll on it and
    // makes sends fail even if no idle socket can be had below.
    ::shutdown(stable, SHUT_RDWR);
    const int idle = new_tcp();
    if (idle >= 0) {
        move_onto(idle, stable);
        ::close(idle);
    }
}

Wait wait_readable(Fd fd, int ms) { return wait_for(fd, POLLIN, ms); }

long receive(Fd fd, char *buffer, std::size_t size) {
    const ssize_t n = ::recv(fd, buffer, size, MSG_DONTWAIT);
    if (n >= 0) return static_cast<long>(n);
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return kNothingYet;
    return -1;
}

void close_fd(Fd fd) {
    if (fd >= 0) ::close(fd);
}

}  // namespace orvane::sock
