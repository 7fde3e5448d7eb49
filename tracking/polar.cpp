#include "polar.h"

#include <iterator>

namespace radartrack {

namespace {
// The radar's range steps, in NM, for scale codes 0-17.
constexpr double standard_ranges_nm[] = {0.125, 0.25, 0.5, 0.75, 1,  1.5, 2,  3,  4,
                                         6,     8,    12,  16,   24, 32,  48, 64, 96};
}  // namespace

Polar::Polar() {
    for (uint32_t code = 0; code < scale_codes; ++code)
        range_m_[code] =
            code < std::size(standard_ranges_nm) ? standard_ranges_nm[code] * metres_per_nm : 0;
}

bool Polar::set_scale(uint32_t code, double range_nm) {
    if (code >= scale_codes || !(range_nm > 0 && range_nm <= 1000)) return false;
    range_m_[code] = range_nm * metres_per_nm;
    return true;
}

}  // namespace radartrack
