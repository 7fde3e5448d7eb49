// How a target passes own ship, worked out from its present relative
// position and motion: where it crosses ahead of own ship's course line
// (bow crossing), and its closest approach when own ship changes course and
// speed after a delay (the trial manoeuvre). Pure geometry: east/north
// components, NM and knots in, NM and minutes out; no state, no clock.
#pragma once

#include <optional>

#include "radar_tracking.h"

namespace radarctl::serve {

struct Vec {
    double east = 0, north = 0;
};

// A point or velocity from a range or speed and a bearing or course, degrees true.
Vec polar_vec(double length, double bearing_deg);

// A target's present place and motion, as the tracker has them.
struct TargetMotion {
    Vec position;  // from own ship, NM
    Vec relative;  // its motion relative to own ship, knots
    Vec own;       // own ship's motion over ground that goes with them
};
// Nothing while its motion is not established (acquiring), or is known only
// relative to own ship (own ship's own motion unknown).
std::optional<TargetMotion> motion_of(const RadarTrackTarget &target);

struct Passage {
    double range_nm;  // the CPA, or the bow crossing range
    double time_min;  // the TCPA, or the bow crossing time
};

// Where a target at `position` moving with `relative` velocity crosses the
// line of own ship's course `ahead` (a unit vector) in front of her: the
// range ahead of own ship and the time. Nothing when it never crosses, has
// crossed already, or crosses astern.
std::optional<Passage> bow_crossing(Vec ahead, Vec position, Vec relative);

// The closest approach of a target at `position` with relative velocity
// `relative`: TCPA negative when it is past; no relative motion at all keeps
// the present range, at TCPA 0.
Passage closest_approach(Vec position, Vec relative);

// The closest approach when own ship keeps her present motion (relative
// velocity `before`) for `delay_min`, then turns at once to the trial course
// and speed (relative velocity `after`). With no delay it is the closest
// approach on the trial motion alone.
Passage trial_approach(Vec position, Vec before, Vec after, double delay_min);

}  // namespace radarctl::serve
