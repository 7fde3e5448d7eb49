#include "trails.h"

#include <algorithm>
#include <atomic>

#include "platform/thread.h"
#include "radar.h"
#include "session/session.h"

namespace radar::echo {
namespace {

// 8 MiB, shared without a lock by the receiver (overlay, clears), the aging
// thread (decrements) and the application (clear on a new trail time). Each
// cell is read and written as one 16-bit unit; when two threads meet on a
// cell, one aging step or one refresh may be lost.
int16_t cells[trail_rows][line_samples];

std::atomic<int16_t> trail_time{0};
std::atomic<int16_t> trail_divisor{0};  // trail time / 8

std::atomic_ref<int16_t> cell(int row, int sample) { return std::atomic_ref<int16_t>(cells[row][sample]); }

constexpr auto relaxed = std::memory_order_relaxed;

}  // namespace

int16_t set_trail_time(uint16_t seconds) {
    if (seconds & 0x8000) return RADAR_REFUSED;
    trail_time.store(static_cast<int16_t>(seconds), relaxed);
    trail_divisor.store(static_cast<int16_t>(seconds / 8), relaxed);
    clear_trails();
    return RADAR_OK;
}

bool trails_on() { return trail_time.load(relaxed) != 0; }

void overlay_trails(const uint8_t (&line)[line_samples], uint8_t (&overlay)[line_samples], uint16_t sweep,
                    uint16_t bearing_offset, uint16_t sample_count) {
    int row = sweep + bearing_offset;
    if (row >= trail_rows) row -= trail_rows;
    const int16_t time = trail_time.load(relaxed);
    // Trail times below 8 have a divisor of 0: their cells count as levels
    // one second each.
    const int16_t divisor = std::max<int16_t>(trail_divisor.load(relaxed), 1);
    const int count = std::min<int>(sample_count, line_samples);
    for (int s = 0; s < count; ++s) {
        auto c = cell(row, s);
        if (line[s] != 0) {
            overlay[s] = line[s];
            c.store(time, relaxed);
        } else if (const int16_t left = c.load(relaxed); left > 0) {
            overlay[s] = static_cast<uint8_t>(8 + std::min(left / divisor, 7));
        } else {
            overlay[s] = 0;
        }
    }
}

void clear_trails() {
    for (int row = 0; row < trail_rows; ++row)
        for (int s = 0; s < line_samples; ++s) cell(row, s).store(0, relaxed);
}

void age_trails() {
    for (int row = 0; row < trail_rows; ++row) {
        for (int s = 0; s < line_samples; ++s) {
            auto c = cell(row, s);
            if (const int16_t left = c.load(relaxed); left > 0) c.store(static_cast<int16_t>(left - 1), relaxed);
        }
    }
}

void aging_thread(void *) {
    while (!session::ended()) {
        age_trails();
        platform::sleep_ms(1000);
    }
}

}  // namespace radar::echo
