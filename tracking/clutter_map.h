// The clutter map: how many plots that nothing explains (no track, no
// tentative track of three plots or more) fall near a place per revolution
// and square metre, averaged over revolutions on a polar grid over the
// range in use. Sea clutter and rain fill it; a ship, explained by its
// tentative track after three revolutions, leaves it empty. An automatic
// acquisition needs few false plots to be expected in its gate.
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
    void count(double range, double bearing);
    void new_turn();
    // Unexplained plots per square metre and revolution about a place.
    double density(double range, double bearing) const;

  private:
    bool cell(double range, double bearing, uint32_t &sector, uint32_t &bin) const;
    double span_ = 0;
    float average_[sectors][bins] = {};
    uint16_t current_[sectors][bins] = {};
};

}  // namespace radartrack
