// A test double of the network library: the six operations the radar library
// imports, defined in the test program so that they take the place of the
// real ones. It logs every call in order and keeps the callbacks it is given.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "orvane.h"

namespace netlib_double {

extern std::vector<std::string> calls;  // e.g. "SetRadarSource(RADAR_1)", "SetConvRadFunc"
extern OrvaneConvFunc conversion;
extern OrvaneEndFunc end;
extern int32_t status;  // what GetRadarSourceStatus answers

// The source address, asked for by the echo receiver's thread for every
// datagram: set and counted thread-safely, and not logged in `calls`.
void set_source_address(const std::string &dotted);
std::string source_address();
uint64_t source_address_calls();

void reset();

}  // namespace netlib_double
