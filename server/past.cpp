#include "past.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

#include "json_numbers.h"

namespace radarctl::serve {
namespace {

using json = nlohmann::json;
constexpr double seconds_per_hour = 3600;

}  // namespace

Vec PastPositions::own_at(double time_s) const {
    const double hours = (time_s - own_time_s_) / seconds_per_hour;
    return {own_place_.east + own_motion_.east * hours,
            own_place_.north + own_motion_.north * hours};
}

void PastPositions::own_velocity(double time_s, double course_deg, double speed_kn) {
    if (!std::isfinite(course_deg) || !std::isfinite(speed_kn)) return own_unknown();
    if (own_known_) {
        own_place_ = own_at(std::max(time_s, own_time_s_));
    } else {
        own_known_ = true;
        ++reckoning_;
        own_place_ = {};
    }
    own_time_s_ = std::max(time_s, own_time_s_);
    own_motion_ = polar_vec(speed_kn, course_deg);
}

void PastPositions::own_unknown() { own_known_ = false; }

void PastPositions::sample(double time_s, std::span<const RadarTrackTarget> targets) {
    // The targets come ordered by id; a target gone takes its past with it.
    for (auto it = samples_.begin(); it != samples_.end();)
        it = std::ranges::binary_search(targets, it->first, {}, &RadarTrackTarget::id)
                 ? std::next(it)
                 : samples_.erase(it);
    if (time_s < next_s_) return;
    // On the server's clock, every interval; after a pause, from now on.
    next_s_ = std::max(next_s_ + interval_s, time_s);
    const Vec own = own_at(time_s);
    for (const RadarTrackTarget &t : targets) {
        if (t.status == RADARTRACK_LOST || !std::isfinite(t.range_nm) ||
            !std::isfinite(t.bearing_deg))
            continue;
        const Vec from_own = polar_vec(t.range_nm, t.bearing_deg);
        std::deque<Sample> &past = samples_[t.id];
        past.push_back({time_s,
                        t.range_nm,
                        t.bearing_deg,
                        {own.east + from_own.east, own.north + from_own.north},
                        own_known_ ? reckoning_ : 0});
        while (!past.empty() && (past.size() > most || time_s - past.front().time_s >= kept_s))
            past.pop_front();
    }
}

json PastPositions::describe(uint32_t id, double time_s,
                             const std::function<std::string(double)> &utc) const {
    json list = json::array();
    const auto found = samples_.find(id);
    if (found == samples_.end()) return list;
    const Vec own = own_at(time_s);
    for (const Sample &s : found->second) {
        json ground_range = nullptr, ground_bearing = nullptr;
        // Only a ground position reckoned in the present run of known motion
        // can be given from where own ship is now.
        if (own_known_ && s.reckoning == reckoning_) {
            const double east = s.ground.east - own.east, north = s.ground.north - own.north;
            ground_range = rounded(std::hypot(east, north), 1000);
            ground_bearing =
                degrees(std::fmod(std::atan2(east, north) * 180 / std::numbers::pi + 360, 360));
        }
        list.push_back({{"t", utc(s.time_s)},
                        {"range_nm", rounded(s.range_nm, 1000)},
                        {"bearing_deg", degrees(s.bearing_deg)},
                        {"ground_range_nm", ground_range},
                        {"ground_bearing_deg", ground_bearing}});
    }
    return list;
}

}  // namespace radarctl::serve
