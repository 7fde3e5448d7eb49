// The clutter map: how many plots that nothing explains (no track, no
// tentative track of three plots or more) fall near a place per revolution
// and square metre, averaged over revolutions on a polar grid over the
// range in use. Sea clutter and rain fill it; a ship, explained by its
// tentative track after three revolutions, leaves it empty. An automatic
// acquisition needs few false plots to be expected in its gate.
//
// It also keeps how heavy those plots are (the logarithm of their mass, over
// the whole picture): clutter is mostly specks, and a plot as heavy as few
// of them is likelier the target's own echo.
#pragma once

#include <cstdint>

namespace radartrack {

class ClutterMap {
  public:
    static constexpr uint32_t sectors = 64, bins = 64;
    static constexpr double weight = 0.2;  // of each revolution in the average

    // Starts over for lines spanning `range` metres.
    void reset(double range);
    double span() const { return span_; }
    void count(double range, double bearing, double log_mass);
    void new_turn();
    // Unexplained plots per square metre and revolution about a place.
    double density(double range, double bearing) const;
    // How often unexplained plots have this log mass: per unit of it, times
    // the span of log masses (1 where every mass is as common).
    double mass_share(double log_mass) const;

    static constexpr uint32_t mass_bins = 16;
    static constexpr double mass_bin = 0.625;  // of the log mass: 16 bins span 1 to 22,000

  private:
    bool cell(double range, double bearing, uint32_t &sector, uint32_t &bin) const;
    double span_ = 0;
    uint32_t turns_ = 0;  // averaged so far: the first few count alike
    float average_[sectors][bins] = {};
    uint16_t current_[sectors][bins] = {};
    float masses_[mass_bins] = {};
    uint32_t masses_now_[mass_bins] = {};
};

}  // namespace radartrack
