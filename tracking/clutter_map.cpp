#include "clutter_map.h"

#include <algorithm>

#include "units.h"

namespace radartrack {

void ClutterMap::reset(double range) { *this = ClutterMap{}, span_ = range; }

bool ClutterMap::cell(double range, double bearing, uint32_t &sector, uint32_t &bin) const {
    if (!(span_ > 0) || !(range >= 0) || range >= span_) return false;
    bin = static_cast<uint32_t>(range / span_ * bins);
    sector = static_cast<uint32_t>(wrap_turn(bearing) / two_pi * sectors) % sectors;
    return true;
}

namespace {
uint32_t mass_bin_of(double log_mass) {
    const double bin = log_mass / ClutterMap::mass_bin;
    return bin <= 0 ? 0 : std::min(static_cast<uint32_t>(bin), ClutterMap::mass_bins - 1);
}
}  // namespace

void ClutterMap::count(double range, double bearing, double log_mass) {
    uint32_t s = 0, b = 0;
    if (cell(range, bearing, s, b) && current_[s][b] < 0xFFFF) ++current_[s][b];
    ++masses_now_[mass_bin_of(log_mass)];
}

double ClutterMap::mass_share(double log_mass) const {
    // A few plots' worth spread over every bin: no mass is ever taken as
    // impossible for clutter.
    constexpr double prior = 4;
    double total = prior;
    for (const float m : masses_) total += m;
    return (masses_[mass_bin_of(log_mass)] + prior / mass_bins) / total * mass_bins;
}

void ClutterMap::new_turn() {
    // A running mean over the first revolutions, so a new map is not taken
    // for a clear sea; then each revolution's share is `weight`.
    ++turns_;
    const double w = std::max(weight, 1.0 / turns_);
    for (uint32_t s = 0; s < sectors; ++s)
        for (uint32_t b = 0; b < bins; ++b) {
            average_[s][b] += static_cast<float>(w * (current_[s][b] - average_[s][b]));
            current_[s][b] = 0;
        }
    for (uint32_t k = 0; k < mass_bins; ++k) {
        masses_[k] += static_cast<float>(w * (masses_now_[k] - masses_[k]));
        masses_now_[k] = 0;
    }
}

double ClutterMap::density(double range, double bearing) const {
    uint32_t s = 0, b = 0;
    if (!cell(range, bearing, s, b)) return 0;
    // The cell and its eight neighbours: plots over their area.
    double plots = 0, area = 0;
    const double bin_m = span_ / bins, sector_rad = two_pi / sectors;
    for (int db = -1; db <= 1; ++db) {
        const int nb = static_cast<int>(b) + db;
        if (nb < 0 || nb >= static_cast<int>(bins)) continue;
        const double ring = (nb + 0.5) * bin_m * sector_rad * bin_m;
        for (int ds = -1; ds <= 1; ++ds) {
            plots += average_[(s + sectors + ds) % sectors][nb];
            area += ring;
        }
    }
    return plots / area;
}

}  // namespace radartrack
