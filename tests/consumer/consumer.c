/* A first program against the installed radar library, as a navigation
 * application would write it: it opens a session with the radar station at
 * 127.0.0.1:PORT, orders a gain setting and waits for the station's answer to
 * reach the library's record, then waits for one echo line.
 * Usage: consumer PORT. Exit status 0 when every step worked. */
#if !defined(_WIN32)
#define _POSIX_C_SOURCE 200112L /* nanosleep */
#endif
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>

#ifdef _WIN32
#include <windows.h>
static void pause_ms(int ms) { Sleep((DWORD)ms); }
#else
#include <time.h>
static void pause_ms(int ms) {
    struct timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    nanosleep(&t, NULL);
}
#endif

#include "orvane.h"
#include "radar.h"

static atomic_int notices;
static atomic_int lines;
static atomic_int sample_count;

static void RADAR_CALLBACK on_notify(int32_t code) {
    (void)code;
    atomic_fetch_add(&notices, 1);
}

static void RADAR_CALLBACK on_echo(EchoLineRecord *line) {
    if (line->Mode == 1 && atomic_fetch_add(&lines, 1) == 0)
        atomic_store(&sample_count, line->SampleCount);
}

static int gain_is(uint16_t mode, uint16_t level) {
    uint16_t m = 0, l = 0;
    OrvaneGetRadarGain(&m, &l);
    return m == mode && l == level;
}

/* Connected, and the station has announced its settings: a Put goes to the
 * peer of the latest incoming sentence. */
static int connected(void) {
    return OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED && atomic_load(&notices) > 0;
}
static int echo_came(void) { return atomic_load(&lines) > 0; }
static int gain_answered(void) { return gain_is(2, 60); }

/* Polls `done` every 10 ms for at most 10 s. */
static int within_10_s(int (*done)(void)) {
    for (int i = 0; i < 1000; ++i) {
        if (done()) return 1;
        pause_ms(10);
    }
    return done();
}

static int fail(const char *step) {
    fprintf(stderr, "consumer: FAILED: %s\n", step);
    NetShutdown();
    return 1;
}

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: consumer PORT\n");
        return 2;
    }
    char version[15];
    OrvaneGetRadarDllVersionNo(version);
    printf("radar library %s\n", version);

    NetSetStation("RADARSIM", "127.0.0.1", (uint16_t)atoi(argv[1]));
    if (OrvaneInitRadarFunc("RADARSIM", on_notify) != RADAR_OK) return fail("OrvaneInitRadarFunc");
    if (OrvaneInitRadarEchoFunc(on_echo) != RADAR_OK) return fail("OrvaneInitRadarEchoFunc");
    if (!within_10_s(connected)) return fail("no connection to the station");
    printf("connected, %d settings announced\n", atomic_load(&notices));

    if (OrvanePutRadarGain(RADAR_KIND_ORDER, 2, 60) != RADAR_OK) return fail("OrvanePutRadarGain");
    if (!within_10_s(gain_answered)) return fail("the station's answer to the gain order");
    printf("gain 2/60 ordered and answered\n");

    if (!within_10_s(echo_came)) return fail("no echo line");
    printf("echo line received (%d samples)\n", atomic_load(&sample_count));
    NetShutdown();
    printf("consumer done\n");
    return 0;
}
