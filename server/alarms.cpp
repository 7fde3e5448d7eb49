#include "alarms.h"

#include <algorithm>
#include <cstdio>

namespace radarctl::serve {

using json = nlohmann::json;

std::string utc_text(std::chrono::system_clock::time_point t) {
    using namespace std::chrono;
    const auto second = floor<seconds>(t);
    const auto day = floor<days>(second);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{second - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

json Alarms::describe(const Alarm &a) {
    return {{"id", a.id},     {"kind", a.kind}, {"subject", a.subject}, {"text", a.text},
            {"since", utc_text(a.since)}, {"acknowledged", a.acknowledged}};
}

std::string Alarms::event(const Alarm &a, const char *state) {
    json e = describe(a);
    e["type"] = "alarm";
    e["state"] = state;
    return e.dump();
}

void Alarms::tell(const Alarm &a, const char *state) const {
    if (listener_) listener_(event(a, state));
}

uint64_t Alarms::raise(const std::string &kind, const std::string &subject, const std::string &text) {
    for (const Alarm &a : up_)
        if (a.kind == kind && a.subject == subject) return a.id;
    const Alarm &a = up_.emplace_back(Alarm{next_id_++, kind, subject, text, std::chrono::system_clock::now()});
    std::fprintf(stderr, "radarctl serve: alarm %llu raised: %s\n", static_cast<unsigned long long>(a.id),
                 a.text.c_str());
    tell(a, "raised");
    return a.id;
}

void Alarms::clear(const std::string &kind, const std::string &subject) {
    const auto found = std::find_if(up_.begin(), up_.end(),
                                    [&](const Alarm &a) { return a.kind == kind && a.subject == subject; });
    if (found == up_.end()) return;
    const Alarm gone = *found;
    up_.erase(found);
    std::fprintf(stderr, "radarctl serve: alarm %llu cleared\n", static_cast<unsigned long long>(gone.id));
    tell(gone, "cleared");
}

bool Alarms::acknowledge(uint64_t id) {
    for (Alarm &a : up_) {
        if (a.id != id) continue;
        if (!a.acknowledged) {
            a.acknowledged = true;
            tell(a, "raised");
        }
        return true;
    }
    return false;
}

const Alarm *Alarms::find(uint64_t id) const {
    for (const Alarm &a : up_)
        if (a.id == id) return &a;
    return nullptr;
}

const Alarm *Alarms::find(const std::string &kind, const std::string &subject) const {
    for (const Alarm &a : up_)
        if (a.kind == kind && a.subject == subject) return &a;
    return nullptr;
}

json Alarms::list() const {
    json all = json::array();
    for (const Alarm &a : up_) all.push_back(describe(a));
    return {{"alarms", all}};
}

std::vector<std::string> Alarms::events() const {
    std::vector<std::string> out;
    for (const Alarm &a : up_) out.push_back(event(a, "raised"));
    return out;
}

}  // namespace radarctl::serve
