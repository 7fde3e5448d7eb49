// Tracks: their turn each revolution (association and update), their status,
// danger and guard zones, and the orders that make and end them.
#include <algorithm>
#include <bit>
#include <cmath>

#include "closest_approach.h"
#include "tracker.h"

namespace radartrack {

int64_t Tracker::next_due(const Track &track, int64_t after) const {
    // The antenna's first pass over the track's predicted bearing, plus the
    // lag, after `after`.
    const double t = time_ + period_ * (static_cast<double>(after - pos_) / sweeps_per_turn + 0.5);
    double range = 0, bearing = 0, s[4];
    relative_now(track.filter, t, range, bearing, s);
    const int64_t target = static_cast<int64_t>(bearing / rad_per_sweep) - offset_ + tuning.due_lag;
    return after + ((target - after) & (sweeps_per_turn - 1));
}

void Tracker::update_next_due() {
    next_due_ = INT64_MAX;
    for (const Track &t : tracks_)
        if (t.used) next_due_ = std::min(next_due_, t.due);
}

void Tracker::run_due() {
    // The tracks due now, with those due within half the lag: neighbours in
    // bearing share their plots in one assignment, so crossing targets
    // compete for both echoes at once.
    while (next_due_ <= pos_) {
        uint32_t batch[Assignment::max_rows];
        uint32_t count = 0;
        for (uint32_t i = 0; i < RADARTRACK_MAX_TARGETS && count < Assignment::max_rows; ++i)
            if (tracks_[i].used && tracks_[i].due <= pos_ + tuning.due_lag / 2) batch[count++] = i;
        associate(batch, count);
        update_next_due();
    }
}

void Tracker::associate(const uint32_t *batch, uint32_t count) {
    // Candidates: this pass's plots that no track took and that are not yet
    // settled, inside some batch track's gate.
    const uint32_t max_candidates = Assignment::max_columns - Assignment::max_rows;
    uint32_t m = 0;
    double best_log_det[Assignment::max_rows];
    for (uint32_t i = 0; i < count; ++i) best_log_det[i] = 0;
    const uint64_t oldest = plot_total_ > max_plots ? plot_total_ - max_plots : 0;
    for (uint64_t n = plot_total_; n > oldest && m < max_candidates; --n) {
        const Plot &plot = plots_[(n - 1) % max_plots];
        if (plot.closed_at < pos_ - sweeps_per_turn * 3 / 4) break;
        if (plot.owner != 0 || plot.settled) continue;
        const Cov2 r = plot_cov(plot);
        bool gated = false;
        for (uint32_t i = 0; i < count; ++i) {
            double log_det = 0;
            const double d2 =
                tracks_[batch[i]].filter.nis(plot.time, plot.x, plot.y, r, filter_tuning, &log_det);
            const bool in = d2 < tuning.gate;
            assignment_.cost[i][m] = in ? d2 + log_det : Assignment::forbidden;
            if (in && (!gated || log_det < best_log_det[i])) best_log_det[i] = log_det;
            gated = gated || in;
        }
        if (gated) candidates_[m++] = static_cast<uint32_t>((n - 1) % max_plots);
    }
    // One "missed" column per track, costing a little more than the gate.
    for (uint32_t i = 0; i < count; ++i)
        for (uint32_t j = 0; j < count; ++j)
            assignment_.cost[i][m + j] =
                i == j ? tuning.gate + best_log_det[i] : Assignment::forbidden;
    assignment_.solve(count, m + count);

    for (uint32_t i = 0; i < count; ++i) {
        Track &track = tracks_[batch[i]];
        const int32_t column = assignment_.column_of[i];
        const bool hit = column >= 0 && static_cast<uint32_t>(column) < m;
        if (hit) {
            Plot &plot = plots_[candidates_[column]];
            track.filter.update(plot.time, plot.x, plot.y, plot_cov(plot), filter_tuning);
            plot.owner = batch[i] + 1;
            track.last_seen = plot.time;
            ++track.updates;
        }
        track.history = ((track.history << 1) | (hit ? 1u : 0u)) & 0x3FFu;
        track.window = std::min(track.window + 1, 10u);
        track.due = next_due(track, pos_ + sweeps_per_turn / 2);
        review(batch[i]);
    }
}

void Tracker::review(uint32_t index) {
    Track &track = tracks_[index];
    double range = 0, bearing = 0, s[4];
    relative_now(track.filter, time_, range, bearing, s);

    const uint32_t window_mask = (1u << track.window) - 1;
    const uint32_t seen = static_cast<uint32_t>(std::popcount(track.history & window_mask));
    if (!track.established && track.updates >= tuning.established_updates &&
        (track.filter.speed_sigma() <= tuning.established_speed_sigma ||
         track.last_seen - track.first_seen >= tuning.established_age_s))
        track.established = true;
    const uint32_t status = track.window - seen >= tuning.lost_misses ? RADARTRACK_LOST
                            : track.established                       ? RADARTRACK_TRACKING
                                                                      : RADARTRACK_ACQUIRING;
    if (status != track.status) {
        if (status == RADARTRACK_LOST) {
            track.lost_since = time_;
            event(RADARTRACK_EVENT_LOST, track.id, 0, range, bearing);
        } else if (status == RADARTRACK_TRACKING) {
            event(RADARTRACK_EVENT_TRACKING, track.id, 0, range, bearing);
        }
        track.status = status;
    }
    if (status == RADARTRACK_LOST && time_ - track.lost_since >= tuning.lost_keep_s) {
        drop(index);
        return;
    }

    // Danger: only a target whose motion is known.
    bool dangerous = false;
    if (status == RADARTRACK_TRACKING) {
        double cpa = 0, tcpa = 0;
        const bool relative = !own_.velocity_known();
        const double ovx = relative ? 0 : own_.vx(), ovy = relative ? 0 : own_.vy();
        dangerous = closest_approach(range, bearing, ovx, ovy, s[2], s[3], cpa, tcpa) &&
                    cpa < cpa_limit_ && tcpa >= 0 && tcpa <= tcpa_limit_;
    }
    if (dangerous != track.dangerous)
        event(dangerous ? RADARTRACK_EVENT_DANGER : RADARTRACK_EVENT_DANGER_END, track.id, 0, range,
              bearing);
    track.dangerous = dangerous;

    // Guard zones: a target that comes in raises the zone's event.
    uint32_t mask = 0;
    if (status != RADARTRACK_LOST)
        for (uint32_t z = 0; z < RADARTRACK_MAX_ZONES; ++z)
            if (zones_[z].kind == RADARTRACK_ZONE_GUARD && zones_[z].contains(range, bearing))
                mask |= 1u << z;
    for (uint32_t z = 0; z < RADARTRACK_MAX_ZONES; ++z)
        if ((mask & ~track.guard_mask & (1u << z)) && !zones_[z].alarmed) {
            zones_[z].alarmed = true;
            event(RADARTRACK_EVENT_GUARD, track.id, z, range, bearing);
        }
    track.guard_mask = mask;
}

void Tracker::drop(uint32_t index) {
    Track &track = tracks_[index];
    double range = 0, bearing = 0, s[4];
    relative_now(track.filter, time_, range, bearing, s);
    if (track.dangerous) event(RADARTRACK_EVENT_DANGER_END, track.id, 0, range, bearing);
    event(RADARTRACK_EVENT_DROPPED, track.id, 0, range, bearing);
    track.used = false;
    for (uint64_t n = plot_total_ > max_plots ? plot_total_ - max_plots : 0; n < plot_total_; ++n)
        if (plots_[n % max_plots].owner == index + 1) plots_[n % max_plots].owner = 0;
}

int32_t Tracker::new_track(const NcvFilter &filter, uint32_t acquisition, double first_seen,
                           uint32_t hits, int64_t after) {
    uint32_t index = 0;
    while (index < RADARTRACK_MAX_TARGETS && tracks_[index].used) ++index;
    if (index == RADARTRACK_MAX_TARGETS) return -1;
    Track &track = tracks_[index];
    track = Track{};
    track.used = true;
    track.id = next_id_++;
    track.status = RADARTRACK_ACQUIRING;
    track.acquisition = acquisition;
    track.filter = filter;
    track.first_seen = first_seen;
    track.last_seen = filter.time();
    track.updates = hits;
    track.window = std::min(hits, 10u);
    track.history = (1u << track.window) - 1;
    track.due = next_due(track, after);
    update_next_due();
    double range = 0, bearing = 0, s[4];
    relative_now(track.filter, time_, range, bearing, s);
    event(RADARTRACK_EVENT_ACQUIRED, track.id, 0, range, bearing);
    review(index);
    return static_cast<int32_t>(index);
}

int32_t Tracker::acquire(double range, double bearing, uint32_t &id) {
    // The nearest echo of the last revolution, or target, within the gate.
    const double gate = std::max(tuning.manual_gate_m, range * tuning.manual_gate_rad);
    const double px = range * std::sin(bearing), py = range * std::cos(bearing);
    double best = gate;
    int64_t best_plot = -1, best_track = -1;
    const uint64_t oldest = plot_total_ > max_plots ? plot_total_ - max_plots : 0;
    for (uint64_t n = plot_total_; n > oldest; --n) {
        const Plot &plot = plots_[(n - 1) % max_plots];
        if (plot.closed_at <= pos_ - sweeps_per_turn) break;
        const double d = std::hypot(plot.range * std::sin(plot.bearing) - px,
                                    plot.range * std::cos(plot.bearing) - py);
        if (d <= best) {
            best = d;
            best_plot = static_cast<int64_t>((n - 1) % max_plots);
        }
    }
    for (uint32_t i = 0; i < RADARTRACK_MAX_TARGETS; ++i) {
        if (!tracks_[i].used) continue;
        double r = 0, b = 0, s[4];
        relative_now(tracks_[i].filter, time_, r, b, s);
        const double d = std::hypot(r * std::sin(b) - px, r * std::cos(b) - py);
        if (d <= best) {
            best = d;
            best_track = i;
        }
    }
    if (best_track < 0 && best_plot >= 0 && plots_[best_plot].owner != 0)
        best_track = plots_[best_plot].owner - 1;
    if (best_track >= 0) {
        id = tracks_[best_track].id;
        return RADARTRACK_OK;
    }
    if (best_plot < 0) return RADARTRACK_NOT_FOUND;

    Plot &plot = plots_[best_plot];
    NcvFilter filter;
    uint32_t hits = 1;
    double first_seen = plot.time;
    Tentative *tentative = plot.tentative ? &tentatives_[plot.tentative - 1] : nullptr;
    if (tentative != nullptr && tentative->used && tentative->filter.time() == plot.time) {
        filter = tentative->filter;  // what was learnt of it so far
        hits = tentative->hits;
        first_seen = tentative->first_seen;
    } else {
        filter.start(plot.time, plot.x, plot.y, plot_cov(plot), tuning.new_speed_sigma);
        tentative = nullptr;
    }
    const int32_t index = new_track(filter, RADARTRACK_MANUAL, first_seen, hits,
                                    std::max(pos_, plot.closed_at + sweeps_per_turn / 2));
    if (index < 0) {
        ++full_;
        return RADARTRACK_FULL;
    }
    if (tentative != nullptr) end_tentative(plot.tentative - 1);
    plot.owner = static_cast<uint32_t>(index) + 1;
    id = tracks_[index].id;
    return RADARTRACK_OK;
}

int32_t Tracker::cancel(uint32_t id) {
    for (uint32_t i = 0; i < RADARTRACK_MAX_TARGETS; ++i)
        if (tracks_[i].used && tracks_[i].id == id) {
            drop(i);
            update_next_due();
            return RADARTRACK_OK;
        }
    return RADARTRACK_NOT_FOUND;
}

void Tracker::cancel_all() {
    for (uint32_t i = 0; i < RADARTRACK_MAX_TARGETS; ++i)
        if (tracks_[i].used) drop(i);
    update_next_due();
}

}  // namespace radartrack
