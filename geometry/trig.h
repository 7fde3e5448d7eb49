// Sine and cosine of angles in tenths of a degree, read from the quarter-wave
// table; 65536 is 1.0.
#pragma once

#include <cstdint>

namespace radar::geometry {

// Sine of `a` tenths of a degree. `a` is taken as a signed 16-bit value; the
// angles the calculator passes are 0-3599, and -3600 to 32767 all work.
int32_t SinTenth(int32_t a);

// Cosine of `a` tenths of a degree, over the same angles.
int32_t CosTenth(int32_t a);

}  // namespace radar::geometry
