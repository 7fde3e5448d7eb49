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

// Per row: whether it may hold a trail. Whoever writes a nonzero cell marks
// its row afterwards: the overlay laying trails, the aging pass leaving some
// (it unmarks a row before looking at it). A row left unmarked therefore
// holds nothing but zeros, and the pass skips it. A mark is a hint in one
// direction only: a marked row may be empty.
std::atomic<bool> row_marks[trail_rows];

void mark_row(int row) { row_marks[row].store(true, std::memory_order_release); }

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

// A cell's trail level without a division per sample: q = left / divisor
// is (left * reciprocal) >> 32 with reciprocal = 2^32 / divisor + 1, exact
// for every left below 2^16 (the error stays under left / 2^32, well below
// the 1 / divisor that separates the quotient from the next integer).
uint64_t reciprocal_of(int16_t divisor) { return (uint64_t{1} << 32) / static_cast<uint64_t>(divisor) + 1; }

void overlay_trails(const uint8_t (&line)[line_samples], uint8_t (&overlay)[line_samples], uint16_t sweep,
                    uint16_t bearing_offset, uint16_t sample_count) {
    int row = sweep + bearing_offset;
    if (row >= trail_rows) row -= trail_rows;
    const int16_t time = trail_time.load(relaxed);
    // Trail times below 8 have a divisor of 0: their cells count as levels
    // one second each.
    const uint64_t reciprocal = reciprocal_of(std::max<int16_t>(trail_divisor.load(relaxed), 1));
    const int count = std::min<int>(sample_count, line_samples);
    bool refreshed = false;
    for (int s = 0; s < count; ++s) {
        auto c = cell(row, s);
        if (const uint8_t level = line[s]; level != 0) {
            overlay[s] = level;
            c.store(time, relaxed);
            refreshed = true;
        } else if (const int16_t left = c.load(relaxed); left > 0) {
            const auto q = static_cast<uint32_t>((static_cast<uint64_t>(left) * reciprocal) >> 32);
            overlay[s] = static_cast<uint8_t>(8 + std::min<uint32_t>(q, 7));
        } else {
            overlay[s] = 0;
        }
    }
    if (refreshed) mark_row(row);
}

void clear_trails() {
    for (int row = 0; row < trail_rows; ++row)
        for (int s = 0; s < line_samples; ++s) cell(row, s).store(0, relaxed);
}

void age_trails() {
    for (int row = 0; row < trail_rows; ++row) {
        // Unmarking first: a trail laid while the row is looked at marks it
        // again, for the next pass.
        if (!row_marks[row].exchange(false, std::memory_order_acquire)) continue;
        bool remain = false;
        for (int s = 0; s < line_samples; ++s) {
            auto c = cell(row, s);
            if (const int16_t left = c.load(relaxed); left > 0) {
                c.store(static_cast<int16_t>(left - 1), relaxed);
                remain |= left > 1;
            }
        }
        if (remain) mark_row(row);
    }
}

void aging_thread(void *) {
    while (!session::ended()) {
        age_trails();
        platform::sleep_ms(1000);
    }
}

}  // namespace radar::echo
