#include "targets.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <new>
#include <optional>

#include "controls.h"
#include "json_numbers.h"
#include "meanings.h"
#include "passing.h"
#include "radar.h"

namespace radarctl::serve {
namespace {

using json = nlohmann::json;

constexpr uint32_t radar_zones = 2;  // tracker zone places 0 and 1: the radar's guard zones 1 and 2
constexpr double order_patience_s = 15;  // a scenario's acquisition is tried this long for an echo
constexpr std::size_t line_header = 8;   // sweep, bearing offset, scale code, sample count
constexpr std::size_t events_at_once = 64;
// Below this speed over ground own ship's course is no line to cross: her
// heading stands for it.
constexpr double least_own_speed_kn = 0.5;
constexpr double seconds_per_minute = 60;

const char *const status_names[] = {"acquiring", "tracking", "lost"};

std::string target_subject(uint32_t id) { return "target " + std::to_string(id); }
std::string zone_subject(uint32_t zone) { return "zone " + std::to_string(zone + 1); }

uint16_t u16_at(const std::string &frame, std::size_t pos) {
    return static_cast<uint16_t>(static_cast<uint8_t>(frame[pos]) |
                                 static_cast<uint8_t>(frame[pos + 1]) << 8);
}

std::string format(const char *pattern, double a, double b) {
    char text[96];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

// A CPA alarm's text, as the target's numbers are now.
std::string cpa_text(const RadarTrackTarget &t) {
    return "Target " + std::to_string(t.id) + ": " + format("CPA %.2f NM in %.1f min", t.cpa_nm, t.tcpa_min);
}


}  // namespace

Targets::Targets(Alarms &alarms, OwnShip &own, Clock::time_point epoch, TrackingOptions options)
    : alarms_(alarms),
      own_(own),
      epoch_(epoch),
      options_(std::move(options)),
      tracker_(radartrack_create()) {
    if (tracker_ == nullptr) throw std::bad_alloc();
    radartrack_set_limits(tracker_, options_.cpa_limit_nm, options_.tcpa_limit_min);
    for (std::size_t i = 0;
         i < options_.auto_zones.size() && radar_zones + i < RADARTRACK_MAX_ZONES; ++i)
        radartrack_set_zone(tracker_, static_cast<uint32_t>(radar_zones + i),
                            &options_.auto_zones[i]);
    std::stable_sort(options_.acquire.begin(), options_.acquire.end(),
                     [](const TrackingOptions::Order &a, const TrackingOptions::Order &b) {
                         return a.at_s < b.at_s;
                     });
    targets_.reserve(RADARTRACK_MAX_TARGETS);
    guard_zones_announced();
    // The danger limits are controls (cpaLimit, tcpaLimit) the server holds.
    hold(ServerValue::cpa_limit,
         {[this] { return std::llround(options_.cpa_limit_nm * meaning::distance_units_per_nm); },
          [this](int64_t v) {
              set_limits(v / meaning::distance_units_per_nm, options_.tcpa_limit_min);
          }});
    hold(ServerValue::tcpa_limit,
         {[this] { return std::llround(options_.tcpa_limit_min * seconds_per_minute); },
          [this](int64_t v) { set_limits(options_.cpa_limit_nm, v / seconds_per_minute); }});
}

Targets::~Targets() {
    hold(ServerValue::cpa_limit, {});
    hold(ServerValue::tcpa_limit, {});
    radartrack_destroy(tracker_);
}

// The tracker judges each target against new limits on its next revolution.
void Targets::set_limits(double cpa_nm, double tcpa_min) {
    options_.cpa_limit_nm = cpa_nm;
    options_.tcpa_limit_min = tcpa_min;
    radartrack_set_limits(tracker_, cpa_nm, tcpa_min);
    if (changed_) changed_();
}

double Targets::since_epoch(int64_t steady_ns) const {
    return std::chrono::duration<double>(
               Clock::time_point(std::chrono::duration_cast<Clock::duration>(
                   std::chrono::nanoseconds(steady_ns))) -
               epoch_)
        .count();
}

// Own ship's samples up to a time, in their order: they and the lines take
// turns by time, so that the tracker's clock never goes back.
void Targets::feed_own(double up_to_s) {
    std::size_t fed = 0;
    for (; fed < own_waiting_.size() && own_waiting_[fed].time_s <= up_to_s; ++fed) {
        RadarTrackOwnShip s = own_waiting_[fed];
        s.time_s = last_time_s_ = std::max(s.time_s, last_time_s_);
        radartrack_own_ship(tracker_, &s);
        if (s.has & RADARTRACK_OWN_VELOCITY) past_.own_velocity(s.time_s, s.course_deg, s.speed_kn);
        if (s.has & RADARTRACK_OWN_HEADING) own_heading_deg_ = s.heading_deg;
    }
    own_waiting_.erase(own_waiting_.begin(),
                       own_waiting_.begin() + static_cast<std::ptrdiff_t>(fed));
}

void Targets::lines(const std::string &frame, const std::vector<int64_t> &times_ns) {
    for (const RadarTrackOwnShip &s : own_.take_samples()) own_waiting_.push_back(s);
    if (frame.size() < 2) return;
    const std::size_t count = u16_at(frame, 0);
    uint8_t samples[512];
    EchoLineRecord line{};
    line.Mode = 1;
    line.Data = samples;
    std::size_t pos = 2;
    for (std::size_t i = 0; i < count && i < times_ns.size() && pos + line_header <= frame.size();
         ++i) {
        line.Sweep = u16_at(frame, pos);
        line.BearingOffset = u16_at(frame, pos + 2);
        line.ScaleCode = u16_at(frame, pos + 4);
        line.SampleCount = std::min<uint16_t>(u16_at(frame, pos + 6), sizeof samples);
        pos += line_header;
        if (pos + line.SampleCount > frame.size()) break;
        std::memcpy(samples, frame.data() + pos, line.SampleCount);
        pos += line.SampleCount;
        const double t = since_epoch(times_ns[i]);
        feed_own(t);
        last_time_s_ = std::max(t, last_time_s_);
        radartrack_line(tracker_, &line, last_time_s_);
    }
}

void Targets::step(Clock::time_point now) {
    for (const RadarTrackOwnShip &s : own_.take_samples()) own_waiting_.push_back(s);
    const double now_s = std::chrono::duration<double>(now - epoch_).count();
    feed_own(now_s);
    if (own_.source_of(OwnShip::velocity, now) == OwnShip::none) past_.own_unknown();
    orders_due();
    take_events();
    past_.sample(std::max(now_s, last_time_s_), targets_);
    if (trial_.over(now)) {
        trial_.end();
        if (changed_) changed_();
    }
    RadarTrackStatus status{};
    radartrack_status(tracker_, &status);
    if (status.revolutions != revolutions_) {
        revolutions_ = status.revolutions;
        // A CPA alarm says what the target does now, not what it did when raised.
        for (const RadarTrackTarget &t : targets_)
            if (t.flags & RADARTRACK_FLAG_DANGEROUS) alarms_.update("cpa", target_subject(t.id), cpa_text(t));
        if (changed_) changed_();
    }
}

// A scenario's acquisition is tried from its time on, for a while: the
// echo it names may come a sweep or two later.
void Targets::orders_due() {
    if (!options_.scene_clock || next_order_ >= options_.acquire.size()) return;
    const double t = options_.scene_clock();
    const TrackingOptions::Order &order = options_.acquire[next_order_];
    if (t < order.at_s) return;
    uint32_t id = 0;
    const int32_t done = acquire(order.range_nm, order.bearing_deg, id);
    if (done == RADARTRACK_NOT_FOUND && t < order.at_s + order_patience_s) return;
    if (done == RADARTRACK_OK)
        std::fprintf(stderr,
                     "radarctl serve: scenario: target %u acquired at %.2f NM, bearing %.1f deg\n",
                     id, order.range_nm, order.bearing_deg);
    else
        std::fprintf(stderr,
                     "radarctl serve: scenario: nothing to acquire at %.2f NM, bearing %.1f deg\n",
                     order.range_nm, order.bearing_deg);
    ++next_order_;
}

void Targets::refresh() {
    targets_.resize(RADARTRACK_MAX_TARGETS);
    const int32_t n = radartrack_targets(tracker_, targets_.data(), RADARTRACK_MAX_TARGETS);
    targets_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
}

void Targets::take_events() {
    RadarTrackEvent events[events_at_once];
    const int32_t n = radartrack_events(tracker_, events, events_at_once);
    if (n <= 0) return refresh();
    // Whether a lost target had been tracking is in the picture before these
    // events; a dangerous one's CPA in the picture after them.
    std::map<uint32_t, uint32_t> before;
    for (const RadarTrackTarget &t : targets_) before[t.id] = t.status;
    refresh();
    bool changed = false;
    for (int32_t i = 0; i < n; ++i) {
        const RadarTrackEvent &e = events[i];
        const std::string subject = target_subject(e.id);
        switch (e.kind) {
            case RADARTRACK_EVENT_ACQUIRED:
                changed = true;
                break;
            case RADARTRACK_EVENT_TRACKING:
                alarms_.clear("lost", subject);  // found again
                changed = true;
                break;
            case RADARTRACK_EVENT_LOST:
                if (before.count(e.id) != 0 && before[e.id] == RADARTRACK_TRACKING)
                    alarms_.raise("lost", subject,
                                  "Target " + std::to_string(e.id) +
                                      format(" lost at %.2f NM, bearing %05.1f\u00b0", e.range_nm,
                                             e.bearing_deg));
                changed = true;
                break;
            case RADARTRACK_EVENT_GUARD:
                alarms_.raise(
                    "guard", zone_subject(e.zone),
                    "Guard zone " + std::to_string(e.zone + 1) + ": " +
                        (e.id != 0 ? "target " + std::to_string(e.id) : std::string("an echo")) +
                        format(" at %.2f NM, bearing %05.1f\u00b0", e.range_nm, e.bearing_deg));
                break;
            case RADARTRACK_EVENT_DANGER: {
                const auto found =
                    std::find_if(targets_.begin(), targets_.end(),
                                 [&](const RadarTrackTarget &t) { return t.id == e.id; });
                alarms_.raise("cpa", subject,
                              found != targets_.end() ? cpa_text(*found)
                                                      : "Target " + std::to_string(e.id) + ": dangerous");
                break;
            }
            case RADARTRACK_EVENT_DANGER_END:
                alarms_.clear("cpa", subject);
                break;
            case RADARTRACK_EVENT_DROPPED: {
                alarms_.clear("cpa", subject);
                alarms_.clear("lost", subject);  // listed still, until someone has heard it
                changed = true;
                break;
            }
            case RADARTRACK_EVENT_FULL:
                if (!full_told_)
                    std::fprintf(stderr,
                                 "radarctl serve: every one of the %d target places is taken\n",
                                 RADARTRACK_MAX_TARGETS);
                full_told_ = true;
                break;
            default:
                break;
        }
    }
    if (targets_.size() < RADARTRACK_MAX_TARGETS) full_told_ = false;
    if (changed && changed_) changed_();
}

void Targets::guard_zones_announced() {
    for (uint32_t zone = 0; zone < radar_zones; ++zone) {
        uint16_t setting = 0, type = 0, b1 = 0, b2 = 0;
        uint32_t d1 = 0, d2 = 0;
        RadarTrackZone z{};
        if (OrvaneGetRadarGuard(static_cast<int16_t>(zone + 1), &setting, &type, &b1, &b2, &d1,
                                &d2) == RADAR_OK &&
            setting == 1 && std::max(d1, d2) > 0) {
            z.kind = RADARTRACK_ZONE_GUARD;
            z.from_deg = b1 / 10.0;  // clockwise from bearing 1 to bearing 2
            z.to_deg = b2 / 10.0;
            z.inner_nm = std::min(d1, d2) / 10000.0;
            z.outer_nm = std::max(d1, d2) / 10000.0;
        }
        radartrack_set_zone(tracker_, zone, &z);
        // A zone switched off has nothing more to say.
        if (z.kind == RADARTRACK_ZONE_OFF) alarms_.clear("guard", zone_subject(zone));
    }
}

int32_t Targets::acquire(double range_nm, double bearing_deg, uint32_t &id) {
    const int32_t done = radartrack_acquire(tracker_, range_nm, bearing_deg, &id);
    take_events();
    if (done == RADARTRACK_OK && changed_) changed_();
    return done;
}

bool Targets::cancel(uint32_t id) {
    if (radartrack_cancel(tracker_, id) != RADARTRACK_OK) return false;
    alarms_.clear("cpa", target_subject(id));
    alarms_.clear("lost", target_subject(id));
    take_events();
    if (changed_) changed_();
    return true;
}

uint32_t Targets::cancel_all() {
    refresh();
    const auto count = static_cast<uint32_t>(targets_.size());
    for (const RadarTrackTarget &t : targets_) {
        alarms_.clear("cpa", target_subject(t.id));
        alarms_.clear("lost", target_subject(t.id));
    }
    radartrack_cancel_all(tracker_);
    take_events();
    if (changed_) changed_();
    return count;
}

void Targets::acknowledged(const std::string &kind, const std::string &subject) {
    if (kind == "guard") {
        // The zone is armed again: its next intrusion is a new alarm.
        for (uint32_t zone = 0; zone < radar_zones; ++zone)
            if (subject == zone_subject(zone)) radartrack_acknowledge_guard(tracker_, zone);
        alarms_.clear(kind, subject);
    } else if (kind == "lost") {
        const bool held =
            std::any_of(targets_.begin(), targets_.end(),
                        [&](const RadarTrackTarget &t) { return target_subject(t.id) == subject; });
        if (!held) alarms_.clear(kind, subject);
    }
}

json Targets::describe(Clock::time_point now) {
    // The tracker's times are the steady clock's; the skipper's are UTC.
    const auto utc_now = std::chrono::system_clock::now();
    const auto utc = [&](double s) {
        const auto ago = now - (epoch_ + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(s)));
        return utc_text(utc_now -
                        std::chrono::duration_cast<std::chrono::system_clock::duration>(ago));
    };
    const double now_s = std::chrono::duration<double>(now - epoch_).count();
    const bool heading_known = std::isfinite(own_heading_deg_) &&
                               own_.source_of(OwnShip::heading, now) != OwnShip::none;
    json list = json::array();
    for (const RadarTrackTarget &t : targets_) {
        // Until its motion is established a target has a place but no vector.
        const bool moving = t.status != RADARTRACK_ACQUIRING;
        const auto motion = [&](json v) { return moving ? v : json(nullptr); };
        // Own ship's course line, or her heading while she is all but stopped.
        std::optional<Passage> bow;
        if (const std::optional<TargetMotion> m = motion_of(t)) {
            const double own_speed = std::hypot(m->own.east, m->own.north);
            std::optional<Vec> ahead;
            if (own_speed >= least_own_speed_kn)
                ahead = Vec{m->own.east / own_speed, m->own.north / own_speed};
            else if (heading_known)
                ahead = polar_vec(1, own_heading_deg_);
            if (ahead) bow = bow_crossing(*ahead, m->position, m->relative);
        }
        list.push_back({{"id", t.id},
                        {"status", t.status < 3 ? status_names[t.status] : "unknown"},
                        {"acquisition", t.acquisition == RADARTRACK_AUTO ? "auto" : "manual"},
                        {"range_nm", rounded(t.range_nm, 1000)},
                        {"bearing_deg", degrees(t.bearing_deg)},
                        {"course_deg", motion(degrees(t.course_deg))},
                        {"speed_kn", motion(rounded(t.speed_kn, 100))},
                        {"rel_course_deg", motion(degrees(t.rel_course_deg))},
                        {"rel_speed_kn", motion(rounded(t.rel_speed_kn, 100))},
                        {"cpa_nm", motion(rounded(t.cpa_nm, 1000))},
                        {"tcpa_min", motion(rounded(t.tcpa_min, 100))},
                        {"first_seen", utc(t.first_seen_s)},
                        {"last_seen", utc(t.last_seen_s)},
                        {"dangerous", (t.flags & RADARTRACK_FLAG_DANGEROUS) != 0},
                        {"relative_only", (t.flags & RADARTRACK_FLAG_RELATIVE_ONLY) != 0},
                        {"bcr_nm", bow ? rounded(bow->range_nm, 1000) : json(nullptr)},
                        {"bct_min", bow ? rounded(bow->time_min, 100) : json(nullptr)},
                        {"trial", trial_answer(t)},
                        {"past", past_.describe(t.id, now_s, utc)}});
    }
    return {{"limits", {{"cpa_nm", options_.cpa_limit_nm}, {"tcpa_min", options_.tcpa_limit_min}}},
            {"trial", trial_.describe()},
            {"capacity", RADARTRACK_MAX_TARGETS},
            {"full", targets_.size() >= RADARTRACK_MAX_TARGETS},
            {"targets", list}};
}

json Targets::trial_answer(const RadarTrackTarget &t) const {
    const std::optional<Passage> p = trial_.approach(t);
    if (!p) return nullptr;
    return {{"cpa_nm", rounded(p->range_nm, 1000)}, {"tcpa_min", rounded(p->time_min, 100)}};
}

json Targets::start_trial(const TrialPlan &plan, Clock::time_point now) {
    trial_.start(plan, now);
    json answers = json::array();
    for (const RadarTrackTarget &t : targets_)
        if (json a = trial_answer(t); !a.is_null()) {
            a["id"] = t.id;
            answers.push_back(std::move(a));
        }
    if (changed_) changed_();
    return {{"trial", trial_.describe()}, {"targets", answers}};
}

json Targets::end_trial() {
    trial_.end();
    if (changed_) changed_();
    return {{"trial", nullptr}};
}

json Targets::status() {
    return {{"targets", targets_.size()}, {"capacity", RADARTRACK_MAX_TARGETS}};
}

}  // namespace radarctl::serve
