// radarctl serve: a source (the simulated station, a real station, or a
// recording) through the library, served over HTTP and WebSocket.
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include "address.h"
#include "bridge.h"
#include "commands.h"
#include "nmea_in.h"
#include "orvane.h"
#include "radar.h"
#include "radar_tracking.h"
#include "scenario.h"
#include "serve_limits.h"
#include "server.h"
#include "station.h"

namespace radarctl {
namespace {

using namespace serve;
using Clock = std::chrono::steady_clock;

constexpr const char *sim_station = "RADARSIM";
constexpr double default_rpm = 24;
constexpr double default_trails = 20;  // seconds, as the demo shows them
constexpr uint16_t echo_port = 10024;
// A target passing closer than a nautical mile within twelve minutes: the
// limits most radars come set to, and room to act at the speeds of coastal
// traffic (two ships closing at 20 knots cover 4 NM in those 12 minutes).
constexpr double default_cpa_limit_nm = 1.0, default_tcpa_limit_min = 12.0;

// main prints the usage after the one line that says what was wrong.
int bad_usage(const std::string &why) { return radarctl::bad_usage("serve", why); }

std::string random_token() {
    std::random_device seed;
    std::mt19937_64 pick((static_cast<uint64_t>(seed()) << 32) ^ seed());
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(pick()));
    return text;
}

bool printable_token(const std::string &t) {
    if (t.size() < limits::shortest_token || t.size() > limits::longest_token) return false;
    for (char c : t)
        if (c <= ' ' || c > '~') return false;
    return true;
}

// The control token: --token (seen by anyone who lists the processes),
// --token-file FILE (its first line), the RADARCTL_TOKEN environment
// variable, or else a random one. `from` says where it came from; empty
// `why` when it is good.
std::string choose_token(const Options &o, std::string &from, std::string &why) {
    if (o.has("--token") && o.has("--token-file")) {
        why = "give one of --token and --token-file";
        return {};
    }
    std::string token;
    if (o.has("--token")) {
        token = o.text("--token");
        from = "--token";
    } else if (o.has("--token-file")) {
        const std::string path = o.text("--token-file");
        std::ifstream file(path, std::ios::binary);
        if (!file || !std::getline(file, token)) {
            why = "--token-file: cannot read " + path;
            return {};
        }
        while (!token.empty() && (token.back() == '\r' || token.back() == ' ' || token.back() == '\t'))
            token.pop_back();
        from = path;
    } else if (const char *env = std::getenv("RADARCTL_TOKEN"); env != nullptr && *env != '\0') {
        token = env;
        from = "RADARCTL_TOKEN";
    } else {
        from = "random";
        return random_token();
    }
    if (!printable_token(token))
        why = "the control token (" + from + ") must be " + std::to_string(limits::shortest_token) + " to " +
              std::to_string(limits::longest_token) + " printable characters, without spaces";
    return token;
}

// "FROM,TO,INNER,OUTER": a sector clockwise from FROM to TO degrees true
// (equal: the whole circle) between INNER and OUTER NM.
bool parse_zone(const std::string &text, RadarTrackZone &zone) {
    double v[4];
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t end = i < 3 ? text.find(',', at) : text.size();
        if (end == std::string::npos || end == at) return false;
        const std::string part = text.substr(at, end - at);
        char *stop = nullptr;
        v[i] = std::strtod(part.c_str(), &stop);
        if (stop != part.c_str() + part.size() || !std::isfinite(v[i])) return false;
        at = end + 1;
    }
    if (v[0] < 0 || v[0] > 360 || v[1] < 0 || v[1] > 360 || v[2] < 0 || v[3] <= v[2] || v[3] > 96)
        return false;
    zone = RadarTrackZone{RADARTRACK_ZONE_ACQUIRE, v[0], v[1], v[2], v[3]};
    return true;
}

bool open_session(const std::string &station) {
    return OrvaneInitRadarFunc(station.c_str(), &Bridge::notify_callback) == RADAR_OK;
}

// With --loop, a playback that reached its end starts again.
void keep_looping(const std::string &file, const std::atomic<bool> &stop) {
    while (!stop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!Bridge::instance().playback_ended.exchange(false)) continue;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the last lines go out
        OrvaneReadEndRadarEcho();
        OrvaneReadStartRadarEcho(file.c_str());
    }
}

}  // namespace

