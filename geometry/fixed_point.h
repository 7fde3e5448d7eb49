// The fixed-point arithmetic of the target geometry. Each routine takes and
// returns 32-bit signed values and is defined bit for bit, wraps included, so
// that every result of the calculator comes out the same on every machine.
// Signs are taken off first and put back last: the magnitudes are unsigned
// (the magnitude of -2^31 is 2^31) and a result is negated as an unsigned
// 32-bit value.
#pragma once

#include <cstdint>

namespace radar::geometry {

// a * b / 2^32 with the magnitude rounded down, from the 16-bit halves of the
// magnitudes in 32-bit unsigned arithmetic (which never carries out of the
// word for 32-bit magnitudes).
int32_t MulHigh32(int32_t a, int32_t b);

// a * b / 2^31 from the 16-bit halves of the magnitudes. The low halves of the
// two middle partial products go into the carry and are counted again when
// each whole middle product is divided by 2^15, so the magnitude exceeds the
// rounded-down value by bit 15 of each middle product: by up to 2.
int32_t MulQ31(int32_t a, int32_t b);

// a * 2^31 / b, magnitude rounded down, by 32 steps of restoring division
// that drop the bits shifted out of the word. Exact for abs(a) below abs(b);
// from abs(b) to below 2 * abs(b) the integer part is lost and the fraction
// remains; from 2 * abs(b) on the magnitude is 2^31 - 1 for b = 0 and small
// a, and otherwise whatever the dropped bits leave. The calculator divides
// only where the result is exact.
int32_t DivQ31(int32_t a, int32_t b);

// Twice the integer square root of x * 2^29, digit by digit, for x taken as
// unsigned: an even number close to sqrt(x * 2^31). Each digit compares its
// remainder with its trial value as signed numbers, so once the remainder of
// the last digit reaches 2^31 (first for x = 536917257, about 2^29) that
// digit is turned down and the result is 2 less than the exact one. The
// calculator never sees the difference: relative speeds stay below that x,
// and a present range (from about 128 NM on) is shifted right by 7. A digit
// is turned down only where it would be 1, so the exact result is 2 above a
// multiple of 4 and the shift gives the same for both.
int32_t SqrtQ31(int32_t x);

}  // namespace radar::geometry
