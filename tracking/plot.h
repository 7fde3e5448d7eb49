// A plot: one echo, extracted from the lines, where and when it was seen.
#pragma once

#include <cstdint>

namespace radartrack {

struct Plot {
    double time;         // at the echo's centroid, caller's seconds
    double range;        // m, from own ship
    double bearing;      // rad, true
    double sigma_range;  // m, one standard deviation of the centroid's range
    double x, y;         // m, ground frame (own ship's position added), set by the tracker
    int64_t closed_at;   // the antenna's position, in sweeps counted on, when the echo closed
    uint32_t owner;      // track place + 1, or 0 for none
    uint32_t tentative;  // tentative track place + 1, or 0 for none
    bool settled;        // offered to the initiator and the guard zones already
};

}  // namespace radartrack
