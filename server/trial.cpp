#include "trial.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "alarms.h"

namespace radarctl::serve {
namespace {

using json = nlohmann::json;

struct Field {
    const char *name;
    double least, most;
    double TrialPlan::*into;
    bool needed;
};
// A delay left out is none: the trial starts now.
constexpr Field fields[] = {{"course_deg", 0, 360, &TrialPlan::course_deg, true},
                            {"speed_kn", 0, 60, &TrialPlan::speed_kn, true},
                            {"delay_min", 0, 30, &TrialPlan::delay_min, false}};

}  // namespace

std::optional<TrialPlan> read_trial(const std::string &body, std::string &why) {
    const json given = json::parse(body, nullptr, false);
    if (!given.is_object()) {
        why = "the body must be a JSON object";
        return std::nullopt;
    }
    // A misspelt key left out would turn a trial other than the one meant.
    for (const auto &[key, _] : given.items())
        if (std::none_of(std::begin(fields), std::end(fields),
                         [&](const Field &f) { return key == f.name; })) {
            why = "unknown key \"" + key + "\"";
            return std::nullopt;
        }
    TrialPlan plan;
    for (const Field &f : fields) {
        const auto found = given.find(f.name);
        if (found == given.end() && !f.needed) continue;
        if (found == given.end() || !found->is_number()) {
            why = std::string(f.name) + ": a number is needed";
            return std::nullopt;
        }
        const double v = found->get<double>();
        if (!(v >= f.least && v <= f.most)) {
            why = std::string(f.name) + ": " + found->dump() + " is outside " +
                  json(f.least).dump() + "-" + json(f.most).dump();
            return std::nullopt;
        }
        plan.*f.into = v;
    }
    if (plan.course_deg == 360) plan.course_deg = 0;
    return plan;
}

void Trial::start(const TrialPlan &plan, Clock::time_point now) {
    on_ = true;
    plan_ = plan;
    started_ = now;
    started_utc_ = std::chrono::system_clock::now();
}

std::optional<Passage> Trial::approach(const RadarTrackTarget &target) const {
    if (!on_) return std::nullopt;
    const std::optional<TargetMotion> m = motion_of(target);
    if (!m) return std::nullopt;
    // The target keeps its motion over ground; own ship's changes.
    const Vec trial = polar_vec(plan_.speed_kn, plan_.course_deg);
    const Vec after{m->relative.east + m->own.east - trial.east,
                    m->relative.north + m->own.north - trial.north};
    return trial_approach(m->position, m->relative, after, plan_.delay_min);
}

json Trial::describe() const {
    if (!on_) return nullptr;
    const auto ends =
        started_utc_ + std::chrono::duration_cast<std::chrono::system_clock::duration>(lasts);
    return {{"course_deg", plan_.course_deg},
            {"speed_kn", plan_.speed_kn},
            {"delay_min", plan_.delay_min},
            {"started", utc_text(started_utc_)},
            {"ends", utc_text(ends)}};
}

}  // namespace radarctl::serve
