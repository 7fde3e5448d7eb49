#include "geometry/cpa.h"

#include "geometry/fixed_point.h"
#include "geometry/trig.h"

namespace radar::geometry {
namespace {

// Left shifts and sums of 32-bit values wrap, as on the machine word; C++
// shifts of signed values right are arithmetic.
int32_t shifted_left(int32_t value, int bits) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) << bits);
}

int32_t wrapping_sum(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t wrapping_difference(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

int32_t absolute(int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    return static_cast<int32_t>(value < 0 ? 0u - bits : bits);
}

// The quotient of an exact 64-bit product, truncated toward zero.
int32_t product_over(int64_t a, int64_t b, int64_t divisor) {
    return static_cast<int32_t>(a * b / divisor);
}

// Sum of the squares of a vector's components, in Q31 products.
int32_t squared_length(Vector v) { return wrapping_sum(MulQ31(v.x, v.x), MulQ31(v.y, v.y)); }

// 0x78000000 is 15/16 in Q31: with the halving after it, a quotient of
// 2^11-per-NM distance over 2^19-per-knot speed becomes 65536 per minute.
constexpr int32_t minutes_per_quotient = 0x78000000;

}  // namespace

int32_t scaled_range(int32_t range) { return product_over(range, 65536, 100); }

Vector target_position(int32_t scaled, int32_t bearing) {
    return {product_over(scaled, SinTenth(bearing), 65536),
            product_over(scaled, CosTenth(bearing), 65536)};
}

int32_t scaled_speed(int32_t speed) { return product_over(speed, 65536, 10); }

Vector ship_velocity(int32_t speed, int32_t course) {
    const int32_t s = scaled_speed(speed);
    return {shifted_left(MulHigh32(s, SinTenth(course) * 16384), 2),
            shifted_left(MulHigh32(s, CosTenth(course) * 16384), 2)};
}

Vector solution_position(Vector position) {
    return {shifted_left(position.x, 7), shifted_left(position.y, 7)};
}

Vector relative_velocity(Vector own, Vector target) {
    return {shifted_left(wrapping_difference(target.x, own.x), 3),
            shifted_left(wrapping_difference(target.y, own.y), 3)};
}

int32_t relative_speed(Vector velocity) { return SqrtQ31(squared_length(velocity)); }

int32_t present_range(Vector position) { return SqrtQ31(squared_length(position)) >> 7; }

Vector direction_of(Vector velocity, int32_t speed) {
    const int32_t twice = shifted_left(speed, 1);
    return {DivQ31(velocity.x, twice), DivQ31(velocity.y, twice)};
}

int32_t distance_to_run(Vector position, Vector direction) {
    return -((MulQ31(position.y, direction.y) >> 11) + (MulQ31(position.x, direction.x) >> 11));
}

int32_t time_to_run(int32_t distance, int32_t speed) {
    // The quotient below keeps only the fraction of distance over speed.
    if (absolute(distance) >= speed) return distance < 0 ? -longest_tcpa : longest_tcpa;
    return MulQ31(DivQ31(distance, speed), minutes_per_quotient) >> 1;
}

int32_t distance_from_track(Vector position, Vector direction) {
    return absolute(wrapping_difference(MulQ31(position.x, direction.y),
                                        MulQ31(position.y, direction.x))) >>
           6;
}

Approach closest_approach(int32_t range, int32_t bearing, int32_t own_speed, int32_t own_course,
                          int32_t target_speed, int32_t target_course) {
    const Vector position = solution_position(target_position(scaled_range(range), bearing));
    const Vector velocity = relative_velocity(ship_velocity(own_speed, own_course),
                                              ship_velocity(target_speed, target_course));
    const int32_t speed = relative_speed(velocity);
    if (speed < slowest_relative_speed) return {present_range(position), 0};
    const Vector direction = direction_of(velocity, speed);
    return {distance_from_track(position, direction),
            time_to_run(distance_to_run(position, direction), speed)};
}

}  // namespace radar::geometry
