// CPA and TCPA by the radar library's own fixed-point calculator, so a
// caller sees the very numbers the library would give it.
#pragma once

namespace radartrack {

// Target at `range` (m) and true `bearing` (rad) from own ship; velocities
// over ground (m/s, east and north) of own ship and target. Gives CPA in
// metres and TCPA in seconds (negative when past). False, with CPA the
// present range and TCPA 0, when the range is beyond the calculator's scale
// (256 NM) or it refuses.
bool closest_approach(double range, double bearing, double own_vx, double own_vy, double vx,
                      double vy, double &cpa, double &tcpa);

}  // namespace radartrack
