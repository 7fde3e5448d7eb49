// Whether the picture is live. A picture that has stopped must never pass
// for a live one: the status says how old the last echo line is, and the
// "echo_lost" alarm is raised when none has come for a while although echo
// is expected (the radar connected, or heard before; a recording playing).
#pragma once

#include <chrono>
#include <nlohmann/json.hpp>
#include <optional>

#include "alarms.h"

namespace radarctl::serve {

class EchoWatch {
  public:
    using Clock = std::chrono::steady_clock;

    EchoWatch(Alarms &alarms, bool playback) : alarms_(alarms), playback_(playback) {}

    // One look: `last_line` is when the latest line came (none yet),
    // `expected` whether echo should be coming now.
    void check(Clock::time_point now, std::optional<Clock::time_point> last_line, bool expected);

    // One look at the range: a scale code other than the radar's that lines
    // carried in the last moment (none when all were the radar's), and the
    // range step the radar announced (none when it has not, or when the echo
    // is not the radar's own, as in playback). Echo drawn at another range for
    // longer than a moment is not the picture the radar was ordered to give:
    // another program's datagrams among the radar's, or a radar that did not obey.
    void check_range(Clock::time_point now, std::optional<uint16_t> other_scale,
                     std::optional<uint16_t> radar_step);
    // The status's "range_mismatch": {"echo_nm", "radar_nm"}, or null.
    nlohmann::json range_mismatch(Clock::time_point now) const;

    // The status's "echo_age_s" (seconds since the last line, null before
    // the first) and "echo_state" ("live", "stale" or "none").
    static void describe(nlohmann::json &status, Clock::time_point now,
                         std::optional<Clock::time_point> last_line);

  private:
    Alarms &alarms_;
    bool playback_;
    std::optional<Clock::time_point> expected_since_;
    std::optional<Clock::time_point> mismatch_since_;
    Clock::time_point mismatch_seen_{};
    uint16_t echo_scale_ = 0, radar_step_ = 0;
};

}  // namespace radarctl::serve
