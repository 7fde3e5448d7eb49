// The radar station simulator: a command port that speaks the library's
// sentences, and an echo sender that draws a synthetic scene into echo
// datagrams on UDP port 10024.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ranges.h"
#include "scenario.h"
#include "sockets.h"
#include "station_orders.h"

namespace radarctl {

// A ship of the synthetic scene, moving on a straight course from where it
// is at time 0. Positions are relative to own ship, which lies still.
struct Ship {
    std::string name;
    double range_nm;     // at time 0
    double bearing_deg;  // at time 0, clockwise from north
    double course_deg;
    double speed_kn;
};

// A rain shower: a round patch of weak, speckled echo that stays where it is.
struct Shower {
    double range_nm, bearing_deg, radius_nm;  // of its centre, from own ship
};

struct Scene {
    std::vector<Ship> ships;
    std::vector<Shower> showers;
    double range_nm = 6.0;  // the radar's range: sample 511 (or the last sample) is this far
    uint32_t seed = 1;      // sea clutter and noise are pseudo-random but repeatable
    // A coastline to the north-east, three ships, a rain shower, clutter, noise.
    static Scene standard();
    // Where ship i is at time t (seconds): range and bearing.
    void position(std::size_t i, double t, double &range_nm, double &bearing_deg) const;
};

// Draws the echo levels (0..7) of one line at bearing `sweep` (0..8191 per
// revolution, 0 north) at time t into levels[0 .. sample_count - 1], as the
// receiver set so shows it: gain raises and lowers the noise and the weak
// echoes, sea and rain take their clutter away where it is made.
void draw_line(const Scene &scene, uint16_t sweep, double t, uint16_t sample_count, uint8_t *levels,
               const Receiver &receiver = {});

// A scenario's echo, drawn relative to own ship as it moves: each line at
// `sweep` counted from the bow, so its true bearing is the sweep plus own
// ship's true heading. Clutter by the scenario's sea, the coast only when it
// asks for one, ships as blobs as long in range as they are (at least a few
// samples) and as wide in bearing as the beam.
class ScenarioPainter {
  public:
    explicit ScenarioPainter(const Scenario &scenario);
    // Draws the line into levels[0 .. sample_count - 1] at the range
    // `range_nm`, and returns the bearing offset to send with it: the
    // heading own ship reports, in 8192ths of a turn. Sweep plus offset is
    // then the true bearing plus the heading sensor's error, as with a real
    // gyro's. The receiver acts as for draw_line.
    uint16_t draw(uint16_t sweep, double t, double range_nm, uint16_t sample_count, uint8_t *levels,
                  const Receiver &receiver = {});

  private:
    void prepare(double range_nm, uint16_t sample_count);
    void place_ships(double t);

    const Scenario &scenario_;
    double range_nm_ = -1;
    uint16_t sample_count_ = 0;
    std::vector<float> clutter_;  // clutter strength by sample, for this range
    struct Seen {
        double range_nm, bearing_deg, half_length_nm;
    };
    std::vector<Seen> ships_;  // from own ship at ships_time_
    double ships_time_ = -1e300;
};

// The hash the scene's pseudo-random parts come from, and a value in [0, 1)
// made from one.
uint64_t scene_hash(uint64_t seed, uint64_t salt, uint64_t a, uint64_t b, uint64_t c);
double unit_of(uint64_t h);

// The sweeps of one revolution, `step` apart, ending on 8190 or later.
std::vector<uint16_t> revolution_sweeps(uint16_t step);

// The scene time at which the station draws the line of `sweep` in revolution
// `revolution` (counted from 0 at start) with the antenna turning at `rpm`.
double sweep_time(double rpm, uint64_t revolution, uint16_t sweep);

// Change-encodes lines against the one before and packs them into echo
// datagrams of at most 1024 bytes (header, lines, a pad byte when odd).
class EchoEncoder {
public:
    EchoEncoder(uint16_t sample_count, uint8_t scale_code, uint8_t nibble = 1);
    // Adds a line; returns true and fills `datagram` when a datagram is full
    // and must be sent before this line (which then starts the next one).
    bool add(uint16_t sweep, uint16_t bearing_offset, bool line_flag, const uint8_t *levels,
             std::vector<uint8_t> &datagram);
    // The datagram in hand, if it holds any line; true when one was produced.
    bool flush(std::vector<uint8_t> &datagram);
    // The next line goes whole, every sample marked: for a receiver whose
    // line buffer this encoder cannot know (it started listening here).
    void send_whole();

private:
    void begin();
    void finish(std::vector<uint8_t> &datagram);

