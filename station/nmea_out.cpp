// NMEA 0183 sentences for own ship, sent by the simulated station.
#include "nmea_out.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "address.h"
#include "sockets.h"

namespace radarctl {
namespace {

// "$" body "*" checksum CR LF: the checksum is the XOR of the body's bytes.
std::string sentence(const std::string &body) {
    unsigned sum = 0;
    for (const char c : body) sum ^= static_cast<unsigned char>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return "$" + body + tail;
}

// Degrees as NMEA's degrees and minutes ("5000.1234" or "00130.0000"), and
// the hemisphere's letter.
std::string degrees_minutes(double deg, int degree_digits, char positive, char negative) {
    const char hemisphere = deg < 0 ? negative : positive;
    // Rounded once, in ten-thousandths of a minute, so 59.99999' never shows as 60'.
    const auto units = std::llround(std::abs(deg) * 60 * 10000);
    const long long whole = units / (60 * 10000), minutes = units % (60 * 10000);
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld%02lld.%04lld,%c", degree_digits, whole,
                  minutes / 10000, minutes % 10000, hemisphere);
    return text;
}

// Days since 1970-01-01 as a civil date (proleptic Gregorian).
void civil_date(int64_t days, int &year, int &month, int &day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

bool parse_udp_url(const std::string &url, std::string &address, uint16_t &port) {
    const std::string_view scheme = "udp://";
    std::string host;
    uint16_t number = 0;
    sockets::Endpoint endpoint;
    if (!url.starts_with(scheme) || !split_host_port(std::string_view(url).substr(scheme.size()), host, number) ||
        !sockets::to_endpoint(host, 0, endpoint))
        return false;
    address = host;
    port = number;
    return true;
}

std::string nmea_hdt(const OwnReport &own) {
    char body[40];
    std::snprintf(body, sizeof body, "HEHDT,%.1f,T",
                  std::fmod(std::round(own.heading_deg * 10) / 10, 360.0));
    return sentence(body);
}

std::string nmea_rmc(const OwnReport &own, int64_t utc_ms) {
    const int64_t day_ms = 86400000;
    const int64_t days = (utc_ms >= 0 ? utc_ms : utc_ms - day_ms + 1) / day_ms;
    const int64_t in_day = utc_ms - days * day_ms;
    int year = 0, month = 0, day = 0;
    civil_date(days, year, month, day);
    char body[120];
    std::snprintf(body, sizeof body, "GPRMC,%02d%02d%02d.%02d,A,%s,%s,%.1f,%.1f,%02d%02d%02d,,,A",
                  static_cast<int>(in_day / 3600000), static_cast<int>(in_day / 60000 % 60),
                  static_cast<int>(in_day / 1000 % 60), static_cast<int>(in_day % 1000 / 10),
                  degrees_minutes(own.lat_deg, 2, 'N', 'S').c_str(),
                  degrees_minutes(own.lon_deg, 3, 'E', 'W').c_str(), own.speed_kn,
                  std::fmod(std::round(own.course_deg * 10) / 10, 360.0), day, month, year % 100);
    return sentence(body);
}

int64_t utc_now_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace radarctl
