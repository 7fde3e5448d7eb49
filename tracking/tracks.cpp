// Tracks: their turn each revolution (association and update), their status,
// danger and guard zones, and the orders that make and end them.
#include <algorithm>
#include <bit>
#include <cmath>

#include "closest_approach.h"
#include "tracker.h"

namespace radartrack {

namespace {
constexpr double far_away = 1e300;  // more than any cost
}  // namespace

int64_t Tracker::next_due(Track &track, int64_t after) const {
    // The antenna's first pass over the track's predicted bearing after
    // `after`, then on past the far edge of its gate and the echo there, so
    // every plot it could take has closed.
    const double t = time_ + period_ * (static_cast<double>(after - pos_) / sweeps_per_turn + 0.5);
    const Prediction p = track.filter.predicted(t, imm_tuning);
    double range = 0, bearing = 0;
    relative(p.s, t, range, bearing);
    const double c = std::cos(bearing), s = std::sin(bearing);
    const double unseen = 0.5 * tuning.unseen_accel * (t - track.last_seen) * (t - track.last_seen);
    const double across = p.p.xx * c * c - 2 * p.p.xy * s * c + p.p.yy * s * s +
                          std::pow(range * tuning.bearing_sigma, 2) + unseen * unseen;
    const double half = std::sqrt(tuning.gate * across);
    const double width = half >= range ? pi / 2 : std::asin(half / std::max(range, 1.0));
    // While own ship turns, the bow (where the antenna counts from) turns
    // with it: where it will point then, and as much again to spare.
    const double ahead = static_cast<double>(after - pos_) / sweeps_per_turn + 0.5;
    const auto turning = static_cast<int64_t>(static_cast<double>(offset_turn_) * ahead);
    track.gate_sweeps = static_cast<int64_t>(width / rad_per_sweep) + 1 + std::abs(turning);
    const int64_t lag = std::max(tuning.due_lag, track.gate_sweeps + tuning.echo_lag);
    const int64_t target =
        static_cast<int64_t>(bearing / rad_per_sweep) - (offset_ + turning) + lag;
    return after + ((target - after) & (sweeps_per_turn - 1));
}

void Tracker::update_next_due() {
    // A plot settles (goes to the initiator) only once the track whose gate
    // reaches farthest back could no longer want it.
    next_due_ = INT64_MAX;
    settle_lag_ = tuning.settle_lag;
    for (const Track &t : tracks_) {
        if (!t.used) continue;
        next_due_ = std::min(next_due_, t.due);
        const int64_t lag = std::max(tuning.due_lag, t.gate_sweeps + tuning.echo_lag);
        settle_lag_ = std::max(settle_lag_, lag + t.gate_sweeps + tuning.echo_lag);
    }
    settle_lag_ = std::min<int64_t>(settle_lag_, sweeps_per_turn / 2);
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
    // Each track's prediction at the antenna's pass over it, its gate grown
    // by the time since its last plot, and the box the gate fits in.
    struct Gate {
        Prediction p;
        double hx, hy;
    } gates[Assignment::max_rows];
    for (uint32_t i = 0; i < count; ++i) {
        Track &track = tracks_[batch[i]];
        const int64_t lag = std::max(tuning.due_lag, track.gate_sweeps + tuning.echo_lag);
        const double t =
            time_ - period_ * static_cast<double>(pos_ - (track.due - lag)) / sweeps_per_turn;
        Gate &g = gates[i];
        g.p = track.filter.predicted(std::max(t, track.filter.time()), imm_tuning);
        const double since = g.p.t - track.last_seen;
        const double unseen = 0.5 * tuning.unseen_accel * since * since;
        g.p.p.xx += unseen * unseen;
        g.p.p.yy += unseen * unseen;
        double range = 0, bearing = 0;
        relative(g.p.s, g.p.t, range, bearing);
        const Cov2 r = plot_cov(range, bearing, 60);  // a plot's widest scatter
        g.hx = std::sqrt(tuning.gate * (g.p.p.xx + r.xx)) + 10;
        g.hy = std::sqrt(tuning.gate * (g.p.p.yy + r.yy)) + 10;
    }

    // Candidates: the plots not yet settled that no track took, inside some
    // batch track's gate; when there are more than the assignment takes, the
    // nearest to a prediction.
    const uint32_t max_candidates = Assignment::max_columns - Assignment::max_rows;
    uint32_t m = 0;
    double nearest[Assignment::max_columns];
    double best_log_det[Assignment::max_rows];
    for (uint32_t i = 0; i < count; ++i) best_log_det[i] = far_away;
    for (uint64_t n = plot_total_; n > settled_; --n) {
        const uint32_t place = static_cast<uint32_t>((n - 1) % max_plots);
        const Plot &plot = plots_[place];
        if (plot.owner != 0) continue;
        double costs[Assignment::max_rows];
        double least = far_away, log_mass = 0, share = 1;
        bool inside = false, weighed = false;
        for (uint32_t i = 0; i < count; ++i) {
            costs[i] = Assignment::forbidden;
            const Gate &g = gates[i];
            const double dt = plot.time - g.p.t;
            const double nx = plot.x - (g.p.s[0] + g.p.s[2] * dt);
            const double ny = plot.y - (g.p.s[1] + g.p.s[3] * dt);
            if (std::fabs(nx) > g.hx || std::fabs(ny) > g.hy) continue;
            const Cov2 r = plot_cov(plot);
            const double sxx = g.p.p.xx + r.xx, sxy = g.p.p.xy + r.xy, syy = g.p.p.yy + r.yy;
            const double det = std::max(sxx * syy - sxy * sxy, 1e-12);
            double d2 = (nx * nx * syy - 2 * nx * ny * sxy + ny * ny * sxx) / det;
            if (d2 >= tuning.gate) continue;
            const Track &track = tracks_[batch[i]];
            double rarity = 0;  // a mass that clutter seldom has counts for the plot
            if (track.mass_known) {
                if (!weighed) {
                    log_mass = std::log(std::max(plot.mass, 1.0f));
                    share = clutter_.mass_share(log_mass);
                    weighed = true;
                }
                d2 += std::pow((log_mass - track.log_mass) / tuning.mass_sigma, 2);
                if (d2 >= tuning.mass_gate) continue;
                rarity = 2 * std::log(share);
            }
            const double log_det = std::log(det);
            costs[i] = d2 + log_det + rarity;
            best_log_det[i] = std::min(best_log_det[i], log_det);
            least = std::min(least, d2);
            inside = true;
        }
        if (!inside) continue;
        uint32_t column = m;
        if (m == max_candidates) {  // full: the farthest one makes room, if farther
            column = 0;
            for (uint32_t j = 1; j < m; ++j)
                if (nearest[j] > nearest[column]) column = j;
            if (nearest[column] <= least) continue;
        } else {
            ++m;
        }
        candidates_[column] = place;
        nearest[column] = least;
        for (uint32_t i = 0; i < count; ++i) assignment_.cost[i][column] = costs[i];
    }
    // One "missed" column per track, costing a little more than the gate;
    // where the clutter map finds plots thick on the water, less: a plot far
    // from the prediction is then likelier clutter than the target (the
    // likelihood ratio of target to clutter against the chance of no echo).
    for (uint32_t i = 0; i < count; ++i) {
        if (best_log_det[i] == far_away) best_log_det[i] = 0;
        const bool with_mass = tracks_[batch[i]].mass_known;
        double missed = (with_mass ? tuning.mass_gate : tuning.gate) + best_log_det[i];
        double range = 0, bearing = 0;
        relative(gates[i].p.s, gates[i].p.t, range, bearing);
        const double density = clutter_.density(range, bearing);
        if (density > 0) missed = std::min(missed, missed_cost(density, with_mass));
        for (uint32_t j = 0; j < count; ++j)
            assignment_.cost[i][m + j] = i == j ? missed : Assignment::forbidden;
    }
    assignment_.solve(count, m + count);

    // Echoes merge when ships pass close: one plot for two tracks, or none
    // (two echoes touching at a corner are no ship's shape). A track with
    // no plot of its own whose gate holds a plot another track took, or
    // whose prediction lies where another target's echo would swallow its
    // own, is merged: both coast on their predictions, still seen, for as
    // long as merged_keep_s, and the plot they share moves neither.
    bool merged[Assignment::max_rows] = {}, shared[Assignment::max_rows] = {};
    for (uint32_t i = 0; i < count; ++i) {
        const int32_t column = assignment_.column_of[i];
        if (column >= 0 && static_cast<uint32_t>(column) < m) continue;
        for (uint32_t k = 0; k < count; ++k) {
            const int32_t taken = assignment_.column_of[k];
            if (k == i || taken < 0 || static_cast<uint32_t>(taken) >= m) continue;
            if (assignment_.cost[i][taken] < Assignment::forbidden) merged[i] = shared[k] = true;
        }
        merged[i] = merged[i] || close_to_another(batch[i], gates[i].p);
    }
    for (uint32_t i = 0; i < count; ++i) {
        Track &track = tracks_[batch[i]];
        const int32_t column = assignment_.column_of[i];
        const bool hit = column >= 0 && static_cast<uint32_t>(column) < m;
        const double t = gates[i].p.t;
        const bool keep = track.merged_since < 0 || t - track.merged_since <= tuning.merged_keep_s;
        if (hit) {
            Plot &plot = plots_[candidates_[column]];
            plot.owner = static_cast<uint16_t>(batch[i] + 1);
            track.last_seen = plot.time;
            ++track.updates;
            if (!shared[i]) learn_mass(track, plot);
        }
        // At the range's end the echo is cut short and its centre drawn in:
        // such a plot keeps the track but moves nothing, and a track there
        // with no whole echo has left the range.
        const bool cut = hit && plots_[candidates_[column]].cut;
        if (near_the_end(gates[i].p) && (!hit || cut)) {
            drop(batch[i]);
            continue;
        }
        if (hit && !cut && !(shared[i] && keep)) {
            Plot &plot = plots_[candidates_[column]];
            track.filter.update(plot.time, plot.x, plot.y, plot_cov(plot), imm_tuning);
        } else {
            track.filter.coast(t, imm_tuning);
        }
        if (!merged[i] && !shared[i])
            track.merged_since = -1;
        else if (track.merged_since < 0)
            track.merged_since = t;
        const bool seen = hit || (merged[i] && keep);
        track.history = ((track.history << 1) | (seen ? 1u : 0u)) & 0x3FFu;
        track.window = std::min(track.window + 1, 10u);
        track.due = next_due(track, pos_ + sweeps_per_turn / 2);
        review(batch[i]);
    }
}

double Tracker::missed_cost(double density, bool with_mass) const {
    // A plot is the target's rather than clutter's when Pd N(v; S) g(mass)
    // exceeds (1 - Pd) lambda h(mass): g the target's log mass, h clutter's
    // (its share of the clutter map's span over the span), lambda the clutter
    // map's density. With the normalising terms of N and g, and the share in
    // the plot's cost, this bounds d^2 + log det S (+ the mass terms).
    const double pd = tuning.detection, log2pi = std::log(two_pi);
    double bound = -2 * std::log(1 - pd) + 2 * std::log(pd) - 2 * log2pi - 2 * std::log(density);
    if (with_mass)
        bound += 2 * std::log(ClutterMap::mass_bins * ClutterMap::mass_bin) - log2pi -
                 2 * std::log(tuning.mass_sigma);
    return bound;
}

void Tracker::learn_mass(Track &track, const Plot &plot) const {
    const double m = std::log(std::max(plot.mass, 1.0f));
    track.log_mass =
        track.mass_known ? track.log_mass + tuning.mass_weight * (m - track.log_mass) : m;
    track.mass_known = true;
}

bool Tracker::near_the_end(const Prediction &p) const {
    if (!(clutter_.span() > 0) || line_samples_ == 0) return false;
    double range = 0, bearing = 0;
    relative(p.s, p.t, range, bearing);
    return range > clutter_.span() * (1 - tuning.edge_samples / line_samples_);
}

bool Tracker::close_to_another(uint32_t index, const Prediction &p) const {
    double range = 0, bearing = 0;
    relative(p.s, p.t, range, bearing);
    for (uint32_t j = 0; j < RADARTRACK_MAX_TARGETS; ++j) {
        if (j == index || !tracks_[j].used || tracks_[j].status == RADARTRACK_LOST) continue;
        const Prediction q = tracks_[j].filter.predicted(p.t, imm_tuning);
        double r = 0, b = 0;
        relative(q.s, q.t, r, b);
        if (std::fabs(r - range) <= tuning.merge_range_m &&
            std::fabs(wrap_half(b - bearing)) <= tuning.merge_bearing)
            return true;
    }
    return false;
}

void Tracker::review(uint32_t index) {
    Track &track = tracks_[index];
    double range = 0, bearing = 0, s[4];
    relative_now(track, time_, range, bearing, s);
    // Gone out of the range in use: no echo can come from there, and no
    // alarm is due for a ship the skipper has chosen not to look at.
    if (clutter_.span() > 0 && range > clutter_.span()) {
        drop(index);
        return;
    }

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
    relative_now(track, time_, range, bearing, s);
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
    track.filter.start(filter, imm_tuning);
    track.merged_since = -1;
    track.first_seen = first_seen;
    track.last_seen = filter.time();
    track.updates = hits;
    track.window = std::min(hits, 10u);
    track.history = (1u << track.window) - 1;
    track.due = next_due(track, after);
    update_next_due();
    double range = 0, bearing = 0, s[4];
    relative_now(track, time_, range, bearing, s);
    event(RADARTRACK_EVENT_ACQUIRED, track.id, 0, range, bearing);
    review(index);
    return static_cast<int32_t>(index);
}

int32_t Tracker::likeliest_plot(double range, double bearing, double gate) const {
    // Of the plots of the whole last revolution, wherever the antenna is now,
    // within the gate: the echo a skipper points at is the one the picture
    // shows, near the point and larger than the specks of clutter about it.
    // Each is weighed by how near it lies for a hand placing the point
    // (click_sigma) and by its mass.
    const double px = range * std::sin(bearing), py = range * std::cos(bearing);
    const double sigma = std::max(tuning.click_sigma_m, range * tuning.click_sigma_rad);
    double best = 0;
    int32_t found = -1;
    const uint64_t oldest = plot_total_ > max_plots ? plot_total_ - max_plots : 0;
    for (uint64_t n = plot_total_; n > oldest; --n) {
        const Plot &plot = plots_[(n - 1) % max_plots];
        if (plot.closed_at <= pos_ - sweeps_per_turn) break;
        const double d = std::hypot(plot.range * std::sin(plot.bearing) - px,
                                    plot.range * std::cos(plot.bearing) - py);
        if (d > gate) continue;
        const double score = std::log(std::max(plot.mass, 1.0f)) - 0.5 * (d / sigma) * (d / sigma);
        if (found < 0 || score > best) {
            best = score;
            found = static_cast<int32_t>((n - 1) % max_plots);
        }
    }
    return found;
}

int32_t Tracker::acquire(double range, double bearing, uint32_t &id) {
    // The nearest echo of the last revolution, or target, within the gate.
    const double gate = std::max(tuning.manual_gate_m, range * tuning.manual_gate_rad);
    const double px = range * std::sin(bearing), py = range * std::cos(bearing);
    const int32_t best_plot = likeliest_plot(range, bearing, gate);
    double best = gate;
    if (best_plot >= 0)
        best = std::hypot(plots_[best_plot].range * std::sin(plots_[best_plot].bearing) - px,
                          plots_[best_plot].range * std::cos(plots_[best_plot].bearing) - py);
    int64_t best_track = -1;
    for (uint32_t i = 0; i < RADARTRACK_MAX_TARGETS; ++i) {
        if (!tracks_[i].used) continue;
        double r = 0, b = 0, s[4];
        relative_now(tracks_[i], time_, r, b, s);
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
    // What a tentative track has learnt of it, when it has seen the echo
    // move steadily on three revolutions at least; two plots, one of them
    // perhaps clutter's, can give any speed.
    const double *v = tentative != nullptr ? tentative->filter.state() + 2 : nullptr;
    if (tentative != nullptr && tentative->used && tentative->filter.time() == plot.time &&
        tentative->hits >= 3 && tentative->nis_sum / (tentative->hits - 2) <= tuning.confirm_nis &&
        std::hypot(v[0], v[1]) <= tuning.max_speed) {
        filter = tentative->filter;
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
    plot.owner = static_cast<uint16_t>(index + 1);
    learn_mass(tracks_[index], plot);
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
