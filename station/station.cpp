// The radar station: a command port for the network library's connection and
// an antenna that sends the scene as echo datagrams.
#include "station.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "nmea_out.h"
#include "radar.h"
#include "sockets.h"

namespace radarctl {
namespace {

using namespace sockets;

using Clock = std::chrono::steady_clock;

constexpr uint16_t echo_port = 10024;
constexpr uint16_t sweeps_per_turn = 8192;
constexpr uint16_t last_sweeps_from = 8190;  // a revolution must reach one of these
constexpr std::size_t longest_line = 1024;   // longer lines are noise, dropped whole
constexpr std::size_t log_limit = 4096;      // sentences kept when nobody drains them
constexpr int send_wait_ms = 2000;           // a peer that stops reading is given up on
constexpr double flush_after_s = 0.004;      // the most a line waits for its datagram to fill
// Latitude and longitude go in 65536ths of a minute of arc.
constexpr double position_units_per_degree = 60.0 * 65536.0;
constexpr double most_latitude = 353894400, most_longitude = 707788800;

// What the station announces when the network library connects, before it
// has been told anything: gain, sea and rain clutter, FTC, range, rings,
// trails, and transmitting, so the picture comes at once. The range step is
// filled in from the scene.
const std::pair<int, const char *> initial_settings[] = {
    {RADAR_CODE_GAIN, "1,50"},  {RADAR_CODE_SEA_CLUTTER, "1,30"}, {RADAR_CODE_RAIN_CLUTTER, "20"},
    {RADAR_CODE_FTC, "0"},      {RADAR_CODE_RINGS, "2,1,0"},      {RADAR_CODE_TRAIL, "1,0,1,1,2,0"},
    {RADAR_CODE_TX_STANDBY, "2"},
};

int64_t now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

std::string announcement(int code, const std::string &fields) {
    char head[8];
    std::snprintf(head, sizeof head, "$N%02X", code & 0xFF);
    return fields.empty() ? head : head + ("," + fields);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Tenths of a degree, 0..3599.
int tenths_of(double deg) { return static_cast<int>(std::lround(deg * 10)) % 3600; }

long position_units(double deg, double most) {
    return static_cast<long>(std::clamp(std::round(deg * position_units_per_degree), -most, most));
}

}  // namespace

std::vector<uint16_t> revolution_sweeps(uint16_t step) {
    std::vector<uint16_t> sweeps;
    step = std::max<uint16_t>(step, 1);
    for (uint32_t k = 0; k < sweeps_per_turn; k += step) sweeps.push_back(static_cast<uint16_t>(k));
    if (sweeps.back() < last_sweeps_from) sweeps.push_back(sweeps_per_turn - 1);
    return sweeps;
}

double sweep_time(double rpm, uint64_t revolution, uint16_t sweep) {
    return (static_cast<double>(revolution) * sweeps_per_turn + sweep) / sweeps_per_turn *
           (60.0 / rpm);
}

Station::Station(StationOptions options) : options_(std::move(options)) {
    if (options_.scenario) {
        options_.scenario->prepare();
        options_.rpm = options_.scenario->rpm;
        options_.scene.range_nm = options_.scenario->range_nm;
    }
}

Station::~Station() { stop(); }

bool Station::start() {
    if (running_.load()) return true;
    close_all();
    Endpoint command, echo_from, echo_to, wake_at;
    if (!sockets::start() || !to_endpoint(options_.bind_address, options_.command_port, command) ||
        !to_endpoint(options_.bind_address, 0, echo_from) ||
        !to_endpoint(options_.echo_address, echo_port, echo_to) ||
        !to_endpoint("127.0.0.1", 0, wake_at))
        return false;

    Endpoint nmea_to, anywhere;
    const bool nmea = options_.scenario && options_.nmea_port != 0;
    if (nmea && (!to_endpoint(options_.nmea_address, options_.nmea_port, nmea_to) ||
                 !to_endpoint("0.0.0.0", 0, anywhere)))
        return false;

    listener_ = listen_at(command, 4);
    if (listener_ == no_socket || !local_endpoint(listener_, command)) {
        close_all();
        return false;
    }
    port_ = command.port;

    // Echoes leave from the station's own address: the receiver takes
    // datagrams only from the address its command connection goes to.
    echo_socket_ = open_datagram(echo_from);
    // stop() wakes the command thread with a byte on a loopback socket
    // connected to itself, which hears nobody else; the byte stays unread,
    // so every later wait sees it too.
    wake_ = open_datagram(wake_at);
    if (nmea) nmea_socket_ = open_datagram(anywhere);
    if (echo_socket_ == no_socket || wake_ == no_socket || !local_endpoint(wake_, wake_at) ||
        !connect_to(wake_, wake_at) || (nmea && nmea_socket_ == no_socket)) {
        close_all();
        return false;
    }

    settings_.clear();
    for (const auto &[code, fields] : initial_settings) settings_[code] = fields;
    settings_[RADAR_CODE_RANGE] = std::to_string(scale_code_for(options_.scene.range_nm)) + ",0";
    for (const auto &[code, fields] : settings_) orders_.take(code, fields);

    datagrams_.store(0);
    revolutions_.store(0);
    started_ns_.store(now_ns());
    running_.store(true);
    command_thread_ = std::thread(&Station::command_loop, this);
    echo_thread_ = std::thread(&Station::echo_loop, this);
    return true;
}

uint16_t Station::port() const { return port_; }

void Station::stop() {
    running_.store(false);
    if (wake_ != no_socket) {
        const char byte = 1;
        send_some(wake_, &byte, 1);
    }
    if (command_thread_.joinable()) command_thread_.join();
    if (echo_thread_.joinable()) echo_thread_.join();
    close_all();
}

void Station::close_all() {
    close(listener_);
    close(echo_socket_);
    close(nmea_socket_);
    close(waiting_);
    close(wake_);
}

uint64_t Station::datagrams_sent() const { return datagrams_.load(); }
uint64_t Station::revolutions_sent() const { return revolutions_.load(); }

std::vector<std::string> Station::sentences_received() {
    std::lock_guard lock(log_mutex_);
    return std::exchange(received_, {});
}

std::vector<std::string> Station::sentences_sent() {
    std::lock_guard lock(log_mutex_);
    return std::exchange(sent_, {});
}

double Station::clock() const {
    const int64_t started = started_ns_.load();
    return started == 0 ? 0.0 : static_cast<double>(now_ns() - started) / 1e9;
}

void Station::note(std::vector<std::string> &list, const char *direction,
                   const std::string &sentence) {
    std::lock_guard lock(log_mutex_);
    if (list.size() >= log_limit) list.erase(list.begin(), list.begin() + log_limit / 2);
    list.push_back(sentence);
    if (options_.verbose) {
        std::printf("station %s %s\n", direction, sentence.c_str());
        std::fflush(stdout);
    }
}

// ---- The command port ------------------------------------------------------

void Station::command_loop() {
    while (running_.load()) {
        Socket connection = std::exchange(waiting_, no_socket);
        if (connection == no_socket) {
            Watch watches[2] = {{listener_}, {wake_}};
            if (!wait(watches, 2, -1)) break;
            if (watches[1].ready || !running_.load()) break;
            if (!watches[0].ready) continue;
            connection = accept_from(listener_);
            if (connection == no_socket) continue;
        }
        if (options_.verbose) std::printf("station: connected\n");
        for (const auto &[code, fields] : settings_) say(connection, announcement(code, fields));
        if (options_.scenario) announce_own(connection, static_cast<int64_t>(clock()));
        const bool replaced = serve(connection);
        close(connection);
        if (options_.verbose)
            std::printf("station: %s\n", replaced ? "a new connection takes over" : "disconnected");
    }
}

// One connection until it closes or the station stops. A newer connection
// takes over at once: a peer that vanished without closing must not keep the
// network library out.
bool Station::serve(Socket connection) {
    std::string line;
    bool discarding = false;
    char chunk[2048];
    // Under a scenario own ship is announced at each whole second.
    auto next_second = static_cast<int64_t>(clock()) + 1;
    while (running_.load()) {
        int timeout_ms = -1;
        if (options_.scenario) {
            const double now = clock();
            if (now >= static_cast<double>(next_second)) {
                next_second = static_cast<int64_t>(now);
                announce_own(connection, next_second++);
            }
            timeout_ms =
                static_cast<int>(std::ceil((static_cast<double>(next_second) - now) * 1000));
            timeout_ms = std::clamp(timeout_ms, 1, 1000);
        }
        Watch watches[3] = {{connection}, {listener_}, {wake_}};
        if (!wait(watches, 3, timeout_ms)) return false;
        if (watches[2].ready) return false;
        if (watches[1].ready) {
            waiting_ = accept_from(listener_);
            if (waiting_ != no_socket) return true;
        }
        if (!watches[0].ready) continue;
        const long n = receive(connection, chunk, sizeof chunk);
        if (n == closed || n == failed) return false;
        if (n == again) continue;
        for (long i = 0; i < n; ++i) {
            const char c = chunk[i];
            if (c == '\n') {
                if (!discarding) {
                    if (!line.empty() && line.back() == '\r') line.pop_back();
                    heard(connection, line);
                }
                line.clear();
                discarding = false;
            } else if (!discarding) {
                if (line.size() < longest_line)
                    line.push_back(c);
                else
                    discarding = true;
            }
        }
    }
    return false;
}

// "$" kind letter, two hexadecimal digits, then "," and the fields or
// nothing. Orders are applied and announced back, requests answered from
// what the station holds; everything else is only listened to.
void Station::heard(Socket connection, const std::string &raw) {
    // The library ends each sentence with a zero byte, which comes before
    // the next one.
    const std::size_t start = raw.find_first_not_of('\0');
    if (start == std::string::npos) return;
    const std::string text = raw.substr(start);
    note(received_, "<-", text);

    if (text.size() < 4 || text[0] != '$' || !std::isalpha(static_cast<unsigned char>(text[1])))
        return;
    const int high = hex_digit(text[2]), low = hex_digit(text[3]);
    if (high < 0 || low < 0 || (text.size() > 4 && text[4] != ',')) return;
    const int code = high * 16 + low;
    const std::string fields = text.size() > 5 ? text.substr(5) : std::string();
    for (const char c : fields)
        if (static_cast<unsigned char>(c) < 0x20 || c == '$') return;

    // An order the antenna cannot obey (no value of its setting) is not
    // taken, so what the station announces is always what it does.
    if (text[1] == 'S') {
        if (!orders_.take(code, fields)) return;
        settings_[code] = announced_fields(code, fields);
        say(connection, announcement(code, settings_[code]));
    } else if (text[1] == 'R') {
        const auto held = settings_.find(code);
        if (held != settings_.end()) say(connection, announcement(code, held->second));
    }
}

// Own ship as its sensors report it at `second`, in the sentences the radar
// library's own Put functions send: "$N38,1,45.2,0.0" (heading in tenths,
// no adjustment), "$N37,1,196608000,-5898240" (latitude and longitude in
// 65536ths of a minute), "$N55,1,452" (course in tenths, as an integer).
void Station::announce_own(Socket connection, int64_t second) {
    const OwnReport own = options_.scenario->reported_own(static_cast<double>(second));
    const int heading = tenths_of(own.heading_deg);
    char text[80];
    std::snprintf(text, sizeof text, "%d,%d.%d,0.0", 1, heading / 10, heading % 10);
    say(connection, announcement(RADAR_CODE_NMEA_HEADING, text));
    std::snprintf(text, sizeof text, "%d,%ld,%ld", 1, position_units(own.lat_deg, most_latitude),
                  position_units(own.lon_deg, most_longitude));
    say(connection, announcement(RADAR_CODE_OWN_POSITION, text));
    std::snprintf(text, sizeof text, "%d,%d", 1, tenths_of(own.course_deg));
    say(connection, announcement(RADAR_CODE_OWN_COURSE, text));
}

bool Station::say(Socket connection, const std::string &sentence) {
    const std::string bytes = sentence + "\r\n";
    std::size_t done = 0;
    const auto give_up = Clock::now() + std::chrono::milliseconds(send_wait_ms);
    while (done < bytes.size()) {
        const long n = send_some(connection, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n == failed) return false;
        if (Clock::now() > give_up || !running_.load()) return false;
        Watch watches[2] = {{connection, true}, {wake_}};
        wait(watches, 2, 20);
    }
    note(sent_, "->", sentence);
    return true;
}

// ---- The antenna -------------------------------------------------------------

// Line after line at the moment its sweep comes round: revolution n's line
// of sweep k is drawn at scene time sweep_time(rpm, n, k) and sent once that
// time has come. A line waits at most a few milliseconds for its datagram to
// fill, and a revolution's last line goes out at once. The scene is drawn at
// the standard range its scale code stands for, so the two always agree. In
// standby the antenna turns on but sends nothing.
void Station::echo_loop() {
    Endpoint to;
    to_endpoint(options_.echo_address, echo_port, to);
    const double rpm = options_.rpm;
    if (!(rpm > 0)) return;  // the antenna stands still
    const double period = 60.0 / rpm;

    const std::vector<uint16_t> sweeps = revolution_sweeps(options_.sweep_step);

    Scene scene = options_.scene;
    std::optional<ScenarioPainter> painter;
    if (options_.scenario) painter.emplace(*options_.scenario);
    Endpoint nmea_to;
    const bool nmea = nmea_socket_ != no_socket &&
                      to_endpoint(options_.nmea_address, options_.nmea_port, nmea_to);
    auto nmea_second = static_cast<int64_t>(clock());
    std::optional<EchoEncoder> encoder;
    int step_in_use = -1;
    uint16_t samples = 0;
    uint8_t levels[512];
    std::vector<uint8_t> datagram;
    double pending_since = -1;
    bool silent = false;  // in standby since the last line sent
    uint64_t revolution = 0;
    std::size_t index = 0;

    const auto send = [&] {
        const long n = send_datagram(echo_socket_, datagram.data(), datagram.size(), to);
        if (n == static_cast<long>(datagram.size())) datagrams_.fetch_add(1);
    };
    const auto flush = [&] {
        if (encoder && encoder->flush(datagram)) send();
        pending_since = -1;
    };

    while (running_.load()) {
        const double now = clock();
        if (nmea && now >= static_cast<double>(nmea_second)) {
            nmea_second = static_cast<int64_t>(now);
            const OwnReport own =
                options_.scenario->reported_own(static_cast<double>(nmea_second++));
            for (const std::string &sentence : {nmea_hdt(own), nmea_rmc(own, utc_now_ms())})
                send_datagram(nmea_socket_, sentence.data(), sentence.size(), nmea_to);
        }
        // After a stall of more than a revolution, the antenna picks up at
        // the next revolution rather than sending the missed ones in a burst.
        if (now - sweep_time(rpm, revolution, sweeps[index]) > period) {
            flush();
            revolution = static_cast<uint64_t>(std::floor(now / period)) + 1;
            index = 0;
        }
        while (running_.load()) {
            const uint16_t sweep = sweeps[index];
            const double t = sweep_time(rpm, revolution, sweep);
            if (t > now) break;
            const bool transmitting = orders_.transmitting();
            if (!transmitting) {
                if (!silent) flush();
                silent = true;
            }
            const int wanted = orders_.range_step();
            if (transmitting && wanted != step_in_use) {
                // A new range clears the receiver's line: a new encoder
                // starts from a clear line too.
                flush();
                step_in_use = wanted;
                scene.range_nm = range_for_scale_code(static_cast<uint8_t>(wanted));
                samples = sample_count_for(scene.range_nm);
                encoder.emplace(samples, static_cast<uint8_t>(wanted));
            }
            if (transmitting) {
                // Back from standby, the first line goes whole: whatever the
                // receiver did with its line meanwhile, it is right again.
                if (std::exchange(silent, false)) encoder->send_whole();
                const Receiver receiver = orders_.receiver();
                uint16_t offset = 0;
                if (painter)
                    offset = painter->draw(sweep, t, scene.range_nm, samples, levels, receiver);
                else
                    draw_line(scene, sweep, t, samples, levels, receiver);
                if (encoder->add(sweep, offset, false, levels, datagram)) {
                    send();
                    pending_since = t;
                } else if (pending_since < 0) {
                    pending_since = t;
                }
            }
            if (++index == sweeps.size()) {
                flush();
                index = 0;
                ++revolution;
                if (transmitting) revolutions_.fetch_add(1);
            }
        }
        if (pending_since >= 0 && now - pending_since >= flush_after_s) flush();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace radarctl
