#include "controls.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>

#include "catalogue.h"
#include "meanings.h"
#include "ranges.h"

namespace radarctl::serve {
namespace {

using json = nlohmann::json;
namespace m = meaning;

constexpr double radians_per_tenth = std::numbers::pi / 1800.0;
constexpr double metres_per_unit = m::metres_per_nm / m::distance_units_per_nm;
constexpr double seconds_per_tenth_hour = 360.0;
// The danger limits' ranges, as radarctl serve's --cpa-limit and --tcpa-limit.
constexpr int64_t most_cpa_limit = 20 * static_cast<int64_t>(m::distance_units_per_nm);
constexpr int64_t most_tcpa_limit = 60 * 60;

// ---- Labels and the values a user may choose ---------------------------------

constexpr Label power_labels[] = {{m::power_off, "Off"},
                                  {m::power_standby, "Standby"},
                                  {m::power_transmit, "Transmit"},
                                  {m::power_warming, "Warming up"}};
constexpr int64_t power_settable[] = {m::power_standby, m::power_transmit};
constexpr Label off_on[] = {{0, "Off"}, {1, "On"}};
constexpr Label off_low_high[] = {{0, "Off"}, {1, "Low"}, {2, "High"}};
constexpr Label off_to_high[] = {{0, "Off"}, {1, "Low"}, {2, "Medium"}, {3, "High"}};
constexpr Label ebl_reference[] = {{0, "True bearing"}, {1, "Relative to the bow"}};
constexpr Label pulse_labels[] = {{0, "Short"}, {1, "Long"}};
constexpr Label stc_labels[] = {{0, "Calm sea"}, {1, "Moderate sea"}, {2, "Rough sea"}};
constexpr Label height_labels[] = {{0, "Under 10 m"}, {1, "10 to 20 m"}, {2, "Over 20 m"}};
constexpr Label display_mode_labels[] = {{0, "Head up"},
                                         {1, "North up"},
                                         {2, "Course up"},
                                         {3, "North up, true motion"},
                                         {4, "Course up, true motion"}};
constexpr int64_t display_mode_settable[] = {0, 1, 2, 3};  // the radar is not ordered into 4
constexpr int64_t any_trail_step[] = {0, 1, 2, 3, 4, 5, 6, 7};

// ---- The table ---------------------------------------------------------------

const Control table[] = {
    {.id = 1, .key = "power", .name = "Transmit",
     .description = "Standby keeps the radar warm and silent; Transmit sends and shows the echo",
     .category = "base", .type = "enum", .stem = "RadarTxStby", .field = "state",
     .labels = power_labels, .settable = power_settable},
    {.id = 2, .key = "range", .name = "Range",
     .description = "How far the picture reaches from own ship to its edge",
     .category = "base", .type = "number", .stem = "RadarRange", .field = "step",
     .conversion = Conversion::range_step},
    {.id = 3, .key = "gain", .name = "Gain",
     .description = "Receiver sensitivity: more shows weak echoes, and noise with them",
     .category = "base", .type = "number", .stem = "RadarGain", .field = "level",
     .conversion = Conversion::percent, .auto_field = "mode"},
    {.id = 4, .key = "sea", .name = "Sea clutter",
     .description = "Takes away the echo of waves near own ship; too much takes small boats too",
     .category = "base", .type = "number", .stem = "RadarACSea", .field = "level",
     .conversion = Conversion::percent, .auto_field = "mode"},
    {.id = 5, .key = "rain", .name = "Rain clutter",
     .description = "Takes away the echo of rain and snow showers",
     .category = "base", .type = "number", .stem = "RadarACRain", .field = "level",
     .conversion = Conversion::percent},

    {.id = 10, .key = "trails", .name = "Echo trails",
     .description = "How long moving echoes leave a fading trail behind them; 0 is off",
     .category = "trails", .type = "number", .stem = "RadarTrail", .field = "value3",
     .conversion = Conversion::trail_step, .settable = any_trail_step,
     .enabled_field = "value1", .off_is_zero = true},

    {.id = 20, .key = "rings", .name = "Range rings",
     .description = "Rings at a quarter of the range apart, with their distances",
     .category = "markers", .type = "enum", .stem = "RadarRings", .field = "value2",
     .labels = off_on},
    {.id = 21, .key = "ebl1", .name = "EBL 1",
     .description = "Electronic bearing line: a line from own ship at the bearing you set",
     .category = "markers", .type = "number", .stem = "RadarEBL", .entry = 1, .field = "bearing",
     .conversion = Conversion::tenths_degree, .enabled_field = "value2"},
    {.id = 22, .key = "ebl2", .name = "EBL 2",
     .description = "The second electronic bearing line",
     .category = "markers", .type = "number", .stem = "RadarEBL", .entry = 2, .field = "bearing",
     .conversion = Conversion::tenths_degree, .enabled_field = "value2"},
    {.id = 23, .key = "eblReference", .name = "EBL bearings",
     .description = "Whether both EBLs are set as true bearings or relative to the bow",
     .category = "markers", .type = "enum", .stem = "RadarEBL", .entry = 1, .field = "value1",
     .labels = ebl_reference},
    {.id = 24, .key = "vrm1", .name = "VRM 1",
     .description = "Variable range marker: a ring at the distance you set",
     .category = "markers", .type = "number", .stem = "RadarVRM", .entry = 1, .field = "distance",
     .conversion = Conversion::distance, .enabled_field = "value2"},
    {.id = 25, .key = "vrm2", .name = "VRM 2",
     .description = "The second variable range marker",
     .category = "markers", .type = "number", .stem = "RadarVRM", .entry = 2, .field = "distance",
     .conversion = Conversion::distance, .enabled_field = "value2"},

    {.id = 30, .key = "guardZone1", .name = "Guard zone 1",
     .description = "An alarm sounds when an echo enters this sector",
     .category = "guardZones", .type = "zone", .stem = "RadarGuard", .entry = 1, .field = "bearing1",
     .conversion = Conversion::tenths_degree, .enabled_field = "setting", .end_field = "bearing2",
     .start_distance_field = "distance1", .end_distance_field = "distance2"},
    {.id = 31, .key = "guardZone2", .name = "Guard zone 2",
     .description = "A second sector watched for echoes entering it",
     .category = "guardZones", .type = "zone", .stem = "RadarGuard", .entry = 2, .field = "bearing1",
     .conversion = Conversion::tenths_degree, .enabled_field = "setting", .end_field = "bearing2",
     .start_distance_field = "distance1", .end_distance_field = "distance2"},

    {.id = 35, .key = "cpaLimit", .name = "CPA limit",
     .description = "A target that will pass closer than this, within the TCPA limit, raises the CPA alarm",
     .category = "targets", .type = "number", .stem = nullptr, .field = nullptr,
     .conversion = Conversion::distance, .held = ServerValue::cpa_limit, .most = most_cpa_limit},
    {.id = 36, .key = "tcpaLimit", .name = "TCPA limit",
     .description = "How far ahead the CPA limit looks: a close passing later than this raises no alarm yet",
     .category = "targets", .type = "number", .stem = nullptr, .field = nullptr,
     .conversion = Conversion::seconds, .held = ServerValue::tcpa_limit, .most = most_tcpa_limit},

    {.id = 40, .key = "interferenceRejection", .name = "Interference rejection",
     .description = "Removes the spokes and dots another radar nearby paints",
     .category = "advanced", .type = "enum", .stem = "RadarIntReject", .field = "setting",
     .labels = off_to_high},
    {.id = 41, .key = "tune", .name = "Tuning",
     .description = "Tunes the receiver to the transmitter; automatic unless the picture is weak",
     .category = "advanced", .type = "number", .stem = "RadarTune", .field = "value",
     .auto_field = "mode"},
    {.id = 42, .key = "echoStretch", .name = "Echo stretch",
     .description = "Draws small echoes larger so they are easier to see",
     .category = "advanced", .type = "enum", .stem = "RadarEchoStrech", .field = "setting",
     .labels = off_low_high},
    {.id = 43, .key = "noiseRejection", .name = "Noise rejection",
     .description = "Takes away receiver noise speckle",
     .category = "advanced", .type = "enum", .stem = "RadarNoiseReject", .field = "setting",
     .labels = off_low_high},
    {.id = 44, .key = "ftc", .name = "Fast time constant",
     .description = "Shows only the leading edge of large echoes, which parts rain and coast",
     .category = "advanced", .type = "number", .stem = "RadarFTC", .field = "level",
     .conversion = Conversion::percent},
    {.id = 45, .key = "autoClutter", .name = "Automatic clutter",
     .description = "Lets the radar set sea and rain clutter together",
     .category = "advanced", .type = "enum", .stem = "RadarACAuto", .field = "setting",
     .labels = off_on},
    {.id = 46, .key = "stcCurve", .name = "Sea clutter curve",
     .description = "How far out the sea clutter control reaches, for the state of the sea",
     .category = "advanced", .type = "enum", .stem = "RadarSTCCurve", .field = "setting",
     .labels = stc_labels},
    {.id = 47, .key = "pulseLength", .name = "Pulse length",
     .description = "Long pulses see further, short ones part echoes close together",
     .category = "advanced", .type = "enum", .stem = "RadarPulseLength", .field = "setting",
     .labels = pulse_labels},
    {.id = 48, .key = "secondTraceRejection", .name = "Second-trace rejection",
     .description = "Removes false echoes from beyond the range in ducting weather",
     .category = "advanced", .type = "enum", .stem = "Radar2ndEchoReject", .field = "setting",
     .labels = off_on},
    {.id = 49, .key = "radarDisplayMode", .name = "Radar's display mode",
     .description = "The orientation of the radar's own display; this screen chooses its own",
     .category = "advanced", .type = "enum", .stem = "RadarDispMode", .field = "mode",
     .labels = display_mode_labels, .settable = display_mode_settable},

    {.id = 60, .key = "antennaHeight", .name = "Antenna height",
     .description = "The antenna's height above the sea, for the clutter controls",
     .category = "installation", .type = "enum", .stem = "RadarAntHight", .field = "setting",
     .labels = height_labels},
    {.id = 61, .key = "bearingAlignment", .name = "Bearing alignment",
     .description = "Turns the picture so that the bow is at the heading line",
     .category = "installation", .type = "number", .stem = "RadarHeadingAdjust", .field = "bearing",
     .conversion = Conversion::tenths_degree},
    {.id = 62, .key = "mainBangSuppression", .name = "Main bang suppression",
     .description = "Hides the ring of the radar's own pulse around own ship",
     .category = "installation", .type = "number", .stem = "RadarMBSAdjust", .field = "value"},

    {.id = 80, .key = "operatingHours", .name = "Hours on",
     .description = "How long the radar has been switched on, in all",
     .category = "info", .type = "number", .stem = "RadarTotalOnHours", .field = "hours",
     .conversion = Conversion::tenths_hour, .read_only = true},
    {.id = 81, .key = "transmitHours", .name = "Hours transmitting",
     .description = "How long the radar has transmitted, in all",
     .category = "info", .type = "number", .stem = "RadarTotalTxHours", .field = "hours",
     .conversion = Conversion::tenths_hour, .read_only = true},
    {.id = 82, .key = "warmupTime", .name = "Warm-up time",
     .description = "How long the transmitter still warms up before it can transmit",
     .category = "info", .type = "number", .stem = "RadarWarmUpTime", .field = "value",
     .conversion = Conversion::seconds, .read_only = true},
    {.id = 83, .key = "tuneIndicator", .name = "Tuning indicator",
     .description = "How well the receiver is tuned",
     .category = "info", .type = "number", .stem = "RadarTuneInd", .field = "value",
     .conversion = Conversion::percent, .read_only = true},
    {.id = 84, .key = "heading", .name = "Heading",
     .description = "Own ship's heading as the radar has it",
     .category = "info", .type = "number", .stem = "RadarNMEAHead", .field = "heading",
     .conversion = Conversion::tenths_degree, .enabled_field = "setting", .read_only = true},
};

const RawGroup raw_table[] = {
    {"RadarCursorMode", "the screen's own cursor reads range and bearing"},
    {"RadarCursorPos", "the screen's own cursor reads range and bearing"},
    {"RadarDemo", "a service mode of the radar"},
    {"RadarSweepTiming", "set once by the installer, in the radar's own units"},
    {"RadarOffset", "the radar's own display's offset; this screen has its own off-centre"},
    {"RadarBlind", "a no-transmit sector, set once by the installer"},
    {"RadarReverse", "the radar's own display's colours"},
    {"RadarZoom", "the radar's own display's zoom"},
    {"RadarShift", "the radar's own display's picture shift"},
    {"RadarBright", "the radar's own display's brightness; this screen has its own"},
    {"RadarHeadingMark", "the radar's own display's heading line"},
    {"RadarWatchman", "a timed transmit cycle the radar runs itself"},
    {"RadarWPTMark", "waypoints come from the chart, not from the radar"},
    {"RadarDirSensor", "which heading sensor the radar uses: set by the installer"},
    {"RadarTxAntStatus", "a service indication"},
    {"RadarRangePreset", "set once by the installer, in the radar's own units"},
    {"RadarTuneAdjust", "a service adjustment"},
    {"RadarVideoAdjust", "a service adjustment"},
    {"RadarAntType", "the antenna fitted, set by the installer"},
    {"RadarMaxRange", "the longest range fitted, set by the installer"},
    {"RadarMonitorMode", "a service mode of the radar"},
    {"RadarSignal", "a service indication"},
    {"RadarBackGround", "the radar's own display's colours"},
    {"RadarEchoColor", "the radar's own display's colours"},
    {"RadarAlarmSound", "the radar's own buzzer; this screen sounds its own alarms"},
    {"RadarFactory", "resets the radar to its factory settings"},
    {"RadarDemoData", "a service mode of the radar"},
    {"RadarOwnPosiLL", "own ship is shown with the targets"},
    {"RadarMaxShiftSpeed", "set once by the installer"},
    {"RadarAmpType", "the transmitter fitted, set by the installer"},
    {"RadarTuneInit", "a service adjustment"},
    {"RadarAutoTune", "a service adjustment"},
    {"OwnCourse", "own ship is shown with the targets"},
    {"ArpaOnOff", "targets are tracked by this server, not by the radar"},
    {"ArpaAllClear", "targets are tracked by this server, not by the radar"},
    {"ArpaPlotInterval", "targets are tracked by this server, not by the radar"},
    {"ArpaVectorMode", "this screen chooses its own vectors"},
    {"ArpaVectorTime", "this screen chooses its own vectors"},
    {"ArpaCPA", "the CPA limit is this server's own control, cpaLimit"},
    {"ArpaTCPA", "the TCPA limit is this server's own control, tcpaLimit"},
    {"ArpaAutoACQ", "automatic acquisition is radarctl serve's --acquire-zone"},
    {"ArpaAlarm", "targets are tracked by this server, not by the radar"},
    {"ArpaMark", "targets are tracked by this server, not by the radar"},
    {"ArpaACQData", "targets are acquired with POST /api/targets"},
    {"ArpaEraseData", "targets are cancelled with DELETE /api/targets"},
    {"ArpaTargetNumber", "targets are tracked by this server, not by the radar"},
    {"ArpaServerOnOff", "targets are tracked by this server, not by the radar"},
    {"ArpaStatus", "targets are tracked by this server, not by the radar"},
    {"ArpaAlarmStop", "alarms are acknowledged with POST /api/alarms/ID/ack"},
};

// The server's own values behind the rows with `held` set.
std::array<ServerValueAccess, static_cast<std::size_t>(ServerValue::count)> holders;

ServerValueAccess &holder(ServerValue value) { return holders[static_cast<std::size_t>(value)]; }

// ---- Conversions ---------------------------------------------------------------

double range_metres(int64_t step) {
    return range_for_scale_code(static_cast<uint8_t>(std::clamp<int64_t>(step, 0, range_steps - 1))) *
           m::metres_per_nm;
}

double shown(Conversion c, int64_t raw) {
    switch (c) {
        case Conversion::plain: case Conversion::percent: case Conversion::seconds:
            return static_cast<double>(raw);
        case Conversion::tenths_degree: return static_cast<double>(raw) * radians_per_tenth;
        case Conversion::distance: return static_cast<double>(raw) * metres_per_unit;
        case Conversion::range_step: return range_metres(raw);
        case Conversion::tenths_hour: return static_cast<double>(raw) * seconds_per_tenth_hour;
        case Conversion::trail_step:
            return m::trail_seconds[std::clamp<int64_t>(raw, 0, m::trail_times - 1)];
    }
    return 0;
}

// The step, of `steps`, whose value shown lies nearest to `value`.
int64_t nearest_step(Conversion c, double value, int64_t steps) {
    int64_t best = 0;
    for (int64_t s = 1; s < steps; ++s)
        if (std::abs(shown(c, s) - value) < std::abs(shown(c, best) - value)) best = s;
    return best;
}

// The raw value nearest to `value` in the unit shown. Bearings go round.
int64_t raw_of(Conversion c, double value) {
    switch (c) {
        case Conversion::plain: case Conversion::percent: case Conversion::seconds:
            return std::llround(value);
        case Conversion::tenths_degree: {
            const int64_t tenths = std::llround(value / radians_per_tenth);
            return ((tenths % 3600) + 3600) % 3600;
        }
        case Conversion::distance: return std::llround(value / metres_per_unit);
        case Conversion::tenths_hour: return std::llround(value / seconds_per_tenth_hour);
        case Conversion::range_step: return nearest_step(c, value, range_steps);
        case Conversion::trail_step: return nearest_step(c, value, m::trail_times);
    }
    return 0;
}

const char *units_of(Conversion c) {
    switch (c) {
        case Conversion::percent: return "percent";
        case Conversion::tenths_degree: return "rad";
        case Conversion::distance: case Conversion::range_step: return "m";
        case Conversion::tenths_hour: case Conversion::seconds: case Conversion::trail_step: return "s";
        case Conversion::plain: return nullptr;
    }
    return nullptr;
}

std::optional<std::size_t> index_of(const std::vector<const char *> &names, const char *name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (std::string_view(names[i]) == name) return i;
    return std::nullopt;
}

std::optional<std::size_t> field_index(const Group &g, const char *name) {
    std::vector<const char *> names;
    for (const Field &f : g.fields) names.push_back(f.name);
    return index_of(names, name);
}

// A control's group reading: the Get's values, by name.
struct Held {
    const Group &group;
    std::vector<int64_t> values;
    int64_t at(const char *name) const { return values[*index_of(group.values, name)]; }
};

Held read(const Control &c) {
    const Group &g = *find_group(c.stem);
    std::vector<int64_t> values(g.get.arity);
    g.get.call(c.entry, values.data());
    return {g, std::move(values)};
}

json value_of(const Control &c) {
    if (c.held != ServerValue::none) {
        const ServerValueAccess &h = holder(c.held);
        return {{"value", h.read ? json(shown(c.conversion, h.read())) : json(nullptr)}};
    }
    const Held r = read(c);
    const int64_t raw = r.at(c.field);
    json v = json::object();
    const bool on = c.enabled_field == nullptr || r.at(c.enabled_field) != 0;
    v["value"] = c.off_is_zero && !on ? 0.0 : shown(c.conversion, raw);
    if (c.type == std::string_view("enum")) v["value"] = raw;
    if (c.auto_field != nullptr) v["auto"] = r.at(c.auto_field) != m::manual;
    if (c.enabled_field != nullptr && !c.off_is_zero) v["enabled"] = on;
    if (c.end_field != nullptr) v["endValue"] = shown(c.conversion, r.at(c.end_field));
    if (c.start_distance_field != nullptr)
        v["startDistance"] = shown(Conversion::distance, r.at(c.start_distance_field));
    if (c.end_distance_field != nullptr)
        v["endDistance"] = shown(Conversion::distance, r.at(c.end_distance_field));
    return v;
}

json definition(const Control &c) {
    json d = {{"id", c.id}, {"name", c.name}, {"description", c.description},
              {"category", c.category}, {"dataType", c.type}};
    if (c.held != ServerValue::none) {
        d["units"] = units_of(c.conversion);
        d["minValue"] = shown(c.conversion, c.least);
        d["maxValue"] = shown(c.conversion, c.most);
        d["stepValue"] = shown(c.conversion, 1);
        return d;
    }
    const Group &g = *find_group(c.stem);
    const std::size_t field = *field_index(g, c.field);
    d["group"] = c.stem;
    if (c.read_only) d["isReadOnly"] = true;
    if (c.auto_field != nullptr) d["hasAuto"] = true;
    if (c.enabled_field != nullptr && !c.off_is_zero) d["hasEnabled"] = true;
    if (!c.labels.empty()) {
        json labels = json::object();
        for (const Label &l : c.labels) labels[std::to_string(l.value)] = l.text;
        d["descriptions"] = labels;
        json valid = json::array();
        if (c.settable.empty())
            for (const Label &l : c.labels) valid.push_back(l.value);
        else
            for (int64_t v : c.settable) valid.push_back(v);
        if (!c.read_only) d["validValues"] = valid;
        return d;
    }
    if (const char *units = units_of(c.conversion)) d["units"] = units;
    switch (c.conversion) {
        case Conversion::range_step: {
            json valid = json::array();
            for (int64_t s = g.min(field); s <= g.max(field); ++s) valid.push_back(range_metres(s));
            d["validValues"] = valid;
            d["minValue"] = valid.front();
            d["maxValue"] = valid.back();
            return d;
        }
        case Conversion::trail_step: {
            json valid = json::array({0});
            for (int64_t v : c.settable) valid.push_back(shown(c.conversion, v));
            d["validValues"] = valid;
            d["minValue"] = 0;
            d["maxValue"] = valid.back();
            return d;
        }
        case Conversion::tenths_degree:
            d["minValue"] = 0;
            d["maxValue"] = 2 * std::numbers::pi;
            d["stepValue"] = radians_per_tenth;
            break;
        default:
            d["minValue"] = shown(c.conversion, g.min(field));
            d["maxValue"] = shown(c.conversion, g.max(field));
            d["stepValue"] = shown(c.conversion, 1);
    }
    if (c.end_field != nullptr) {
        const std::size_t far = *field_index(g, c.start_distance_field);
        d["maxDistance"] = shown(Conversion::distance, g.max(far));
    }
    return d;
}

// A number of the body, or why it is not one; nothing when the key is absent.
std::optional<std::string> number_in(const json &body, const char *key, std::optional<double> &out) {
    const auto found = body.find(key);
    if (found == body.end()) return std::nullopt;
    // Far beyond any control's range, and beyond what rounds to an integer safely.
    constexpr double largest = 1e12;
    if (!found->is_number() || !(std::abs(found->get<double>()) <= largest))
        return std::string(key) + ": a number of at most " + json(largest).dump() + " is needed";
    out = found->get<double>();
    return std::nullopt;
}

std::optional<std::string> bool_in(const json &body, const char *key, std::optional<bool> &out) {
    const auto found = body.find(key);
    if (found == body.end()) return std::nullopt;
    if (!found->is_boolean()) return std::string(key) + ": true or false is needed";
    out = found->get<bool>();
    return std::nullopt;
}

ControlOrder refused(std::string why) {
    ControlOrder order;
    order.error = std::move(why);
    return order;
}

}  // namespace

std::span<const Control> controls() { return table; }
std::span<const RawGroup> raw_groups() { return raw_table; }

const Control *find_control(std::string_view key) {
    for (const Control &c : table)
        if (key == c.key) return &c;
    return nullptr;
}

json controls_json() {
    json all = json::object();
    for (const Control &c : table) all[c.key] = definition(c);
    json raw = json::object();
    for (const RawGroup &r : raw_table) raw[r.stem] = r.why;
    return {{"controls", all}, {"raw", raw}};
}

json control_values() {
    json all = json::object();
    for (const Control &c : table) all[c.key] = value_of(c);
    return all;
}

json control_values_for(int32_t code) {
    json some = json::object();
    for (const Control &c : table) {
        if (c.held != ServerValue::none) continue;  // the radar announces none of them
        const Group &g = *find_group(c.stem);
        if (g.code == code || g.wire == code) some[c.key] = value_of(c);
    }
    return some;
}

ControlOrder order_for(const Control &c, const json &body) {
    ControlOrder order;
    if (c.read_only) return refused(std::string(c.key) + " is information: it cannot be set");
    if (!body.is_object()) return refused("the body must be a JSON object");
    for (const auto &[key, _] : body.items()) {
        static constexpr std::string_view known[] = {"value", "auto", "enabled", "endValue",
                                                     "startDistance", "endDistance"};
        if (std::find(std::begin(known), std::end(known), key) == std::end(known))
            return refused("unknown key \"" + key + "\"");
    }
    std::optional<double> value, end, start_distance, end_distance;
    std::optional<bool> automatic, enabled;
    for (auto why : {number_in(body, "value", value), number_in(body, "endValue", end),
                     number_in(body, "startDistance", start_distance),
                     number_in(body, "endDistance", end_distance), bool_in(body, "auto", automatic),
                     bool_in(body, "enabled", enabled)})
        if (why) return refused(*why);
    if (c.held != ServerValue::none) {
        if (automatic || enabled || end || start_distance || end_distance)
            return refused(std::string(c.key) + " takes value");
        if (!value) return refused("nothing to set: the body names no value");
        const int64_t v = raw_of(c.conversion, *value);
        if (v < c.least || v > c.most)
            return refused(std::string(c.key) + ": " + json(*value).dump() + " is outside " +
                           json(shown(c.conversion, c.least)).dump() + " to " +
                           json(shown(c.conversion, c.most)).dump() + " " + units_of(c.conversion));
        order.held = c.held;
        order.values = {v};
        return order;
    }
    if ((automatic && c.auto_field == nullptr) || (enabled && (c.enabled_field == nullptr || c.off_is_zero)) ||
        (end && c.end_field == nullptr) || ((start_distance || end_distance) && c.start_distance_field == nullptr))
        return refused(std::string(c.key) + " takes " + (c.end_field ? "value, endValue, startDistance, endDistance, enabled"
                                                   : c.auto_field ? "value and auto"
                                                   : c.enabled_field && !c.off_is_zero ? "value and enabled"
                                                                                        : "value"));
    if (!value && !automatic && !enabled && !end && !start_distance && !end_distance)
        return refused("nothing to set: the body names no value");

    const Held r = read(c);
    const Group &g = r.group;
    // Every field as it stands, selector first, then what the body changes.
    std::vector<int64_t> raw;
    for (const Field &f : g.fields) {
        if (g.selector.name != nullptr && std::string_view(f.name) == g.selector.name)
            raw.push_back(c.entry);
        else
            raw.push_back(r.at(f.name));
    }
    const auto set = [&](const char *name, int64_t v) { raw[*field_index(g, name)] = v; };
    const std::size_t field = *field_index(g, c.field);
    if (value) {
        if (c.type == std::string_view("enum")) {
            const bool settable = c.settable.empty()
                ? std::any_of(c.labels.begin(), c.labels.end(), [&](const Label &l) { return l.value == *value; })
                : std::find(c.settable.begin(), c.settable.end(), *value) != c.settable.end();
            if (!settable) return refused(std::string(c.key) + ": " + json(*value).dump() + " is not one of its values");
            set(c.field, static_cast<int64_t>(*value));
        } else if (c.off_is_zero && *value <= 0) {
            set(c.enabled_field, 0);
        } else {
            // Bearings go round; anything else must lie within the field's range.
            const int64_t v = raw_of(c.conversion, *value);
            if (c.conversion != Conversion::tenths_degree && c.conversion != Conversion::range_step &&
                c.conversion != Conversion::trail_step && (v < g.min(field) || v > g.max(field)))
                return refused(std::string(c.key) + ": " + json(*value).dump() + " is outside " +
                        json(shown(c.conversion, g.min(field))).dump() + " to " +
                        json(shown(c.conversion, g.max(field))).dump() +
                        (units_of(c.conversion) ? std::string(" ") + units_of(c.conversion) : ""));
            set(c.field, v);
            if (c.off_is_zero) set(c.enabled_field, 1);
        }
    }
    if (automatic) set(c.auto_field, *automatic ? m::automatic : m::manual);
    if (enabled) set(c.enabled_field, *enabled ? 1 : 0);
    if (end) set(c.end_field, raw_of(c.conversion, *end));
    for (auto [given, name] : {std::pair{start_distance, c.start_distance_field}, {end_distance, c.end_distance_field}}) {
        if (!given) continue;
        const int64_t v = raw_of(Conversion::distance, *given);
        const std::size_t i = *field_index(g, name);
        if (v < g.min(i) || v > g.max(i))
            return refused(std::string(name == c.start_distance_field ? "startDistance" : "endDistance") + ": " +
                    json(*given).dump() + " is outside 0 to " + json(shown(Conversion::distance, g.max(i))).dump() + " m");
        set(name, v);
    }
    if (auto why = check_values(g, raw)) return refused(*why);
    order.group = &g;
    order.values = std::move(raw);
    return order;
}

void hold(ServerValue value, ServerValueAccess access) { holder(value) = std::move(access); }

json apply_held(const ControlOrder &order) {
    json changed = json::object();
    const ServerValueAccess &h = holder(order.held);
    if (order.values.empty() || !h.write) return changed;
    h.write(order.values.front());
    for (const Control &c : table)
        if (c.held == order.held) changed[c.key] = value_of(c);
    return changed;
}

uint16_t trail_seconds_announced() {
    const Control &c = *find_control("trails");
    const Held r = read(c);
    if (r.at(c.enabled_field) == 0) return 0;
    return static_cast<uint16_t>(shown(c.conversion, r.at(c.field)));
}

}  // namespace radarctl::serve
