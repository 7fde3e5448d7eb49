// The tracker behind one handle: plots from the extractor, tracks with their
// filters, tentative tracks, zones, own ship and events, all in fixed places
// taken once at creation.
//
// The flow on each line (tracker.cpp):
//   line -> plot extractor -> closed plots into the plot ring (ground
//   position added from own motion), which holds the last revolution's
//   plots for manual acquisition wherever the antenna is
//   -> tracks that are due: the antenna has passed their gate, so every plot
//      they could take has closed; they and the tracks due soon after share
//      the plots by global nearest neighbour (tracks.cpp)
//   -> plots settle once no track's gate can still want them: one no track
//      took goes to the guard zones and the initiator (initiator.cpp), whose
//      tentative tracks become targets after confirm_hits revolutions running
//      (twice as many in light clutter). None is started, or kept, where the
//      clutter map expects too many false plots for it ever to be confirmed:
//      clutter would fill the pool and leave no place for a ship.
// At each revolution the extractor's extended region (the clutter mass,
// coast) is masked for the next, cleared about every track (tracker.cpp).
#pragma once

#include <cstdint>

#include "assignment.h"
#include "clutter_map.h"
#include "event_ring.h"
#include "imm_filter.h"
#include "ncv_filter.h"
#include "own_motion.h"
#include "plot.h"
#include "plot_extractor.h"
#include "polar.h"
#include "radar_tracking.h"
#include "units.h"
#include "zones.h"

namespace radartrack {

struct TrackerTuning {
    double bearing_sigma = 0.35 * rad_per_deg;  // heading noise and the centroid's scatter
    double new_speed_sigma = 15;                // m/s, a new track's unknown speed
    double gate = 13.8;                         // NIS, chi-square 2 degrees of freedom, 99.9 %
    // A target's echo keeps its size and strength from one revolution to the
    // next, and clutter's is mostly smaller: the logarithm of a plot's mass
    // against the track's running mean, as a third dimension of the gate.
    double mass_sigma = 0.5;   // of the logarithm: a factor of 1.65
    double mass_weight = 0.2;  // of each plot in the running mean
    double mass_gate = 16.3;   // chi-square, 3 degrees of freedom, 99.9 %
    double detection = 0.9;    // the chance that a target's echo makes a plot
    // The gate grows with the time since the last plot as a ship that
    // manoeuvres unseen could go: half this acceleration times the time
    // squared, on each axis.
    double unseen_accel = 0.2;                // m/s^2: 20 kn turning at a degree a second
    int64_t due_lag = sweeps_for_deg(10);     // at least, past the predicted bearing
    int64_t echo_lag = sweeps_for_deg(3);     // past the gate's edge: the echo has closed
    int64_t settle_lag = sweeps_for_deg(16);  // at least
    // While its echo is merged with another target's, a track coasts on
    // its prediction this long without counting the passes as missed.
    double merged_keep_s = 60;
    // A track predicted within this many samples of the range's end whose
    // echo is cut or missing has left the range.
    double edge_samples = 2.5;
    // Two echoes closer than this in range and in bearing are one.
    double merge_range_m = 450;
    double merge_bearing = 2.5 * rad_per_deg;
    uint32_t confirm_hits = 6;    // revolutions running for an automatic acquisition
    double tentative_gate = 9.2;  // NIS, 99 %
    double confirm_nis = 4;       // mean NIS from the third plot on: above, not one echo moving
    double confirm_false = 0.05;  // false plots expected in the gate: above, too cluttered
    // In light clutter a tentative track is confirmed after twice as many
    // revolutions, with up to this many false plots expected in its gate.
    double confirm_cluttered_false = 0.25;
    double max_speed = 51.4;  // m/s (100 kn): faster tentative tracks are not ships
    uint32_t established_updates = 8;
    double established_speed_sigma = 1;  // m/s
    double established_age_s = 60;       // or this long since first seen
    uint32_t lost_misses = 6;            // of the last 10 revolutions: lost
    double lost_keep_s = 60;
    double manual_gate_m = 0.2 * metres_per_nm;
    double manual_gate_rad = 2 * rad_per_deg;
    // How far from an echo a hand places the point, one standard deviation.
    double click_sigma_m = 40;
    double click_sigma_rad = 0.5 * rad_per_deg;
};

struct Track {
    bool used;
    uint32_t id, status, acquisition;
    ImmFilter filter;
    double first_seen, last_seen, lost_since;
    double merged_since;                // coasting through a merged echo since, or < 0
    double log_mass;                    // running mean of its plots' log mass, when mass_known
    uint32_t history, window, updates;  // history: bit 0 the latest revolution, 1 seen
    int64_t due;                        // the antenna's position when its plots have all closed
    int64_t gate_sweeps;                // half the gate's width, when it was last due
    bool established, dangerous, mass_known;
    uint32_t guard_mask;
};

struct Tentative {
    bool used, full_reported;
    NcvFilter filter;
    uint32_t hits;
    double nis_sum;  // from the third plot on
    int64_t last_pos;
    double first_seen;
    uint32_t live;  // its place in the tracker's live list
};

// A live tentative track as the initiator first looks at it, packed with the
// others: most plots are out of every tentative track's reach, and telling
// so should not walk the whole pool.
struct TentativeReach {
    double x, y, t;  // its filter's position and time
    int64_t last_pos;
    uint32_t index;
};

class Tracker {
  public:
    // The last revolution's plots, clutter and all: a moderate sea on the
    // shortest ranges makes some 25,000.
    static constexpr uint32_t max_plots = 32768;
    static constexpr uint32_t max_tentatives = 256;

