#include "station_name.h"

#include <cstddef>

namespace radar::session {
namespace {

constexpr std::size_t taken = sizeof(StationName::text) - 1;  // 9 characters
constexpr std::size_t longest = 8;

// Plain byte ranges, not <cctype>: the locale must not let bytes from 0x80 up
// pass as letters.
bool allowed(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '#' ||
           c == '&' || c == '\'' || c == '-' || c == '_';
}

}  // namespace

int check_station_name(const char *name, StationName &copy) {
    if (name == nullptr) return -1;
    std::size_t length = 0;
    while (length < taken && name[length] != '\0') {
        copy.text[length] = name[length];
        ++length;
    }
    copy.text[length] = '\0';
    if (length == 0 || length > longest) return -1;
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(copy.text[i]);
        if (c == ' ') {
            copy.text[i] = '_';
        } else if (!allowed(c)) {
            return -1;
        }
    }
    return 0;
}

}  // namespace radar::session
