// The orders the antenna obeys, read from their fields.
#include "station_orders.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "meanings.h"
#include "radar.h"
#include "station.h"

namespace radarctl {
namespace {

constexpr uint16_t most_level = 100;

// The fields as whole numbers, each at most `most`: exactly `count` of them,
// or (count 0) at least one, only the first of which is read.
std::optional<std::vector<uint16_t>> numbers(const std::string &fields, std::size_t count,
                                             uint16_t most) {
    std::vector<uint16_t> out;
    std::size_t i = 0;
    for (;;) {
        uint32_t value = 0;
        const std::size_t from = i;
        for (; i < fields.size() && fields[i] >= '0' && fields[i] <= '9' && i - from < 5; ++i)
            value = value * 10 + static_cast<uint32_t>(fields[i] - '0');
        if (i == from || value > most) return std::nullopt;
        out.push_back(static_cast<uint16_t>(value));
        if (count == 0)
            return i == fields.size() || fields[i] == ',' ? std::optional(out) : std::nullopt;
        if (i == fields.size()) break;
        if (fields[i++] != ',') return std::nullopt;
    }
    if (out.size() != count) return std::nullopt;
    return out;
}

uint32_t packed(uint16_t mode, uint16_t level) { return uint32_t{mode} << 16 | level; }

// A packed mode and level as 0..1: the level the radar chooses unless manual.
double effective(uint32_t mode_level) {
    const auto mode = static_cast<uint16_t>(mode_level >> 16);
    const auto level = static_cast<uint16_t>(mode_level & 0xFFFF);
    return (mode == meaning::manual ? level : meaning::automatic_level) / double{most_level};
}

}  // namespace

bool StationOrders::take(int code, const std::string &fields) {
    switch (code) {
        case RADAR_CODE_GAIN:
        case RADAR_CODE_SEA_CLUTTER: {
            const auto v = numbers(fields, 2, most_level);
            if (!v || (*v)[0] > meaning::auto_offshore) return false;
            (code == RADAR_CODE_GAIN ? gain_ : sea_).store(packed((*v)[0], (*v)[1]));
            return true;
        }
        case RADAR_CODE_RAIN_CLUTTER: {
            const auto v = numbers(fields, 1, most_level);
            if (!v) return false;
            rain_.store((*v)[0]);
            return true;
        }
        case RADAR_CODE_TX_STANDBY: {
            const auto v = numbers(fields, 1, meaning::power_warming);
            if (!v) return false;
            power_.store((*v)[0]);
            return true;
        }
        case RADAR_CODE_RANGE: {
            // The step, then what the station does not look at.
            const auto v = numbers(fields, 0, scale_code_for(1e9));
            if (!v) return false;
            range_step_.store((*v)[0]);
            return true;
        }
        default:
            return true;
    }
}

bool StationOrders::transmitting() const { return power_.load() == meaning::power_transmit; }

Receiver StationOrders::receiver() const {
    return {effective(gain_.load()), effective(sea_.load()), rain_.load() / double{most_level}};
}

std::string announced_fields(int code, const std::string &fields) {
    if (code != RADAR_CODE_HEADING_ADJUST && code != RADAR_CODE_MAX_SHIFT_SPEED) return fields;
    const std::size_t dot = fields.find('.');
    if (dot == std::string::npos || dot + 2 != fields.size()) return fields;
    const std::string tenths = fields.substr(0, dot) + fields.substr(dot + 1);
    const std::size_t first = tenths.find_first_not_of('0');
    return first == std::string::npos ? "0" : tenths.substr(first);
}

}  // namespace radarctl
