// Events waiting to be taken: a fixed ring; when it is full the oldest goes
// and is counted.
#pragma once

#include <cstdint>

#include "radar_tracking.h"

namespace radartrack {

class EventRing {
  public:
    void push(const RadarTrackEvent &event) {
        if (count_ == RADARTRACK_MAX_EVENTS) {
            first_ = (first_ + 1) % RADARTRACK_MAX_EVENTS;
            --count_;
            ++dropped_;
        }
        events_[(first_ + count_) % RADARTRACK_MAX_EVENTS] = event;
        ++count_;
    }

    // Moves up to `capacity` events, oldest first, into `out`.
    uint32_t take(RadarTrackEvent *out, uint32_t capacity) {
        uint32_t n = 0;
        for (; n < capacity && count_ > 0; ++n) {
            out[n] = events_[first_];
            first_ = (first_ + 1) % RADARTRACK_MAX_EVENTS;
            --count_;
        }
        return n;
    }

    uint32_t dropped() const { return dropped_; }

  private:
    RadarTrackEvent events_[RADARTRACK_MAX_EVENTS];
    uint32_t first_ = 0, count_ = 0, dropped_ = 0;
};

}  // namespace radartrack
