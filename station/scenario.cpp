// Scenario files and the truth they describe: who is where, when, and what
// own ship's sensors say about it.
#include "scenario.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <numbers>
#include <sstream>

#include "files.h"
#include "station.h"

namespace radarctl {
namespace {

using nlohmann::json;

constexpr double pi = std::numbers::pi;
constexpr double rad = pi / 180.0;
constexpr double ms_per_kn = metres_per_nm / 3600.0;
constexpr double metres_per_degree = 60 * metres_per_nm;  // of latitude
// The tracker's zone places but the radar's two guard zones.
constexpr std::size_t most_auto_zones = 6;

enum NoiseSalt : uint64_t { heading_salt = 11, speed_salt = 12 };

double normalized_deg(double deg) {
    deg = std::fmod(deg, 360.0);
    if (deg < 0) deg += 360.0;
    return deg >= 360.0 ? 0.0 : deg;
}

// A standard normal deviate from a hash: the same arguments, the same value.
double gaussian(uint32_t seed, uint64_t salt, uint64_t second) {
    const uint64_t h = scene_hash(seed, salt, second, 0, 0);
    const double u1 = std::max(unit_of(h), 1e-300),
                 u2 = unit_of(scene_hash(seed, salt, second, 1, h));
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2 * pi * u2);
}

// ---- Reading -----------------------------------------------------------------

// Each reader names where it is ("ships[1].turns[0]") so a message points at
// the value at fault.
class Reader {
  public:
    Reader(const json &object, std::string where, std::string &why)
        : object_(object), where_(std::move(where)), why_(why) {}

    // Every key must be one of `keys`.
    bool only(std::initializer_list<const char *> keys) {
        if (!object_.is_object()) return fail(where_ + " must be an object");
        for (const auto &item : object_.items()) {
            bool known = false;
            for (const char *k : keys) known = known || item.key() == k;
            if (!known)
                return fail("unknown key \"" + item.key() + "\"" +
                            (where_.empty() ? "" : " in " + where_));
        }
        return true;
    }

    // A number within [low, high], or the value already in `out` when the
    // key is absent and not `required`.
    bool number(const char *key, double &out, double low, double high, bool required = false) {
        const auto it = object_.find(key);
        if (it == object_.end()) return !required || fail(name(key) + " is missing");
        if (!it->is_number()) return fail(name(key) + " must be a number");
        const double v = it->get<double>();
        if (!(v >= low && v <= high)) {
            std::ostringstream range;
            range << name(key) << " must lie between " << low << " and " << high;
            return fail(range.str());
        }
        out = v;
        return true;
    }

    bool flag(const char *key, bool &out) {
        const auto it = object_.find(key);
        if (it == object_.end()) return true;
        if (!it->is_boolean()) return fail(name(key) + " must be true or false");
        out = it->get<bool>();
        return true;
    }

    bool text(const char *key, std::string &out) {
        const auto it = object_.find(key);
        if (it == object_.end()) return true;
        if (!it->is_string()) return fail(name(key) + " must be a string");
        out = it->get<std::string>();
        return true;
    }

    // The array at `key` (empty when absent), or null after a failure.
    const json *array(const char *key, bool required = false) {
        static const json empty = json::array();
        const auto it = object_.find(key);
        if (it == object_.end()) {
            if (required) fail(name(key) + " is missing");
            return required ? nullptr : &empty;
        }
        if (!it->is_array()) {
            fail(name(key) + " must be an array");
            return nullptr;
        }
        return &*it;
    }

    const json *object(const char *key) {
        const auto it = object_.find(key);
        return it == object_.end() ? nullptr : &*it;
    }

    std::string name(const std::string &key) const {
        return where_.empty() ? key : where_ + "." + key;
    }

    bool fail(const std::string &message) {
        if (why_.empty()) why_ = message;
        return false;
    }

