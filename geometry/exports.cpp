// The exported calculator: checks the arguments, then stores CPA and TCPA.
#include "geometry/cpa.h"
#include "radar.h"

namespace radar::geometry {
namespace {

constexpr int32_t last_angle = 3599;  // tenths of a degree
constexpr int32_t last_speed = 9999;  // tenths of a knot

bool within(int32_t value, int32_t last) { return value >= 0 && value <= last; }

}  // namespace
}  // namespace radar::geometry

extern "C" {

RADAR_EXPORT int16_t RADAR_API OrvaneCalCpaTcpa(int32_t range, int16_t bearing, int16_t own_speed,
                                                int16_t own_course, int16_t target_speed,
                                                int16_t target_course, int32_t *cpa,
                                                int32_t *tcpa) {
    using namespace radar::geometry;
    // A range past the position scale, either side, has no meaningful
    // answer and is refused like any other argument out of range.
    if (range <= -range_limit || range >= range_limit) return RADAR_REFUSED;
    if (!within(bearing, last_angle)) return RADAR_REFUSED;
    if (!within(own_speed, last_speed)) return RADAR_REFUSED;
    if (!within(own_course, last_angle)) return RADAR_REFUSED;
    if (!within(target_speed, last_speed)) return RADAR_REFUSED;
    if (!within(target_course, last_angle)) return RADAR_REFUSED;
    // Both results are stored or neither.
    if (cpa == nullptr || tcpa == nullptr) return RADAR_REFUSED;
    const Approach approach =
        closest_approach(range, bearing, own_speed, own_course, target_speed, target_course);
    *cpa = approach.cpa;
    *tcpa = approach.tcpa;
    return RADAR_OK;
}

}  // extern "C"
