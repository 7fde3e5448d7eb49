#include "server.h"

#include <boost/asio/post.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <csignal>
#include <functional>
#include <memory>

#include "bridge.h"
#include "controls.h"
#include "meanings.h"
#include "radar.h"
#include "serve_limits.h"

namespace radarctl::serve {
namespace {

namespace net = boost::asio;
using tcp = net::ip::tcp;

// The network library's source status for a connected source.
constexpr int32_t source_connected = 2;

Frame text_frame(std::string text) { return std::make_shared<const std::string>(std::move(text)); }

// A restarted server binds its port again at once, and no other program may
// share it. SO_REUSEADDR gives both on POSIX systems; on Windows it would let
// another socket take the port over, and exclusive use is what refuses that
// (a listener binds there again at once anyway).
#ifdef _WIN32
using quick_rebind = net::detail::socket_option::boolean<SOL_SOCKET, SO_EXCLUSIVEADDRUSE>;
#else
using quick_rebind = net::socket_base::reuse_address;
#endif

}  // namespace

Server::Server(ServerOptions options) : options_(std::move(options)) {}

void Server::every(std::chrono::milliseconds period, std::function<void()> step) {
    Ticker &t = tickers_.emplace_back(Ticker{net::steady_timer(io_), period, std::move(step)});
    arm(t);
}

void Server::arm(Ticker &t) {
    t.timer.expires_after(t.period);
    t.timer.async_wait([this, &t](const boost::system::error_code &ec) {
        if (ec || ended_) return;
        t.step();
        arm(t);
    });
}

bool Server::listen(std::string &error) {
    boost::system::error_code ec;
    const auto address = net::ip::make_address(options_.address, ec);
    if (ec) {
        error = "\"" + options_.address + "\" is not an IP address";
        return false;
    }
    const tcp::endpoint endpoint{address, options_.port};
    acceptor_.open(endpoint.protocol(), ec);
    if (!ec) acceptor_.set_option(quick_rebind(true), ec);
    if (!ec) acceptor_.bind(endpoint, ec);
    if (!ec) acceptor_.listen(net::socket_base::max_listen_connections, ec);
    if (ec) {
        error = options_.address + ":" + std::to_string(options_.port) + ": " + ec.message();
        return false;
    }
    bound_port_ = acceptor_.local_endpoint().port();
    if (!options_.nmea_in.empty()) {
        nmea_ = std::make_unique<NmeaInput>(io_, options_.nmea_in, own_);
        if (!nmea_->start(error)) return false;
        context_.nmea = nmea_.get();
    }
    return true;
}

void Server::accept() {
    acceptor_.async_accept([this](boost::system::error_code ec, tcp::socket socket) {
        if (stopping_) return;
        if (!ec) {
            const tcp::endpoint peer = socket.remote_endpoint(ec);
            const Address address = client_address(peer.address());
            if (ec || !gate_.admit(address)) {
                socket.close(ec);
            } else {
                start_http_session(std::move(socket), context_, gate_.place(address));
            }
        }
        accept();
    });
}

// The lines go to the tracker, then to the clients; a change of the targets
// (a revolution, an acquisition) goes out once, after.
void Server::tick_batches() {
    uint32_t lines = 0;
    std::string frame = Bridge::instance().take_batch(lines, line_times_);
    targets_.lines(frame, line_times_);
    if (lines > 0) hub_.broadcast(std::make_shared<const std::string>(std::move(frame)), true, lines);
    targets_.step(std::chrono::steady_clock::now());
    if (targets_changed_) tell_targets();
}

void Server::tell_targets() {
    targets_changed_ = false;
    nlohmann::json event = targets_json(context_);
    event["type"] = "targets";
    hub_.broadcast(text_frame(event.dump()), false, 0);
}

void Server::tick_status() {
    hub_.send_status("{\"type\": \"status\", " + status_json(context_).substr(1));
    hub_.check_stuck();
}

// Echo is expected from a recording while it plays, and from a radar once it
// has been connected or heard: a radar that then falls silent, or whose
// link drops, leaves a picture that is no longer live.
void Server::watch_echo() {
    const Bridge &bridge = Bridge::instance();
    bool expected;
    if (options_.source == "playback") {
        expected = !bridge.playback_at_end();
    } else {
        if (OrvaneGetRadarSourceStatus() == source_connected || bridge.lines_received() > 0) radar_expected_ = true;
        // A radar on standby sends no echo, and none is missed; one that has
        // never said whether it transmits is taken to transmit.
        uint16_t power = 0;
        OrvaneGetRadarTxStby(&power);
        expected = radar_expected_ && (!power_announced_ || power == meaning::power_transmit);
    }
    const auto now = std::chrono::steady_clock::now();
    echo_.check(now, bridge.last_line(), expected);
    // A recording's range is its own; a live radar's is the one it announced.
    std::optional<uint16_t> radar_step;
    uint16_t step = 0, value = 0;
    if (options_.source != "playback" && range_announced_ && OrvaneGetRadarRange(&step, &value) == RADAR_OK)
        radar_step = step;
    const std::optional<uint16_t> other =
        radar_step ? bridge.other_scale_since(*radar_step, now - limits::range_gap) : std::nullopt;
    echo_.check_range(now, other, radar_step);
}

void Server::announce(int32_t code) {
    if (code == RADAR_CODE_TX_STANDBY) power_announced_ = true;
    if (code == RADAR_CODE_RANGE) range_announced_ = true;
    own_.radar_announced(code, std::chrono::steady_clock::now());
    if (code == RADAR_CODE_GUARD_ZONE) targets_.guard_zones_announced();
    // The picture's trails follow the radar's trail display.
    if (code == RADAR_CODE_TRAIL) {
        if (const uint16_t seconds = trail_seconds_announced(); seconds != trail_seconds_) {
            trail_seconds_ = seconds;
            OrvaneSetTrailTime(seconds);
        }
    }
    for (std::string &event : setting_events_for(code)) hub_.broadcast(text_frame(std::move(event)), false, 0);
}

void Server::run() {
    alarms_.on_event([this](std::string event) {
        if (!stopping_) hub_.broadcast(text_frame(std::move(event)), false, 0);
    });
    targets_.on_change([this] { targets_changed_ = true; });
    Bridge::instance().on_codes([this] {
        net::post(io_, [this] {
            for (int32_t code : Bridge::instance().take_codes()) announce(code);
        });
    });
    accept();
    every(std::chrono::duration_cast<std::chrono::milliseconds>(limits::batch_period),
          [this] { if (!stopping_) tick_batches(); });
    every(std::chrono::duration_cast<std::chrono::milliseconds>(limits::status_period),
          [this] { if (!stopping_) tick_status(); });
    every(std::chrono::duration_cast<std::chrono::milliseconds>(limits::watch_period),
          [this] { if (!stopping_) watch_echo(); });
    net::signal_set signals(io_, SIGINT, SIGTERM);
#ifdef SIGBREAK
    signals.add(SIGBREAK);  // Ctrl-Break in a Windows console; Ctrl-C is SIGINT there too
#endif
    signals.async_wait([this](const boost::system::error_code &, int) {
        stopping_ = true;
        boost::system::error_code ignored;
        acceptor_.close(ignored);
        if (nmea_) nmea_->stop();
        hub_.close_all();
        // Done once every WebSocket has closed; whatever is still open after
        // a moment (an idle keep-alive connection, a client that does not
        // answer the close) is let go.
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        every(std::chrono::milliseconds(20), [this, give_up] {
            if (hub_.clients() == 0 || std::chrono::steady_clock::now() > give_up) {
                ended_ = true;
                io_.stop();
            }
        });
    });
    io_.run();
    Bridge::instance().on_codes(nullptr);
}

}  // namespace radarctl::serve