  private:
    const json &object_;
    std::string where_;
    std::string &why_;
};

std::string item_name(const std::string &list, std::size_t i) {
    return list + "[" + std::to_string(i) + "]";
}

bool read_turns(Reader &parent, const std::string &where, std::vector<Turn> &turns,
                std::string &why) {
    const json *list = parent.array("turns");
    if (list == nullptr) return false;
    for (std::size_t i = 0; i < list->size(); ++i) {
        Reader r((*list)[i], item_name(where.empty() ? "turns" : where + ".turns", i), why);
        Turn turn;
        if (!r.only({"at_s", "course_deg", "rate_deg_s"}) ||
            !r.number("at_s", turn.at_s, 0, 1e7, true) ||
            !r.number("course_deg", turn.course_deg, 0, 360, true) ||
            !r.number("rate_deg_s", turn.rate_deg_s, 0.01, 30))
            return false;
        turns.push_back(turn);
    }
    return true;
}

bool read_range(Reader &r, double &range_nm) {
    if (!r.number("range_nm", range_nm, 0.125, 96)) return false;
    if (std::abs(range_for_scale_code(scale_code_for(range_nm)) - range_nm) > 1e-9)
        return r.fail(
            "range_nm must be one of the radar's ranges: 0.125, 0.25, 0.5, 0.75, 1, 1.5, "
            "2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64 or 96");
    return true;
}

bool read_document(const json &document, Scenario &s, std::string &why) {
    Reader top(document, "", why);
    if (!document.is_object()) return top.fail("a scenario is a JSON object");
    double seed = s.seed;
    if (!top.only({"rpm", "range_nm", "seed", "sea", "coast", "own", "sensors", "ships", "acquire",
                   "auto_zones"}) ||
        !top.number("rpm", s.rpm, 1, 120) || !read_range(top, s.range_nm) ||
        !top.number("seed", seed, 0, 4294967295.0) || !top.number("sea", s.sea, 0, 1) ||
        !top.flag("coast", s.coast))
        return false;
    if (seed != std::floor(seed)) return top.fail("seed must be a whole number");
    s.seed = static_cast<uint32_t>(seed);

    if (const json *own = top.object("own")) {
        Reader r(*own, "own", why);
        if (!r.only({"course_deg", "speed_kn", "lat", "lon", "turns"}) ||
            !r.number("course_deg", s.own.course_deg, 0, 360) ||
            !r.number("speed_kn", s.own.speed_kn, 0, 99) || !r.number("lat", s.own.lat, -85, 85) ||
            !r.number("lon", s.own.lon, -180, 180) || !read_turns(r, "own", s.own.turns, why))
            return false;
    }
    if (const json *sensors = top.object("sensors")) {
        Reader r(*sensors, "sensors", why);
        if (!r.only({"heading_sigma_deg", "speed_sigma_kn"}) ||
            !r.number("heading_sigma_deg", s.heading_sigma_deg, 0, 10) ||
            !r.number("speed_sigma_kn", s.speed_sigma_kn, 0, 10))
            return false;
    }

    const json *ships = top.array("ships", true);
    if (ships == nullptr) return false;
    for (std::size_t i = 0; i < ships->size(); ++i) {
        const std::string where = item_name("ships", i);
        Reader r((*ships)[i], where, why);
        ScenarioShip ship;
        ship.name = "T" + std::to_string(i + 1);
        if (!r.only({"name", "range_nm", "bearing_deg", "course_deg", "speed_kn", "length_m",
                     "turns"}) ||
            !r.text("name", ship.name) || !r.number("range_nm", ship.range_nm, 0.01, 200, true) ||
            !r.number("bearing_deg", ship.bearing_deg, 0, 360, true) ||
            !r.number("course_deg", ship.course_deg, 0, 360) ||
            !r.number("speed_kn", ship.speed_kn, 0, 99) ||
            !r.number("length_m", ship.length_m, 1, 500) || !read_turns(r, where, ship.turns, why))
            return false;
        s.ships.push_back(ship);
    }

    const json *acquire = top.array("acquire");
    if (acquire == nullptr) return false;
    for (std::size_t i = 0; i < acquire->size(); ++i) {
        Reader r((*acquire)[i], item_name("acquire", i), why);
        ScenarioAcquire a;
        if (!r.only({"at_s", "range_nm", "bearing_deg"}) || !r.number("at_s", a.at_s, 0, 1e7) ||
            !r.number("range_nm", a.range_nm, 0, 96, true) ||
            !r.number("bearing_deg", a.bearing_deg, 0, 360, true))
            return false;
        s.acquire.push_back(a);
    }

    const json *zones = top.array("auto_zones");
    if (zones == nullptr) return false;
    if (zones->size() > most_auto_zones)
        return top.fail("auto_zones holds at most " + std::to_string(most_auto_zones) + " zones");
    for (std::size_t i = 0; i < zones->size(); ++i) {
        Reader r((*zones)[i], item_name("auto_zones", i), why);
        ScenarioZone z;
        if (!r.only({"from_deg", "to_deg", "inner_nm", "outer_nm"}) ||
            !r.number("from_deg", z.from_deg, 0, 360) || !r.number("to_deg", z.to_deg, 0, 360) ||
            !r.number("inner_nm", z.inner_nm, 0, 96) ||
            !r.number("outer_nm", z.outer_nm, 0, 96, true))
            return false;
        if (z.outer_nm <= z.inner_nm) return r.fail(r.name("outer_nm") + " must exceed inner_nm");
        s.auto_zones.push_back(z);
    }
    return true;
}

}  // namespace

// ---- Motion ------------------------------------------------------------------

