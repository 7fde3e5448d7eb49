/* The public header as a C99 program sees it, built with every warning an
 * error. It also checks, as C, the echo line record's layout. */
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "radar.h"

#define CHECK(name, condition) typedef char name[(condition) ? 1 : -1]
CHECK(mode_first, offsetof(EchoLineRecord, Mode) == 0);
CHECK(data_second, offsetof(EchoLineRecord, Data) == 2);
CHECK(scale_last, offsetof(EchoLineRecord, ScaleCode) == 12 + sizeof(void *));
CHECK(packed, sizeof(EchoLineRecord) == 14 + sizeof(void *));

static void RADAR_CALLBACK on_notify(int32_t code) { (void)code; }
static void RADAR_CALLBACK on_line(EchoLineRecord *line) { (void)line; }

int main(void) {
    char version[15];
    RadarNotifyFunc notify = on_notify;
    RadarEchoFunc echo = on_line;
    uint16_t mode = 9, level = 9;
    (void)notify;
    (void)echo;
    if (OrvaneGetRadarDllVersionNo(version) != 15 || strcmp(version, "195001300702b1") != 0) {
        printf("version text wrong\n");
        return 1;
    }
    if (OrvaneSetRadarGain(2, 50) != RADAR_OK || OrvaneGetRadarGain(&mode, &level) != RADAR_OK ||
        mode != 2 || level != 50) {
        printf("gain round trip failed\n");
        return 1;
    }
    printf("C99 client: version %s, gain %u %u\n", version, (unsigned)mode, (unsigned)level);
    return 0;
}
