#include "echo_watch.h"

#include <cmath>
#include <string>

#include "ranges.h"
#include "serve_limits.h"

namespace radarctl::serve {
namespace {

const std::string kind = "echo_lost", subject = "radar";

std::string lost_text(bool playback) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limits::echo_lost).count();
    return std::string("No echo from the ") + (playback ? "recording" : "radar") + " for " +
           std::to_string(seconds) + " s: the picture is not live";
}

}  // namespace

void EchoWatch::check(Clock::time_point now, std::optional<Clock::time_point> last_line, bool expected) {
    if (!expected) {
        // Nothing is lost that was not to come: before the radar is first
        // connected, or after a recording has played to its end.
        expected_since_.reset();
        alarms_.clear(kind, subject);
        return;
    }
    if (!expected_since_) expected_since_ = now;
    const Clock::time_point heard = last_line && *last_line > *expected_since_ ? *last_line : *expected_since_;
    if (now - heard >= limits::echo_lost)
        alarms_.raise(kind, subject, lost_text(playback_));
    else if (last_line && now - *last_line < limits::echo_stale)
        alarms_.clear(kind, subject);
}

void EchoWatch::check_range(Clock::time_point now, std::optional<uint16_t> other_scale,
                            std::optional<uint16_t> radar_step) {
    if (!other_scale || !radar_step) {
        if (mismatch_since_ && now - mismatch_seen_ > limits::range_gap) mismatch_since_.reset();
        return;
    }
    if (!mismatch_since_ || radar_step_ != *radar_step) mismatch_since_ = now;
    mismatch_seen_ = now;
    echo_scale_ = *other_scale;
    radar_step_ = *radar_step;
}

nlohmann::json EchoWatch::range_mismatch(Clock::time_point now) const {
    if (!mismatch_since_ || now - *mismatch_since_ < limits::range_settle) return nullptr;
    if (now - mismatch_seen_ > limits::range_gap) return nullptr;
    const auto nm = [](uint16_t step) {
        return step < range_steps ? nlohmann::json(range_for_scale_code(static_cast<uint8_t>(step)))
                                  : nlohmann::json(nullptr);
    };
    return {{"echo_nm", nm(echo_scale_)}, {"radar_nm", nm(radar_step_)}};
}

void EchoWatch::describe(nlohmann::json &status, Clock::time_point now,
                         std::optional<Clock::time_point> last_line) {
    if (!last_line) {
        status["echo_age_s"] = nullptr;
        status["echo_state"] = "none";
        return;
    }
    const double age = std::chrono::duration<double>(now - *last_line).count();
    status["echo_age_s"] = std::round(age * 10) / 10;
    status["echo_state"] = now - *last_line < limits::echo_stale ? "live" : "stale";
}

}  // namespace radarctl::serve
