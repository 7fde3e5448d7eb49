// Where each target has been: a sample every 30 s of the server's clock,
// kept 12 minutes. Each holds the target's place as seen from own ship then
// (relative past positions) and the ground position it stood on, kept by
// dead reckoning own ship's course and speed over ground, so that it can be
// given from where own ship is now (true past positions). Times are the
// tracker's seconds.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <span>
#include <string>

#include "passing.h"
#include "radar_tracking.h"

namespace radarctl::serve {

class PastPositions {
  public:
    static constexpr double interval_s = 30;
    static constexpr double kept_s = 12 * 60;
    static constexpr std::size_t most = 24;  // kept_s / interval_s

    // Own ship's course and speed over ground from `time_s` on.
    void own_velocity(double time_s, double course_deg, double speed_kn);
    // Own ship's motion over ground is not known any more: the ground
    // positions reckoned so far cannot be carried on to where she will be.
    void own_unknown();

    // Samples the targets (but the lost ones, whose places are old) when a
    // sample is due; drops the samples of targets that are gone and those
    // older than 12 minutes.
    void sample(double time_s, std::span<const RadarTrackTarget> targets);
    // A target's samples, oldest first, as "past" of /api/targets; `utc`
    // gives a time as UTC text.
    nlohmann::json describe(uint32_t id, double time_s,
                            const std::function<std::string(double)> &utc) const;

  private:
    struct Sample {
        double time_s;
        double range_nm, bearing_deg;
        Vec ground;          // own ship's reckoned place then, plus where the target was from her
        uint64_t reckoning;  // the run of known motion it was reckoned in
    };
    Vec own_at(double time_s) const;

    std::map<uint32_t, std::deque<Sample>> samples_;
    double next_s_ = 0;
    // Own ship's dead-reckoned place, from where she was when her motion
    // over ground was first known in this run.
    bool own_known_ = false;
    uint64_t reckoning_ = 0;
    double own_time_s_ = 0;
    Vec own_place_, own_motion_;
};

}  // namespace radarctl::serve
