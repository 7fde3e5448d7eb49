// The simulated station obeys what it is told: the library, as the station's
// client, orders standby and transmit, gain, sea and rain, and the echo lines
// it hears back over loopback change as they must, counted against the
// scene's own geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "loopback_station.h"
#include "orvane.h"
#include "radar.h"
#include "station.h"

namespace {

using loopback::eventually;

constexpr double rpm = 300;  // a revolution in 0.2 s
constexpr uint16_t sweep_step = 4;

double bearing_of(int sweep) { return sweep * 360.0 / 8192; }

// ---- What the library hands over -------------------------------------------------

// One revolution of lines, caught whole: the revolution after the next one to
// begin once asked, so no line drawn before an order can be in it.
struct Catch {
    std::mutex mutex;
    uint64_t lines = 0;
    int wraps = -1;  // revolutions begun since asked; -1: not asked
    int last_sweep = -1;
    std::vector<std::array<uint8_t, 512>> picture = std::vector<std::array<uint8_t, 512>>(8192);
    std::vector<bool> seen = std::vector<bool>(8192);
} heard;

void RADAR_CALLBACK on_line(EchoLineRecord *line) {
    std::lock_guard lock(heard.mutex);
    ++heard.lines;
    if (heard.wraps < 0) return;
    const int sweep = line->Sweep & 0x1FFF;
    if (sweep < heard.last_sweep) ++heard.wraps;
    heard.last_sweep = sweep;
    if (heard.wraps != 2 || line->SampleCount != 512) return;
    std::copy(line->Data, line->Data + 512, heard.picture[sweep].begin());
    heard.seen[sweep] = true;
}

uint64_t lines_heard() {
    std::lock_guard lock(heard.mutex);
    return heard.lines;
}

// Where on the picture a count is made.
enum class Area { open_sea, near_own_ship, shower };

bool inside(Area area, double range_nm, double bearing_deg, const radarctl::Scene &scene) {
    switch (area) {
        case Area::open_sea:  // the land, which gain hardly changes, lies from 20 to 80 degrees
            return bearing_deg < 18 || bearing_deg > 82;
        case Area::near_own_ship:
            return range_nm < 1.0;
        case Area::shower: {
            const radarctl::Shower &rain = scene.showers.at(0);
            const double off = (bearing_deg - rain.bearing_deg) * std::numbers::pi / 180;
            return std::hypot(range_nm * std::sin(off), range_nm * std::cos(off) - rain.range_nm) <
                   rain.radius_nm;
        }
    }
    return false;
}

struct Picture {
    std::vector<std::array<uint8_t, 512>> lines;
    std::vector<bool> seen;
    int lines_seen = 0;

    // Echo samples (levels 1-7) in the area.
    int echo(Area area, const radarctl::Scene &scene) const {
        int n = 0;
        for (int sweep = 0; sweep < 8192; ++sweep) {
            if (!seen[sweep]) continue;
            for (int s = 0; s < 512; ++s) {
                const uint8_t level = lines[sweep][s];
                if (level >= 1 && level <= 7 &&
                    inside(area, (s + 0.5) * scene.range_nm / 512, bearing_of(sweep), scene))
                    ++n;
            }
        }
        return n;
    }

