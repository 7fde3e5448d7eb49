// radarctl's smaller commands: cpa, info, render and sim.
#include "commands.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "capture.h"
#include "files.h"
#include "nmea_out.h"
#include "ppi.h"
#include "radar.h"
#include "station.h"

namespace radarctl {

using Clock = std::chrono::steady_clock;

Options::Options(const std::vector<std::string> &args, const std::vector<std::string> &names,
                 const std::vector<std::string> &flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a.rfind("-", 0) != 0) {
            positional_.push_back(a);
            continue;
        }
        bool known = false, flag = false;
        for (const std::string &n : names) known = known || n == a;
        for (const std::string &f : flags) flag = flag || f == a;
        if (flag) {
            values_.emplace_back(a, "1");
        } else if (!known) {
            if (error_.empty()) error_ = "unknown option " + a;
        } else if (i + 1 < args.size()) {
            values_.emplace_back(a, args[++i]);
        } else if (error_.empty()) {
            error_ = a + " needs a value";
        }
    }
}

int bad_usage(const char *command, const std::string &why) {
    std::fprintf(stderr, "radarctl %s: %s\n", command, why.c_str());
    return 2;
}

bool Options::has(const std::string &name) const {
    for (const auto &v : values_)
        if (v.first == name) return true;
    return false;
}

std::string Options::text(const std::string &name, const std::string &fallback) const {
    for (const auto &v : values_)
        if (v.first == name) return v.second;
    return fallback;
}

double Options::number(const std::string &name, double fallback) const {
    const std::string t = text(name);
    if (t.empty()) return fallback;
    char *end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    return (end != nullptr && *end == '\0') ? value : NAN;
}

int run_cpa(const std::vector<std::string> &args) {
    const Options o(args, {"--range", "--bearing", "--own-speed", "--own-course", "--target-speed",
                           "--target-course"});
    if (!o.ok()) return bad_usage("cpa", o.error());
    if (!o.positional().empty())
        return bad_usage("cpa", "unexpected argument " + o.positional()[0]);
    if (!o.has("--range") || !o.has("--bearing"))
        return bad_usage("cpa", "--range NM and --bearing DEG are needed");
    for (const char *name : {"--range", "--bearing", "--own-speed", "--own-course",
                             "--target-speed", "--target-course"})
        if (std::isnan(o.number(name, 0)))
            return bad_usage("cpa", std::string(name) + " takes a number");
    const double range = o.number("--range", 0), bearing = o.number("--bearing", 0);
    const double own_speed = o.number("--own-speed", 0), own_course = o.number("--own-course", 0);
    const double target_speed = o.number("--target-speed", 0),
                 target_course = o.number("--target-course", 0);
    int32_t cpa = 0, tcpa = 0;
    const auto tenths = [](double v) { return static_cast<int16_t>(std::lround(v * 10)); };
    const int16_t status = OrvaneCalCpaTcpa(
        static_cast<int32_t>(std::lround(range * 100)), tenths(bearing), tenths(own_speed),
        tenths(own_course), tenths(target_speed), tenths(target_course), &cpa, &tcpa);
    if (status != RADAR_OK) {
        std::fprintf(
            stderr,
            "radarctl cpa: refused (range 0 to 255.99 NM, bearings and courses 0 to 359.9 deg, "
            "speeds 0 to 999.9 kn)\n");
        return 1;
    }
    std::printf("CPA  %.4f NM\nTCPA %.4f min%s\n", cpa / 65536.0, tcpa / 65536.0,
                tcpa < 0 ? " (the closest point is past)" : "");
    return 0;
}

int run_info(const std::vector<std::string> &args) {
    const Options o(args, {});
    if (!o.ok()) return bad_usage("info", o.error());
    if (o.positional().empty()) return bad_usage("info", "a recording FILE is needed");
    if (o.positional().size() > 1) return bad_usage("info", "one FILE at a time");
    RecordingInfo info;
    if (!inspect_recording(o.positional()[0], info)) {
        std::fprintf(stderr, "radarctl info: cannot read %s: %s\n", o.positional()[0].c_str(),
                     why_unreadable(o.positional()[0]).c_str());
        return 1;
    }
    std::fputs(describe(info).c_str(), stdout);
    return 0;
}

// Plays `path` through the library and waits until its last datagram's lines
// have come, or until nothing more comes (a file that ends early).
bool play_back(Capture &capture, const std::string &path) {
    capture.clear(true);
    if (OrvaneReadStartRadarEcho(path.c_str()) != RADAR_OK) return false;
    uint64_t seen = 0;
    auto quiet_since = Clock::now();
    const auto deadline = Clock::now() + std::chrono::seconds(120);
    while (!capture.last_played.load() && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const uint64_t now = capture.played_lines.load();
        if (now != seen) {
            seen = now;
            quiet_since = Clock::now();
        } else if (Clock::now() - quiet_since > std::chrono::seconds(2)) {
            break;
        }
    }
    OrvaneReadEndRadarEcho();
    return true;
}

