// The server's alarms: a condition that a skipper must hear about, raised
// until it clears, sounding in every viewer until someone acknowledges it.
// An alarm is kept per kind and subject ("echo_lost" of the radar, "cpa" of
// a target, "guard" of a zone), so a condition that lasts is one alarm, not one a second.
// An alarm nobody has acknowledged stays listed after its condition clears
// ("cleared, not acknowledged"): a skipper who looked away still learns of it.
// The last 100 alarms are kept as a history with when each was raised,
// acknowledged and cleared. The server's thread alone uses it.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace radarctl::serve {

using UtcTime = std::chrono::system_clock::time_point;

struct Alarm {
    uint64_t id;
    std::string kind, subject, text;
    UtcTime since;
    int priority;                    // 1 is the worst
    bool acknowledged = false;
    bool active = true;              // false: its condition has cleared
    std::optional<UtcTime> acknowledged_at, cleared_at;
};

// How bad an alarm of a kind is, 1 the worst: a picture that is not live
// outranks every target's alarm, since no target alarm can be trusted then.
int alarm_priority(const std::string &kind);

// A time as UTC text, "2026-12-09T20:31:05Z".
std::string utc_text(std::chrono::system_clock::time_point t);

class Alarms {
  public:
    // Told the event text of every change: raised, acknowledged, cleared.
    void on_event(std::function<void(std::string)> listener) { listener_ = std::move(listener); }

    static constexpr std::size_t history_kept = 100;

    // Raises the alarm unless it is up already (its condition back, if it had
    // cleared unacknowledged); its id either way.
    uint64_t raise(const std::string &kind, const std::string &subject, const std::string &text);
    // A new text for an alarm up, such as a CPA that has changed.
    void update(const std::string &kind, const std::string &subject, const std::string &text);
    // Its condition has cleared: an acknowledged alarm goes, another stays
    // listed until someone acknowledges it.
    void clear(const std::string &kind, const std::string &subject);
    // False when no alarm listed has that id.
    bool acknowledge(uint64_t id);
    // The alarm up with that id, or of that kind and subject; null when none.
    const Alarm *find(uint64_t id) const;
    const Alarm *find(const std::string &kind, const std::string &subject) const;

    // {"alarms": [...]}, the worst first, then the oldest.
    nlohmann::json list() const;
    // {"history": [...]}, the last `history_kept`, oldest first.
    nlohmann::json history() const;
    // One event for each alarm up, for a client that has just connected.
    std::vector<std::string> events() const;

  private:
    struct Record {
        uint64_t id;
        std::string kind, subject, text;
        int priority;
        UtcTime raised;
        std::optional<UtcTime> acknowledged, cleared;
    };

    static nlohmann::json describe(const Alarm &alarm);
    static std::string event(const Alarm &alarm, const char *state);
    void tell(const Alarm &alarm, const char *state) const;
    void remove(uint64_t id);
    Record *record(uint64_t id);

    std::vector<Alarm> up_;
    std::deque<Record> history_;
    uint64_t next_id_ = 1;
    std::function<void(std::string)> listener_;
};

}  // namespace radarctl::serve
