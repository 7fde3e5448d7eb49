#include "tracker.h"

#include <algorithm>
#include <cmath>

namespace radartrack {

Tracker::Tracker()
    : tracks_{},
      tentatives_{},
      live_{},
      live_count_(0),
      free_tentative_count_(0),
      plots_{},
      plot_total_(0),
      settled_(0),
      zones_{},
      next_id_(1),
      cpa_limit_(1 * metres_per_nm),
      tcpa_limit_(12 * 60),
      time_(0),
      lines_(0),
      revolutions_(0),
      full_(0),
      have_pos_(false),
      last_sweep_(0),
      pos_(0),
      next_due_(INT64_MAX),
      settle_lag_(0),
      turn_time_(-1),
      period_(2.5) {
    // Taken lowest first.
    for (uint32_t i = max_tentatives; i-- > 0;)
        free_tentatives_[free_tentative_count_++] = static_cast<uint16_t>(i);
}

int32_t Tracker::line(const EchoLineRecord &line, double time) {
    if ((line.Data == nullptr && line.SampleCount != 0) || !std::isfinite(time))
        return RADARTRACK_REFUSED;
    time_ = std::max(time_, time);
    ++lines_;
    const double range = polar.range_m(line.ScaleCode);
    const uint32_t count =
        std::min<uint32_t>(line.SampleCount, PlotExtractor::max_samples_per_line);
    if (range <= 0 || count == 0) return RADARTRACK_OK;
    line_samples_ = count;
    if (range != clutter_.span()) {
        // Another range: echoes take other numbers of samples.
        clutter_.reset(range);
        for (Track &t : tracks_) t.mass_known = false;
    }

    // The antenna's progress is counted in its own sweeps, from the bow: the
    // bearing offset carries the heading, which jumps back and forth with the
    // heading sensor's noise, and must not make the antenna seem to go back
    // or round once more. The offset turns a plot's sweeps into a bearing.
    const uint32_t sweep = line.Sweep & static_cast<uint32_t>(sweeps_per_turn - 1);
    if (!have_pos_) {
        pos_ = sweep;
        have_pos_ = true;
    } else {
        const uint32_t gap = (sweep - last_sweep_) & (sweeps_per_turn - 1);
        if (gap == 0) return RADARTRACK_OK;  // the same sweep again
        if (sweep < last_sweep_) new_turn(time);
        pos_ += gap;
        if (((pos_ - gap) >> 8) != (pos_ >> 8)) prune_tentatives();
    }
    last_sweep_ = sweep;

    const uint32_t closed =
        extractor.line(line.Data, count, range, pos_, time, fresh_, PlotExtractor::max_blobs);
    // Echoes closed by this line were drawn under the lines before it.
    for (uint32_t i = 0; i < closed; ++i) store_plot(fresh_[i]);
    offset_ = line.BearingOffset & static_cast<uint32_t>(sweeps_per_turn - 1);
    if (pos_ >= next_due_) run_due();
    settle();
    return RADARTRACK_OK;
}

void Tracker::new_turn(double time) {
    ++revolutions_;
    offset_turn_ = revolutions_ > 1 ? wrap_sweeps(static_cast<int64_t>(offset_) - turn_offset_) : 0;
    turn_offset_ = offset_;
    clutter_.new_turn();
    const double period = time - turn_time_;
    if (turn_time_ >= 0 && period > 0.3 && period < 20) period_ = period;
    turn_time_ = time;
    // Every track keeps its way through the extended region open for the
    // revolution to come: a target running into clutter or along a coast is
    // left to the association.
    extractor.new_turn();
    for (const Track &track : tracks_) {
        if (!track.used) continue;
        double range = 0, bearing = 0, s[4];
        relative_now(track, time + period_ / 2, range, bearing, s);
        const double margin = 400 + std::hypot(s[2], s[3]) * period_;
        const double half = std::min(pi, margin / std::max(range, 1.0)) / rad_per_sweep;
        extractor.unmask(static_cast<int64_t>(bearing / rad_per_sweep) - offset_,
                         static_cast<int64_t>(half) + 16, range - margin, range + margin);
    }
}

void Tracker::store_plot(Plot plot) {
    const double bearing = wrap_turn(plot.bearing + offset_ * rad_per_sweep);
    plot.bearing = static_cast<float>(bearing);
    double ox = 0, oy = 0;
    own_.position_at(plot.time, ox, oy);
    plot.x = ox + plot.range * std::sin(bearing);
    plot.y = oy + plot.range * std::cos(bearing);
    plots_[plot_total_ % max_plots] = plot;
    ++plot_total_;
}

void Tracker::settle() {
    if (plot_total_ - settled_ > max_plots) settled_ = plot_total_ - max_plots;  // overrun: lost
    while (settled_ < plot_total_) {
        Plot &plot = plots_[settled_ % max_plots];
        if (plot.closed_at + std::max(tuning.settle_lag, settle_lag_) > pos_) break;
        settle_plot(plot);
        plot.settled = true;
        ++settled_;
    }
}

Cov2 Tracker::plot_cov(const Plot &plot) const {
    return plot_cov(plot.range, plot.bearing, plot.sigma_range);
}

Cov2 Tracker::plot_cov(double range, double bearing, double sigma_range) const {
    const double s = std::sin(bearing), c = std::cos(bearing);
    const double rr = sigma_range * sigma_range;
    const double aa = range * range * tuning.bearing_sigma * tuning.bearing_sigma;
    return {s * s * rr + c * c * aa, s * c * (rr - aa), c * c * rr + s * s * aa};
}

void Tracker::relative(const double s[4], double t, double &range, double &bearing) const {
    double ox = 0, oy = 0;
    own_.position_at(t, ox, oy);
    range = std::hypot(s[0] - ox, s[1] - oy);
    bearing = direction(s[0] - ox, s[1] - oy);
}

void Tracker::relative_now(const Track &track, double t, double &range, double &bearing,
                           double s[4]) const {
    track.filter.shown(t, imm_tuning, s);
    relative(s, t, range, bearing);
}

void Tracker::event(uint32_t kind, uint32_t id, uint32_t zone, double range, double bearing) {
    events_.push({kind, id, zone, time_, range / metres_per_nm, bearing / rad_per_deg});
}

void Tracker::own_ship(const RadarTrackOwnShip &own) {
    time_ = std::max(time_, own.time_s);
    own_.sample(own);
}

int32_t Tracker::set_zone(uint32_t index, const RadarTrackZone *zone) {
    if (index >= RADARTRACK_MAX_ZONES) return RADARTRACK_OUT_OF_RANGE;
    Zone z;
    if (zone != nullptr && !z.set(*zone)) return RADARTRACK_OUT_OF_RANGE;
    zones_[index] = z;
    guard_memory_[index].clear();
    for (Track &t : tracks_) t.guard_mask &= ~(1u << index);
    return RADARTRACK_OK;
}

int32_t Tracker::acknowledge_guard(uint32_t zone) {
    if (zone >= RADARTRACK_MAX_ZONES) return RADARTRACK_OUT_OF_RANGE;
    zones_[zone].alarmed = false;
    return RADARTRACK_OK;
}

void Tracker::status(RadarTrackStatus &s) const {
    s = {};
    for (const Track &t : tracks_) s.targets += t.used ? 1 : 0;
    s.capacity = RADARTRACK_MAX_TARGETS;
    s.full = full_;
    s.own = own_.known();
    s.lines = lines_;
    s.plots = plot_total_;
    s.revolutions = revolutions_;
    s.events_dropped = events_.dropped();
    s.time_s = time_;
}

}  // namespace radartrack
