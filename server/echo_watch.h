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

    // The status's "echo_age_s" (seconds since the last line, null before
    // the first) and "echo_state" ("live", "stale" or "none").
    static void describe(nlohmann::json &status, Clock::time_point now,
                         std::optional<Clock::time_point> last_line);

  private:
    Alarms &alarms_;
    bool playback_;
    std::optional<Clock::time_point> expected_since_;
};

}  // namespace radarctl::serve
