// Zones (guard and acquisition) and the guard zones' memory of echoes.
//
// A guard intrusion by an untracked echo needs the echo inside on two
// revolutions running, near where it was (so one revolution's clutter or
// noise raises nothing); each zone keeps the last revolution's echoes inside
// it for that. An echo whose intrusion was reported carries the mark on, so
// an echo that stays inside raises nothing new after an acknowledgement; a
// new one does. One event per zone until it is acknowledged.
#pragma once

#include <cstdint>

#include "radar_tracking.h"

namespace radartrack {

struct Zone {
    uint32_t kind = RADARTRACK_ZONE_OFF;
    double from = 0, width = 0;   // rad, clockwise; width 0: the whole circle
    double inner = 0, outer = 0;  // m
    bool alarmed = false;         // an event was raised and not yet acknowledged

    // Sets the zone from the interface's figures; false when they make no sense.
    bool set(const RadarTrackZone &zone);
    bool contains(double range, double bearing) const;
};

class GuardMemory {
  public:
    static constexpr uint32_t max_echoes = 32;  // per zone and revolution; more are not remembered

    // An untracked echo inside the zone at ground position x, y, antenna
    // position `pos` (sweeps counted on), time t. True when it confirms an
    // intrusion not reported before.
    bool echo(double x, double y, int64_t pos, double t);
    void clear() { count_ = 0; }

  private:
    struct Echo {
        double x, y, t;
        int64_t pos;
        bool reported;
    };
    Echo echoes_[max_echoes];
    uint32_t count_ = 0;
};

}  // namespace radartrack
