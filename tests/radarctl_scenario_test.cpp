// Scenarios in the station simulator: the file format, the truth they
// describe, and a station under a scenario heard by the library over
// loopback, its picture and own ship's announcements checked against that
// truth.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <mutex>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "orvane.h"
#include "radar.h"
#include "scenario.h"
#include "station.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using radarctl::Scenario;

constexpr double pi = std::numbers::pi;

bool eventually(const std::function<bool()> &done, std::chrono::milliseconds limit = 10000ms) {
    const auto until = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > until) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

double angle_between(double a, double b) { return std::remainder(a - b, 360.0); }

const char *const example = R"({"rpm": 24, "range_nm": 12, "seed": 1, "sea": 0.3, "coast": false,
  "own": {"course_deg": 0, "speed_kn": 10, "lat": 50.0, "lon": -1.5,
          "turns": [{"at_s": 300, "course_deg": 90, "rate_deg_s": 1.0}]},
  "sensors": {"heading_sigma_deg": 0.3, "speed_sigma_kn": 0.1},
  "ships": [{"name": "T1", "range_nm": 8, "bearing_deg": 0, "course_deg": 180, "speed_kn": 10,
             "length_m": 60, "turns": [{"at_s": 120, "course_deg": 270, "rate_deg_s": 0.5}]}],
  "acquire": [{"at_s": 6, "range_nm": 7.97, "bearing_deg": 0.0}],
  "auto_zones": [{"from_deg": 0, "to_deg": 360, "inner_nm": 0.5, "outer_nm": 6}]})";

TEST(ScenarioFile, GoodAndBadFiles) {
    Scenario s;
    std::string why;
    ASSERT_TRUE(radarctl::parse_scenario(example, s, why)) << why;
    EXPECT_EQ(s.rpm, 24);
    EXPECT_EQ(s.seed, 1u);
    EXPECT_DOUBLE_EQ(s.sea, 0.3);
    EXPECT_EQ(s.own.turns.size(), 1u);
    EXPECT_DOUBLE_EQ(s.heading_sigma_deg, 0.3);
    ASSERT_EQ(s.ships.size(), 1u);
    EXPECT_EQ(s.ships[0].name, "T1");
    EXPECT_EQ(s.ships[0].turns[0].at_s, 120);
    ASSERT_EQ(s.acquire.size(), 1u);
    EXPECT_DOUBLE_EQ(s.acquire[0].range_nm, 7.97);
    ASSERT_EQ(s.auto_zones.size(), 1u);
    EXPECT_EQ(s.auto_zones[0].outer_nm, 6);

    ASSERT_TRUE(radarctl::parse_scenario(R"({"ships": []})", s, why)) << "all else is optional";
    EXPECT_EQ(s.range_nm, 12);
    EXPECT_FALSE(s.coast);

    struct Bad {
        const char *text, *message;
    };
    const Bad bad[] = {
        {R"({"ships": [], "wind": 3})", "unknown key \"wind\""},
        {R"({"ships": [], "own": {"speed": 3}})", "unknown key \"speed\" in own"},
        {R"({"ships": [{"range_nm": 1, "bearing_deg": 0, "turns": [{"at_s": 1, "course_deg": 9, "rate": 1}]}]})",
         "unknown key \"rate\" in ships[0].turns[0]"},
        {R"({"ships": [], "sea": "rough"})", "sea must be a number"},
        {R"({"ships": [], "coast": 1})", "coast must be true or false"},
        {R"({"ships": {}})", "ships must be an array"},
        {R"({"ships": [{"name": 7, "range_nm": 1, "bearing_deg": 0}]})",
         "ships[0].name must be a string"},
        {R"({"ships": [], "range_nm": 10})", "range_nm must be one of the radar's ranges"},
        {R"({"ships": [], "range_nm": 200})", "range_nm must lie between"},
        {R"({"ships": [], "sea": 1.5})", "sea must lie between 0 and 1"},
        {R"({"ships": [{"range_nm": 1}]})", "ships[0].bearing_deg is missing"},
        {R"({"rpm": 24})", "ships is missing"},
        {R"({"ships": [], "auto_zones": [{"inner_nm": 3, "outer_nm": 2}]})",
         "must exceed inner_nm"},
        {R"({"ships": [],})", "not JSON"},
        {R"([1, 2])", "a scenario is a JSON object"},
    };
    for (const Bad &b : bad) {
        SCOPED_TRACE(b.text);
        EXPECT_FALSE(radarctl::parse_scenario(b.text, s, why));
        EXPECT_NE(why.find(b.message), std::string::npos) << why;
    }
    EXPECT_FALSE(radarctl::read_scenario("/nonexistent/x.json", s, why));
    EXPECT_NE(why.find("cannot read /nonexistent/x.json"), std::string::npos) << why;
}

