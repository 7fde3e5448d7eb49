// The targets as the interface shows them: now, from own ship, in NM, knots
// and degrees.
#include <algorithm>
#include <bit>
#include <cmath>

#include "closest_approach.h"
#include "tracker.h"

namespace radartrack {

namespace {
double degrees(double rad) {
    const double d = wrap_turn(rad) / rad_per_deg;
    return d >= 360 ? 0 : d;
}
}  // namespace

uint32_t Tracker::targets(RadarTrackTarget *out, uint32_t capacity) {
    uint32_t order[RADARTRACK_MAX_TARGETS];
    uint32_t count = 0;
    for (uint32_t i = 0; i < RADARTRACK_MAX_TARGETS; ++i)
        if (tracks_[i].used) order[count++] = i;
    std::sort(order, order + count,
              [this](uint32_t a, uint32_t b) { return tracks_[a].id < tracks_[b].id; });
    count = std::min(count, capacity);

    const bool relative_only = !own_.velocity_known();
    const double ovx = relative_only ? 0 : own_.vx(), ovy = relative_only ? 0 : own_.vy();
    for (uint32_t n = 0; n < count; ++n) {
        const Track &track = tracks_[order[n]];
        RadarTrackTarget &t = out[n];
        t = {};
        double range = 0, bearing = 0, s[4];
        relative_now(track, time_, range, bearing, s);
        const double rvx = s[2] - ovx, rvy = s[3] - ovy;
        t.id = track.id;
        t.status = track.status;
        t.acquisition = track.acquisition;
        t.range_nm = range / metres_per_nm;
        t.bearing_deg = degrees(bearing);
        t.course_deg = degrees(direction(s[2], s[3]));
        t.speed_kn = std::hypot(s[2], s[3]) / mps_per_knot;
        t.rel_course_deg = degrees(direction(rvx, rvy));
        t.rel_speed_kn = std::hypot(rvx, rvy) / mps_per_knot;
        double cpa = 0, tcpa = 0;
        closest_approach(range, bearing, ovx, ovy, s[2], s[3], cpa, tcpa);
        t.cpa_nm = cpa / metres_per_nm;
        t.tcpa_min = tcpa / 60;
        t.flags = (relative_only ? RADARTRACK_FLAG_RELATIVE_ONLY : 0u) |
                  (track.dangerous ? RADARTRACK_FLAG_DANGEROUS : 0u) |
                  (track.guard_mask ? RADARTRACK_FLAG_IN_GUARD : 0u);
        if (own_.lat_lon_at(time_, range * std::sin(bearing), range * std::cos(bearing), t.lat_deg,
                            t.lon_deg))
            t.flags |= RADARTRACK_FLAG_POSITION;
        t.first_seen_s = track.first_seen;
        t.last_seen_s = track.last_seen;
        t.seen = static_cast<uint32_t>(std::popcount(track.history & ((1u << track.window) - 1)));
    }
    return count;
}

}  // namespace radartrack
