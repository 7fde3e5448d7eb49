// radarctl track: a scenario through the station's painter and echo encoder,
// the library's decoder (recordings played back, which go as fast as their
// lines are taken) and the target tracker, as fast as the machine allows.
// Scene time comes from the revolutions and sweeps, never from a clock, so a
// run gives the same answers however fast it goes.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "commands.h"
#include "files.h"
#include "radar.h"
#include "radar_tracking.h"
#include "scenario.h"
#include "station.h"

namespace radarctl {
namespace {

using Clock = std::chrono::steady_clock;

constexpr uint16_t sweep_step = 2;           // as the station sends: 4096 lines a revolution
constexpr uint64_t revolutions_a_file = 16;  // played back one file at a time, a few MB each
constexpr double longest_scene_s = 6 * 3600;
constexpr double acquire_retry_s = 10;          // an order finding no echo is tried again this long
constexpr uint32_t first_acquisition_zone = 2;  // 0 and 1 are the radar's guard zones

// The words the output gives the tracker's numbers.
struct Word {
    int64_t value;
    const char *word;
};
constexpr Word statuses[] = {{RADARTRACK_ACQUIRING, "acquiring"},
                             {RADARTRACK_TRACKING, "tracking"},
                             {RADARTRACK_LOST, "lost"}};
constexpr Word event_kinds[] = {
    {RADARTRACK_EVENT_ACQUIRED, "acquired"}, {RADARTRACK_EVENT_TRACKING, "tracking"},
    {RADARTRACK_EVENT_LOST, "lost"},         {RADARTRACK_EVENT_GUARD, "guard"},
    {RADARTRACK_EVENT_DANGER, "danger"},     {RADARTRACK_EVENT_DANGER_END, "danger_end"},
    {RADARTRACK_EVENT_FULL, "full"},         {RADARTRACK_EVENT_DROPPED, "dropped"}};
// An order's outcome: the status radartrack_acquire gave it last.
constexpr Word order_outcomes[] = {
    {RADARTRACK_OK, "acquired"}, {RADARTRACK_FULL, "full"}, {RADARTRACK_NOT_FOUND, "no echo"}};

template <std::size_t N>
const char *word_of(const Word (&words)[N], int64_t value) {
    for (const Word &w : words)
        if (w.value == value) return w.word;
    return "other";
}

// To `per_unit` parts of a unit: a quotient of whole numbers prints short.
double rounded(double v, double per_unit) { return std::round(v * per_unit) / per_unit; }
// Hundredths of a degree, 0 to less than 360.
double degrees(double v) {
    const double d = rounded(v, 1e2);
    return d >= 360 ? d - 360 : d;
}

// Everything the echo callback touches; it runs on the library's receiver.
struct Run {
    RadarTracker *tracker = nullptr;
    const Scenario *scenario = nullptr;
    std::vector<double> at;          // the times asked for
    std::vector<std::size_t> order;  // their indexes by time
    std::size_t next_at = 0;
    std::vector<std::string> answers;  // one line per time asked for
    struct Order {
        ScenarioAcquire acquire;
        double next_s;
        std::size_t index;  // in the scenario's list
    };
    std::vector<Order> orders;
    nlohmann::json outcomes = nlohmann::json::array();  // one per order, in the scenario's order
    nlohmann::json events = nlohmann::json::array();    // since the last answer
    int64_t next_second = 0;
    int previous_sweep = -1;
    uint64_t revolution = 0;
    std::atomic<uint64_t> lines{0};

    // Everything due up to time t, in time order: own-ship samples each whole
    // second, the acquisition orders, the answers.
    void advance(double t) {
        for (;;) {
            const double own_due = static_cast<double>(next_second);
            double order_due = HUGE_VAL;
            std::size_t order_index = 0;
            for (std::size_t i = 0; i < orders.size(); ++i)
                if (orders[i].next_s < order_due) {
                    order_due = orders[i].next_s;
                    order_index = i;
                }
            const double answer_due = next_at < order.size() ? at[order[next_at]] : HUGE_VAL;
            if (own_due <= t && own_due <= order_due && own_due <= answer_due) {
                own_sample(next_second++);
            } else if (order_due <= t && order_due <= answer_due) {
                acquire(order_index, order_due);
            } else if (answer_due < t) {
                answer(order[next_at++]);
            } else {
                return;
            }
        }
    }

    void own_sample(int64_t second) {
        const OwnReport own = scenario->reported_own(static_cast<double>(second));
        RadarTrackOwnShip sample{};
        sample.time_s = static_cast<double>(second);
        sample.has = RADARTRACK_OWN_HEADING | RADARTRACK_OWN_VELOCITY | RADARTRACK_OWN_POSITION;
        sample.heading_deg = own.heading_deg;
        sample.course_deg = own.course_deg;
        sample.speed_kn = own.speed_kn;
        sample.lat_deg = own.lat_deg;
        sample.lon_deg = own.lon_deg;
        radartrack_own_ship(tracker, &sample);
    }

