// A scenario for the simulated station: own ship and other ships under way,
// with turns, the sea, the sensors' noise, and the orders a tracker is given.
// Read from a JSON file (docs/scenarios.md); its geometry is the truth that
// the station draws and that tracking is measured against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace radarctl {

// From `at_s` on, turn towards `course_deg` at `rate_deg_s`, the shorter way
// round, then hold that course.
struct Turn {
    double at_s = 0;
    double course_deg = 0;
    double rate_deg_s = 1;
};

// Where something under way is, and how it moves: straight legs and arcs at a
// constant rate of turn, at one speed. Positions in metres east and north of
// a fixed origin.
struct MotionState {
    double east_m = 0, north_m = 0;
    double course_deg = 0;  // true, 0 to less than 360
    double speed_kn = 0;
    double east_ms = 0, north_ms = 0;  // velocity, metres per second
};

class Motion {
  public:
    Motion() = default;
    Motion(double east_m, double north_m, double course_deg, double speed_kn,
           std::vector<Turn> turns);
    MotionState at(double t) const;

  private:
    struct Piece {
        double start_s, east_m, north_m, course_rad, rate_rad_s;  // rate 0: a straight leg
    };
    MotionState along(const Piece &piece, double t) const;
    std::vector<Piece> pieces_;
    double speed_kn_ = 0, speed_ms_ = 0;
};

struct ScenarioShip {
    std::string name;
    double range_nm = 0, bearing_deg = 0;  // true, from own ship at time 0
    double course_deg = 0, speed_kn = 0;   // true, over ground
    double length_m = 50;
    std::vector<Turn> turns;
};

struct ScenarioAcquire {
    double at_s = 0, range_nm = 0, bearing_deg = 0;  // from own ship at that time, true
};

struct ScenarioZone {
    double from_deg = 0, to_deg = 360, inner_nm = 0, outer_nm = 0;
};

// Own ship as the station reports it: truth plus the sensors' noise.
struct OwnReport {
    double heading_deg, course_deg, speed_kn, lat_deg, lon_deg;
};

struct Scenario {
    double rpm = 24;
    double range_nm = 12;  // one of the radar's ranges
    uint32_t seed = 1;
    double sea = 0;  // 0 calm to 1 rough
    bool coast = false;
    struct Own {
        double course_deg = 0, speed_kn = 0;
        double lat = 50.0, lon = -1.5;
        std::vector<Turn> turns;
    } own;
    double heading_sigma_deg = 0, speed_sigma_kn = 0;
    std::vector<ScenarioShip> ships;
    std::vector<ScenarioAcquire> acquire;
    std::vector<ScenarioZone> auto_zones;

    // Makes the motions from the fields above: read_scenario does; a scenario
    // built or changed in code calls it before the truth functions.
    void prepare();

    // The truth. Own ship's heading is its course (no leeway, no set).
    // Own ship: metres east and north of where it was at time 0.
    MotionState own_at(double t) const;
    void own_lat_lon(double t, double &lat_deg, double &lon_deg) const;
    // Ship i: metres east and north of own ship's position at time 0.
    MotionState ship_at(std::size_t i, double t) const;
    // Ship i from own ship at time t: range and true bearing.
    void range_bearing(std::size_t i, double t, double &range_nm, double &bearing_deg) const;

    // What the station reports at time t: heading and speed with the sensors'
    // noise, drawn afresh each whole second from the seed (the same second
    // gives the same error), course and position true.
    OwnReport reported_own(double t) const;

  private:
    Motion own_motion_;
    std::vector<Motion> ship_motions_;
};

// Reads and checks a scenario file and prepares it; false with the reason
// (naming the key or the value at fault) in `why`.
bool read_scenario(const std::string &path, Scenario &out, std::string &why);
// The same from the file's text.
bool parse_scenario(const std::string &text, Scenario &out, std::string &why);

constexpr double metres_per_nm = 1852.0;

}  // namespace radarctl
