// The echo ring: 100 lines waiting for the application when it registered no
// echo callback. One producer (the receiver), any number of fetching threads.
#pragma once

#include <cstdint>

#include "radar.h"

namespace radar::echo {

constexpr int ring_slots = 100;

// Makes the ring ready for use; called once when the echo side starts.
void start_ring();

// Stores a copy of the line. When the application has fallen 100 lines behind
// the whole ring is emptied and this line is dropped.
void store_line(const EchoLineRecord &line);

// Takes the oldest line into `record`: Data points at the slot's levels,
// LineFlag is left as it was. Returns the number of lines that were waiting,
// this one included, or 0 (record untouched) when none waits.
int16_t fetch_line(EchoLineRecord &record);

}  // namespace radar::echo
