// A radar station's command port on 127.0.0.1, and the small socket helpers
// the loopback tests share. Every wait is bounded by a deadline.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "test_sockets.h"

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

inline bool readable(int fd) { return test_sockets::wait_readable(fd, 5); }

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
        if (fd_ >= 0) test_sockets::close_socket(std::exchange(fd_, -1));
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

// The radar station's command port.
class Station {
  public:
    Station() : fd_(test_sockets::open_socket(SOCK_STREAM)) {
        using namespace test_sockets;
        if (bind_to(fd_.get(), ipv4("127.0.0.1")) && ::listen(native(fd_.get()), 4) == 0)
            port_ = ntohs(bound_address(fd_.get()).sin_port);
    }
    uint16_t port() const { return port_; }
    void close() { fd_.reset(); }

    Fd accept_peer() {
        if (!eventually([&] { return readable(fd_.get()); })) return Fd{};
        using namespace test_sockets;
        Fd peer(from_native(::accept(native(fd_.get()), nullptr, nullptr)));
        // So each write of a test leaves as its own segment.
        set_option(peer.get(), IPPROTO_TCP, TCP_NODELAY, 1);
        return peer;
    }

  private:
    Fd fd_;
    uint16_t port_ = 0;
};

inline bool send_all(int fd, const std::string &bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const long n = test_sockets::send_some(fd, bytes.data() + done, bytes.size() - done);
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
        const long r = test_sockets::receive_some(fd, buf, std::min(sizeof buf, n - got.size()));
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
        const long r = test_sockets::receive_some(fd, buf, sizeof buf);
        return r == 0 || (r < 0 && test_sockets::last_error_was_reset());
    });
}

// An open TCP socket: what a handle must stay, never a closed number.
inline bool is_tcp_socket(int fd) {
    int type = 0;
    return test_sockets::get_option(fd, SOL_SOCKET, SO_TYPE, type) && type == SOCK_STREAM;
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
    c.near = Fd(test_sockets::open_socket(SOCK_STREAM));
    if (!test_sockets::connect_to(c.near.get(), test_sockets::ipv4("127.0.0.1", station.port()))) {
        c.near.reset();
        return c;
    }
    c.far = station.accept_peer();
    return c;
}

}  // namespace loopback