    Tracker();

    int32_t line(const EchoLineRecord &line, double time);
    void own_ship(const RadarTrackOwnShip &own);
    int32_t acquire(double range, double bearing, uint32_t &id);
    int32_t cancel(uint32_t id);
    void cancel_all();
    int32_t set_zone(uint32_t index, const RadarTrackZone *zone);
    void set_limits(double cpa, double tcpa) {
        cpa_limit_ = cpa;
        tcpa_limit_ = tcpa;
    }
    uint32_t targets(RadarTrackTarget *out, uint32_t capacity);
    uint32_t take_events(RadarTrackEvent *out, uint32_t capacity) {
        return events_.take(out, capacity);
    }
    int32_t acknowledge_guard(uint32_t zone);
    void status(RadarTrackStatus &status) const;

    Polar polar;
    TrackerTuning tuning;
    FilterTuning filter_tuning;  // tentative tracks
    ImmTuning imm_tuning;        // targets
    PlotExtractor extractor;

  private:
    // tracker.cpp
    void store_plot(Plot plot);
    void settle();
    void new_turn(double time);
    Cov2 plot_cov(const Plot &plot) const;
    Cov2 plot_cov(double range, double bearing, double sigma_range) const;
    // Where a filter's state `s` (east, north, ...) at `t` lies from own ship.
    void relative(const double s[4], double t, double &range, double &bearing) const;
    void relative_now(const Track &track, double t, double &range, double &bearing,
                      double s[4]) const;
    void event(uint32_t kind, uint32_t id, uint32_t zone, double range, double bearing);
    // tracks.cpp
    void run_due();
    void associate(const uint32_t *batch, uint32_t count);
    int64_t next_due(Track &track, int64_t after) const;
    void review(uint32_t index);
    void drop(uint32_t index);
    int32_t new_track(const NcvFilter &filter, uint32_t acquisition, double first_seen,
                      uint32_t hits, int64_t after);
    int32_t likeliest_plot(double range, double bearing, double gate) const;
    bool close_to_another(uint32_t index, const Prediction &p) const;
    bool near_the_end(const Prediction &p) const;
    double missed_cost(double density, bool with_mass) const;
    void learn_mass(Track &track, const Plot &plot) const;
    void update_next_due();
    // initiator.cpp
    void settle_plot(Plot &plot);
    void initiate(Plot &plot);
    double least_false(double density, const Cov2 &r) const;
    void prune_tentatives();
    void confirm(uint32_t index, const Plot &plot);
    void start_tentative(Plot &plot, const Cov2 &r);
    void reach_of(uint32_t index);
    void end_tentative(uint32_t index);

    Track tracks_[RADARTRACK_MAX_TARGETS];
    Tentative tentatives_[max_tentatives];
    TentativeReach live_[max_tentatives];
    uint32_t live_count_;
    uint16_t free_tentatives_[max_tentatives];
    uint32_t free_tentative_count_;
    Plot plots_[max_plots];
    uint64_t plot_total_, settled_;
    Plot fresh_[PlotExtractor::max_blobs];
    Assignment assignment_;
    uint32_t candidates_[Assignment::max_columns];
    Zone zones_[RADARTRACK_MAX_ZONES];
    GuardMemory guard_memory_[RADARTRACK_MAX_ZONES];
    EventRing events_;
    ClutterMap clutter_;
    OwnMotion own_;
    uint32_t next_id_;
    double cpa_limit_, tcpa_limit_;
    double time_;
    uint64_t lines_, revolutions_;
    uint32_t full_;
    bool have_pos_;
    uint32_t last_sweep_;
    uint32_t line_samples_ = 0;  // the latest line's
    // Own ship's turn: how far the bearing offset moved in the last
    // revolution (sweeps), and where it stood at that revolution's start.
    int64_t offset_turn_ = 0;
    uint32_t turn_offset_ = 0;
    uint32_t offset_ =
        0;  // the latest line's bearing offset: true bearing = antenna sweep + offset
    int64_t pos_, next_due_;
    int64_t settle_lag_;  // the widest gate's wait, at least tuning.settle_lag
    double turn_time_, period_;
};

}  // namespace radartrack
