#include "tries.h"

#include <algorithm>

#include "serve_limits.h"

namespace radarctl::serve {
namespace {

// Addresses remembered at once; beyond, the one quiet longest is forgotten.
constexpr std::size_t most_addresses = 4096;
// Wrong tokens this long ago, with none since, are forgiven.
constexpr auto forgiven_after = std::chrono::hours(1);

// Rounded up: a client told to wait 0 s would come back at once.
std::chrono::seconds whole_seconds(Tries::Clock::duration d) {
    return std::chrono::ceil<std::chrono::seconds>(std::max(d, Tries::Clock::duration::zero()));
}

}  // namespace

std::chrono::seconds Tries::wait(const Address &address, Clock::time_point now) const {
    const auto found = records_.find(address);
    return found == records_.end() ? std::chrono::seconds(0) : whole_seconds(found->second.until - now);
}

std::chrono::seconds Tries::failed(const Address &address, Clock::time_point now, int &in_a_row) {
    if (records_.size() >= most_addresses && records_.find(address) == records_.end()) {
        auto quietest = records_.begin();
        for (auto i = records_.begin(); i != records_.end(); ++i)
            if (i->second.last < quietest->second.last) quietest = i;
        records_.erase(quietest);
    }
    Record &r = records_[address];
    if (r.failures > 0 && now - r.last > forgiven_after && now >= r.until) r.failures = 0;
    r.last = now;
    in_a_row = ++r.failures;
    const int beyond = r.failures - limits::free_token_tries;
    if (beyond <= 0) return std::chrono::seconds(0);
    // 1 s, 2 s, 4 s, ... up to the longest wait.
    const auto longest = std::chrono::duration_cast<Clock::duration>(limits::longest_wait);
    Clock::duration wait = std::chrono::duration_cast<Clock::duration>(limits::first_wait);
    for (int i = 1; i < beyond && wait < longest; ++i) wait *= 2;
    r.until = now + std::min(wait, longest);
    return whole_seconds(r.until - now);
}

}  // namespace radarctl::serve