    // An order that finds no echo there yet is tried once a revolution for a
    // while: the echo may not have been swept since the order's time.
    void acquire(std::size_t i, double now) {
        const ScenarioAcquire a = orders[i].acquire;
        uint32_t id = 0;
        const int32_t status = radartrack_acquire(tracker, a.range_nm, a.bearing_deg, &id);
        const double next = now + 60.0 / scenario->rpm;
        if (status == RADARTRACK_NOT_FOUND && next <= a.at_s + acquire_retry_s) {
            orders[i].next_s = next;
            return;
        }
        if (status != RADARTRACK_OK)
            std::fprintf(stderr,
                         "radarctl track: the order at %g s to acquire at %g NM, %g deg found %s\n",
                         a.at_s, a.range_nm, a.bearing_deg,
                         status == RADARTRACK_FULL ? "every place taken" : "no echo there");
        outcomes[orders[i].index] = {
            {"at_s", a.at_s},
            {"done_s", now},
            {"status", word_of(order_outcomes, status)},
            {"id", status == RADARTRACK_OK ? nlohmann::json(id) : nullptr}};
        orders.erase(orders.begin() + static_cast<std::ptrdiff_t>(i));
    }

    void answer(std::size_t index) {
        std::vector<RadarTrackTarget> targets(RADARTRACK_MAX_TARGETS);
        const int32_t n = radartrack_targets(tracker, targets.data(), RADARTRACK_MAX_TARGETS);
        nlohmann::json list = nlohmann::json::array();
        for (int32_t i = 0; i < n; ++i) {
            const RadarTrackTarget &x = targets[static_cast<std::size_t>(i)];
            list.push_back({
                {"id", x.id},
                {"status", word_of(statuses, x.status)},
                {"acquisition", x.acquisition == RADARTRACK_AUTO ? "auto" : "manual"},
                {"range_nm", rounded(x.range_nm, 1e4)},
                {"bearing_deg", degrees(x.bearing_deg)},
                {"course_deg", degrees(x.course_deg)},
                {"speed_kn", rounded(x.speed_kn, 1e3)},
                {"rel_course_deg", degrees(x.rel_course_deg)},
                {"rel_speed_kn", rounded(x.rel_speed_kn, 1e3)},
                {"cpa_nm", rounded(x.cpa_nm, 1e4)},
                {"tcpa_min", rounded(x.tcpa_min, 1e3)},
            });
        }
        take_events();
        answers[index] =
            nlohmann::json{{"t", at[index]}, {"targets", list}, {"events", events}}.dump();
        events = nlohmann::json::array();
    }

    void take_events() {
        RadarTrackEvent taken[64];
        for (int32_t n; (n = radartrack_events(tracker, taken, 64)) > 0;)
            for (int32_t i = 0; i < n; ++i) {
                const RadarTrackEvent &e = taken[i];
                nlohmann::json event = {{"kind", word_of(event_kinds, e.kind)},
                                        {"id", e.id},
                                        {"t", rounded(e.time_s, 1e3)},
                                        {"range_nm", rounded(e.range_nm, 1e4)},
                                        {"bearing_deg", degrees(e.bearing_deg)}};
                if (e.kind == RADARTRACK_EVENT_GUARD) event["zone"] = e.zone;
                events.push_back(std::move(event));
            }
    }
};

std::atomic<Run *> run{nullptr};

void RADAR_CALLBACK on_line(EchoLineRecord *line) {
    // A live datagram, between two files or after the last: not the scenario's.
    if (line->Mode == 1 || run.load() == nullptr) return;
    Run &r = *run.load();
    if (r.previous_sweep >= 0 && line->Sweep < r.previous_sweep) ++r.revolution;
    r.previous_sweep = line->Sweep;
    const double t = sweep_time(r.scenario->rpm, r.revolution, line->Sweep);
    r.advance(t);
    radartrack_line(r.tracker, line, t);
    r.take_events();
    r.lines.fetch_add(1);
}

bool parse_times(const std::string &text, std::vector<double> &out) {
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::string item = text.substr(from, comma - from);
        char *end = nullptr;
        const double v = std::strtod(item.c_str(), &end);
        if (item.empty() || end == nullptr || *end != '\0' || !(v >= 0 && v <= longest_scene_s))
            return false;
        out.push_back(v);
        from = comma + 1;
    }
    return !out.empty();
}

// Plays the file of `lines` lines and waits until the tracker has had them
// all; false when the library refuses it or stops delivering.
bool play(const std::string &path, uint64_t lines) {
    if (OrvaneReadStartRadarEcho(path.c_str()) != RADAR_OK) return false;
    Run &r = *run.load();
    uint64_t seen = r.lines.load();
    const uint64_t until = seen + lines;
    auto moved = Clock::now();
    while (r.lines.load() < until) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        const uint64_t now = r.lines.load();
        if (now != seen) {
            seen = now;
            moved = Clock::now();
        } else if (Clock::now() - moved > std::chrono::seconds(5)) {
            break;
        }
    }
    OrvaneReadEndRadarEcho();
    return r.lines.load() >= until;
}

}  // namespace