Motion::Motion(double east_m, double north_m, double course_deg, double speed_kn,
               std::vector<Turn> turns)
    : speed_kn_(speed_kn), speed_ms_(speed_kn * ms_per_kn) {
    pieces_.push_back({0, east_m, north_m, normalized_deg(course_deg) * rad, 0});
    std::stable_sort(turns.begin(), turns.end(),
                     [](const Turn &a, const Turn &b) { return a.at_s < b.at_s; });
    for (const Turn &turn : turns) {
        // A turn takes over from whatever own ship was doing at its time,
        // even another turn not yet done.
        const MotionState now = at(turn.at_s);
        while (!pieces_.empty() && pieces_.back().start_s >= turn.at_s) pieces_.pop_back();
        const double target = normalized_deg(turn.course_deg);
        double delta = normalized_deg(target - now.course_deg);
        if (delta > 180) delta -= 360;
        const double rate = std::copysign(turn.rate_deg_s * rad, delta);
        if (std::abs(delta) < 1e-9) {
            pieces_.push_back({turn.at_s, now.east_m, now.north_m, target * rad, 0});
            continue;
        }
        const Piece arc{turn.at_s, now.east_m, now.north_m, now.course_deg * rad, rate};
        pieces_.push_back(arc);
        const double end = turn.at_s + std::abs(delta) / turn.rate_deg_s;
        const MotionState done = along(arc, end);
        pieces_.push_back({end, done.east_m, done.north_m, target * rad, 0});
    }
}

MotionState Motion::along(const Piece &p, double t) const {
    const double dt = t - p.start_s;
    MotionState s;
    const double course = p.course_rad + p.rate_rad_s * dt;
    if (p.rate_rad_s == 0) {
        s.east_m = p.east_m + speed_ms_ * std::sin(course) * dt;
        s.north_m = p.north_m + speed_ms_ * std::cos(course) * dt;
    } else {
        const double radius = speed_ms_ / p.rate_rad_s;  // signed: negative turning to port
        s.east_m = p.east_m + radius * (std::cos(p.course_rad) - std::cos(course));
        s.north_m = p.north_m + radius * (std::sin(course) - std::sin(p.course_rad));
    }
    s.course_deg = normalized_deg(course / rad);
    s.speed_kn = speed_kn_;
    s.east_ms = speed_ms_ * std::sin(course);
    s.north_ms = speed_ms_ * std::cos(course);
    return s;
}

MotionState Motion::at(double t) const {
    if (pieces_.empty()) return {};
    std::size_t i = pieces_.size() - 1;
    while (i > 0 && pieces_[i].start_s > t) --i;
    return along(pieces_[i], t);
}

// ---- The scenario's truth ------------------------------------------------------

void Scenario::prepare() {
    own_motion_ = Motion(0, 0, own.course_deg, own.speed_kn, own.turns);
    ship_motions_.clear();
    for (const ScenarioShip &ship : ships) {
        const double r = ship.range_nm * metres_per_nm, b = ship.bearing_deg * rad;
        ship_motions_.emplace_back(r * std::sin(b), r * std::cos(b), ship.course_deg, ship.speed_kn,
                                   ship.turns);
    }
}

MotionState Scenario::own_at(double t) const { return own_motion_.at(t); }

MotionState Scenario::ship_at(std::size_t i, double t) const { return ship_motions_.at(i).at(t); }

void Scenario::own_lat_lon(double t, double &lat_deg, double &lon_deg) const {
    const MotionState s = own_at(t);
    lat_deg = own.lat + s.north_m / metres_per_degree;
    lon_deg = own.lon + s.east_m / (metres_per_degree * std::cos(own.lat * rad));
    if (lon_deg > 180) lon_deg -= 360;
    if (lon_deg < -180) lon_deg += 360;
}

void Scenario::range_bearing(std::size_t i, double t, double &range_nm, double &bearing_deg) const {
    const MotionState o = own_at(t), s = ship_at(i, t);
    const double e = s.east_m - o.east_m, n = s.north_m - o.north_m;
    range_nm = std::hypot(e, n) / metres_per_nm;
    bearing_deg = normalized_deg(std::atan2(e, n) / rad);
}

OwnReport Scenario::reported_own(double t) const {
    const MotionState s = own_at(t);
    const auto second = static_cast<uint64_t>(std::floor(std::max(t, 0.0)));
    OwnReport r{};
    r.heading_deg =
        normalized_deg(s.course_deg + heading_sigma_deg * gaussian(seed, heading_salt, second));
    r.course_deg = s.course_deg;
    r.speed_kn = std::max(0.0, s.speed_kn + speed_sigma_kn * gaussian(seed, speed_salt, second));
    own_lat_lon(t, r.lat_deg, r.lon_deg);
    return r;
}

// ---- Files -----------------------------------------------------------------------

bool parse_scenario(const std::string &text, Scenario &out, std::string &why) {
    why.clear();
    json document;
    try {
        document = json::parse(text);
    } catch (const json::parse_error &e) {
        why = std::string("not JSON: ") + e.what();
        return false;
    }
    Scenario s;
    if (!read_document(document, s, why)) return false;
    s.prepare();
    out = std::move(s);
    return true;
}

bool read_scenario(const std::string &path, Scenario &out, std::string &why) {
    why = why_unreadable(path);
    if (!why.empty()) {
        why = "cannot read " + path + ": " + why;
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!parse_scenario(text.str(), out, why)) {
        why = path + ": " + why;
        return false;
    }
    return true;
}

}  // namespace radarctl
