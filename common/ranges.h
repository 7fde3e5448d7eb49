// The radar's range steps: the scale code an echo line carries (its place in
// the table, the same number as the range step of command 0x17) and the
// range it stands for, and the samples a line has at that range.
#pragma once

#include <cstdint>

namespace radarctl {

constexpr int range_steps = 18;  // scale codes 0..17

// The scale code and the sample count for a range, as the station sends them.
uint8_t scale_code_for(double range_nm);
uint16_t sample_count_for(double range_nm);
// The range a scale code stands for: the far edge of the last sample.
double range_for_scale_code(uint8_t scale_code);

}  // namespace radarctl
