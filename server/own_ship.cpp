#include "own_ship.h"

#include <algorithm>
#include <cmath>

#include "json_numbers.h"
#include "radar.h"

namespace radarctl::serve {
namespace {

constexpr double units_per_degree = 60.0 * 65536.0;  // the radar's 1/65536 minute of arc
// The radar's speed is worked out over its positions of this long a time:
// long enough that a metre's jitter is a small part of the way run, short
// enough to follow a change of speed within a few seconds.
constexpr auto speed_window = std::chrono::seconds(10);
constexpr auto shortest_run = std::chrono::seconds(3);
constexpr double pi = 3.14159265358979323846;
constexpr std::size_t most_samples = 256;  // waiting for the tracker; taken every batch

const char *const source_names[] = {"none", "radar", "nmea"};
const char *const part_names[] = {"heading", "velocity", "position"};

double seconds(OwnShip::Clock::duration d) { return std::chrono::duration<double>(d).count(); }


}  // namespace

void OwnShip::put(Source source, Part part, double a, double b, Clock::time_point now) {
    fixes_[source][part] = Fix{a, b, now, true};
    // The tracker hears a part from the source chosen for it now: an NMEA
    // input that has the part keeps the radar's from mixing in.
    if (source_of(part, now) != source || samples_.size() >= most_samples) return;
    RadarTrackOwnShip s{};
    s.time_s = seconds(now - epoch_);
    if (part == heading) {
        s.has = RADARTRACK_OWN_HEADING;
        s.heading_deg = a;
    } else if (part == velocity) {
        s.has = RADARTRACK_OWN_VELOCITY;
        s.course_deg = a;
        s.speed_kn = b;
    } else {
        s.has = RADARTRACK_OWN_POSITION;
        s.lat_deg = a;
        s.lon_deg = b;
    }
    samples_.push_back(s);
}

void OwnShip::radar_announced(int32_t code, Clock::time_point now) {
    uint16_t setting = 0;
    if (code == RADAR_CODE_NMEA_HEADING) {
        uint16_t tenths = 0;
        int16_t value = 0;
        if (OrvaneGetRadarNMEAHead(&setting, &tenths, &value) == RADAR_OK && setting == 1)
            put(radar, heading, tenths / 10.0, 0, now);
    } else if (code == RADAR_CODE_OWN_COURSE) {
        uint16_t tenths = 0;
        if (OrvaneGetOwnCourse(&setting, &tenths) == RADAR_OK && setting == 1)
            radar_course_ = Fix{tenths / 10.0, 0, now, true};
    } else if (code == RADAR_CODE_OWN_POSITION) {
        int32_t lat = 0, lon = 0;
        if (OrvaneGetRadarOwnPosiLL(&setting, &lat, &lon) == RADAR_OK && setting == 1) {
            radar_track_.push_back({now, lat / units_per_degree, lon / units_per_degree});
            put(radar, position, lat / units_per_degree, lon / units_per_degree, now);
            radar_motion(now);
        }
    }
}

// Course and speed over ground from the radar's positions of the last few
// seconds; the course the radar announces (0x55), while fresh, is taken in
// preference to the one of the way run.
void OwnShip::radar_motion(Clock::time_point now) {
    while (!radar_track_.empty() && now - radar_track_.front().at > speed_window)
        radar_track_.pop_front();
    if (radar_track_.size() < 2) return;
    const Place &from = radar_track_.front(), &to = radar_track_.back();
    if (to.at - from.at < shortest_run) return;
    const double north_nm = (to.lat - from.lat) * 60.0;
    const double east_nm =
        (to.lon - from.lon) * 60.0 * std::cos((to.lat + from.lat) / 2 * pi / 180);
    const double hours = seconds(to.at - from.at) / 3600.0;
    const double speed = std::hypot(north_nm, east_nm) / hours;
    double course = std::fmod(std::atan2(east_nm, north_nm) * 180 / pi + 360.0, 360.0);
    if (radar_course_.known && now - radar_course_.at < stale_after) course = radar_course_.a;
    put(radar, velocity, course, speed, now);
}

void OwnShip::nmea_heading(double deg, Clock::time_point now) { put(nmea, heading, deg, 0, now); }
void OwnShip::nmea_velocity(double course, double speed, Clock::time_point now) {
    put(nmea, velocity, course, speed, now);
}
void OwnShip::nmea_position(double lat, double lon, Clock::time_point now) {
    put(nmea, position, lat, lon, now);
}

std::vector<RadarTrackOwnShip> OwnShip::take_samples() {
    std::vector<RadarTrackOwnShip> out;
    out.swap(samples_);
    return out;
}

OwnShip::Source OwnShip::source_of(Part part, Clock::time_point now) const {
    const auto fresh = [&](Source s) {
        const Fix &f = fixes_[s][part];
        return f.known && now - f.at < stale_after;
    };
    if (nmea_given_ && fresh(nmea)) return nmea;
    if (fresh(radar)) return radar;
    return none;
}

const char *OwnShip::source_name(Clock::time_point now) const {
    Source most = none;
    for (int p = 0; p < parts; ++p)
        if (const Source s = source_of(static_cast<Part>(p), now); s > most) most = s;
    return source_names[most];
}

nlohmann::json OwnShip::describe(Clock::time_point now) const {
    nlohmann::json own = {{"heading_deg", nullptr}, {"course_deg", nullptr},
                          {"speed_kn", nullptr},    {"lat", nullptr},
                          {"lon", nullptr},         {"source", source_name(now)}};
    nlohmann::json sources = nlohmann::json::object(), stale = nlohmann::json::array();
    double oldest = -1;
    for (int p = 0; p < parts; ++p) {
        const Part part = static_cast<Part>(p);
        const Source s = source_of(part, now);
        sources[part_names[p]] = source_names[s];
        // A part heard once but not lately is said to be stale, not left out
        // silently: the skipper should know the input has stopped.
        for (Source from : {nmea, radar})
            if (s == none && fixes_[from][p].known && (from == radar || nmea_given_)) {
                stale.push_back(part_names[p]);
                break;
            }
        if (s == none) continue;
        const Fix &f = fixes_[s][p];
        oldest = std::max(oldest, seconds(now - f.at));
        if (part == heading) {
            own["heading_deg"] = degrees(f.a);
        } else if (part == velocity) {
            own["course_deg"] = degrees(f.a);
            own["speed_kn"] = rounded(f.b, 100);
        } else {
            own["lat"] = rounded(f.a, 1e6);
            own["lon"] = rounded(f.b, 1e6);
        }
    }
    own["sources"] = sources;
    own["stale"] = stale;
    own["age_s"] = oldest < 0 ? nlohmann::json(nullptr) : rounded(oldest, 10);
    return own;
}

}  // namespace radarctl::serve
