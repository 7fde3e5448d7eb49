/* session.c: a first program on the radar library.
 *
 * It names a radar station (NetSetStation), opens a session with it, waits
 * until the station has announced its settings, orders manual gain 60 and
 * waits for the station's answer to reach the library's mirror, then counts
 * the echo lines of five seconds.
 *
 *   session PORT [HOST]
 *
 * Try it with the simulated station: run "bin\radarctl sim" in a second
 * window and pass the port it prints ("commands on 127.0.0.1:PORT (TCP)").
 * HOST defaults to 127.0.0.1. Exit status 0 when every step worked. */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include "orvane.h"
#include "radar.h"

/* The callbacks run on the library's threads: count, and do no more. */
static volatile LONG settings_announced;
static volatile LONG echo_lines;

static void RADAR_CALLBACK on_notify(int32_t code) {
    (void)code; /* RADAR_CODE_GAIN, RADAR_CODE_RANGE, ...: what changed */
    InterlockedIncrement(&settings_announced);
}

static void RADAR_CALLBACK on_echo(EchoLineRecord *line) {
    (void)line; /* valid only during the call: copy what you keep */
    InterlockedIncrement(&echo_lines);
}

static int connected(void) {
    return OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED && settings_announced > 0;
}

static int gain_is_60(void) {
    uint16_t mode = 0, level = 0;
    OrvaneGetRadarGain(&mode, &level);
    return mode == 0 && level == 60;
}

/* Asks `done` every 10 ms, for 10 seconds at most. */
static int within_10_s(int (*done)(void)) {
    for (int i = 0; i < 1000 && !done(); ++i) Sleep(10);
    return done();
}

static int failed(const char *what) {
    fprintf(stderr, "session: %s\n", what);
    NetShutdown();
    return 1;
}

int main(int argc, char **argv) {
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: session PORT [HOST]\n");
        return 2;
    }
    char version[15];
    OrvaneGetRadarDllVersionNo(version);
    printf("radar library %s (header %d.%d.%d)\n", version, RADAR_VERSION_MAJOR,
           RADAR_VERSION_MINOR, RADAR_VERSION_PATCH);

    NetSetStation("RADAR1", argc == 3 ? argv[2] : "127.0.0.1", (uint16_t)atoi(argv[1]));
    if (OrvaneInitRadarFunc("RADAR1", on_notify) != RADAR_OK) return failed("no session");
    if (OrvaneInitRadarEchoFunc(on_echo) != RADAR_OK) return failed("no echo");
    if (!within_10_s(connected)) return failed("the station did not answer within 10 s");
    printf("connected: %ld settings announced\n", (long)settings_announced);

    if (OrvanePutRadarGain(RADAR_KIND_ORDER, 0, 60) != RADAR_OK)
        return failed("the gain order was not sent");
    if (!within_10_s(gain_is_60)) return failed("the station did not take gain 60 within 10 s");
    printf("gain: manual, 60 (ordered and answered)\n");

    Sleep(5000);
    printf("echo: %ld lines in 5 s\n", (long)echo_lines);
    NetShutdown();
    return echo_lines > 0 ? 0 : failed("no echo line in 5 s");
}