    // The strongest level within a few samples and sweeps of a place.
    int strongest(double range_nm, double bearing_deg, double range_of_picture) const {
        const int centre = static_cast<int>(range_nm / range_of_picture * 512);
        const int sweep = static_cast<int>(std::lround(bearing_deg / 360 * 8192));
        int most = 0;
        for (int d = -12; d <= 12; ++d) {
            const int at = (sweep + d) & 0x1FFF;
            if (!seen[at]) continue;
            for (int s = std::max(0, centre - 2); s <= std::min(511, centre + 2); ++s)
                if (lines[at][s] <= 7) most = std::max<int>(most, lines[at][s]);
        }
        return most;
    }
};

std::optional<Picture> next_revolution() {
    {
        std::lock_guard lock(heard.mutex);
        heard.wraps = 0;
        heard.last_sweep = -1;
        std::fill(heard.seen.begin(), heard.seen.end(), false);
    }
    const bool caught = eventually([] {
        std::lock_guard lock(heard.mutex);
        return heard.wraps >= 3;
    });
    std::lock_guard lock(heard.mutex);
    heard.wraps = -1;
    if (!caught) return std::nullopt;
    Picture p{heard.picture, heard.seen, 0};
    for (const bool s : p.seen) p.lines_seen += s ? 1 : 0;
    return p;
}

// ---- A station and the library as its client ------------------------------------

// Set up once for the tests of the program that need it, and failing them
// (not skipping them) when it cannot be.
class StationObeys : public testing::Test {
  protected:
    static bool connected() {
        static const bool up = [] {
            radarctl::StationOptions options;
            options.rpm = rpm;
            options.sweep_step = sweep_step;
            station = new radarctl::Station(options);
            return station->start() &&
                   NetSetStation("OBEYSIM", "127.0.0.1", station->port()) == 0 &&
                   OrvaneInitRadarFunc("OBEYSIM", [](int32_t) {}) == RADAR_OK &&
                   OrvaneInitRadarEchoFunc(&on_line) == RADAR_OK && eventually([] {
                       // The station's last announcement at connect (transmitting)
                       // has been taken: orders now have a peer to go to.
                       uint16_t state = 0;
                       return OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED &&
                              OrvaneGetRadarTxStby(&state) == RADAR_OK && state == 2 &&
                              lines_heard() > 0;
                   });
        }();
        return up;
    }
    void SetUp() override {
        ASSERT_TRUE(connected()) << "a station heard by the library (is UDP port 10024 taken?)";
    }
    static void TearDownTestSuite() {
        if (station == nullptr) return;
        NetShutdown();
        delete station;
        station = nullptr;
    }
    static radarctl::Station *station;
};

radarctl::Station *StationObeys::station = nullptr;

TEST_F(StationObeys, StandbyStopsTheEchoAndTransmitBringsItBack) {
    uint16_t state = 0;
    ASSERT_EQ(OrvanePutRadarTxStby(RADAR_KIND_ORDER, 1), RADAR_OK);
    ASSERT_TRUE(eventually([&] { return OrvaneGetRadarTxStby(&state) == RADAR_OK && state == 1; }));
    // Once a line in flight has landed (two revolutions' time), nothing more
    // comes for two revolutions more.
    const auto turns = [](double revolutions) {
        const double until = station->clock() + revolutions * 60 / rpm;
        return eventually([&] { return station->clock() >= until; });
    };
    ASSERT_TRUE(turns(2));
    const uint64_t lines = lines_heard(), datagrams = station->datagrams_sent();
    ASSERT_TRUE(turns(2));
    EXPECT_EQ(lines_heard(), lines) << "echo lines in standby";
    EXPECT_EQ(station->datagrams_sent(), datagrams) << "echo datagrams in standby";

    ASSERT_EQ(OrvanePutRadarTxStby(RADAR_KIND_ORDER, 2), RADAR_OK);
    EXPECT_TRUE(eventually([&] { return lines_heard() > lines + 4096; })) << "no echo again";
    const std::optional<Picture> after = next_revolution();
    ASSERT_TRUE(after);
    EXPECT_GT(after->lines_seen, 2000) << "a whole revolution after transmit";
}

// Each case orders gain, sea and rain and counts the echo of one revolution;
// then the counts are compared, and every ship must show in every case: the
// settings act where noise and clutter are made, and take no ship away.
TEST_F(StationObeys, GainSeaAndRainChangeTheEchoWhereTheyAct) {
    struct Case {
        const char *name;
        uint16_t gain_mode, gain, sea_mode, sea, rain;
    };
    const Case cases[] = {
        {"as at connect", 1, 50, 1, 30, 20}, {"gain 10", 0, 10, 1, 30, 20},
        {"gain 90", 0, 90, 1, 30, 20},       {"sea 0", 1, 50, 0, 0, 20},
        {"sea 100", 1, 50, 0, 100, 20},      {"rain 0", 1, 50, 1, 30, 0},
        {"rain 100", 1, 50, 1, 30, 100},
    };
    const radarctl::Scene scene = radarctl::Scene::standard();
    const Area areas[] = {Area::open_sea, Area::near_own_ship, Area::shower};
    std::vector<std::array<int, 3>> counts;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(OrvanePutRadarGain(RADAR_KIND_ORDER, c.gain_mode, c.gain), RADAR_OK);
        ASSERT_EQ(OrvanePutRadarACSea(RADAR_KIND_ORDER, c.sea_mode, c.sea), RADAR_OK);
        ASSERT_EQ(OrvanePutRadarACRain(RADAR_KIND_ORDER, c.rain), RADAR_OK);
        ASSERT_TRUE(eventually([&] {
            uint16_t gm = 0, g = 0, sm = 0, s = 0, r = 0;
            return OrvaneGetRadarGain(&gm, &g) == RADAR_OK && gm == c.gain_mode && g == c.gain &&
                   OrvaneGetRadarACSea(&sm, &s) == RADAR_OK && sm == c.sea_mode && s == c.sea &&
                   OrvaneGetRadarACRain(&r) == RADAR_OK && r == c.rain;
        })) << "the station announces the orders back";
        const std::optional<Picture> p = next_revolution();
        ASSERT_TRUE(p);
        ASSERT_GT(p->lines_seen, 2000);
        counts.push_back({});
        for (int a = 0; a < 3; ++a) counts.back()[a] = p->echo(areas[a], scene);
        const double t = station->clock();
        for (std::size_t i = 0; i < scene.ships.size(); ++i) {
            double range = 0, bearing = 0;
            scene.position(i, t, range, bearing);
            EXPECT_GE(p->strongest(range, bearing, scene.range_nm), 4) << scene.ships[i].name;
        }
        std::printf("%-14s echo samples: %6d on open sea, %5d within 1 NM, %5d in the shower\n",
                    c.name, counts.back()[0], counts.back()[1], counts.back()[2]);
    }
    ASSERT_EQ(counts.size(), std::size(cases));

    // more, fewer: case indexes; in the area, more must have `ratio` times
    // the echo of fewer.
    struct Compare {
        int more, fewer;
        Area area;
        double ratio;
    };
    const Compare compares[] = {
        {2, 0, Area::open_sea, 1.5},       // gain up: noise and clutter grow
        {0, 1, Area::open_sea, 5},         // gain down: they fade
        {3, 4, Area::near_own_ship, 5},    // sea clutter taken away
        {3, 0, Area::near_own_ship, 1.2},  // none taken: more than at connect
        {5, 6, Area::shower, 5},           // rain taken away
    };
    for (const Compare &c : compares) {
        const int area = static_cast<int>(c.area);
        EXPECT_GE(counts[c.more][area], c.ratio * counts[c.fewer][area])
            << cases[c.more].name << " against " << cases[c.fewer].name;
    }
}

}  // namespace
