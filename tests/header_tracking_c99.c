/* radar_tracking.h as a C99 program sees it, built with every warning an
 * error. The structures' layouts are checked too: a program built by another
 * compiler (MSVC on 32-bit Windows, where a double inside a structure is
 * 8-aligned as here) must lay them out exactly as the library does. */
#include <stddef.h>
#include <stdio.h>

#include "radar_tracking.h"

#define CHECK_AT(line, condition) typedef char layout_##line[(condition) ? 1 : -1]
#define CHECK_LINE(line, condition) CHECK_AT(line, condition)
#define AT(type, field, offset) CHECK_LINE(__LINE__, offsetof(type, field) == (offset))
#define SIZE(type, size) CHECK_LINE(__LINE__, sizeof(type) == (size))

AT(RadarTrackOwnShip, time_s, 0);
AT(RadarTrackOwnShip, has, 8);
AT(RadarTrackOwnShip, heading_deg, 16);
AT(RadarTrackOwnShip, lon_deg, 48);
SIZE(RadarTrackOwnShip, 56);

AT(RadarTrackZone, kind, 0);
AT(RadarTrackZone, from_deg, 8);
AT(RadarTrackZone, outer_nm, 32);
SIZE(RadarTrackZone, 40);

AT(RadarTrackTarget, id, 0);
AT(RadarTrackTarget, flags, 12);
AT(RadarTrackTarget, range_nm, 16);
AT(RadarTrackTarget, cpa_nm, 64);
AT(RadarTrackTarget, tcpa_min, 72);
AT(RadarTrackTarget, last_seen_s, 104);
AT(RadarTrackTarget, seen, 112);
SIZE(RadarTrackTarget, 120);

AT(RadarTrackEvent, kind, 0);
AT(RadarTrackEvent, zone, 8);
AT(RadarTrackEvent, time_s, 16);
AT(RadarTrackEvent, bearing_deg, 32);
SIZE(RadarTrackEvent, 40);

AT(RadarTrackStatus, own, 12);
AT(RadarTrackStatus, lines, 16);
AT(RadarTrackStatus, events_dropped, 40);
AT(RadarTrackStatus, time_s, 48);
SIZE(RadarTrackStatus, 56);

static int fail(const char *what) {
    printf("C99 tracking client: %s\n", what);
    return 1;
}

int main(void) {
    RadarTrackStatus status;
    RadarTracker *tracker;
    if (radartrack_status(NULL, &status) != RADARTRACK_REFUSED)
        return fail("a null handle was not refused");
    tracker = radartrack_create();
    if (!tracker) return fail("no tracker");
    if (radartrack_status(tracker, &status) != RADARTRACK_OK) return fail("no status");
    if (status.capacity != RADARTRACK_MAX_TARGETS || status.targets != 0 || status.lines != 0)
        return fail("a new tracker's status is wrong");
    radartrack_destroy(tracker);
    radartrack_destroy(NULL);
    printf("C99 tracking client: capacity %u targets\n", (unsigned)status.capacity);
    return 0;
}
