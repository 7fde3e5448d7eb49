// connection.cpp - the connection thread: connect, read, cut, deliver, retry.
//
// The conversion callback receives the address of an int32_t holding the
// connection's descriptor, and the radar library keeps that handle to send
// answers from other threads. A closed number could be reused by the system
// for an unrelated file, so where the system allows it (POSIX) the handle is
// one number allocated once: each new connection is moved onto it, and a lost
// one is replaced by an idle socket of ours on which every send fails.
#include <chrono>
#include <optional>
#include <thread>

#include "line_cutter.h"
#include "session.h"
#include "socket_io.h"

namespace orvane {
namespace {

// Waits are cut into slices so a change of source or a shutdown is noticed
// quickly; retries are spaced so a missing station is not hammered.
constexpr int kSliceMs = 20;
constexpr int kRetryMs = 150;
constexpr int kConnectLimitMs = 3000;

SessionState &g = g_session;

class Connection {
  public:
    explicit Connection(uint32_t session) : session_(session) {}

    void run() {
        while (alive()) {
            const std::optional<Station> station = target();
            if (!station) {
                publish(ORVANE_STATUS_UNKNOWN_STATION);
                pause();
                continue;
            }
            publish(ORVANE_STATUS_CONNECTING);
            const sock::Fd fresh = connect_to(*station);
            if (fresh == sock::kNoFd) {
                pause();
                continue;
            }
            if (!adopt(fresh)) {
                pause();
                continue;
            }
            serve();
            drop();
            pause();
        }
    }

  private:
    bool alive() const { return g.session.load() == session_; }
    bool current() const { return alive() && g.generation.load() == generation_; }

    // Status changes only for the source this thread is working on.
    void publish(int32_t status) {
        std::lock_guard lock(g.mu);
        if (current()) g.status.store(status);
    }

    // The source to connect to, looked up afresh on every attempt.
    std::optional<Station> target() {
        std::lock_guard lock(g.mu);
        generation_ = g.generation.load();
        return g.has_source ? find_station(g.source) : std::nullopt;
    }

    // Waits before the next attempt, unless the source changes meanwhile.
    void pause() const {
        for (int waited = 0; waited < kRetryMs && current(); waited += kSliceMs)
            std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    }

    sock::Fd connect_to(const Station &station) const {
        const sock::Fd fd = sock::begin_connect(station.ip, station.port);
        if (fd == sock::kNoFd) return fd;
        for (int waited = 0; waited < kConnectLimitMs && current(); waited += kSliceMs) {
            const sock::Wait w = sock::finish_connect(fd, kSliceMs);
            if (w == sock::Wait::ready) return fd;
            if (w == sock::Wait::failed) break;
        }
        sock::close_fd(fd);
        return sock::kNoFd;
    }

    // Moves the new connection onto the handle's number.
    bool adopt(sock::Fd fresh) {
        std::lock_guard lock(g.mu);
        if (current() && g.handle < 0) {
            g.handle = sock::open_idle();
            g.handle_given = g.handle;
        }
        if (!current() || g.handle < 0) {
            sock::close_fd(fresh);
            return false;
        }
        const sock::Fd handle = sock::adopt(g.handle, fresh);
        if (handle == sock::kNoFd) {
            sock::retire(g.handle);
            return false;
        }
        g.handle = handle;
        g.handle_given = handle;
        g.status.store(ORVANE_STATUS_CONNECTED);
        return true;
    }

    // Reads and delivers until the peer closes, an error, or a change.
    void serve() {
        cutter_.reset();
        pending_at_ = pending_size_ = 0;
        while (current()) {
            if (g.conv.load() == nullptr) {
                // Leave the bytes where they are until someone takes them.
                std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
                continue;
            }
            if (pending_size_ > 0) {
                deliver();
                continue;
            }
            const sock::Wait w = sock::wait_readable(g.handle, kSliceMs);
            if (w == sock::Wait::timeout) continue;
            if (w == sock::Wait::failed) return;
            const long n = sock::receive(g.handle, chunk_, sizeof chunk_);
            if (n == sock::kNothingYet) continue;
            if (n <= 0) return;
            pending_at_ = 0;
            pending_size_ = static_cast<std::size_t>(n);
        }
    }

    // Hands the read bytes to the callback, one message at a time. The
    // callback is fetched per message: when it is taken away, the rest waits.
    void deliver() {
        while (pending_size_ > 0 && current()) {
            const OrvaneConvFunc conv = g.conv.load();
            if (conv == nullptr) return;
            const std::size_t used = cutter_.take(chunk_ + pending_at_, pending_size_);
            pending_at_ += used;
            pending_size_ -= used;
            if (cutter_.ready() && current()) conv(cutter_.code(), cutter_.text(), &g.handle_given);
        }
    }

    void drop() {
        std::lock_guard lock(g.mu);
        if (!alive()) return;  // NetShutdown has already dealt with the handle
        sock::retire(g.handle);
        if (current()) g.status.store(ORVANE_STATUS_CONNECTING);
    }

    const uint32_t session_;
    uint32_t generation_ = 0;
    LineCutter cutter_;
    char chunk_[4096];
    std::size_t pending_at_ = 0;
    std::size_t pending_size_ = 0;
};

}  // namespace

void run_connection(uint32_t session) { Connection(session).run(); }

}  // namespace orvane
