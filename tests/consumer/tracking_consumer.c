/* A first program against the installed tracking library, as a navigation
 * application would write it beside the radar library: it makes a tracker,
 * feeds it the echo lines of a few antenna revolutions with one small
 * stationary echo in them (lines as the radar library delivers them),
 * acquires that echo, reads the target, the events and the tracker's status
 * back, cancels the target and ends the tracker. No station is needed.
 * Usage: tracking_consumer. Exit status 0 when every step worked. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "radar_tracking.h"

/* The picture: 512 samples over 6 NM (scale code 9), a line every 4 sweeps,
 * 24 revolutions a minute. The echo covers samples 256-261 on the 7 lines of
 * sweeps 1012-1036: a ship of about 130 m by 100 m. */
enum { SAMPLES = 512, SWEEP_STEP = 4, SCALE_CODE = 9, ECHO_FIRST = 256, ECHO_LAST = 261 };
enum { SWEEP_FIRST = 1012, SWEEP_LAST = 1036, LINES_PER_REVOLUTION = 8192 / SWEEP_STEP };
static const double range_scale_nm = 6.0;
static const double revolution_s = 2.5;
/* Where the echo lies, from the drawing: the middle of its samples and sweeps. */
#define ECHO_RANGE_NM ((ECHO_FIRST + ECHO_LAST + 1) / 2.0 / SAMPLES * range_scale_nm)
#define ECHO_BEARING_DEG ((SWEEP_FIRST + SWEEP_LAST) / 2.0 / 8192.0 * 360.0)

static uint8_t samples[SAMPLES];
static uint32_t lines_fed;

static int fail(const char *step) {
    fprintf(stderr, "tracking consumer: FAILED: %s\n", step);
    return 1;
}

/* Feeds the picture's lines up to line `end` (2048 a revolution), going on
 * from where the last call stopped. */
static int feed_to(RadarTracker *tracker, uint32_t end) {
    EchoLineRecord line;
    memset(&line, 0, sizeof line);
    line.Mode = 1;
    line.Data = samples;
    line.SampleCount = SAMPLES;
    line.HeaderNibble = 1;
    line.ScaleCode = SCALE_CODE;
    for (; lines_fed < end; ++lines_fed) {
        uint32_t revolution = lines_fed / LINES_PER_REVOLUTION;
        int sweep = (int)(lines_fed % LINES_PER_REVOLUTION) * SWEEP_STEP;
        memset(samples, 0, sizeof samples);
        if (sweep >= SWEEP_FIRST && sweep <= SWEEP_LAST)
            memset(samples + ECHO_FIRST, 5, ECHO_LAST - ECHO_FIRST + 1);
        line.Sweep = (uint16_t)sweep;
        double time_s = 100.0 + (revolution + sweep / 8192.0) * revolution_s;
        if (radartrack_line(tracker, &line, time_s) != RADARTRACK_OK) return 0;
    }
    return 1;
}

static double bearing_difference(double a, double b) {
    double d = fmod(fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

int main(void) {
    char version[15];
    /* radar::tracking and radartrack.pc bring the radar library along. */
    OrvaneGetRadarDllVersionNo(version);
    printf("radar library %s\n", version);

    RadarTracker *tracker = radartrack_create();
    if (!tracker) return fail("radartrack_create");
    if (radartrack_set_scale(tracker, SCALE_CODE, range_scale_nm) != RADARTRACK_OK)
        return fail("radartrack_set_scale");
    /* Three revolutions, and the first line of the fourth, which closes the third. */
    if (!feed_to(tracker, 3 * LINES_PER_REVOLUTION + 1)) return fail("radartrack_line");

    uint32_t id = 0;
    if (radartrack_acquire(tracker, ECHO_RANGE_NM, ECHO_BEARING_DEG, &id) != RADARTRACK_OK ||
        id == 0)
        return fail("radartrack_acquire at the echo");
    printf("echo at %.3f NM %.1f deg acquired as target %u\n", ECHO_RANGE_NM, ECHO_BEARING_DEG,
           (unsigned)id);
    if (!feed_to(tracker, 6 * LINES_PER_REVOLUTION + 1))
        return fail("radartrack_line after the acquisition");

    RadarTrackTarget targets[RADARTRACK_MAX_TARGETS];
    int32_t count = radartrack_targets(tracker, targets, RADARTRACK_MAX_TARGETS);
    if (count != 1) return fail("radartrack_targets: not the one target");
    const RadarTrackTarget *t = &targets[0];
    printf("target %u: status %u, %.3f NM, %.1f deg, flags %u\n", (unsigned)t->id,
           (unsigned)t->status, t->range_nm, t->bearing_deg, (unsigned)t->flags);
    if (t->id != id || t->status == RADARTRACK_LOST || t->acquisition != RADARTRACK_MANUAL)
        return fail("the target's id, status or acquisition");
    if (fabs(t->range_nm - ECHO_RANGE_NM) > 0.1 ||
        bearing_difference(t->bearing_deg, ECHO_BEARING_DEG) > 1.0)
        return fail("the target is not where the echo is");
    if (!(t->flags & RADARTRACK_FLAG_RELATIVE_ONLY))
        return fail("no own ship given, yet not relative only");

    RadarTrackEvent events[RADARTRACK_MAX_EVENTS];
    int32_t event_count = radartrack_events(tracker, events, RADARTRACK_MAX_EVENTS);
    int acquired = 0;
    for (int32_t i = 0; i < event_count; ++i)
        acquired |= events[i].kind == RADARTRACK_EVENT_ACQUIRED && events[i].id == id;
    if (!acquired) return fail("no acquired event for the target");

    RadarTrackStatus status;
    if (radartrack_status(tracker, &status) != RADARTRACK_OK) return fail("radartrack_status");
    printf("status: %u of %u targets, %llu lines, %llu plots, %llu revolutions\n",
           (unsigned)status.targets, (unsigned)status.capacity, (unsigned long long)status.lines,
           (unsigned long long)status.plots, (unsigned long long)status.revolutions);
    if (status.targets != 1 || status.capacity != RADARTRACK_MAX_TARGETS ||
        status.lines != lines_fed || status.revolutions < 5 || status.plots < 5)
        return fail("the status does not match what was fed");

    if (radartrack_cancel(tracker, id) != RADARTRACK_OK) return fail("radartrack_cancel");
    if (radartrack_targets(tracker, targets, RADARTRACK_MAX_TARGETS) != 0)
        return fail("the target outlived its cancel");
    radartrack_destroy(tracker);
    printf("tracking consumer done\n");
    return 0;
}
