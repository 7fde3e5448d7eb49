// What the simulated station has been ordered and its antenna obeys: transmit
// or standby, gain, sea and rain clutter, and the range. The command thread
// takes the orders; the echo thread reads them for every line it draws.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace radarctl {

// How the receiver is set, each 0..1: its gain, and how much of the sea
// clutter and of the rain it takes away. The defaults are what the station's
// first settings give, at which the picture is drawn as it always was.
struct Receiver {
    double gain = 0.5;
    double sea = 0.5;
    double rain = 0.2;
};

// The fields the station announces for an order's fields. Heading
// adjustment (0x39) and the shift speed (0x3A) are ordered in tenths written
// "354.3" but read back by the library as a whole number, so the station
// announces them as the whole number of tenths ("3543"); the value the
// library then holds is the one ordered.
std::string announced_fields(int code, const std::string &fields);

class StationOrders {
  public:
    // Takes the fields of an S order of `code` ("1,50" for 0x03 gain).
    // False, and nothing changed, when they are no value of it; orders the
    // antenna does not obey are taken as they are.
    bool take(int code, const std::string &fields);

    bool transmitting() const;
    Receiver receiver() const;
    int range_step() const { return range_step_.load(); }

  private:
    // Mode and level in one word, so a reader never sees one without the other.
    std::atomic<uint32_t> gain_{0}, sea_{0};
    std::atomic<uint16_t> rain_{0}, power_{0};
    std::atomic<int> range_step_{0};
};

}  // namespace radarctl
