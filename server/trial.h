// The trial manoeuvre: "what if own ship kept her motion for a while, then
// came to this course and speed?" Each target's CPA and TCPA under it, from
// its present relative position and motion. Own ship is taken to turn and
// change speed at once at the end of the delay: no turning circle, no
// acceleration. A trial changes nothing on the radar and ends by itself.
#pragma once

#include <chrono>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "passing.h"
#include "radar_tracking.h"

namespace radarctl::serve {

struct TrialPlan {
    double course_deg = 0;  // over ground, true
    double speed_kn = 0;
    double delay_min = 0;  // own ship's present motion is kept this long first
};

// The body of POST /api/trial, {"course_deg", "speed_kn", "delay_min"}: the
// plan, or nothing with `why` said.
std::optional<TrialPlan> read_trial(const std::string &body, std::string &why);

class Trial {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto lasts = std::chrono::minutes(5);

    void start(const TrialPlan &plan, Clock::time_point now);
    void end() { on_ = false; }
    bool on() const { return on_; }
    // It has run its time (checked on the server's step).
    bool over(Clock::time_point now) const { return on_ && now - started_ >= lasts; }

    // A target's closest approach under the trial; nothing while none is on
    // or the target's motion over ground is not established.
    std::optional<Passage> approach(const RadarTrackTarget &target) const;
    // The top level "trial" of /api/targets: null, or the plan with when it
    // started and ends.
    nlohmann::json describe() const;

  private:
    bool on_ = false;
    TrialPlan plan_;
    Clock::time_point started_{};
    std::chrono::system_clock::time_point started_utc_{};
};

}  // namespace radarctl::serve
