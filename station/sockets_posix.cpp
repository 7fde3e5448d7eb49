// The station's sockets on POSIX systems.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "sockets.h"

namespace radarctl::sockets {
namespace {

int fd(Socket s) { return static_cast<int>(s); }

sockaddr_in to_sockaddr(const Endpoint &e) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(e.port);
    std::memcpy(&a.sin_addr.s_addr, e.address, 4);  // network order: first octet first
    return a;
}

bool retry(int error) { return error == EINTR || error == EAGAIN || error == EWOULDBLOCK; }

}  // namespace

bool to_endpoint(const std::string &text, uint16_t port, Endpoint &out) {
    in_addr address{};
    if (inet_pton(AF_INET, text.c_str(), &address) != 1) return false;
    std::memcpy(out.address, &address.s_addr, 4);
    out.port = port;
    return true;
}

bool start() { return true; }

Socket listen_at(const Endpoint &at, int backlog) {
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return no_socket;
    const int on = 1;
    const sockaddr_in a = to_sockaddr(at);
    // A station restarted on its fixed port must not wait out the last run's
    // closed connections; a port another program listens on stays refused.
    if (setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        bind(s, reinterpret_cast<const sockaddr *>(&a), sizeof a) != 0 || listen(s, backlog) != 0) {
        ::close(s);
        return no_socket;
    }
    return s;
}

Socket accept_from(Socket listener) {
    const int s = accept4(fd(listener), nullptr, nullptr, SOCK_CLOEXEC);
    if (s < 0) return no_socket;
    const int on = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return s;
}

Socket open_datagram(const Endpoint &at) {
    const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (s < 0) return no_socket;
    const sockaddr_in a = to_sockaddr(at);
    if (bind(s, reinterpret_cast<const sockaddr *>(&a), sizeof a) != 0) {
        ::close(s);
        return no_socket;
    }
    return s;
}

bool local_endpoint(Socket s, Endpoint &out) {
    sockaddr_in a{};
    socklen_t size = sizeof a;
    if (getsockname(fd(s), reinterpret_cast<sockaddr *>(&a), &size) != 0 || a.sin_family != AF_INET)
        return false;
    std::memcpy(out.address, &a.sin_addr.s_addr, 4);
    out.port = ntohs(a.sin_port);
    return true;
}

bool connect_to(Socket s, const Endpoint &peer) {
    const sockaddr_in a = to_sockaddr(peer);
    return ::connect(fd(s), reinterpret_cast<const sockaddr *>(&a), sizeof a) == 0;
}

long receive(Socket s, void *buffer, std::size_t size) {
    const ssize_t n = ::recv(fd(s), buffer, size, 0);
    if (n >= 0) return static_cast<long>(n);
    return retry(errno) ? again : failed;
}

long send_some(Socket s, const void *data, std::size_t size) {
    const ssize_t n = ::send(fd(s), data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n >= 0) return static_cast<long>(n);
    return retry(errno) ? again : failed;
}

long send_datagram(Socket s, const void *data, std::size_t size, const Endpoint &to) {
    const sockaddr_in a = to_sockaddr(to);
    const ssize_t n =
        ::sendto(fd(s), data, size, MSG_NOSIGNAL, reinterpret_cast<const sockaddr *>(&a), sizeof a);
    return n < 0 ? failed : static_cast<long>(n);
}

bool wait(Watch *watches, std::size_t count, int timeout_ms) {
    if (count > most_watched) return false;
    pollfd fds[most_watched];
    for (std::size_t i = 0; i < count; ++i) {
        fds[i] = {fd(watches[i].socket),
                  static_cast<short>(watches[i].for_writing ? POLLOUT : POLLIN), 0};
        watches[i].ready = false;
    }
    if (::poll(fds, count, timeout_ms) < 0) return errno == EINTR;
    for (std::size_t i = 0; i < count; ++i) watches[i].ready = fds[i].revents != 0;
    return true;
}

void close(Socket &s) {
    if (s >= 0) ::close(fd(s));
    s = no_socket;
}

}  // namespace radarctl::sockets
