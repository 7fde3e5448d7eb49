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

namespace {

// The kinds by how bad they are; a kind not listed comes after them all.
struct Rank {
    const char *kind;
    int priority;
};
constexpr Rank ranks[] = {
    {"echo_lost", 1},  // the picture is not live
    {"cpa", 2},        // a ship will pass too close
    {"guard", 3},      // an echo in a guard zone
    {"lost", 4},       // a tracked target is no longer seen
};
constexpr int unranked = 5;

json utc_or_null(const std::optional<UtcTime> &t) { return t ? json(utc_text(*t)) : json(nullptr); }

}  // namespace

int alarm_priority(const std::string &kind) {
    for (const Rank &r : ranks)
        if (kind == r.kind) return r.priority;
    return unranked;
}

json Alarms::describe(const Alarm &a) {
    return {{"id", a.id},
            {"kind", a.kind},
            {"subject", a.subject},
            {"text", a.text},
            {"since", utc_text(a.since)},
            {"priority", a.priority},
            {"acknowledged", a.acknowledged},
            {"active", a.active},
            {"cleared_at", utc_or_null(a.cleared_at)}};
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

Alarms::Record *Alarms::record(uint64_t id) {
    for (Record &r : history_)
        if (r.id == id) return &r;
    return nullptr;  // older than the history
}

uint64_t Alarms::raise(const std::string &kind, const std::string &subject, const std::string &text) {
    for (Alarm &a : up_) {
        if (a.kind != kind || a.subject != subject) continue;
        if (!a.active) {  // back before anyone acknowledged its clearing
            a.active = true;
            a.cleared_at.reset();
            a.text = text;
            if (Record *r = record(a.id)) {
                r->cleared.reset();
                r->text = text;
            }
            tell(a, "raised");
        }
        return a.id;
    }
    Alarm raised{next_id_++, kind, subject, text, std::chrono::system_clock::now(), alarm_priority(kind),
                 false, true, std::nullopt, std::nullopt};
    const Alarm &a = up_.emplace_back(std::move(raised));
    history_.push_back(Record{a.id, kind, subject, text, a.priority, a.since, std::nullopt, std::nullopt});
    if (history_.size() > history_kept) history_.pop_front();
    std::fprintf(stderr, "radarctl serve: alarm %llu raised: %s\n", static_cast<unsigned long long>(a.id),
                 a.text.c_str());
    tell(a, "raised");
    return a.id;
}

void Alarms::update(const std::string &kind, const std::string &subject, const std::string &text) {
    for (Alarm &a : up_) {
        if (a.kind != kind || a.subject != subject || !a.active || a.text == text) continue;
        a.text = text;
        if (Record *r = record(a.id)) r->text = text;
        tell(a, "raised");
    }
}

void Alarms::remove(uint64_t id) {
    const auto found = std::find_if(up_.begin(), up_.end(), [&](const Alarm &a) { return a.id == id; });
    if (found == up_.end()) return;
    const Alarm gone = *found;
    up_.erase(found);
    std::fprintf(stderr, "radarctl serve: alarm %llu cleared\n", static_cast<unsigned long long>(gone.id));
    tell(gone, "cleared");
}

void Alarms::clear(const std::string &kind, const std::string &subject) {
    for (Alarm &a : up_) {
        if (a.kind != kind || a.subject != subject || !a.active) continue;
        a.active = false;
        a.cleared_at = std::chrono::system_clock::now();
        if (Record *r = record(a.id)) r->cleared = a.cleared_at;
        if (a.acknowledged) return remove(a.id);
        tell(a, "raised");
        return;
    }
}

bool Alarms::acknowledge(uint64_t id) {
    for (Alarm &a : up_) {
        if (a.id != id) continue;
        if (a.acknowledged) return true;
        a.acknowledged = true;
        a.acknowledged_at = std::chrono::system_clock::now();
        if (Record *r = record(a.id)) r->acknowledged = a.acknowledged_at;
        if (!a.active) {
            remove(id);
        } else {
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
    std::vector<const Alarm *> order;
    for (const Alarm &a : up_) order.push_back(&a);
    std::stable_sort(order.begin(), order.end(),
                     [](const Alarm *x, const Alarm *y) { return x->priority < y->priority; });
    json all = json::array();
    for (const Alarm *a : order) all.push_back(describe(*a));
    return {{"alarms", all}};
}

json Alarms::history() const {
    json all = json::array();
    for (const Record &r : history_)
        all.push_back({{"id", r.id},
                       {"kind", r.kind},
                       {"subject", r.subject},
                       {"text", r.text},
                       {"priority", r.priority},
                       {"raised", utc_text(r.raised)},
                       {"acknowledged", utc_or_null(r.acknowledged)},
                       {"cleared", utc_or_null(r.cleared)}});
    return {{"history", all}};
}

std::vector<std::string> Alarms::events() const {
    std::vector<std::string> out;
    for (const Alarm &a : up_) out.push_back(event(a, "raised"));
    return out;
}

}  // namespace radarctl::serve