// The truth worked out by hand: a 10 kn leg north, a quarter turn to
// starboard at 1 deg/s (radius v/omega), a leg east; a ship closing head on.
TEST(ScenarioTruth, OwnShipTurnsAndShipsRun) {
    Scenario s;
    std::string why;
    ASSERT_TRUE(radarctl::parse_scenario(example, s, why)) << why;
    const double v = 10 * 1852.0 / 3600, radius = v / (pi / 180), leg = v * 300;
    struct Own {
        double t, east, north, course;
    };
    const Own own[] = {
        {0, 0, 0, 0},
        {300, 0, leg, 0},
        {345, radius * (1 - std::cos(pi / 4)), leg + radius * std::sin(pi / 4), 45},
        {390, radius, leg + radius, 90},
        {490, radius + 100 * v, leg + radius, 90},
    };
    for (const Own &o : own) {
        SCOPED_TRACE(o.t);
        const radarctl::MotionState m = s.own_at(o.t);
        EXPECT_NEAR(m.east_m, o.east, 0.01);
        EXPECT_NEAR(m.north_m, o.north, 0.01);
        EXPECT_NEAR(angle_between(m.course_deg, o.course), 0, 1e-9);
        EXPECT_NEAR(m.east_ms, v * std::sin(o.course * pi / 180), 1e-9);
    }
    double lat = 0, lon = 0;
    s.own_lat_lon(390, lat, lon);
    EXPECT_NEAR(lat, 50 + (leg + radius) / 111120, 1e-9);
    EXPECT_NEAR(lon, -1.5 + radius / (111120 * std::cos(50 * pi / 180)), 1e-9);

    // T1 closes at 20 kn until its turn at 120 s: 8 NM less 40 s of 20 kn.
    double range = 0, bearing = 0;
    s.range_bearing(0, 60, range, bearing);
    EXPECT_NEAR(range, 8 - 20.0 * 60 / 3600, 1e-9);
    EXPECT_NEAR(bearing, 0, 1e-9);
    // Its turn from 180 to 270 goes by starboard (through 225), 180 s long.
    EXPECT_NEAR(s.ship_at(0, 210).course_deg, 225, 1e-9);
    EXPECT_NEAR(s.ship_at(0, 400).course_deg, 270, 1e-9);
    EXPECT_NEAR(s.ship_at(0, 401).east_m - s.ship_at(0, 400).east_m, -v, 1e-6);

    // The shorter way round: from 010 to 350 is to port.
    const radarctl::Motion port(0, 0, 10, 10, {{0, 350, 1}});
    EXPECT_NEAR(port.at(5).course_deg, 5, 1e-9);
    EXPECT_NEAR(port.at(10).course_deg, 0, 1e-9);
    EXPECT_NEAR(port.at(30).course_deg, 350, 1e-9);
}

TEST(ScenarioTruth, ReportedOwnShipCarriesTheSensorsNoise) {
    Scenario s;
    std::string why;
    ASSERT_TRUE(radarctl::parse_scenario(
        R"({"ships": [], "own": {"course_deg": 90, "speed_kn": 12},
            "sensors": {"heading_sigma_deg": 0.5, "speed_sigma_kn": 0.2}})",
        s, why));
    EXPECT_EQ(s.reported_own(7.1).heading_deg, s.reported_own(7.9).heading_deg) << "one second";
    double sum = 0, squares = 0, speed_squares = 0, changes = 0;
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        const radarctl::OwnReport r = s.reported_own(i);
        const double e = angle_between(r.heading_deg, 90);
        sum += e;
        squares += e * e;
        speed_squares += (r.speed_kn - 12) * (r.speed_kn - 12);
        EXPECT_EQ(r.course_deg, 90);
        if (i > 0 && r.heading_deg != s.reported_own(i - 1).heading_deg) ++changes;
    }
    EXPECT_NEAR(sum / n, 0, 0.05);
    EXPECT_NEAR(std::sqrt(squares / n), 0.5, 0.05);
    EXPECT_NEAR(std::sqrt(speed_squares / n), 0.2, 0.02);
    EXPECT_GT(changes, n - 5) << "a new error every second";
}

// ---- A station under a scenario, heard by the library --------------------------------

struct Heard {
    std::mutex lock;
    radarctl::Station *station = nullptr;
    Scenario *scenario = nullptr;
    int checked = 0, misplaced = 0, unrotated = 0;
    std::atomic<int> heading_notes{0}, position_notes{0};
    uint16_t heading_tenths = 0;
    int32_t latitude = 0, longitude = 0;
} heard;

