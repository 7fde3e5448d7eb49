#include "geometry/trig.h"

#include <cstddef>

#include "geometry/sine_table.h"

namespace radar::geometry {
namespace {

constexpr int32_t full_turn = 3600;
constexpr int32_t quarter_turn = 900;
constexpr int32_t half_turn = 1800;

// The angle as a signed 16-bit value, brought into 0-3599. From -3600 up this
// is "add a turn when negative, then the remainder of truncating division";
// below -3600 the same floored remainder keeps the table index in bounds and
// still gives the true angle.
int32_t within_turn(int32_t a) {
    const int32_t r = static_cast<int16_t>(a) % full_turn;
    return r < 0 ? r + full_turn : r;
}

// Entry i of the table, for i in 0-900.
int32_t entry(int32_t i) { return sine_table[static_cast<std::size_t>(i)]; }

}  // namespace

int32_t SinTenth(int32_t a) {
    const int32_t r = within_turn(a);
    if (r < quarter_turn) return entry(r);
    if (r < half_turn) return entry(half_turn - r);
    if (r < half_turn + quarter_turn) return -entry(r - half_turn);
    return -entry(full_turn - r);
}

int32_t CosTenth(int32_t a) { return SinTenth(within_turn(a) + quarter_turn); }

}  // namespace radar::geometry
