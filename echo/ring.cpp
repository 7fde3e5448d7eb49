#include "ring.h"

#include <atomic>
#include <cstring>

#include "platform/lock.h"
#include "trails.h"

namespace radar::echo {
namespace {

struct Slot {
    std::atomic<uint16_t> mode;  // 0: empty; else the line's Mode, set last
    uint8_t levels[line_samples];
    uint16_t sample_count, header_nibble, sweep, bearing_offset, scale_code;
};

Slot slots[ring_slots];
uint8_t write_index;  // the receiver's alone
uint8_t read_index;
uint16_t count;

platform::Lock ring_lock;
std::atomic<bool> started{false};

uint8_t next(uint8_t index) { return index + 1 == ring_slots ? 0 : index + 1; }

}  // namespace

void start_ring() {
    ring_lock.init();
    started.store(true, std::memory_order_release);
}

void store_line(const EchoLineRecord &line) {
    Slot &slot = slots[write_index];
    // Only the receiver fills slots, so it may look without the lock.
    if (slot.mode.load(std::memory_order_relaxed) != 0) {
        platform::Held held(ring_lock);
        count = 0;
        write_index = 0;
        read_index = 0;
        for (Slot &s : slots) s.mode.store(0, std::memory_order_relaxed);
        return;
    }
    platform::Held held(ring_lock);
    std::memcpy(slot.levels, line.Data, line_samples);
    slot.sample_count = line.SampleCount;
    slot.header_nibble = line.HeaderNibble;
    slot.sweep = line.Sweep;
    slot.bearing_offset = line.BearingOffset;
    slot.scale_code = line.ScaleCode;
    ++count;
    slot.mode.store(line.Mode, std::memory_order_relaxed);
    write_index = next(write_index);
}

int16_t fetch_line(EchoLineRecord &record) {
    // Before the echo side starts nothing can wait, and the lock is not ready.
    if (!started.load(std::memory_order_acquire)) return 0;
    platform::Held held(ring_lock);
    Slot &slot = slots[read_index];
    const uint16_t mode = slot.mode.load(std::memory_order_relaxed);
    if (mode == 0) return 0;
    record.Data = slot.levels;
    record.SampleCount = slot.sample_count;
    record.HeaderNibble = slot.header_nibble;
    record.Sweep = slot.sweep;
    record.BearingOffset = slot.bearing_offset;
    record.ScaleCode = slot.scale_code;
    record.Mode = mode;
    const auto waiting = static_cast<int16_t>(count);
    slot.mode.store(0, std::memory_order_relaxed);
    --count;
    read_index = next(read_index);
    return waiting;
}

}  // namespace radar::echo
