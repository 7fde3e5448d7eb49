#include "zones.h"

#include <cmath>

#include "units.h"

namespace radartrack {

bool Zone::set(const RadarTrackZone &zone) {
    if (zone.kind > RADARTRACK_ZONE_ACQUIRE || !(zone.inner_nm >= 0) ||
        !(zone.outer_nm > zone.inner_nm) || !(zone.outer_nm < 1000) ||
        !std::isfinite(zone.from_deg) || !std::isfinite(zone.to_deg))
        return false;
    kind = zone.kind;
    from = wrap_turn(zone.from_deg * rad_per_deg);
    width = wrap_turn(zone.to_deg * rad_per_deg - from);
    inner = zone.inner_nm * metres_per_nm;
    outer = zone.outer_nm * metres_per_nm;
    alarmed = false;
    return true;
}

bool Zone::contains(double range, double bearing) const {
    if (kind == RADARTRACK_ZONE_OFF || range < inner || range > outer) return false;
    return width == 0 || wrap_turn(bearing - from) <= width;
}

bool GuardMemory::echo(double x, double y, int64_t pos, double t) {
    // Forget what is older than a revolution and a half.
    uint32_t kept = 0;
    for (uint32_t i = 0; i < count_; ++i)
        if (pos - echoes_[i].pos < sweeps_per_turn * 3 / 2) echoes_[kept++] = echoes_[i];
    count_ = kept;

    // The same echo a revolution ago: within what 40 knots and the plots'
    // scatter allow.
    bool reported = false, confirmed = false;
    for (uint32_t i = 0; i < count_; ++i) {
        const Echo &e = echoes_[i];
        const int64_t ago = pos - e.pos;
        if (ago < sweeps_per_turn / 2) continue;
        const double reach = 100 + 20 * std::fabs(t - e.t);
        if (std::hypot(x - e.x, y - e.y) > reach) continue;
        confirmed = true;
        reported = reported || e.reported;
    }
    const bool intrusion = confirmed && !reported;
    if (count_ < max_echoes) echoes_[count_++] = {x, y, t, pos, confirmed};
    return intrusion;
}

}  // namespace radartrack
