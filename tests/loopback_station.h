// A radar station's command port on 127.0.0.1, and the small socket helpers
// the loopback tests share. Every wait is bounded by a deadline.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>

namespace loopback {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
inline constexpr auto kDeadline = 5s;

inline bool eventually(const std::function<bool()> &done) {
    const auto until = Clock::now() + kDeadline;
    while (!done()) {
        if (Clock::now() > until) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

inline bool readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 5) > 0;
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(Fd &&o) noexcept : fd_(std::exchange(o.fd_, -1)) {}
    Fd &operator=(Fd &&o) noexcept {
        std::swap(fd_, o.fd_);
        return *this;
    }
    ~Fd() { reset(); }
    void reset() {
        if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

// The radar station's command port.
class Station {
  public:
    Station() : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof sa;
        auto *addr = reinterpret_cast<sockaddr *>(&sa);
        if (::bind(fd_.get(), addr, len) == 0 && ::listen(fd_.get(), 4) == 0 &&
            ::getsockname(fd_.get(), addr, &len) == 0)
            port_ = ntohs(sa.sin_port);
    }
    uint16_t port() const { return port_; }
    void close() { fd_.reset(); }

    Fd accept_peer() {
        if (!eventually([&] { return readable(fd_.get()); })) return Fd{};
        Fd peer(::accept(fd_.get(), nullptr, nullptr));
        const int one = 1;  // so each write of a test leaves as its own segment
        ::setsockopt(peer.get(), IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        return peer;
    }

  private:
    Fd fd_;
    uint16_t port_ = 0;
};

inline bool send_all(int fd, const std::string &bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

inline std::string read_n(int fd, std::size_t n) {
    std::string got;
    const auto until = Clock::now() + kDeadline;
    while (got.size() < n && Clock::now() < until) {
        char buf[256];
        if (!readable(fd)) continue;
        const ssize_t r = ::recv(fd, buf, std::min(sizeof buf, n - got.size()), 0);
        if (r <= 0) break;
        got.append(buf, static_cast<std::size_t>(r));
    }
    return got;
}

// True once the other side has ended the connection.
inline bool sees_end(int fd) {
    return eventually([fd] {
        char buf[256];
        if (!readable(fd)) return false;
        const ssize_t r = ::recv(fd, buf, sizeof buf, 0);
        return r == 0 || (r < 0 && errno == ECONNRESET);
    });
}

// An open TCP socket: what a handle must stay, never a closed number.
inline bool is_tcp_socket(int fd) {
    int type = 0;
    socklen_t len = sizeof type;
    return ::getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &len) == 0 && type == SOCK_STREAM;
}

}  // namespace loopback

namespace loopback {

// Both ends of one TCP connection on loopback: `near` is the end the library
// sends on, `far` the end the test reads from.
struct Connection {
    Fd near, far;
};

inline Connection connect_pair() {
    Connection c;
    Station station;
    if (station.port() == 0) return c;
    c.near = Fd(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(station.port());
    if (::connect(c.near.get(), reinterpret_cast<sockaddr *>(&sa), sizeof sa) != 0) {
        c.near.reset();
        return c;
    }
    c.far = station.accept_peer();
    return c;
}

}  // namespace loopback