int run_render(const std::vector<std::string> &args) {
    const Options o(args, {"-o", "--size"});
    if (!o.ok()) return bad_usage("render", o.error());
    if (o.positional().empty()) return bad_usage("render", "a recording FILE is needed");
    if (o.positional().size() > 1) return bad_usage("render", "one FILE at a time");
    if (!o.has("-o")) return bad_usage("render", "-o OUT.png is needed");
    const double size = o.number("--size", 512);
    if (!(size >= 64 && size <= 4096) || size != std::floor(size))
        return bad_usage("render", "--size takes 64 to 4096 pixels");
    const std::string &file = o.positional()[0];
    const std::string unreadable = why_unreadable(file);
    if (!unreadable.empty()) {
        std::fprintf(stderr, "radarctl render: cannot read %s: %s\n", file.c_str(),
                     unreadable.c_str());
        return 1;
    }
    Capture &capture = Capture::start();
    if (!play_back(capture, file)) {
        std::fprintf(stderr, "radarctl render: the library cannot play %s\n", file.c_str());
        return 1;
    }
    auto picture = std::make_unique<PolarPicture>();
    capture.picture(true, *picture);
    std::string why;
    if (!write_png(render_ppi(*picture, static_cast<int>(size)), o.text("-o"), why)) {
        std::fprintf(stderr, "radarctl render: cannot write %s: %s\n", o.text("-o").c_str(),
                     why.c_str());
        return 1;
    }
    std::printf("%llu lines drawn into %s\n",
                static_cast<unsigned long long>(capture.played_lines.load()), o.text("-o").c_str());
    return 0;
}

namespace {
std::atomic<bool> interrupted{false};
void on_interrupt(int) { interrupted.store(true); }
}  // namespace

int run_sim(const std::vector<std::string> &args) {
    const Options o(
        args,
        {"--address", "--port", "--echo-to", "--rpm", "--seconds", "--scenario", "--nmea-out"},
        {"--verbose"});
    if (!o.ok()) return bad_usage("sim", o.error());
    if (!o.positional().empty())
        return bad_usage("sim", "unexpected argument " + o.positional()[0]);
    StationOptions options;
    const double port = o.number("--port", 0);
    if (!(port >= 0 && port <= 65535) || port != std::floor(port))
        return bad_usage("sim", "--port takes 0 (any) to 65535");
    options.bind_address = o.text("--address", options.bind_address);
    options.command_port = static_cast<uint16_t>(port);
    options.echo_address = o.text("--echo-to", options.echo_address);
    options.rpm = o.number("--rpm", options.rpm);
    options.verbose = o.has("--verbose");
    if (!(options.rpm > 0)) return bad_usage("sim", "--rpm takes a number above 0");
    const double seconds = o.number("--seconds", 0);
    if (!(seconds >= 0)) return bad_usage("sim", "--seconds takes 0 (until Ctrl-C) or more");
    if (o.has("--nmea-out")) {
        if (!o.has("--scenario"))
            return bad_usage("sim", "--nmea-out needs a --scenario, whose own ship it reports");
        if (!parse_udp_url(o.text("--nmea-out"), options.nmea_address, options.nmea_port))
            return bad_usage("sim", "--nmea-out takes udp://ADDR:PORT (an IPv4 address)");
    }
    if (o.has("--scenario")) {
        Scenario scenario;
        std::string why;
        if (!read_scenario(o.text("--scenario"), scenario, why)) {
            std::fprintf(stderr, "radarctl sim: %s\n", why.c_str());
            return 1;
        }
        if (o.has("--rpm")) scenario.rpm = options.rpm;
        options.rpm = scenario.rpm;
        options.scenario = std::move(scenario);
    }
    Station station(options);
    if (!station.start()) {
        std::fprintf(stderr, "radarctl sim: cannot listen on %s:%u\n", options.bind_address.c_str(),
                     options.command_port);
        return 1;
    }
    std::printf("radar station: commands on %s:%u (TCP), echo to %s:10024 (UDP), %.0f rpm\n",
                options.bind_address.c_str(), station.port(), options.echo_address.c_str(),
                options.rpm);
    if (options.scenario)
        std::printf(
            "scenario %s: %u ships, own ship %05.1f deg at %.1f kn, %g NM range%s\n",
            o.text("--scenario").c_str(), static_cast<unsigned>(options.scenario->ships.size()),
            options.scenario->own.course_deg, options.scenario->own.speed_kn,
            options.scenario->range_nm,
            options.nmea_port != 0 ? ("; HDT and RMC to " + o.text("--nmea-out")).c_str() : "");
    std::fflush(stdout);
    std::signal(SIGINT, on_interrupt);
    std::signal(SIGTERM, on_interrupt);
#ifdef SIGBREAK
    std::signal(SIGBREAK, on_interrupt);  // Ctrl-Break in a Windows console
#endif
    const auto start = Clock::now();
    while (!interrupted.load() &&
           (seconds <= 0 || Clock::now() - start < std::chrono::duration<double>(seconds)))
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    station.stop();
    std::printf("%llu datagrams, %llu revolutions sent\n",
                static_cast<unsigned long long>(station.datagrams_sent()),
                static_cast<unsigned long long>(station.revolutions_sent()));
    return 0;
}

}  // namespace radarctl
