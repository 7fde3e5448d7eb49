// Numbers as the API gives them: to a few places, so that 0.1 reads 0.1 and
// not a binary fraction, and null when there is none (not finite).
#pragma once

#include <cmath>
#include <nlohmann/json.hpp>

namespace radarctl::serve {

// To `per` parts of the unit.
inline nlohmann::json rounded(double v, double per) {
    if (!std::isfinite(v)) return nullptr;
    return std::round(v * per) / per;
}

// Tenths of a degree, 0 to 359.9.
inline nlohmann::json degrees(double v) {
    if (!std::isfinite(v)) return nullptr;
    const double r = std::round(v * 10) / 10;
    return r >= 360 ? r - 360 : r;
}

}  // namespace radarctl::serve
