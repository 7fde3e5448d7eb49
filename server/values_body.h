// The body of an order, {"values": [...]}, read so that an error names what
// was sent: 99999999999999999999 and 1e400 are numbers no field holds, and
// the answer says so in those words rather than in a neighbour's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"

namespace radarctl::serve {

// Reads one value per field of `group` into `values`, each an integer
// within its field's range. Otherwise the error, naming the field.
std::optional<std::string> read_values(const std::string &body, const Group &group, std::vector<int64_t> &values);

}  // namespace radarctl::serve
