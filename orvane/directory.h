// directory.h - the station directory: names to IPv4 address and TCP port.
#ifndef ORVANE_DIRECTORY_H
#define ORVANE_DIRECTORY_H

#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvane {

constexpr std::size_t kNameMax = 8;
constexpr std::size_t kStationsMax = 16;

struct Station {
    uint8_t ip[4];
    uint16_t port;
};

// A station name: 1 to kNameMax characters.
bool valid_name(const char *name);

// The station entered under exactly `name`, if any.
std::optional<Station> find_station(const char *name);

}  // namespace orvane

#endif
