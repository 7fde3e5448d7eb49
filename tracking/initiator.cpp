// The initiator: plots that no track took. Inside a guard zone they may
// raise an intrusion; inside an acquisition zone they start tentative
// tracks, which become targets only after confirm_hits revolutions running
// with motion a ship can have. Clutter and noise, drawn afresh every
// revolution, do not line up that long.
#include <algorithm>
#include <cmath>

#include "tracker.h"

namespace radartrack {

void Tracker::settle_plot(Plot &plot) {
    if (plot.owner != 0) return;  // its track looks after the guard zones
    for (uint32_t z = 0; z < RADARTRACK_MAX_ZONES; ++z) {
        Zone &zone = zones_[z];
        if (zone.kind != RADARTRACK_ZONE_GUARD || !zone.contains(plot.range, plot.bearing))
            continue;
        if (guard_memory_[z].echo(plot.x, plot.y, plot.closed_at, plot.time) && !zone.alarmed) {
            zone.alarmed = true;
            event(RADARTRACK_EVENT_GUARD, 0, z, plot.range, plot.bearing);
        }
    }
    initiate(plot);
}

// The false plots expected in the smallest gate a tentative track can have
// (the plot's own scatter) where the clutter map finds `density`: above
// confirm_cluttered_false, it cannot be confirmed there, and is ended or not
// started.
double Tracker::least_false(double density, const Cov2 &r) const {
    return density * pi * tuning.tentative_gate * std::sqrt(r.xx * r.yy - r.xy * r.xy);
}

void Tracker::initiate(Plot &plot) {
    const Cov2 r = plot_cov(plot);
    uint32_t best = max_tentatives;
    double best_d2 = tuning.tentative_gate;
    for (uint32_t k = 0; k < live_count_; ++k) {
        const TentativeReach &t = live_[k];
        // One plot a revolution: not one of the same pass.
        if (plot.closed_at - t.last_pos < sweeps_per_turn / 2) continue;
        // Out of reach at any speed a ship has: no need to work the gate out.
        const double reach = 500 + tuning.max_speed * (plot.time - t.t);
        if (std::fabs(plot.x - t.x) > reach || std::fabs(plot.y - t.y) > reach) continue;
        const double d2 =
            tentatives_[t.index].filter.nis(plot.time, plot.x, plot.y, r, filter_tuning);
        if (d2 < best_d2) {
            best_d2 = d2;
            best = t.index;
        }
    }
    if (best >= max_tentatives || tentatives_[best].hits < 3)
        clutter_.count(plot.range, plot.bearing, std::log(std::max(plot.mass, 1.0f)));
    if (best < max_tentatives) {
        Tentative &t = tentatives_[best];
        double log_det = 0;
        t.filter.nis(plot.time, plot.x, plot.y, r, filter_tuning, &log_det);
        const double density = clutter_.density(plot.range, plot.bearing);
        const double expected_false = density * pi * tuning.tentative_gate * std::exp(log_det / 2);
        t.filter.update(plot.time, plot.x, plot.y, r, filter_tuning);
        t.last_pos = plot.closed_at;
        reach_of(best);
        ++t.hits;
        if (t.hits >= 3) t.nis_sum += best_d2;
        plot.tentative = best + 1;
        // Clutter that happens to line up falls anywhere in the gates; one
        // echo moving steadily falls near their centres.
        const double *s = t.filter.state();
        if (t.hits >= 3 && std::hypot(s[2], s[3]) > tuning.max_speed)
            end_tentative(best);
        else if (least_false(density, r) > tuning.confirm_cluttered_false)
            end_tentative(best);
        else if (t.hits >= tuning.confirm_hits && t.nis_sum / (t.hits - 2) > tuning.confirm_nis)
            end_tentative(best);
        else if (t.hits >= tuning.confirm_hits && expected_false <= tuning.confirm_false)
            confirm(best, plot);
        else if (t.hits >= 2 * tuning.confirm_hits &&
                 expected_false <= tuning.confirm_cluttered_false)
            confirm(best, plot);
        return;
    }
    bool in_zone = false;
    for (const Zone &zone : zones_)
        in_zone = in_zone ||
                  (zone.kind == RADARTRACK_ZONE_ACQUIRE && zone.contains(plot.range, plot.bearing));
    if (!in_zone) return;
    // Where a tentative track could never become a target, it would only
    // hold a place in the pool that a ship elsewhere needs.
    if (least_false(clutter_.density(plot.range, plot.bearing), r) > tuning.confirm_cluttered_false)
        return;
    start_tentative(plot, r);
}

void Tracker::start_tentative(Plot &plot, const Cov2 &r) {
    if (free_tentative_count_ == 0) return;
    const uint32_t i = free_tentatives_[--free_tentative_count_];
    Tentative &t = tentatives_[i];
    t = Tentative{};
    t.used = true;
    t.filter.start(plot.time, plot.x, plot.y, r, tuning.new_speed_sigma);
    t.hits = 1;
    t.last_pos = plot.closed_at;
    t.first_seen = plot.time;
    t.live = live_count_++;
    live_[t.live].index = i;
    reach_of(i);
    plot.tentative = i + 1;
}

void Tracker::reach_of(uint32_t index) {
    const Tentative &t = tentatives_[index];
    TentativeReach &reach = live_[t.live];
    reach.x = t.filter.state()[0];
    reach.y = t.filter.state()[1];
    reach.t = t.filter.time();
    reach.last_pos = t.last_pos;
}

void Tracker::end_tentative(uint32_t index) {
    Tentative &t = tentatives_[index];
    if (!t.used) return;
    t.used = false;
    // The last of the live list takes its place.
    live_[t.live] = live_[--live_count_];
    tentatives_[live_[t.live].index].live = t.live;
    free_tentatives_[free_tentative_count_++] = static_cast<uint16_t>(index);
}

void Tracker::confirm(uint32_t index, const Plot &plot) {
    Tentative &t = tentatives_[index];
    const int32_t track = new_track(t.filter, RADARTRACK_AUTO, t.first_seen, t.hits,
                                    t.last_pos + sweeps_per_turn / 2);
    if (track >= 0) {
        learn_mass(tracks_[track], plot);
        end_tentative(index);
        return;
    }
    if (!t.full_reported) {
        t.full_reported = true;
        ++full_;
        double range = 0, bearing = 0, s[4], p[4][4];
        t.filter.predicted(time_, filter_tuning, s, p);
        relative(s, time_, range, bearing);
        event(RADARTRACK_EVENT_FULL, 0, 0, range, bearing);
    }
}

void Tracker::prune_tentatives() {
    // A tentative track that missed a revolution is gone.
    for (uint32_t k = live_count_; k-- > 0;)
        if (pos_ - live_[k].last_pos > sweeps_per_turn * 5 / 4) end_tentative(live_[k].index);
}

}  // namespace radartrack
