#include "geometry/fixed_point.h"

#include <cmath>

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

// The exact product of the two magnitudes.
uint64_t product_of(int32_t a, int32_t b) { return uint64_t{magnitude(a)} * magnitude(b); }

// SqrtQ31's inputs below this get the exact root.
constexpr uint32_t root_exact_below = uint32_t{1} << 29;

// floor(sqrt(x * 2^29)) for x below 2^29. x * 2^29 is exact in a double, so
// its rounded square root is the integer root or, when the root is a hair
// below the next integer, one above; the corrections settle it either way.
uint32_t root_of_scaled(uint32_t x) {
    const uint64_t n = uint64_t{x} << 29;
    uint64_t root = static_cast<uint64_t>(std::sqrt(static_cast<double>(x) * 536870912.0));
    while (root * root > n) --root;
    while ((root + 1) * (root + 1) <= n) ++root;
    return static_cast<uint32_t>(root);
}

}  // namespace

int32_t MulHigh32(int32_t a, int32_t b) {
    // The sums of 16-bit partial products never carry out of the word, so they
    // give the high word of the whole product.
    return signed_result(static_cast<uint32_t>(product_of(a, b) >> 32), opposite_signs(a, b));
}

int32_t MulQ31(int32_t a, int32_t b) {
    // The rounded-down quotient, plus bit 15 of each middle partial product,
    // which the sums of halves count twice: once in the low half that goes
    // into the carry, again when the whole middle product is divided by 2^15.
    const Halves h = halves_of(a, b);
    const uint32_t counted_twice = ((h.al * h.bh) >> 15 & 1) + ((h.ah * h.bl) >> 15 & 1);
    const uint32_t m = static_cast<uint32_t>(product_of(a, b) >> 31) + counted_twice;
    return signed_result(m, opposite_signs(a, b));
}

int32_t DivQ31(int32_t a, int32_t b) {
    uint32_t remainder = magnitude(a);
    const uint32_t divisor = magnitude(b);
    // Starting below the divisor, every remainder a step shifts is below the
    // divisor, so its double fits the word (at most 2^32 - 2): no bit is
    // dropped, the steps are plain long division, and the quotient kept is
    // floor(remainder * 2^31 / divisor).
    if (remainder < divisor) {
        const uint64_t quotient = (uint64_t{remainder} << 31) / divisor;
        return signed_result(static_cast<uint32_t>(quotient), opposite_signs(a, b));
    }
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
    // A digit compares a remainder of at most 8 times the root so far plus 3.
    // Below 2^29 the root before the last digit is below 2^28, so no compared
    // remainder reaches 2^31, no digit is turned down, and the digits give
    // twice the exact integer root of x * 2^29.
    if (bits < root_exact_below) return static_cast<int32_t>(2 * root_of_scaled(bits));
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
