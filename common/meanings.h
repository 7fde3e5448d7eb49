// What the small numbers of the radar's settings mean on this system. The
// library only checks their ranges; the simulated station behaves by these
// meanings and the server's table of controls labels them with them, so the
// two cannot disagree.
#pragma once

#include <cstdint>

namespace radarctl::meaning {

// 0x24 transmit / standby: state.
enum Power : uint16_t { power_off = 0, power_standby = 1, power_transmit = 2, power_warming = 3 };

// 0x03 gain, 0x04 sea clutter: mode. Any mode but manual lets the radar
// choose the level; the level then is what it chose.
enum ClutterMode : uint16_t { manual = 0, automatic = 1, auto_harbour = 2, auto_offshore = 3 };

// The level the station uses for gain and sea while it chooses them itself.
constexpr uint16_t automatic_level = 50;

// 0x0B tuning: mode.
enum TuneMode : uint16_t { tune_manual = 0, tune_automatic = 1 };

// 0x1F echo trail display: value1 trails off / on; value3 the trail time,
// a step of trail_seconds.
constexpr uint16_t trail_times = 8;
constexpr uint16_t trail_seconds[trail_times] = {15, 30, 60, 180, 360, 600, 900, 1800};

// 0x18 range rings: value2 rings hidden / shown.
// 0x1B EBL: value1 (shared) 0 true bearing, 1 relative to the bow; value2
// the line hidden / shown. 0x1C VRM: value2 0 hidden, 1 or 2 shown.
// 0x13 guard zone: setting 0 off, 1 on; bearing1 to bearing2 clockwise,
// distance1 to distance2. Distances of these groups are ten-thousandths of a
// nautical mile.
constexpr double distance_units_per_nm = 10000.0;
constexpr double metres_per_nm = 1852.0;

}  // namespace radarctl::meaning
