// A plot: one echo, extracted from the lines, where and when it was seen.
// The tracker keeps a whole revolution of them, clutter and all (tens of
// thousands on a short range in a moderate sea), so a plot is kept small.
#pragma once

#include <cstdint>

namespace radartrack {

struct Plot {
    double time;         // at the echo's centroid, caller's seconds
    double x, y;         // m, ground frame (own ship's position added), set by the tracker
    float range;         // m, from own ship
    float bearing;       // rad, true
    float sigma_range;   // m, one standard deviation of the centroid's range
    float mass;          // the sum of its samples' levels: how big and strong
    int64_t closed_at;   // the antenna's position, in sweeps counted on, when the echo closed
    uint16_t owner;      // track place + 1, or 0 for none
    uint16_t tentative;  // tentative track place + 1, or 0 for none
    bool settled;        // offered to the initiator and the guard zones already
    bool cut;            // it reaches the end of the line: the range cuts the echo
};

}  // namespace radartrack
