// The radar's targets: one tracker (radar_tracking.h) fed on the server's
// thread with the echo lines the bridge hands over and own ship's samples,
// each at the steady clock's time it came; its events become the server's
// alarms ("guard", "cpa", "lost") and a "targets" event once a revolution.
// Guard zones 1 and 2 follow the radar's (0x13) as the tracker's zone places
// 0 and 1; a scenario's acquisition zones take the places after them.
#pragma once

#include <chrono>
#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "alarms.h"
#include "own_ship.h"
#include "past.h"
#include "radar_tracking.h"
#include "trial.h"

namespace radarctl::serve {

struct TrackingOptions {
    double cpa_limit_nm = 1.0;     // a target passing closer than this ...
    double tcpa_limit_min = 12.0;  // ... within this many minutes is dangerous
    // A scenario's orders: acquire at a range and bearing at a scene time
    // (the simulator's clock, `scene_clock`), and its acquisition zones.
    struct Order {
        double at_s, range_nm, bearing_deg;
    };
    std::vector<Order> acquire;
    std::vector<RadarTrackZone> auto_zones;
    std::function<double()> scene_clock;
};

class Targets {
  public:
    using Clock = std::chrono::steady_clock;

    Targets(Alarms &alarms, OwnShip &own, Clock::time_point epoch, TrackingOptions options);
    ~Targets();
    Targets(const Targets &) = delete;
    Targets &operator=(const Targets &) = delete;

    // Told when the targets changed enough for a "targets" event: a
    // revolution passed, a target was acquired, established, lost or dropped.
    void on_change(std::function<void()> listener) { changed_ = std::move(listener); }

    // A batch of lines in the WebSocket's wire format with when each came.
    void lines(const std::string &frame, const std::vector<int64_t> &times_ns);
    // Own ship's samples, the scenario's orders, and the tracker's events.
    void step(Clock::time_point now);
    // The radar announced its guard zones (0x13): zone places 0 and 1 follow.
    void guard_zones_announced();

    // The tracker's status for an acquisition (RADARTRACK_OK, _NOT_FOUND,
    // _FULL, _OUT_OF_RANGE); `id` the target's.
    int32_t acquire(double range_nm, double bearing_deg, uint32_t &id);
    // False when no target has that id.
    bool cancel(uint32_t id);
    // How many were cancelled.
    uint32_t cancel_all();
    // After an alarm was acknowledged: a guard zone is armed again, a lost
    // target already dropped lets its alarm go.
    void acknowledged(const std::string &kind, const std::string &subject);

    // The trial manoeuvre (trial.h): started, its answer {"trial", "targets"};
    // ended, {"trial": null}. It ends by itself on the step after its time.
    nlohmann::json start_trial(const TrialPlan &plan, Clock::time_point now);
    nlohmann::json end_trial();

    // /api/targets without "own": limits, trial, capacity, full, targets.
    nlohmann::json describe(Clock::time_point now);
    // The status's "tracking" object, without "own_source".
    nlohmann::json status();

  private:
    void take_events();
    void feed_own(double up_to_s);
    double since_epoch(int64_t steady_ns) const;
    void refresh();
    void orders_due();
    void set_limits(double cpa_nm, double tcpa_min);
    nlohmann::json trial_answer(const RadarTrackTarget &t) const;

    Alarms &alarms_;
    OwnShip &own_;
    Clock::time_point epoch_;
    TrackingOptions options_;
    RadarTracker *tracker_;
    std::function<void()> changed_;
    double last_time_s_ = 0;  // the tracker's time never goes back
    uint64_t revolutions_ = 0;
    std::vector<RadarTrackOwnShip> own_waiting_;
    std::vector<RadarTrackTarget> targets_;  // as of the last refresh
    std::size_t next_order_ = 0;
    bool full_told_ = false;
    PastPositions past_;
    Trial trial_;
    double own_heading_deg_ = NAN;  // her latest heading: her course line when she is stopped
};

}  // namespace radarctl::serve
