#include "palette.h"

#include <algorithm>

namespace radarctl {
namespace {

constexpr uint8_t top_level = 15;

// Index 0 is the background inside the circle; 1..7 echo from dim to bright
// orange and yellow; 8..15 trail in blues and greens, 15 the freshest.
constexpr Rgb palette[16] = {
    {6, 14, 22},                                                     // no echo
    {96, 52, 0},    {140, 72, 0},   {184, 96, 8},   {224, 124, 16},  // echo 1-4
    {255, 160, 32}, {255, 200, 48}, {255, 240, 96},                  // echo 5-7
    {12, 34, 64},   {14, 46, 84},   {16, 60, 104},  {18, 78, 124},   // trail 8-11
    {20, 100, 140}, {24, 126, 150}, {30, 156, 150}, {40, 190, 140},  // trail 12-15
};

}  // namespace

Rgb level_colour(uint8_t level) { return palette[std::min(level, top_level)]; }

PictureColours picture_colours() { return {{0, 0, 0}, {70, 100, 90}, {200, 200, 200}}; }

}  // namespace radarctl
