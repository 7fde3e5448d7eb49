#include "passing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace radarctl::serve {
namespace {

// Below this (knots squared) a relative motion is taken as none: a target
// that keeps its range has no closest point to find.
constexpr double stillness = 1e-9;
constexpr double minutes_per_hour = 60;

double dot(Vec a, Vec b) { return a.east * b.east + a.north * b.north; }
double cross(Vec a, Vec b) { return a.east * b.north - a.north * b.east; }
Vec along(Vec p, Vec v, double hours) {
    return {p.east + v.east * hours, p.north + v.north * hours};
}
double length(Vec a) { return std::hypot(a.east, a.north); }

}  // namespace

Vec polar_vec(double length, double bearing_deg) {
    const double b = bearing_deg * std::numbers::pi / 180;
    return {length * std::sin(b), length * std::cos(b)};
}

std::optional<TargetMotion> motion_of(const RadarTrackTarget &t) {
    if (t.status == RADARTRACK_ACQUIRING || (t.flags & RADARTRACK_FLAG_RELATIVE_ONLY) != 0)
        return std::nullopt;
    for (double v :
         {t.range_nm, t.bearing_deg, t.course_deg, t.speed_kn, t.rel_course_deg, t.rel_speed_kn})
        if (!std::isfinite(v)) return std::nullopt;
    const Vec truth = polar_vec(t.speed_kn, t.course_deg),
              relative = polar_vec(t.rel_speed_kn, t.rel_course_deg);
    // Own ship's motion is the target's true motion less its relative one.
    return TargetMotion{polar_vec(t.range_nm, t.bearing_deg),
                        relative,
                        {truth.east - relative.east, truth.north - relative.north}};
}

std::optional<Passage> bow_crossing(Vec ahead, Vec p, Vec v) {
    // The target is on the course line when cross(ahead, p + v t) = 0.
    const double closing = cross(ahead, v);
    if (closing == 0) return std::nullopt;  // moving along the line, or not at all
    const double hours = -cross(ahead, p) / closing;
    if (!(hours > 0)) return std::nullopt;
    const double range = dot(ahead, along(p, v, hours));
    if (!(range > 0)) return std::nullopt;  // astern
    return Passage{range, hours * minutes_per_hour};
}

Passage closest_approach(Vec p, Vec v) {
    const double speed2 = dot(v, v);
    if (speed2 < stillness) return {length(p), 0};
    const double hours = -dot(p, v) / speed2;
    return {length(along(p, v, hours)), hours * minutes_per_hour};
}

Passage trial_approach(Vec p, Vec before, Vec after, double delay_min) {
    if (!(delay_min > 0)) return closest_approach(p, after);
    const double d = delay_min / minutes_per_hour;
    const Vec turn = along(p, before, d);  // where the target is when own ship turns
    // The after-leg's own closest time; when it lies at or after the turn,
    // the distance is still closing then and the closest point is on it.
    if (const double speed2 = dot(after, after); speed2 >= stillness) {
        const double t2 = d - dot(turn, after) / speed2;
        if (t2 >= d) return {length(along(turn, after, t2 - d)), t2 * minutes_per_hour};
    }
    // Otherwise the distance only opens after the turn: the closest point is
    // on the first leg, at the turn at the latest (before now when it is past).
    const double speed1 = dot(before, before);
    const double t1 = std::min(speed1 < stillness ? 0.0 : -dot(p, before) / speed1, d);
    return {length(along(p, before, t1)), t1 * minutes_per_hour};
}

}  // namespace radarctl::serve
