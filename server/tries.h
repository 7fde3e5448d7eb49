// Wrong tokens, counted per client address. A few are let pass (a typo, a
// kept token from yesterday's start); beyond them the address must wait
// before its next change is heard, twice as long after each further wrong
// token, so guessing goes at a handful of tries an hour instead of thousands
// a second. The server's thread alone uses it.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>

#include "gate.h"

namespace radarctl::serve {

class Tries {
  public:
    using Clock = std::chrono::steady_clock;

    // How long the address must still wait before a change is heard (zero: now).
    std::chrono::seconds wait(const Address &address, Clock::time_point now) const;
    // A wrong token from the address: the wait it now has (zero while it is
    // within its free tries), and how many wrong ones in a row.
    std::chrono::seconds failed(const Address &address, Clock::time_point now, int &in_a_row);
    // The right token: the address starts afresh.
    void succeeded(const Address &address) { records_.erase(address); }

  private:
    struct Record {
        int failures = 0;
        Clock::time_point until{}, last{};
    };
    std::map<Address, Record> records_;
};

}  // namespace radarctl::serve