// Each strongest sample must lie where the truth puts the ship, turned by the
// heading error of the second it was drawn in: within the beam and a sample.
void RADAR_CALLBACK on_line(EchoLineRecord *line) {
    std::lock_guard held(heard.lock);
    if (heard.station == nullptr) return;
    const Scenario &s = *heard.scenario;
    const double period = 60 / s.rpm, in_turn = line->Sweep / 8192.0 * period;
    const double t =
        std::floor((heard.station->clock() - in_turn) / period + 0.5) * period + in_turn;
    if (std::abs(t - std::round(t)) < 0.01) return;  // too near a new second's heading error
    const double per_sample = s.range_nm / line->SampleCount;
    const double half_length_nm = s.ships[0].length_m / 2 / 1852;
    const double shown = ((line->Sweep + line->BearingOffset) & 0x1FFF) * 360.0 / 8192;
    for (int i = 0; i < line->SampleCount; ++i) {
        if (line->Data[i] != 7) continue;
        double range = 0, bearing = 0;
        s.range_bearing(0, t, range, bearing);
        const double error = angle_between(s.reported_own(t).heading_deg, s.own_at(t).course_deg);
        ++heard.checked;
        if (std::abs(angle_between(shown, bearing + error)) > 0.75 ||
            std::abs((i + 0.5) * per_sample - range) > half_length_nm + per_sample)
            ++heard.misplaced;
        if (std::abs(angle_between(shown, bearing)) > 0.75) ++heard.unrotated;
    }
}

void RADAR_CALLBACK on_notify(int32_t code) {
    uint16_t setting = 0, heading = 0;
    int16_t value = 0;
    if (code == 0x38 && OrvaneGetRadarNMEAHead(&setting, &heading, &value) == RADAR_OK) {
        std::lock_guard held(heard.lock);
        heard.heading_tenths = heading;
        heard.heading_notes.fetch_add(1);
    }
    int32_t lat = 0, lon = 0;
    if (code == 0x37 && OrvaneGetRadarOwnPosiLL(&setting, &lat, &lon) == RADAR_OK) {
        std::lock_guard held(heard.lock);
        heard.latitude = lat;
        heard.longitude = lon;
        heard.position_notes.fetch_add(1);
    }
}

// Kept last and alone in its program: the library's session and echo
// receiver live as long as the process.
TEST(ScenarioStation, TheLibraryGetsTheShipTurnedByTheHeadingErrorAndOwnShip) {
    radarctl::StationOptions options;
    Scenario scenario;
    std::string why;
    // A heading error of several beam widths, so a picture not turned by it
    // would show.
    ASSERT_TRUE(radarctl::parse_scenario(
        R"({"rpm": 120, "range_nm": 3, "own": {"course_deg": 300, "speed_kn": 15, "lat": -33.5, "lon": 151.25},
            "sensors": {"heading_sigma_deg": 3},
            "ships": [{"range_nm": 2, "bearing_deg": 130, "course_deg": 20, "speed_kn": 20, "length_m": 100}]})",
        scenario, why))
        << why;
    options.scenario = scenario;
    options.sweep_step = 4;
    radarctl::Station station(options);
    ASSERT_TRUE(station.start());
    {
        std::lock_guard held(heard.lock);
        heard.station = &station;
        heard.scenario = &scenario;
    }
    ASSERT_EQ(NetSetStation("SCENARIO", "127.0.0.1", station.port()), 0);
    ASSERT_EQ(OrvaneInitRadarFunc("SCENARIO", &on_notify), RADAR_OK);
    ASSERT_EQ(OrvaneInitRadarEchoFunc(&on_line), RADAR_OK);

    ASSERT_TRUE(eventually([] {
        return heard.heading_notes.load() >= 3 && heard.position_notes.load() >= 3;
    })) << "own ship is announced each second";
    ASSERT_TRUE(eventually([] {
        std::lock_guard held(heard.lock);
        return heard.checked >= 150;
    }));
    const double t = station.clock();
    NetShutdown();
    station.stop();
    std::lock_guard held(heard.lock);
    heard.station = nullptr;
    EXPECT_EQ(heard.misplaced, 0) << "of " << heard.checked;
    EXPECT_GT(heard.unrotated, heard.checked / 4) << "the heading error turns the picture";

    // The last announcement is of a whole second within the last two.
    double lat = 0, lon = 0;
    bool matches = false;
    for (const double second : {std::floor(t), std::floor(t) - 1, std::floor(t) - 2}) {
        const radarctl::OwnReport own = scenario.reported_own(second);
        lat = own.lat_deg;
        lon = own.lon_deg;
        const auto tenths = static_cast<uint16_t>(std::lround(own.heading_deg * 10) % 3600);
        matches =
            matches || (heard.heading_tenths == tenths &&
                        heard.latitude == static_cast<int32_t>(std::lround(lat * 60 * 65536)) &&
                        heard.longitude == static_cast<int32_t>(std::lround(lon * 60 * 65536)));
    }
    EXPECT_TRUE(matches) << heard.heading_tenths << " " << heard.latitude << " " << heard.longitude;
    EXPECT_LT(heard.latitude, 0) << "south";
}

}  // namespace
