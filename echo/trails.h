// Echo trails: per bearing row and range sample, the seconds of trail left
// where an echo was last seen. The receiver lays trails over every line while
// the trail time is nonzero; the aging thread counts every cell down once a
// second.
#pragma once

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

void clear_trails();

// One aging step: every nonzero cell loses a second.
void age_trails();

// The aging thread: a step, then a second's sleep, until the session ends.
void aging_thread(void *);

}  // namespace radar::echo
