// A test double of the network library: the six operations the radar library
// imports, defined in the test program so that they take the place of the
// real ones. It logs every call in order and keeps the callbacks it is given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvane.h"

namespace netlib_double {

extern std::vector<std::string> calls;  // e.g. "SetRadarSource(RADAR_1)", "SetConvRadFunc"
extern OrvaneConvFunc conversion;
extern OrvaneEndFunc end;
extern int32_t status;       // what GetRadarSourceStatus answers
extern std::string address;  // what GetRadarSourceAddr writes

void reset();

}  // namespace netlib_double
