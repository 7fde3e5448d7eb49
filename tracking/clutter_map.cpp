#include "clutter_map.h"

#include "units.h"

namespace radartrack {

void ClutterMap::reset(double range) { *this = ClutterMap{}, span_ = range; }

bool ClutterMap::cell(double range, double bearing, uint32_t &sector, uint32_t &bin) const {
    if (!(span_ > 0) || !(range >= 0) || range >= span_) return false;
    bin = static_cast<uint32_t>(range / span_ * bins);
    sector = static_cast<uint32_t>(wrap_turn(bearing) / two_pi * sectors) % sectors;
    return true;
}

void ClutterMap::count(double range, double bearing) {
    uint32_t s = 0, b = 0;
    if (cell(range, bearing, s, b) && current_[s][b] < 0xFFFF) ++current_[s][b];
}

void ClutterMap::new_turn() {
    for (uint32_t s = 0; s < sectors; ++s)
        for (uint32_t b = 0; b < bins; ++b) {
            average_[s][b] += static_cast<float>(weight * (current_[s][b] - average_[s][b]));
            current_[s][b] = 0;
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
