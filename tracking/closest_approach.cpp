#include "closest_approach.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "radar.h"
#include "units.h"

namespace radartrack {

namespace {
int16_t tenths_of_degree(double rad) {
    return static_cast<int16_t>(std::lround(wrap_turn(rad) / rad_per_deg * 10) % 3600);
}
int16_t tenths_of_knot(double mps) {
    return static_cast<int16_t>(std::min<long>(9999, std::lround(mps / mps_per_knot * 10)));
}
}  // namespace

bool closest_approach(double range, double bearing, double own_vx, double own_vy, double vx,
                      double vy, double &cpa, double &tcpa) {
    cpa = range;
    tcpa = 0;
    const long hundredths = std::lround(range / metres_per_nm * 100);
    if (!(hundredths < 25600)) return false;
    int32_t cpa_fixed = 0, tcpa_fixed = 0;
    if (OrvaneCalCpaTcpa(static_cast<int32_t>(hundredths), tenths_of_degree(bearing),
                         tenths_of_knot(std::hypot(own_vx, own_vy)),
                         tenths_of_degree(direction(own_vx, own_vy)),
                         tenths_of_knot(std::hypot(vx, vy)), tenths_of_degree(direction(vx, vy)),
                         &cpa_fixed, &tcpa_fixed) != RADAR_OK)
        return false;
    cpa = cpa_fixed / 65536.0 * metres_per_nm;
    tcpa = tcpa_fixed / 65536.0 * 60;
    return true;
}

}  // namespace radartrack
