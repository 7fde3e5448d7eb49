// radarctl serve's HTTP and WebSocket server: one thread runs every socket,
// timer and JSON answer; the library's callbacks only hand over (bridge.h).
#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "alarms.h"
#include "echo_watch.h"
#include "gate.h"
#include "hub.h"
#include "nmea_in.h"
#include "own_ship.h"
#include "targets.h"
#include "tries.h"

namespace radarctl::serve {

namespace http = boost::beast::http;
using Request = http::request<http::string_body>;
using Response = http::response<http::string_body>;

struct ServerOptions {
    std::string address = "127.0.0.1";
    uint16_t port = 8080;
    std::string token;
    std::string source;  // "sim", "station" or "playback"
    std::string nmea_in;  // "udp://ADDR:PORT" or "tcp://HOST:PORT"; empty: none
    TrackingOptions tracking;
};

// What the API answers from (api.cpp).
struct Context {
    const ServerOptions &options;
    Hub &hub;
    Gate &gate;
    Tries &tries;
    Alarms &alarms;
    EchoWatch &echo;
    OwnShip &own;
    Targets &targets;
    const NmeaInput *nmea;  // null without --nmea-in
};
// The answer to a request from a client at `peer`.
Response answer(const Request &request, Context &context, const Address &peer);
// An error answer, {"error": why}, with the headers every answer carries.
Response error_response(http::status status, unsigned version, bool keep_alive, const std::string &why);
// A request target without its query ("/ws?x=1" is "/ws").
std::string_view path_of(std::string_view target);
std::string status_json(Context &context);
// GET /api/targets: own ship, the limits and the targets.
nlohmann::json targets_json(Context &context);
// Every group's current values as setting events, one text frame each.
std::vector<std::string> setting_events();
// The events for the groups an announcement with `code` changed.
std::vector<std::string> setting_events_for(int32_t code);

class Server {
  public:
    explicit Server(ServerOptions options);
    // Binds; false (with `error` set) when the address cannot be had.
    bool listen(std::string &error);
    uint16_t port() const { return bound_port_; }
    // Serves until SIGINT or SIGTERM (on Windows Ctrl-C or Ctrl-Break), then
    // closes every client.
    void run();

  private:
    void accept();
    void tick_batches();
    void tick_status();
    void watch_echo();
    void announce(int32_t code);
    void tell_targets();

    ServerOptions options_;
    // What the sessions use: declared before io_, so that the sessions its
    // handlers still hold when it goes find them all there.
    Hub hub_;
    Gate gate_;
    Tries tries_;
    Alarms alarms_;
    EchoWatch echo_{alarms_, options_.source == "playback"};
    // Time 0 of the tracker: lines and own ship's samples are timed from it.
    std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
    OwnShip own_{!options_.nmea_in.empty(), epoch_};
    Targets targets_{alarms_, own_, epoch_, options_.tracking};
    Context context_{options_, hub_, gate_, tries_, alarms_, echo_, own_, targets_, nullptr};
    std::vector<int64_t> line_times_;
    bool targets_changed_ = false;
    bool radar_expected_ = false;  // the radar has been connected or heard: its echo is expected
    bool power_announced_ = false;  // the radar has said whether it transmits
    bool range_announced_ = false;  // the radar has said what range it gives
    int trail_seconds_ = -1;  // the trail time the radar's trail display last set; none yet
    boost::asio::io_context io_{1};
    boost::asio::ip::tcp::acceptor acceptor_{io_};
    // Its socket and timer are io_'s: declared after it, so they go first.
    std::unique_ptr<NmeaInput> nmea_;
    uint16_t bound_port_ = 0;
    // Timers that run a step every period, held here (no cycle of shared
    // pointers) until the server ends.
    struct Ticker {
        boost::asio::steady_timer timer;
        std::chrono::milliseconds period;
        std::function<void()> step;
    };
    void every(std::chrono::milliseconds period, std::function<void()> step);
    void arm(Ticker &ticker);
    std::list<Ticker> tickers_;  // after io_: cancelled before the context goes
    bool stopping_ = false;  // no more clients or batches
    bool ended_ = false;     // the clients have closed, or the wait for them is over
};

// Sessions (sessions.cpp).
void start_http_session(boost::asio::ip::tcp::socket socket, Context &context, std::unique_ptr<Place> place);

}  // namespace radarctl::serve
