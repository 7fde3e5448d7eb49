// The radar's controls in words: one table (controls.cpp) gives each a
// semantic id, a name and a description a skipper understands, a category,
// a data type and the conversion from the radar's fields to the units shown.
// GET /api/controls, /api/controls/values and PUT /api/controls/ID are made
// from it, in the shapes of Signal K's radar API.
#pragma once

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace radarctl::serve {

// How a field of the radar reads in the unit shown.
enum class Conversion : uint8_t {
    plain,            // as it is (a level, a step, a label's value)
    percent,          // 0-100, as it is
    tenths_degree,    // tenths of a degree -> radians
    distance,         // ten-thousandths of a nautical mile -> metres
    range_step,       // range step -> the range in metres
    tenths_hour,      // tenths of an hour -> seconds
    seconds,          // seconds, as they are
    trail_step,       // a step of the trail times -> seconds
};

// Where a control's value lives: in the radar's parameter group, or with the
// server itself (the tracker's danger limits), which has no group behind it.
enum class ServerValue : uint8_t { none, cpa_limit, tcpa_limit, count };

struct Label {
    int64_t value;
    const char *text;
};

struct Control {
    int id;  // the order of the panel
    const char *key;
    const char *name;
    const char *description;
    const char *category;  // base, trails, guardZones, markers, targets, advanced, installation, info
    const char *type;      // number, enum, zone
    const char *stem;      // the parameter group; null for a value the server holds
    int64_t entry = 0;     // the entry of a numbered group; 0: none
    const char *field;     // the field that carries the value
    Conversion conversion = Conversion::plain;
    std::span<const Label> labels = {};     // an enum's labels
    std::span<const int64_t> settable = {}; // the values a user may choose (raw); empty: any in range
    const char *auto_field = nullptr;       // a mode field: 0 manual, anything else automatic
    const char *enabled_field = nullptr;    // 0 off, anything else on
    bool off_is_zero = false;               // the enabled field is shown as value 0, not as "enabled"
    bool read_only = false;
    // A zone's other corners: end bearing, start and end distance.
    const char *end_field = nullptr, *start_distance_field = nullptr, *end_distance_field = nullptr;
    // A value the server holds: which, and its range in the conversion's raw unit.
    ServerValue held = ServerValue::none;
    int64_t least = 0, most = 0;
};

// A group left to the raw API (/api/schema, /api/settings) and why.
struct RawGroup {
    const char *stem;
    const char *why;
};

std::span<const Control> controls();
std::span<const RawGroup> raw_groups();
const Control *find_control(std::string_view key);

nlohmann::json controls_json();                   // {"controls": {ID: definition}}
nlohmann::json control_values();                  // {ID: value}
nlohmann::json control_values_for(int32_t code);  // the controls an announcement of `code` changed

// The Put a PUT of `body` makes: the values to send (selector first), or why not.
struct ControlOrder {
    std::string error;
    const struct Group *group = nullptr;
    std::vector<int64_t> values;
    ServerValue held = ServerValue::none;  // else the held value to set, values[0] in its raw unit
};
ControlOrder order_for(const Control &control, const nlohmann::json &body);

// Whoever keeps a held value says how to read and set it, in the raw unit of
// its control's conversion; an empty one lets it go (the value reads null).
struct ServerValueAccess {
    std::function<int64_t()> read;
    std::function<void(int64_t)> write;
};
void hold(ServerValue value, ServerValueAccess access);
// A held control's order carried out at once; the values it changed, as
// control_values_for gives a radar's announcement.
nlohmann::json apply_held(const ControlOrder &order);

// The trail time the radar's trail display asks for, in seconds (0: off).
uint16_t trail_seconds_announced();

}  // namespace radarctl::serve
