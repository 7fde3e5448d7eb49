// The echo's colours, one definition for every picture: radarctl's PNG and
// the viewer's, which the server hands it.
#pragma once

#include <cstdint>

namespace radarctl {

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb &) const = default;
};

// The colour of an echo level: 0 the background inside the circle, 1..7 echo
// from dim to bright, 8..15 trail, 15 the freshest.
Rgb level_colour(uint8_t level);

// The picture's other colours: outside the circle, range rings, the heading line.
struct PictureColours {
    Rgb outside, ring, heading;
};
PictureColours picture_colours();

}  // namespace radarctl
