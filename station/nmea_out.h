// Own ship as NMEA 0183 sentences for the boat's network: what a gyro (HDT)
// and a GPS (RMC) would send, with valid checksums.
#pragma once

#include <cstdint>
#include <string>

#include "scenario.h"

namespace radarctl {

// "udp://ADDR:PORT" with a dotted IPv4 address and a port 1-65535; false for
// anything else.
bool parse_udp_url(const std::string &url, std::string &address, uint16_t &port);

// "$HEHDT,45.2,T*hh\r\n": the heading, true.
std::string nmea_hdt(const OwnReport &own);

// "$GPRMC,hhmmss.ss,A,llll.llll,N,yyyyy.yyyy,W,sog,cog,ddmmyy,,,A*hh\r\n":
// the UTC time of `utc_ms` (milliseconds since 1970), position, speed and
// course over ground.
std::string nmea_rmc(const OwnReport &own, int64_t utc_ms);

// The system's UTC time in milliseconds since 1970.
int64_t utc_now_ms();

}  // namespace radarctl
