// radarctl demo: the whole library at work against a simulated radar on
// loopback, in well under a minute.
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "capture.h"
#include "commands.h"
#include "orvane.h"
#include "ppi.h"
#include "radar.h"
#include "sim.h"

namespace radarctl {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char *station_name = "RADARSIM";

int failed(const char *step) {
    std::fprintf(stderr, "\nradarctl demo: FAILED: %s\n", step);
    NetShutdown();
    return 1;
}

template <class Done>
bool wait_until(Done done, double seconds) {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::atomic<int> notices{0};
void RADAR_CALLBACK on_notify(int32_t) { notices.fetch_add(1); }

void print_sentences(Station &station) {
    for (const std::string &s : station.sentences_received())
        std::printf("  library -> station  %s\n", s.c_str());
    for (const std::string &s : station.sentences_sent())
        std::printf("  station -> library  %s\n", s.c_str());
}

bool write_picture(Capture &capture, bool played_back, const std::string &path) {
    auto picture = std::make_unique<PolarPicture>();
    capture.picture(played_back, *picture);
    return picture->lines() > 0 && write_png(render_ppi(*picture, 512), path);
}

}  // namespace

int run_demo(const std::vector<std::string> &args) {
    const Options o(args, {"--out", "--revolutions"});
    const std::string out = o.text("--out", ".");
    const double revolutions = o.number("--revolutions", 3);
    if (!o.ok() || std::isnan(revolutions) || revolutions < 1 || revolutions > 20) {
        std::fprintf(stderr, "usage: radarctl demo [--out DIR] [--revolutions 1..20]\n");
        return 2;
    }
    std::error_code made;
    std::filesystem::create_directories(out, made);

    char version[15];
    OrvaneGetRadarDllVersionNo(version);
    std::printf("radar library %s\n\n", version);

    // 1. A radar station on loopback, and a session with it through the
    //    stand-in network library.
    StationOptions options;
    options.rpm = 120;
    Station station(options);
    if (!station.start()) return failed("the simulated station could not listen");
    std::printf("simulated radar station %s: commands on 127.0.0.1:%u, echo to UDP port 10024\n",
                station_name, station.port());
    NetSetStation(station_name, "127.0.0.1", station.port());
    if (OrvaneInitRadarFunc(station_name, &on_notify) != RADAR_OK)
        return failed("OrvaneInitRadarFunc");
    if (!wait_until([] { return OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED; }, 10))
        return failed("no connection to the station");
    if (!wait_until([] { return notices.load() > 0; }, 10))
        return failed("the station announced nothing");
    std::printf("session open; the station announces its settings:\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // only for tidy printing
    print_sentences(station);

    // 2. Orders and a request, and what the record holds afterwards.
    std::printf("\nthe application orders gain 2/60 and rain 30, and asks for the range:\n");
    const int before = notices.load();
    if (OrvanePutRadarGain(RADAR_KIND_ORDER, 2, 60) != RADAR_OK ||
        OrvanePutRadarACRain(RADAR_KIND_ORDER, 30) != RADAR_OK ||
        OrvanePutRadarRange(RADAR_KIND_REQUEST, 0, 0) != RADAR_OK)
        return failed("a Put did not go out");
    if (!wait_until([&] { return notices.load() >= before + 3; }, 10))
        return failed("the station did not answer");
    print_sentences(station);
    uint16_t mode = 0, level = 0;
    OrvaneGetRadarGain(&mode, &level);
    std::printf("  record: gain mode %u level %u\n", mode, level);
    if (mode != 2 || level != 60) return failed("the station's answer did not reach the record");

    // 3. Echo with trails, live, for a few revolutions; the last one is recorded.
    OrvaneSetTrailTime(20);
    Capture &capture = Capture::start();
    const std::string recording = out + "/demo.rec";
    const uint64_t target = static_cast<uint64_t>(revolutions);
    std::printf("\nreceiving echo, trails 20 s, %llu revolutions:\n",
                static_cast<unsigned long long>(target));
    bool recording_started = false;
    const bool interactive = isatty(fileno(stdout)) != 0;
    uint64_t printed = ~uint64_t{0};
    const auto deadline = Clock::now() + std::chrono::seconds(40);
    while (capture.live_revolutions.load() < target + 1) {
        if (Clock::now() > deadline) return failed("the echo stopped coming");
        const uint64_t turns = capture.live_revolutions.load();
        if (!recording_started && turns >= target) {  // the last revolution
            if (OrvaneRecStartRadarEcho(recording.c_str()) != RADAR_OK)
                return failed("OrvaneRecStartRadarEcho");
            recording_started = true;
        }
        // On a terminal the count runs in place; elsewhere one line a revolution.
        if (interactive || turns != printed) {
            std::printf("%s  revolution %llu/%llu, %llu lines%s", interactive ? "\r" : "",
                        static_cast<unsigned long long>(std::min(turns, target)),
                        static_cast<unsigned long long>(target),
                        static_cast<unsigned long long>(capture.live_lines.load()),
                        interactive ? "" : "\n");
            std::fflush(stdout);
            printed = turns;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (OrvaneRecEndRadarEcho() != RADAR_OK) return failed("OrvaneRecEndRadarEcho");
    std::printf("%s  %llu revolutions, %llu lines, %llu datagrams sent by the station\n",
                interactive ? "\r" : "", static_cast<unsigned long long>(target),
                static_cast<unsigned long long>(capture.live_lines.load()),
                static_cast<unsigned long long>(station.datagrams_sent()));
    const std::string live_png = out + "/demo-live.png";
    if (!write_picture(capture, false, live_png)) return failed("the live picture");
    std::printf("  picture of the last revolution with trails: %s\n", live_png.c_str());
    station.stop();

    // 4. The recording, played back through the library.
    RecordingInfo info;
    if (!inspect_recording(recording, info) || info.datagrams == 0)
        return failed("the recording is empty");
    std::printf("\nrecorded %llu datagrams, %llu lines to %s; playing it back:\n",
                static_cast<unsigned long long>(info.datagrams),
                static_cast<unsigned long long>(info.lines), recording.c_str());
    OrvaneSetTrailTime(0);
    if (!play_back(capture, recording) || !capture.last_played.load())
        return failed("the playback");
    const std::string played_png = out + "/demo-playback.png";
    if (!write_picture(capture, true, played_png)) return failed("the playback picture");
    std::printf("  %llu lines played back, picture: %s\n",
                static_cast<unsigned long long>(capture.played_lines.load()), played_png.c_str());

    // 5. CPA/TCPA of the simulated ships, own ship lying still.
    std::printf("\nclosest points of approach (own ship stopped):\n");
    const Scene &scene = options.scene;
    const double t = station.clock();
    for (std::size_t i = 0; i < scene.ships.size(); ++i) {
        double range = 0, bearing = 0;
        scene.position(i, t, range, bearing);
        const Ship &ship = scene.ships[i];
        int32_t cpa = 0, tcpa = 0;
        const auto tenths = [](double v) { return static_cast<int16_t>(std::lround(v * 10)); };
        const auto angle = [&](double degrees) {
            return static_cast<int16_t>(
                std::lround(std::fmod(std::fmod(degrees, 360) + 360, 360) * 10) % 3600);
        };
        if (OrvaneCalCpaTcpa(static_cast<int32_t>(std::lround(range * 100)), angle(bearing), 0, 0,
                             tenths(ship.speed_kn), angle(ship.course_deg), &cpa,
                             &tcpa) != RADAR_OK)
            return failed("OrvaneCalCpaTcpa refused a ship");
        std::printf(
            "  %-10s %5.2f NM at %5.1f deg, %4.1f kn on %5.1f deg: CPA %6.3f NM, TCPA %8.2f min\n",
            ship.name.c_str(), range, bearing, ship.speed_kn, ship.course_deg, cpa / 65536.0,
            tcpa / 65536.0);
    }
    NetShutdown();
    std::printf("\ndemo done\n");
    return 0;
}

}  // namespace radarctl
