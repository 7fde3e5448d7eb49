// radarctl demo: the whole library at work against a simulated radar on
// loopback, in well under a minute.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "capture.h"
#include "commands.h"
#include "console.h"
#include "files.h"
#include "orvane.h"
#include "ppi.h"
#include "radar.h"
#include "station.h"

namespace radarctl {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char *station_name = "RADARSIM";

bool progress_open = false;  // a progress line running in place on the terminal

// Says why the demo stops, ends what it started and returns 1.
int failed(const std::string &why) {
    if (progress_open) std::fputc('\n', stdout);
    std::fflush(stdout);
    std::fprintf(stderr, "radarctl demo: %s\n", why.c_str());
    OrvaneRecEndRadarEcho();  // refused when no recording runs
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

// Empty when the picture is written; else why not.
std::string write_picture(Capture &capture, bool played_back, const std::string &path) {
    auto picture = std::make_unique<PolarPicture>();
    capture.picture(played_back, *picture);
    if (picture->lines() == 0) return "no echo lines came for " + path;
    std::string why;
    if (!write_png(render_ppi(*picture, 512), path, why))
        return "cannot write " + path + ": " + why;
    return {};
}

}  // namespace

int run_demo(const std::vector<std::string> &args) {
    const Options o(args, {"--out", "--revolutions"});
    if (!o.ok()) return bad_usage("demo", o.error());
    if (!o.positional().empty())
        return bad_usage("demo", "unexpected argument " + o.positional()[0]);
    const std::string out = o.text("--out", ".");
    const double revolutions = o.number("--revolutions", 3);
    if (!(revolutions >= 1 && revolutions <= 20) || revolutions != std::floor(revolutions))
        return bad_usage("demo", "--revolutions takes 1 to 20");
    std::string why;
    if (!make_directories(out, why)) {
        std::fprintf(stderr, "radarctl demo: cannot create %s: %s\n", out.c_str(), why.c_str());
        return 1;
    }

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
        return failed("the library refused the session (OrvaneInitRadarFunc)");
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
    // The library writes the recording under a temporary name; it is renamed
    // into place once it is known to hold echo.
    PendingFile recording(out + "/demo.rec");
    const uint64_t target = static_cast<uint64_t>(revolutions);
    std::printf("\nreceiving echo, trails 20 s, %llu revolutions:\n",
                static_cast<unsigned long long>(target));
    bool recording_started = false;
    uint64_t recorded_from = 0;  // the revolution count when the recording started
    const bool interactive = radar::platform::stdout_is_terminal();
    uint64_t printed = ~uint64_t{0};
    const auto deadline = Clock::now() + std::chrono::seconds(40);
    // Until one whole revolution after the recording started.
    while (!recording_started || capture.live_revolutions.load() <= recorded_from) {
        if (Clock::now() > deadline) return failed("the echo stopped coming");
        const uint64_t turns = capture.live_revolutions.load();
        if (!recording_started && turns >= target) {  // the last revolution
            recorded_from = turns;
            if (OrvaneRecStartRadarEcho(recording.temporary().c_str()) != RADAR_OK)
                return failed("cannot write " + recording.path() + ": " +
                              why_unwritable(recording.temporary()));
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
            progress_open = interactive;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    progress_open = false;
    if (OrvaneRecEndRadarEcho() != RADAR_OK)
        return failed("the recording to " + recording.path() + " ended early: a write failed (" +
                      free_space_beside(recording.path()) + ")");
    std::printf("%s  %llu revolutions, %llu lines, %llu datagrams sent by the station\n",
                interactive ? "\r" : "", static_cast<unsigned long long>(target),
                static_cast<unsigned long long>(capture.live_lines.load()),
                static_cast<unsigned long long>(station.datagrams_sent()));
    const std::string live_png = out + "/demo-live.png";
    why = write_picture(capture, false, live_png);
    if (!why.empty()) return failed(why);
    std::printf("  picture of the last revolution with trails: %s\n", live_png.c_str());
    station.stop();

    // 4. The recording, played back through the library.
    // The library reports no write errors: a recording that holds nothing
    // is most likely a full disk.
    RecordingInfo info;
    if (!inspect_recording(recording.temporary(), info))
        return failed("cannot read back the recording " + recording.temporary() + ": " +
                      why_unreadable(recording.temporary()));
    if (info.datagrams == 0)
        return failed("the recording " + recording.path() + " holds nothing (" +
                      free_space_beside(recording.path()) + ")");
    if (!recording.commit(why)) return failed("cannot write " + recording.path() + ": " + why);
    std::printf("\nrecorded %llu datagrams, %llu lines to %s; playing it back:\n",
                static_cast<unsigned long long>(info.datagrams),
                static_cast<unsigned long long>(info.lines), recording.path().c_str());
    OrvaneSetTrailTime(0);
    if (!play_back(capture, recording.path()) || !capture.last_played.load())
        return failed("the playback of " + recording.path() + " did not reach its end");
    const std::string played_png = out + "/demo-playback.png";
    why = write_picture(capture, true, played_png);
    if (!why.empty()) return failed(why);
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
