// Units and angles. Inside the tracker everything is SI: metres, metres per
// second, radians, seconds. Only the C interface (api.cpp) speaks the
// mariner's units, through the constants here.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

namespace radartrack {

constexpr double pi = std::numbers::pi;
constexpr double two_pi = 2 * std::numbers::pi;
constexpr double metres_per_nm = 1852.0;
constexpr double mps_per_knot = 1852.0 / 3600.0;
constexpr double rad_per_deg = pi / 180.0;
constexpr double metres_per_degree_latitude = 60 * metres_per_nm;

// The antenna's turn is counted in 8192 sweeps.
constexpr int64_t sweeps_per_turn = 8192;
constexpr double rad_per_sweep = two_pi / sweeps_per_turn;

inline int64_t sweeps_for_deg(double deg) {
    return static_cast<int64_t>(deg / 360.0 * sweeps_per_turn + 0.5);
}

// An angle brought into [0, 2 pi).
inline double wrap_turn(double a) {
    a = std::fmod(a, two_pi);
    return a < 0 ? a + two_pi : a;
}

// An angle brought into [-pi, pi).
inline double wrap_half(double a) { return wrap_turn(a + pi) - pi; }

// A sweep difference brought into [-4096, 4096).
inline int64_t wrap_sweeps(int64_t d) {
    d &= sweeps_per_turn - 1;
    return d >= sweeps_per_turn / 2 ? d - sweeps_per_turn : d;
}

// The direction of a vector east `x`, north `y`, clockwise from north.
inline double direction(double x, double y) { return wrap_turn(std::atan2(x, y)); }

}  // namespace radartrack
