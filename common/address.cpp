#include "address.h"

#include <charconv>

namespace radarctl {

bool split_host_port(std::string_view text, std::string &host, uint16_t &port, uint16_t lowest) {
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    std::string_view name = text.substr(0, colon);
    if (name.size() > 2 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    const std::string_view digits = text.substr(colon + 1);
    unsigned value = 0;
    const auto [end, problem] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || problem != std::errc() || end != digits.data() + digits.size() || value < lowest ||
        value > 65535)
        return false;
    host = std::string(name);
    port = static_cast<uint16_t>(value);
    return true;
}

}  // namespace radarctl
