// "HOST:PORT" text, as the command line gives addresses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace radarctl {

// Splits "HOST:PORT" (an IPv6 host in brackets) into its parts; false when
// the port is not a number from `lowest` to 65535.
bool split_host_port(std::string_view text, std::string &host, uint16_t &port, uint16_t lowest = 1);

}  // namespace radarctl
