/* What the C compiler makes of radar.h, for the C# binding's test to hold its own output
 * against: the echo line record's size and field offsets, and OrvaneCalCpaTcpa's results for
 * the rows given (range,bearing,own_speed,own_course,target_speed,target_course), printed as
 * BindingTest prints them. */
#include <stddef.h>
#include <stdio.h>

#include "radar.h"

int main(int argc, char **argv) {
    printf("layout %zu %zu %zu %zu %zu %zu %zu %zu %zu\n", sizeof(EchoLineRecord),
           offsetof(EchoLineRecord, Mode), offsetof(EchoLineRecord, Data),
           offsetof(EchoLineRecord, SampleCount), offsetof(EchoLineRecord, HeaderNibble),
           offsetof(EchoLineRecord, Sweep), offsetof(EchoLineRecord, BearingOffset),
           offsetof(EchoLineRecord, LineFlag), offsetof(EchoLineRecord, ScaleCode));
    for (int i = 1; i < argc; ++i) {
        int32_t cpa = 0, tcpa = 0;
        int r = 0, b = 0, os = 0, oc = 0, ts = 0, tc = 0;
        if (sscanf(argv[i], "%d,%d,%d,%d,%d,%d", &r, &b, &os, &oc, &ts, &tc) != 6) return 2;
        const int16_t status = OrvaneCalCpaTcpa(r, (int16_t)b, (int16_t)os, (int16_t)oc,
                                                (int16_t)ts, (int16_t)tc, &cpa, &tcpa);
        if (status == RADAR_OK)
            printf("cpa %s %d %ld %ld\n", argv[i], status, (long)cpa, (long)tcpa);
        else
            printf("cpa %s %d\n", argv[i], status);
    }
    return 0;
}
