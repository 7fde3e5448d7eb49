// The C interface: checks arguments, converts the mariner's units to the
// tracker's and back. The handle is the tracker itself, taken in one
// allocation; it is not locked (one thread at a time per handle).
#include <cmath>
#include <new>

#include "radar_tracking.h"
#include "tracker.h"

struct RadarTracker : radartrack::Tracker {};

using namespace radartrack;

extern "C" {

RADARTRACK_EXPORT RadarTracker *RADARTRACK_API radartrack_create(void) {
    return new (std::nothrow) RadarTracker;
}

RADARTRACK_EXPORT void RADARTRACK_API radartrack_destroy(RadarTracker *tracker) { delete tracker; }

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_set_scale(RadarTracker *tracker,
                                                              uint32_t scale_code,
                                                              double range_nm) {
    if (tracker == nullptr) return RADARTRACK_REFUSED;
    return tracker->polar.set_scale(scale_code, range_nm) ? RADARTRACK_OK : RADARTRACK_OUT_OF_RANGE;
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_line(RadarTracker *tracker,
                                                         const EchoLineRecord *line,
                                                         double time_s) {
    if (tracker == nullptr || line == nullptr) return RADARTRACK_REFUSED;
    return tracker->line(*line, time_s);
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_own_ship(RadarTracker *tracker,
                                                             const RadarTrackOwnShip *own) {
    if (tracker == nullptr || own == nullptr || !std::isfinite(own->time_s))
        return RADARTRACK_REFUSED;
    const bool bad_velocity =
        (own->has & RADARTRACK_OWN_VELOCITY) &&
        !(std::isfinite(own->course_deg) && own->speed_kn >= 0 && own->speed_kn < 1000);
    const bool bad_position = (own->has & RADARTRACK_OWN_POSITION) &&
                              !(std::fabs(own->lat_deg) <= 90 && std::fabs(own->lon_deg) <= 360);
    const bool bad_heading =
        (own->has & RADARTRACK_OWN_HEADING) && !std::isfinite(own->heading_deg);
    if (bad_velocity || bad_position || bad_heading) return RADARTRACK_OUT_OF_RANGE;
    tracker->own_ship(*own);
    return RADARTRACK_OK;
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_acquire(RadarTracker *tracker, double range_nm,
                                                            double bearing_deg, uint32_t *id) {
    if (tracker == nullptr) return RADARTRACK_REFUSED;
    if (!(range_nm >= 0 && range_nm < 1000) || !std::isfinite(bearing_deg))
        return RADARTRACK_OUT_OF_RANGE;
    uint32_t found = 0;
    const int32_t status =
        tracker->acquire(range_nm * metres_per_nm, wrap_turn(bearing_deg * rad_per_deg), found);
    if (status == RADARTRACK_OK && id != nullptr) *id = found;
    return status;
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_cancel(RadarTracker *tracker, uint32_t id) {
    if (tracker == nullptr) return RADARTRACK_REFUSED;
    return tracker->cancel(id);
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_cancel_all(RadarTracker *tracker) {
    if (tracker == nullptr) return RADARTRACK_REFUSED;
    tracker->cancel_all();
    return RADARTRACK_OK;
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_set_zone(RadarTracker *tracker, uint32_t index,
                                                             const RadarTrackZone *zone) {
    if (tracker == nullptr) return RADARTRACK_REFUSED;
    return tracker->set_zone(index, zone);
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_set_limits(RadarTracker *tracker, double cpa_nm,
                                                               double tcpa_min) {
    if (tracker == nullptr) return RADARTRACK_REFUSED;
    if (!(cpa_nm >= 0 && cpa_nm <= 100) || !(tcpa_min >= 0 && tcpa_min <= 1000))
        return RADARTRACK_OUT_OF_RANGE;
    tracker->set_limits(cpa_nm * metres_per_nm, tcpa_min * 60);
    return RADARTRACK_OK;
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_targets(RadarTracker *tracker,
                                                            RadarTrackTarget *targets,
                                                            uint32_t capacity) {
    if (tracker == nullptr || (targets == nullptr && capacity != 0)) return RADARTRACK_REFUSED;
    return static_cast<int32_t>(tracker->targets(targets, capacity));
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_events(RadarTracker *tracker,
                                                           RadarTrackEvent *events,
                                                           uint32_t capacity) {
    if (tracker == nullptr || (events == nullptr && capacity != 0)) return RADARTRACK_REFUSED;
    return static_cast<int32_t>(tracker->take_events(events, capacity));
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_acknowledge_guard(RadarTracker *tracker,
                                                                      uint32_t zone) {
    if (tracker == nullptr) return RADARTRACK_REFUSED;
    return tracker->acknowledge_guard(zone);
}

RADARTRACK_EXPORT int32_t RADARTRACK_API radartrack_status(const RadarTracker *tracker,
                                                           RadarTrackStatus *status) {
    if (tracker == nullptr || status == nullptr) return RADARTRACK_REFUSED;
    tracker->status(*status);
    return RADARTRACK_OK;
}

}  // extern "C"
