// Echo trails: per bearing row and range sample, the seconds of trail left
// where an echo was last seen. The receiver lays trails over every line while
// the trail time is nonzero, and it alone touches the trail memory: the aging
// thread counts the seconds once a second, a clear is asked for by a count as
// well, and the receiver brings a row up to both before it reads it. Every
// line shows the levels that counting every cell down each second, and
// clearing every cell at once, would give.
#pragma once

#include <cstddef>
#include <cstdint>

namespace radar::echo {

constexpr int trail_rows = 8192;  // one per bearing: (sweep + bearing offset) mod 8192
constexpr int line_samples = 512;

// Sets the trail time in seconds and clears every trail. -1 (nothing changes)
// when bit 15 is set.
int16_t set_trail_time(uint16_t seconds);

bool trails_on();

// Lays trails over one line: samples with an echo keep their level and
// refresh their cell to the full trail time; samples without one show the
// cell's trail level 8..15, or 0. Writes `overlay` below `sample_count` only.
void overlay_trails(const uint8_t (&line)[line_samples], uint8_t (&overlay)[line_samples], uint16_t sweep,
                    uint16_t bearing_offset, uint16_t sample_count);

// Every trail gone, for every line from now on (any thread).
void clear_trails();

// One aging step: every nonzero cell loses a second (any thread; O(1)).
void age_trails();
// `seconds` steps at once, as that many seconds of aging would give.
void age_trails_by(uint32_t seconds);

// One row's overlay step, as the kernels take it: the cells are aged by
// `elapsed` seconds, refreshed to `time` where the line has an echo, and the
// overlay shows the echo or the trail level 8 + min(left / divisor, 7).
// True when some sample had an echo.
struct TrailStep {
    const uint8_t *line;
    uint8_t *overlay;
    uint16_t *cells;
    int count;
    uint16_t elapsed, time, divisor;
};
struct OverlayKernel {
    const char *name;
    bool (*run)(const TrailStep &);
};
// left / divisor as (left x multiplier) >> 16 >> shift, for left below
// 2^15 and divisors 2..4095 (a divisor of 1 is left itself).
struct Division {
    uint16_t multiplier;
    uint8_t shift;
};
Division division_by(uint16_t divisor);

// The kernels this processor runs, the scalar reference first; the overlay
// uses the last.
std::size_t overlay_kernels(const OverlayKernel *(&out)[4]);

// The aging thread: a step, then a second's sleep, until the session ends.
void aging_thread(void *);

}  // namespace radar::echo
