// Where an echo sample lies: the one place where a line's sweep, bearing
// offset, sample index and scale code become a range in metres and a true
// bearing in radians.
#pragma once

#include <cstdint>

#include "radar.h"
#include "units.h"

namespace radartrack {

class Polar {
  public:
    static constexpr uint32_t scale_codes = 64;

    Polar();

    // Sets the range of a scale code; false for a code or range out of range.
    bool set_scale(uint32_t code, double range_nm);

    // The far edge of a line's last sample for its scale code, or 0 when the
    // code stands for nothing yet.
    double range_m(uint32_t code) const { return code < scale_codes ? range_m_[code] : 0; }

    // A line's true bearing in sweeps, 0-8191.
    static uint32_t line_sweep(const EchoLineRecord &line) {
        return (static_cast<uint32_t>(line.Sweep) + line.BearingOffset) &
               static_cast<uint32_t>(sweeps_per_turn - 1);
    }

    // The bearing of a position counted in sweeps (any number of turns).
    static double bearing_rad(double sweeps) { return wrap_turn(sweeps * rad_per_sweep); }

    // The range of a point `samples` from the line's start (sample s is at
    // s + 0.5), on a line of `count` samples spanning `range_m`.
    static double sample_range(double samples, double range_m, uint32_t count) {
        return samples * range_m / count;
    }

  private:
    double range_m_[scale_codes];
};

}  // namespace radartrack