int run_serve(const std::vector<std::string> &args) {
    const Options o(args,
                    {"--station", "--host", "--port", "--play", "--rpm", "--listen", "--token", "--token-file",
                     "--trails", "--nmea-in", "--cpa-limit", "--tcpa-limit", "--scenario", "--acquire-zone"},
                    {"--sim", "--loop"});
    if (!o.ok()) return bad_usage(o.error());
    if (!o.positional().empty()) return bad_usage("unexpected argument " + o.positional()[0]);
    const int sources = o.has("--sim") + o.has("--station") + o.has("--play");
    if (sources != 1) return bad_usage("give exactly one of --sim, --station and --play");
    if (o.has("--station") && (!o.has("--host") || !o.has("--port")))
        return bad_usage("--station needs --host and --port");
    if (o.has("--loop") && !o.has("--play")) return bad_usage("--loop goes with --play");
    const double rpm = o.number("--rpm", default_rpm);
    if (std::isnan(rpm) || rpm < 1 || rpm > 120) return bad_usage("--rpm takes 1 to 120");
    const double command_port = o.number("--port", 0);
    if (o.has("--station") && (std::isnan(command_port) || command_port < 1 || command_port > 65535 ||
                               command_port != std::floor(command_port)))
        return bad_usage("--port takes 1 to 65535");

    const double trails = o.number("--trails", default_trails);
    if (std::isnan(trails) || trails < 0 || trails > 32767 || trails != std::floor(trails))
        return bad_usage("--trails takes 0 to 32767 seconds");

    if (o.has("--scenario") && !o.has("--sim")) return bad_usage("--scenario goes with --sim");
    if (o.has("--scenario") && o.has("--rpm")) return bad_usage("a scenario gives its own rpm: leave out --rpm");
    const double cpa_limit = o.number("--cpa-limit", default_cpa_limit_nm);
    if (std::isnan(cpa_limit) || cpa_limit <= 0 || cpa_limit > 20) return bad_usage("--cpa-limit takes 0-20 NM");
    const double tcpa_limit = o.number("--tcpa-limit", default_tcpa_limit_min);
    if (std::isnan(tcpa_limit) || tcpa_limit <= 0 || tcpa_limit > 60)
        return bad_usage("--tcpa-limit takes 0-60 minutes");

    ServerOptions options;
    options.tracking.cpa_limit_nm = cpa_limit;
    options.tracking.tcpa_limit_min = tcpa_limit;
    if (o.has("--nmea-in")) {
        options.nmea_in = o.text("--nmea-in");
        if (const std::string why = NmeaInput::check(options.nmea_in); !why.empty()) return bad_usage(why);
    }
    if (o.has("--acquire-zone")) {
        RadarTrackZone zone{};
        if (!parse_zone(o.text("--acquire-zone"), zone))
            return bad_usage("--acquire-zone takes FROM,TO,INNER,OUTER: degrees true 0-360, then NM, "
                             "0 <= INNER < OUTER <= 96");
        options.tracking.auto_zones.push_back(zone);
    }
    std::optional<Scenario> scenario;
    if (o.has("--scenario")) {
        std::string why;
        if (!read_scenario(o.text("--scenario"), scenario.emplace(), why)) {
            std::fprintf(stderr, "radarctl serve: --scenario: %s\n", why.c_str());
            return 1;
        }
        for (const ScenarioAcquire &a : scenario->acquire)
            options.tracking.acquire.push_back({a.at_s, a.range_nm, a.bearing_deg});
        for (const ScenarioZone &z : scenario->auto_zones)
            options.tracking.auto_zones.push_back(
                RadarTrackZone{RADARTRACK_ZONE_ACQUIRE, z.from_deg, z.to_deg, z.inner_nm, z.outer_nm});
    }
    // The scenario's orders are timed by the station's scene clock.
    std::unique_ptr<Station> station;
    if (scenario)
        options.tracking.scene_clock = [&station] { return station ? station->clock() : -1.0; };
    // Port 0: any free one.
    if (!split_host_port(o.text("--listen", "127.0.0.1:8080"), options.address, options.port, 0))
        return bad_usage("--listen takes ADDR:PORT");
    std::string token_from, token_problem;
    options.token = choose_token(o, token_from, token_problem);
    if (!token_problem.empty()) return bad_usage(token_problem);
    options.source = o.has("--sim") ? "sim" : o.has("--station") ? "station" : "playback";

    Server server(options);
    std::string why;
    if (!server.listen(why)) {
        std::fprintf(stderr, "radarctl serve: cannot listen on %s\n", why.c_str());
        return 1;
    }

    // The echo side first: its callback is read once, when its thread starts.
    if (OrvaneInitRadarEchoFunc(&Bridge::echo_callback) != RADAR_OK && !o.has("--play"))
        std::fprintf(stderr, "radarctl serve: warning: UDP port %u is taken by another program: no echo "
                             "until it is free (the library tries again every second)\n", echo_port);
    OrvaneSetTrailTime(static_cast<uint16_t>(trails));
    if (o.has("--sim")) {
        StationOptions sim;
        sim.rpm = rpm;
        sim.scenario = scenario;
        station = std::make_unique<Station>(sim);
        if (!station->start()) {
            std::fprintf(stderr, "radarctl serve: the simulated station could not listen\n");
            return 1;
        }
        NetSetStation(sim_station, "127.0.0.1", station->port());
        if (!open_session(sim_station)) return 1;
    } else if (o.has("--station")) {
        const std::string name = o.text("--station");
        NetSetStation(name.c_str(), o.text("--host").c_str(), static_cast<uint16_t>(command_port));
        if (!open_session(name)) {
            std::fprintf(stderr, "radarctl serve: \"%s\" is not a station name (1-8 of A-Z a-z 0-9 # & ' - _)\n",
                         name.c_str());
            return 2;
        }
    } else {
        const std::string file = o.text("--play");
        Bridge::instance().pace(rpm);
        if (OrvaneReadStartRadarEcho(file.c_str()) != RADAR_OK) {
            std::fprintf(stderr, "radarctl serve: cannot play %s\n", file.c_str());
            return 1;
        }
    }

    std::printf("radarctl serve: listening on http://%s:%u/\n",
                options.address.find(':') == std::string::npos ? options.address.c_str()
                                                                 : ("[" + options.address + "]").c_str(),
                server.port());
    // A token the user keeps out of sight (a file, the environment) is not
    // printed where logs would keep it.
    if (token_from == "random" || token_from == "--token")
        std::printf("radarctl serve: control token %s\n", options.token.c_str());
    else
        std::printf("radarctl serve: control token from %s\n", token_from.c_str());
    std::fflush(stdout);

    std::atomic<bool> stop{false};
    std::thread looper;
    if (o.has("--loop")) looper = std::thread(keep_looping, o.text("--play"), std::cref(stop));
    server.run();
    stop = true;
    if (looper.joinable()) looper.join();
    // The session ends: no more callbacks into the server after this.
    NetShutdown();
    if (station) station->stop();
    std::printf("radarctl serve: stopped\n");
    return 0;
}

}  // namespace radarctl
