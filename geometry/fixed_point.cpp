#include "geometry/fixed_point.h"

namespace radar::geometry {
namespace {

constexpr uint32_t low_half = 0xFFFF;

uint32_t magnitude(int32_t a) {
    const uint32_t bits = static_cast<uint32_t>(a);
    return a < 0 ? 0u - bits : bits;
}

int32_t signed_result(uint32_t m, bool negative) {
    return static_cast<int32_t>(negative ? 0u - m : m);
}

bool opposite_signs(int32_t a, int32_t b) { return (a < 0) != (b < 0); }

// The 16-bit halves of the two magnitudes of a product.
struct Halves {
    uint32_t ah, al, bh, bl;
};

Halves halves_of(int32_t a, int32_t b) {
    const uint32_t ma = magnitude(a);
    const uint32_t mb = magnitude(b);
    return {ma >> 16, ma & low_half, mb >> 16, mb & low_half};
}

}  // namespace

int32_t MulHigh32(int32_t a, int32_t b) {
    const Halves h = halves_of(a, b);
    uint32_t m = (h.al * h.bl) / 65536 + h.al * h.bh + h.ah * h.bl;
    m = m / 65536 + h.ah * h.bh;
    return signed_result(m, opposite_signs(a, b));
}

int32_t MulQ31(int32_t a, int32_t b) {
    const Halves h = halves_of(a, b);
    const uint32_t p1 = h.al * h.bh;
    const uint32_t p2 = h.ah * h.bl;
    uint32_t m = ((h.al * h.bl) / 65536 + (p1 & low_half) + (p2 & low_half)) / 32768;
    m = m + p1 / 32768 + p2 / 32768 + 2 * h.ah * h.bh;
    return signed_result(m, opposite_signs(a, b));
}

int32_t DivQ31(int32_t a, int32_t b) {
    uint32_t remainder = magnitude(a);
    const uint32_t divisor = magnitude(b);
    uint32_t quotient = 0;
    for (int step = 0; step < 32; ++step) {
        if (remainder >= divisor) {
            quotient += 1;
            remainder -= divisor;
        }
        // Bits shifted out of the word are dropped.
        quotient <<= 1;
        remainder <<= 1;
    }
    return signed_result(quotient >> 1, opposite_signs(a, b));
}

int32_t SqrtQ31(int32_t x) {
    const uint32_t bits = static_cast<uint32_t>(x);
    // The top bit of x stands alone; the other 31 follow it in pairs, then zeros.
    uint32_t rem = bits >> 31;
    uint32_t stream = bits << 1;
    uint32_t root2 = 0;  // twice the root so far
    for (int step = 0; step < 30; ++step) {
        rem = rem * 4 + (stream >> 30);
        stream <<= 2;
        const uint32_t t = 2 * root2 + 1;
        // A signed comparison: a remainder of 2^31 or more reads as negative.
        if (static_cast<int32_t>(rem) >= static_cast<int32_t>(t)) {
            rem -= t;
            root2 = t + 1;
        } else {
            root2 = t - 1;
        }
    }
    return static_cast<int32_t>(root2);
}

}  // namespace radar::geometry