    uint16_t sample_count_;
    uint8_t scale_code_;
    uint8_t nibble_;
    uint8_t previous_[512] = {};  // the receiver's line buffer, as this encoder has left it
    static constexpr uint8_t unknown = 0xFF;  // in previous_: no level, so a change
    std::vector<uint8_t> pending_;
    std::vector<uint8_t> line_;
    uint8_t lines_ = 0;
};

struct StationOptions {
    std::string bind_address = "127.0.0.1";   // command port address
    uint16_t command_port = 0;                  // 0: any free port (see Station::port)
    std::string echo_address = "127.0.0.1";     // where datagrams go, port 10024
    double rpm = 60;                            // antenna revolutions per minute
    uint16_t sweep_step = 2;                    // sweeps per line: 2 gives 4096 lines a revolution
    Scene scene = Scene::standard();
    // A scenario in place of the scene: own ship under way, announcing its
    // heading, position and course each second. Its rpm and range are used.
    std::optional<Scenario> scenario;
    // Where HDT and RMC sentences go each second when there is a scenario
    // (port 0: nowhere).
    std::string nmea_address;
    uint16_t nmea_port = 0;
    bool verbose = false;                       // print every sentence both ways
};

// A running station: its command port accepts the network library's
// connection, announces its settings (kind N), obeys S orders (applies and
// announces them) and answers R requests; its echo thread sends the scene.
class Station {
public:
    explicit Station(StationOptions options);
    ~Station();  // stops both threads
    bool start();                 // false when the port cannot be bound
    uint16_t port() const;        // the command port actually bound
    void stop();
    uint64_t datagrams_sent() const;
    uint64_t revolutions_sent() const;
    std::vector<std::string> sentences_received();  // drained; without CR LF and NUL
    std::vector<std::string> sentences_sent();      // drained
    double clock() const;  // seconds of scene time since start

private:
    void command_loop();
    void echo_loop();
    bool serve(sockets::Socket connection);  // true when a newer connection took over
    bool say(sockets::Socket connection, const std::string &sentence);
    void heard(sockets::Socket connection, const std::string &line);
    void note(std::vector<std::string> &list, const char *direction, const std::string &sentence);
    void close_all();
    void announce_own(sockets::Socket connection, int64_t second);

    StationOptions options_;
    sockets::Socket listener_ = sockets::no_socket;
    sockets::Socket echo_socket_ = sockets::no_socket;
    sockets::Socket nmea_socket_ = sockets::no_socket;
    sockets::Socket wake_ = sockets::no_socket;  // written by stop(): wakes the command thread
    // A newer connection, accepted while serving the one before.
    sockets::Socket waiting_ = sockets::no_socket;
    uint16_t port_ = 0;
    std::atomic<bool> running_{false};
    std::atomic<int64_t> started_ns_{0};
    std::atomic<uint64_t> datagrams_{0};
    std::atomic<uint64_t> revolutions_{0};
    StationOrders orders_;  // what the antenna obeys; taken by the command thread
    std::map<int, std::string> settings_;  // command code -> fields text; command thread only
    std::mutex log_mutex_;
    std::vector<std::string> received_;
    std::vector<std::string> sent_;
    std::thread command_thread_;
    std::thread echo_thread_;
};

}  // namespace radarctl