int run_track(const std::vector<std::string> &args) {
    const Options o(args, {"--scenario", "--at"});
    if (!o.ok()) return bad_usage("track", o.error());
    if (!o.positional().empty())
        return bad_usage("track", "unexpected argument " + o.positional()[0]);
    if (!o.has("--scenario")) return bad_usage("track", "--scenario FILE is needed");
    Run r;
    if (!o.has("--at") || !parse_times(o.text("--at"), r.at))
        return bad_usage("track", "--at takes scene times in seconds, T1,T2,... (0 to 21600)");

    Scenario scenario;
    std::string why;
    if (!read_scenario(o.text("--scenario"), scenario, why)) {
        std::fprintf(stderr, "radarctl track: %s\n", why.c_str());
        return 1;
    }
    RadarTracker *tracker = radartrack_create();
    if (tracker == nullptr) {
        std::fprintf(stderr, "radarctl track: the tracker cannot be made (no memory)\n");
        return 1;
    }
    for (std::size_t i = 0; i < scenario.auto_zones.size(); ++i) {
        const ScenarioZone &z = scenario.auto_zones[i];
        const RadarTrackZone zone{RADARTRACK_ZONE_ACQUIRE, z.from_deg, z.to_deg, z.inner_nm,
                                  z.outer_nm};
        if (radartrack_set_zone(tracker, first_acquisition_zone + static_cast<uint32_t>(i),
                                &zone) != RADARTRACK_OK) {
            std::fprintf(stderr, "radarctl track: the tracker refuses auto_zones[%u]\n",
                         static_cast<unsigned>(i));
            radartrack_destroy(tracker);
            return 1;
        }
    }

    r.tracker = tracker;
    r.scenario = &scenario;
    r.answers.resize(r.at.size());
    for (std::size_t i = 0; i < r.at.size(); ++i) r.order.push_back(i);
    std::stable_sort(r.order.begin(), r.order.end(),
                     [&](std::size_t a, std::size_t b) { return r.at[a] < r.at[b]; });
    for (std::size_t i = 0; i < scenario.acquire.size(); ++i)
        r.orders.push_back({scenario.acquire[i], scenario.acquire[i].at_s, i});
    r.outcomes = nlohmann::json::array();
    for (const ScenarioAcquire &a : scenario.acquire)
        r.outcomes.push_back(
            {{"at_s", a.at_s}, {"done_s", nullptr}, {"status", "not due"}, {"id", nullptr}});
    run = &r;

    // Revolutions enough to pass the last time asked for.
    const double period = 60.0 / scenario.rpm;
    const double last = *std::max_element(r.at.begin(), r.at.end());
    const auto revolutions = static_cast<uint64_t>(std::floor(last / period)) + 1;

    std::random_device entropy;
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("radarctl-track-" + std::to_string(entropy()) + ".rec");
    OrvaneInitRadarEchoFunc(&on_line);  // the port may be another's: playback works all the same
    OrvaneSetTrailTime(0);

    const uint8_t scale = scale_code_for(scenario.range_nm);
    const uint16_t samples = sample_count_for(scenario.range_nm);
    const std::vector<uint16_t> sweeps = revolution_sweeps(sweep_step);
    ScenarioPainter painter(scenario);
    EchoEncoder encoder(samples, scale);
    std::vector<uint8_t> datagram, bytes;
    uint8_t levels[512];
    bool ok = true;
    for (uint64_t first = 0; ok && first < revolutions; first += revolutions_a_file) {
        // Each file opens with a whole line: the receiver's line buffer is
        // not this encoder's to know between two files.
        encoder.send_whole();
        bytes.clear();
        uint64_t lines = 0;
        for (uint64_t rev = first; rev < std::min(revolutions, first + revolutions_a_file); ++rev) {
            for (const uint16_t sweep : sweeps) {
                const double t = sweep_time(scenario.rpm, rev, sweep);
                const uint16_t offset = painter.draw(sweep, t, scenario.range_nm, samples, levels);
                if (encoder.add(sweep, offset, false, levels, datagram))
                    bytes.insert(bytes.end(), datagram.begin(), datagram.end());
                ++lines;
            }
            if (encoder.flush(datagram))
                bytes.insert(bytes.end(), datagram.begin(), datagram.end());
        }
        std::string failure;
        if (!write_file(file.string(), bytes.data(), bytes.size(), failure)) {
            std::fprintf(stderr, "radarctl track: cannot write %s: %s\n", file.string().c_str(),
                         failure.c_str());
            ok = false;
        } else if (!play(file.string(), lines)) {
            std::fprintf(stderr, "radarctl track: the library did not play %s through\n",
                         file.string().c_str());
            ok = false;
        }
    }
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (ok) {
        // Times at or past the last line's.
        while (r.next_at < r.order.size()) r.answer(r.order[r.next_at++]);
        for (const std::string &line : r.answers) std::printf("%s\n", line.c_str());
        if (!r.outcomes.empty())
            std::printf("%s\n", nlohmann::json{{"orders", r.outcomes}}.dump().c_str());
    }
    run.store(nullptr);
    radartrack_destroy(tracker);
    return ok ? 0 : 1;
}

}  // namespace radarctl
