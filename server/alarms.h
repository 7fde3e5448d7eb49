// The server's alarms: a condition that a skipper must hear about, raised
// until it clears, sounding in every viewer until someone acknowledges it.
// An alarm is kept per kind and subject ("echo_lost" of the radar, "cpa" of
// a target, "guard" of a zone), so a condition that lasts is one alarm, not one a second.
// The server's thread alone uses it.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace radarctl::serve {

struct Alarm {
    uint64_t id;
    std::string kind, subject, text;
    std::chrono::system_clock::time_point since;
    bool acknowledged = false;
};

// A time as UTC text, "2026-12-09T20:31:05Z".
std::string utc_text(std::chrono::system_clock::time_point t);

class Alarms {
  public:
    // Told the event text of every change: raised, acknowledged, cleared.
    void on_event(std::function<void(std::string)> listener) { listener_ = std::move(listener); }

    // Raises the alarm unless it is up already; its id either way.
    uint64_t raise(const std::string &kind, const std::string &subject, const std::string &text);
    // Clears it, if it is up.
    void clear(const std::string &kind, const std::string &subject);
    // False when no alarm has that id.
    bool acknowledge(uint64_t id);
    // The alarm up with that id, or of that kind and subject; null when none.
    const Alarm *find(uint64_t id) const;
    const Alarm *find(const std::string &kind, const std::string &subject) const;

    // {"alarms": [...]}, oldest first.
    nlohmann::json list() const;
    // One event for each alarm up, for a client that has just connected.
    std::vector<std::string> events() const;

  private:
    static nlohmann::json describe(const Alarm &alarm);
    static std::string event(const Alarm &alarm, const char *state);
    void tell(const Alarm &alarm, const char *state) const;

    std::vector<Alarm> up_;
    uint64_t next_id_ = 1;
    std::function<void(std::string)> listener_;
};

}  // namespace radarctl::serve
