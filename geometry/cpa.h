// The closest point of approach of a target, step by step, in integer fixed
// point. Each step is a function of its own so that each can be checked on
// its own; `closest_approach` runs them in order.
//
// Scales (65536 per NM means that 65536 stands for one nautical mile):
//   target position        65536 per NM, then 2^23 per NM for the solution
//   velocities             65536 per knot, then 2^19 per knot for the solution
//   direction of motion    2^30 = 1.0
//   distance along track   2^11 per NM
//   CPA                    65536 per NM
//   TCPA                   65536 per minute, negative when the closest point is past
//
// Lengths need no unit: with speeds in any unit per hour, CPA comes out in
// that unit and TCPA still in minutes.
#pragma once

#include <cstdint>

namespace radar::geometry {

// A position or velocity: x along bearing 900, y along bearing 0.
struct Vector {
    int32_t x;
    int32_t y;
};

struct Approach {
    int32_t cpa;
    int32_t tcpa;
};

// Ranges lie strictly between minus this and this, in hundredths of a NM:
// from 256 NM on, either side, the solution's position overflows 32 bits. A
// negative range places the target on the reciprocal bearing.
constexpr int32_t range_limit = 25600;

// Below this relative speed (0.01 knot at 2^19 per knot) the ships keep their
// distance: CPA is the present range and TCPA 0.
constexpr int32_t slowest_relative_speed = 5242;

// TCPA goes through a quotient that is a fraction of 256 hours, so its
// magnitude stays within 15360 minutes. A target 256 hours or more from its
// closest point gets this bound, with the sign of the time; a saturated
// quotient gives the same value.
constexpr int32_t longest_tcpa = 0x3C000000;

// Range in hundredths of a NM to 65536 per NM, truncated toward zero.
int32_t scaled_range(int32_t range);

// The target's position from own ship, 65536 per NM.
Vector target_position(int32_t scaled, int32_t bearing);

// Speed in tenths of a knot to 65536 per knot, truncated toward zero.
int32_t scaled_speed(int32_t speed);

// A ship's velocity, 65536 per knot, from its speed (tenths of a knot) and
// course (tenths of a degree).
Vector ship_velocity(int32_t speed, int32_t course);

// The target's position at the solution's scale, 2^23 per NM.
Vector solution_position(Vector position);

// The target's velocity relative to own ship at the solution's scale, 2^19
// per knot.
Vector relative_velocity(Vector own, Vector target);

// The length of a relative velocity, 2^19 per knot.
int32_t relative_speed(Vector velocity);

// The present range, 65536 per NM, from the solution's position.
int32_t present_range(Vector position);

// The direction of relative motion, 2^30 = 1.0.
Vector direction_of(Vector velocity, int32_t speed);

// The distance still to run along the relative track to the closest point,
// 2^11 per NM; negative when the closest point is past.
int32_t distance_to_run(Vector position, Vector direction);

// The time to run `distance` (2^11 per NM) at `speed` (2^19 per knot),
// 65536 per minute; `longest_tcpa` with the sign of the distance when the
// time is 256 hours or more.
int32_t time_to_run(int32_t distance, int32_t speed);

// The distance of own ship from the relative track, 65536 per NM.
int32_t distance_from_track(Vector position, Vector direction);

// CPA and TCPA for arguments already within their ranges: range 0-25599
// (hundredths of a NM), bearing and courses 0-3599 (tenths of a degree),
// speeds 0-9999 (tenths of a knot).
Approach closest_approach(int32_t range, int32_t bearing, int32_t own_speed, int32_t own_course,
                          int32_t target_speed, int32_t target_course);

}  // namespace radar::geometry
