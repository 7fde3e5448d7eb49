#include "ranges.h"

#include <algorithm>
#include <iterator>

namespace radarctl {
namespace {

// The ranges the radar offers, shortest first, in NM.
constexpr double standard_ranges[] = {0.125, 0.25, 0.5, 0.75, 1,  1.5, 2,  3,  4,
                                      6,     8,    12,  16,   24, 32,  48, 64, 96};
static_assert(std::size(standard_ranges) == range_steps);

// At the two shortest ranges 256 samples resolve all there is to see.
constexpr double short_range_limit = 0.25;

}  // namespace

uint8_t scale_code_for(double range_nm) {
    for (int i = 0; i < range_steps; ++i)
        if (standard_ranges[i] >= range_nm * (1 - 1e-9)) return static_cast<uint8_t>(i);
    return range_steps - 1;
}

uint16_t sample_count_for(double range_nm) {
    return range_for_scale_code(scale_code_for(range_nm)) <= short_range_limit ? 256 : 512;
}

double range_for_scale_code(uint8_t scale_code) {
    return standard_ranges[std::min<int>(scale_code, range_steps - 1)];
}

}  // namespace radarctl
