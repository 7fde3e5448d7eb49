// Target geometry: the sine table against its definition; table sine and
// cosine; the four fixed-point routines against closed forms; every number of
// the worked crossing, step by step; the calculator's cases, refusals and
// TCPA bound; the whole calculation against an independent 64-bit model
// (bit for bit) and against exact geometry (within a stated tolerance); and
// the fixed-point routines against their first, bit-by-bit forms, and the
// calculator against a checksum of its results taken with those forms.
#include "geometry/cpa.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "geometry/fixed_point.h"
#include "geometry/sine_table.h"
#include "geometry/trig.h"
#include "radar.h"

namespace {

using namespace radar::geometry;
using i64 = int64_t;
using u64 = uint64_t;

constexpr i64 two_31 = i64{1} << 31;

// ---- The independent model: closed forms in 64-bit arithmetic -------------

i64 floor_div(i64 a, i64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }  // b > 0
i64 signed_as(bool negative, i64 m) { return negative ? -m : m; }
u64 magnitude(i64 a) { return static_cast<u64>(a < 0 ? -a : a); }
u64 isqrt(u64 n) {
    u64 r = static_cast<u64>(std::sqrt(static_cast<long double>(n)));
    while (r * r > n) --r;
    while ((r + 1) * (r + 1) <= n) ++r;
    return r;
}
// A result as the 32-bit word holds it.
int32_t word(i64 v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

// The table rebuilt from the long double sine: floor(sin * 65536), two
// entries raised by one. The table test shows every entry lies clear of an
// integer, so the floor is certain.
long double scaled_sine(int i) {
    return std::sin(i * std::numbers::pi_v<long double> / 1800) * 65536;
}
const std::array<i64, 901> &model_table() {
    static const std::array<i64, 901> t = [] {
        std::array<i64, 901> built{};
        for (int i = 0; i <= 900; ++i)
            built[i] = static_cast<i64>(std::floor(scaled_sine(i) + 1e-9L));
        built[450] += 1;
        built[600] += 1;
        return built;
    }();
    return t;
}
// Quadrant by quadrant, for 0-3599.
i64 model_sin(i64 a) {
    const i64 k = a % 900;
    const i64 quadrant[] = {model_table()[k], model_table()[900 - k], -model_table()[k],
                            -model_table()[900 - k]};
    return quadrant[a / 900];
}
i64 model_cos(i64 a) { return model_sin((a + 900) % 3600); }
i64 turn(i64 a) { return ((a % 3600) + 3600) % 3600; }

i64 mul_high(i64 a, i64 b) {
    return signed_as((a < 0) != (b < 0), static_cast<i64>(magnitude(a) * magnitude(b) >> 32));
}
// The exact Q31 product plus bit 15 of each middle partial product.
i64 mul_q31(i64 a, i64 b) {
    const u64 A = magnitude(a), B = magnitude(b);
    const u64 m =
        (A * B >> 31) + ((A & 0xFFFF) * (B >> 16) >> 15 & 1) + ((A >> 16) * (B & 0xFFFF) >> 15 & 1);
    return signed_as((a < 0) != (b < 0), static_cast<i64>(m));
}
// For abs(a) below abs(b): exact; for abs(b) to 2 abs(b): the fraction only.
i64 div_q31(i64 a, i64 b) {
    const u64 A = magnitude(a), B = magnitude(b);
    const u64 q = A < B ? (A << 31) / B : ((A - B) << 31) / B;
    return signed_as((a < 0) != (b < 0), static_cast<i64>(q));
}
// 2 isqrt(x 2^29), for 0 <= x < 2^31, less 2 when the remainder of the last
// digit reaches 2^31 and the signed comparison of the digit turns it down.
i64 sqrt_q31(i64 x) {
    const u64 top = static_cast<u64>(x) << 27;
    const u64 partial = isqrt(top);
    const bool turned_down = 4 * (top - partial * partial) >= static_cast<u64>(two_31);
    return static_cast<i64>(2 * isqrt(static_cast<u64>(x) << 29)) - (turned_down ? 2 : 0);
}

struct Args {
    int32_t range, bearing, own_speed, own_course, target_speed, target_course;
};

struct ModelResult {
    int32_t cpa, tcpa;
    bool still, capped, fits;  // relative speed below 0.01 knot; TCPA capped; no 32-bit overflow
};

ModelResult model(const Args &a) {
    bool fits = true;
    auto checked = [&fits](i64 v) {
        fits = fits && v >= -two_31 && v < two_31;
        return v;
    };
    const i64 c = i64{a.range} * 65536 / 100;
    const i64 px = checked(c * model_sin(a.bearing) / 65536 * 128);
    const i64 py = checked(c * model_cos(a.bearing) / 65536 * 128);
    auto along = [](i64 speed, i64 sine) { return mul_high(speed * 65536 / 10, sine * 16384) * 4; };
    const i64 east = along(a.target_speed, model_sin(a.target_course)) -
                     along(a.own_speed, model_sin(a.own_course));
    const i64 north = along(a.target_speed, model_cos(a.target_course)) -
                      along(a.own_speed, model_cos(a.own_course));
    const i64 vx = checked(east * 8), vy = checked(north * 8);
    const i64 v = sqrt_q31(checked(mul_q31(vx, vx) + mul_q31(vy, vy)));
    if (v < 5242) {
        const i64 r = sqrt_q31(checked(mul_q31(px, px) + mul_q31(py, py)));
        return {word(floor_div(r, 128)), 0, true, false, fits};
    }
    const i64 twice = checked(2 * v);
    fits = fits && magnitude(vx) < magnitude(twice) && magnitude(vy) < magnitude(twice);
    const i64 ux = div_q31(vx, twice), uy = div_q31(vy, twice);
    const i64 d = -(floor_div(mul_q31(py, uy), 2048) + floor_div(mul_q31(px, ux), 2048));
    const bool capped = magnitude(d) >= static_cast<u64>(v);
    const i64 tcpa =
        capped ? signed_as(d < 0, 0x3C000000) : floor_div(mul_q31(div_q31(d, v), 0x78000000), 2);
    const i64 cpa = floor_div(static_cast<i64>(magnitude(mul_q31(px, uy) - mul_q31(py, ux))), 64);
    return {word(cpa), word(tcpa), false, capped, fits};
}

struct Call {
    int16_t status;
    int32_t cpa, tcpa;
};

constexpr int32_t untouched = 0x5A5A5A5A;

Call call(const Args &a) {
    Call c{0, untouched, untouched};
    c.status = OrvaneCalCpaTcpa(
        a.range, static_cast<int16_t>(a.bearing), static_cast<int16_t>(a.own_speed),
        static_cast<int16_t>(a.own_course), static_cast<int16_t>(a.target_speed),
        static_cast<int16_t>(a.target_course), &c.cpa, &c.tcpa);
    return c;
}

// ---- The sine table and the table trigonometry ----------------------------

TEST(SineTable, EveryEntryIsTheRoundedDownSineSave450And600) {
    for (int i = 0; i <= 900; ++i) {
        const long double exact = scaled_sine(i);
        const long double clearance = std::abs(exact - std::round(exact));
        if (i == 0 || i == 300 || i == 900) {
            EXPECT_LT(clearance, 1e-9L) << i;  // sine 0, 1/2 and 1: whole numbers
        } else {
            EXPECT_GT(clearance, 1e-6L) << i;  // far clear of an integer: the floor is certain
        }
        EXPECT_EQ(sine_table[i], model_table()[i]) << "entry " << i;
    }
    EXPECT_EQ(sine_table[450], std::floor(scaled_sine(450)) + 1);
    EXPECT_EQ(sine_table[600], std::floor(scaled_sine(600)) + 1);
}

TEST(TableTrig, KnownAngles) {
    struct Row {
        const char *legend;
        int32_t (*f)(int32_t);
        int32_t angle, expected;
    } rows[] = {
        {"sin 0", SinTenth, 0, 0},
        {"sin 90 deg", SinTenth, 900, 65536},
        {"sin 180 deg", SinTenth, 1800, 0},
        {"sin 270 deg", SinTenth, 2700, -65536},
        {"sin -90 deg", SinTenth, -900, -65536},
        {"sin -360 deg", SinTenth, -3600, 0},
        {"cos 180 deg", CosTenth, 1800, -65536},
        {"cos 0", CosTenth, 0, 65536},
        {"sin 45 deg, raised entry", SinTenth, 450, 46341},
        {"cos 30 deg, raised entry", CosTenth, 300, 56756},
        {"sin 210 deg: -1/2", SinTenth, 2100, -32768},
        {"low 16 bits: 65536 + 900", SinTenth, 65536 + 900, 65536},
    };
    for (const Row &r : rows) EXPECT_EQ(r.f(r.angle), r.expected) << r.legend;
}

TEST(TableTrig, EverySixteenBitAngleAgreesWithTheQuadrants) {
    // -3600 to 32767 is the working domain; below it the angle is still reduced
    // to the true one, so every 16-bit value gives the true table sine.
    for (int32_t a = -32768; a <= 32767; ++a) {
        ASSERT_EQ(SinTenth(a), model_sin(turn(a))) << a;
        ASSERT_EQ(CosTenth(a), model_cos(turn(a))) << a;
    }
}

// ---- Fixed-point routines ---------------------------------------------------

struct RoutineRow {
    const char *legend;
    int32_t (*f)(int32_t, int32_t);
    int32_t a, b, expected;
};

TEST(FixedPoint, HandWorkedValues) {
    const RoutineRow rows[] = {
        {"2^16 * 2^16 / 2^32", MulHigh32, 0x10000, 0x10000, 1},
        {"sign applied after", MulHigh32, -0x10000, 0x10000, -1},
        {"3 * 0x55555556 = 2^32 + 2", MulHigh32, 3, 0x55555556, 1},
        {"-1/2^32 rounds to zero", MulHigh32, -1, 1, 0},
        {"2^62 / 2^32", MulHigh32, INT32_MIN, INT32_MIN, 0x40000000},
        {"(2^62 - 2^31) / 2^32, magnitude down", MulHigh32, INT32_MIN, INT32_MAX, -0x3FFFFFFF},
        {"2^60 / 2^31", MulQ31, 0x40000000, 0x40000000, 0x20000000},
        {"negative Q31", MulQ31, -0x40000000, 0x40000000, -0x20000000},
        {"2^30 / 2^31 rounds down", MulQ31, 0x8000, 0x8000, 0},
        {"4.5 comes out 6: both middle products carry bit 15", MulQ31, 0x18000, 0x18000, 6},
        {"trace: 5242880^2 / 2^31", MulQ31, -5242880, -5242880, 12800},
        {"2^62 / 2^31 = 2^31 wraps", MulQ31, INT32_MIN, INT32_MIN, INT32_MIN},
        {"saturated quotient * 15/16", MulQ31, 0x7FFFFFFF, 0x78000000, 0x78000000},
        {"10 / 1: saturates", DivQ31, 10, 1, 0x7FFFFFFF},
        {"3 / 2: integer part lost", DivQ31, 3, 2, 0x40000000},
        {"1 / 2", DivQ31, 1, 2, 0x40000000},
        {"-1 / 2", DivQ31, -1, 2, -0x40000000},
        {"1 / -3 rounds the magnitude down", DivQ31, 1, -3, -715827882},
        {"0 / 5", DivQ31, 0, 5, 0},
        {"5 / 0 saturates", DivQ31, 5, 0, 0x7FFFFFFF},
        {"-5 / 0 saturates negative", DivQ31, -5, 0, -0x7FFFFFFF},
        {"trace: d / v", DivQ31, 7241, 7414552, 2097217},
    };
    for (const RoutineRow &r : rows) EXPECT_EQ(r.f(r.a, r.b), r.expected) << r.legend;
    const struct {
        int32_t x, expected;
    } roots[] = {{0, 0}, {1, 46340}, {2, 65536}, {4, 92680}, {25600, 7414552}};
    for (const auto &r : roots) EXPECT_EQ(SqrtQ31(r.x), r.expected) << "root of " << r.x;
}

TEST(FixedPoint, AgreeWithClosedForms) {
    std::mt19937 rng(7);
    const int32_t edges[] = {0, 1, -1, 0xFFFF, 0x10000, -0x10000, 0x7FFF, INT32_MAX, INT32_MIN};
    auto draw = [&](int i) {
        if (i % 5 == 0) return edges[rng() % std::size(edges)];
        return static_cast<int32_t>(rng()) >> (rng() % 32);  // every magnitude, both signs
    };
    for (int i = 0; i < 200000; ++i) {
        const int32_t a = draw(i), b = draw(i / 3);
        ASSERT_EQ(MulHigh32(a, b), word(mul_high(a, b))) << a << " " << b;
        ASSERT_EQ(MulQ31(a, b), word(mul_q31(a, b))) << a << " " << b;
        const u64 exact = magnitude(a) * magnitude(b) >> 31;
        ASSERT_LE(magnitude(mul_q31(a, b)) - exact, 2u);
        if (b != 0 && magnitude(a) < 2 * magnitude(b)) {
            ASSERT_EQ(DivQ31(a, b), word(div_q31(a, b))) << a << " " << b;
        }
        const int32_t x = static_cast<int32_t>((rng() >> 1) >> (rng() % 31));
        ASSERT_EQ(SqrtQ31(x), word(sqrt_q31(x))) << x;
    }
    // Around the first input whose last digit is turned down, and the top.
    for (int32_t x = 536917257 - 2000; x <= 536917257 + 2000; ++x)
        ASSERT_EQ(SqrtQ31(x), word(sqrt_q31(x))) << x;
    for (int32_t x = INT32_MAX; x > INT32_MAX - 2000; --x) ASSERT_EQ(SqrtQ31(x), word(sqrt_q31(x)));
}

// ---- The calculator ---------------------------------------------------------

TEST(CpaSteps, WorkedCrossing) {
    // Target 5 NM abeam to the east; own ship 10 knots north, target 10 knots west.
    EXPECT_EQ(scaled_range(500), 327680);
    const Vector position = target_position(327680, 900);
    EXPECT_EQ(position.x, 327680);
    EXPECT_EQ(position.y, 0);
    EXPECT_EQ(scaled_speed(100), 655360);
    const Vector own = ship_velocity(100, 0), target = ship_velocity(100, 2700);
    EXPECT_EQ(own.x, 0);
    EXPECT_EQ(own.y, 655360);
    EXPECT_EQ(target.x, -655360);
    EXPECT_EQ(target.y, 0);
    const Vector p = solution_position(position), v = relative_velocity(own, target);
    EXPECT_EQ(p.x, 41943040);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(v.x, -5242880);
    EXPECT_EQ(v.y, -5242880);
    const int32_t speed = relative_speed(v);
    EXPECT_EQ(speed, 7414552);
    const Vector u = direction_of(v, speed);
    EXPECT_EQ(u.x, -759250125);
    EXPECT_EQ(u.y, -759250125);
    const int32_t d = distance_to_run(p, u);
    EXPECT_EQ(d, 7241);
    EXPECT_EQ(DivQ31(d, speed), 2097217);
    EXPECT_EQ(time_to_run(d, speed), 983070);
    EXPECT_EQ(distance_from_track(p, u), 231704);
}

TEST(CpaSteps, ScaledRangeIsTheDoubleProductTruncated) {
    for (int32_t range = 1 - range_limit; range < range_limit; ++range)
        ASSERT_EQ(scaled_range(range), static_cast<int32_t>(range * 655.36)) << range;
}

TEST(CpaSteps, TheTurnedDownRootDigitNeverReachesAPresentRange) {
    // From about 128 NM the root's last digit may be turned down; the shift by
    // 7 that follows gives what the exact root would give.
    for (int32_t range = 12800; range < range_limit; ++range) {
        for (int32_t bearing : {0, 450, 600, 900, 1234, 3599}) {
            const Vector p = solution_position(target_position(scaled_range(range), bearing));
            const i64 x = mul_q31(p.x, p.x) + mul_q31(p.y, p.y);
            ASSERT_EQ(present_range(p), word(2 * isqrt(static_cast<u64>(x) << 29) >> 7)) << range;
        }
    }
}

TEST(CpaTcpa, EdgeCases) {
    const struct {
        const char *legend;
        Args args;
        int32_t cpa, tcpa;
    } rows[] = {
        {"crossing ahead at equal speed", {500, 900, 100, 0, 100, 2700}, 231704, 983070},
        {"target running away east: past", {500, 900, 100, 0, 100, 900}, 231704, -982935},
        {"target stopped 10 NM ahead, own 10 knots", {1000, 0, 100, 0, 0, 0}, 0, 3932160},
        {"both stopped: present range", {1000, 0, 0, 0, 0, 0}, 655360, 0},
        {"same course and speed: present range", {1000, 0, 250, 1234, 250, 1234}, 655360, 0},
        {"same course and speed, 10 NM south", {1000, 1800, 9999, 3599, 9999, 3599}, 655360, 0},
    };
    for (const auto &r : rows) {
        const Call c = call(r.args);
        EXPECT_EQ(c.status, RADAR_OK) << r.legend;
        EXPECT_EQ(c.cpa, r.cpa) << r.legend;
        EXPECT_EQ(c.tcpa, r.tcpa) << r.legend;
    }
    // Equal velocities at any bearing: the present range, short by no more than
    // the two table sines of the bearing lose (each up to 1/65536).
    for (int32_t bearing = 0; bearing < 3600; ++bearing) {
        const Args still{2000, bearing, 123, 456, 123, 456};
        const Call c = call(still);
        EXPECT_EQ(c.cpa, model(still).cpa) << bearing;
        EXPECT_LE(std::abs(c.cpa - scaled_range(2000)), scaled_range(2000) / 32768 + 2) << bearing;
        EXPECT_EQ(c.tcpa, 0) << bearing;
    }
}

TEST(CpaTcpa, RefusedArgumentsStoreNothing) {
    const struct {
        const char *legend;
        Args args;
    } rows[] = {
        {"bearing 3600", {500, 3600, 100, 0, 100, 0}},
        {"bearing -1", {500, -1, 100, 0, 100, 0}},
        {"own speed 10000", {500, 0, 10000, 0, 100, 0}},
        {"own speed -1", {500, 0, -1, 0, 100, 0}},
        {"own course 3600", {500, 0, 100, 3600, 100, 0}},
        {"own course negative", {500, 0, 100, -900, 100, 0}},
        {"target speed 10000", {500, 0, 100, 0, 10000, 0}},
        {"target speed -32768", {500, 0, 100, 0, -32768, 0}},
        {"target course 3600", {500, 0, 100, 0, 100, 3600}},
        {"target course negative", {500, 0, 100, 0, 100, -1}},
        {"range 25600: past the position scale", {25600, 0, 100, 0, 100, 0}},
        {"range at the 32-bit top", {INT32_MAX, 0, 100, 0, 100, 0}},
        {"range -25600: past the position scale", {-25600, 900, 100, 0, 100, 0}},
        {"range at the 32-bit bottom", {INT32_MIN, 0, 100, 0, 100, 0}},
        {"every argument out", {-5, 3600, 10000, 3600, 10000, 3600}},
    };
    for (const auto &r : rows) {
        const Call c = call(r.args);
        EXPECT_EQ(c.status, RADAR_REFUSED) << r.legend;
        EXPECT_EQ(c.cpa, untouched) << r.legend;
        EXPECT_EQ(c.tcpa, untouched) << r.legend;
    }
    int32_t kept = untouched;
    EXPECT_EQ(OrvaneCalCpaTcpa(500, 0, 0, 0, 0, 0, nullptr, &kept), RADAR_REFUSED);
    EXPECT_EQ(OrvaneCalCpaTcpa(500, 0, 0, 0, 0, 0, &kept, nullptr), RADAR_REFUSED);
    EXPECT_EQ(kept, untouched);
    // The last values inside every range are taken.
    EXPECT_EQ(call({25599, 3599, 9999, 3599, 9999, 0}).status, RADAR_OK);
    EXPECT_EQ(call({-25599, 0, 9999, 0, 9999, 3599}).status, RADAR_OK);
    EXPECT_EQ(call({0, 0, 0, 0, 0, 0}).status, RADAR_OK);
}

TEST(CpaTcpa, TimesOf256HoursOrMoreHoldAtTheBound) {
    // 255.99 NM ahead, target stopped, own ship at 0.1 knot: 2559.9 hours.
    EXPECT_EQ(call({25599, 0, 1, 0, 0, 0}).tcpa, longest_tcpa);
    EXPECT_EQ(call({25599, 0, 1, 1800, 0, 0}).tcpa, -longest_tcpa);  // moving away: past
    // Own ship at 1 knot: 255.99 hours, just inside; the model agrees to the bit.
    const Args inside{25599, 0, 10, 0, 0, 0};
    const ModelResult m = model(inside);
    EXPECT_FALSE(m.capped);
    EXPECT_EQ(call(inside).tcpa, m.tcpa);
    EXPECT_LT(m.tcpa, longest_tcpa);
    EXPECT_GT(m.tcpa, longest_tcpa - 65536);  // within a minute of the bound
    // The quotient alone: from d = v it would wrap back to short times; at 2v
    // and beyond it saturates to the very bound the calculator uses.
    const int32_t v = 1 << 20;
    auto quotient_only = [](int32_t d, int32_t s) { return MulQ31(DivQ31(d, s), 0x78000000) >> 1; };
    EXPECT_EQ(quotient_only(v, v), 0);                         // 256 hours reads 0
    EXPECT_EQ(quotient_only(v + v / 2, v), longest_tcpa / 2);  // 384 hours reads 128
    EXPECT_EQ(quotient_only(2 * v, v), longest_tcpa);
    EXPECT_EQ(quotient_only(-2 * v, v), -longest_tcpa);
    for (int32_t d : {v - 1, v, v + 1, v + v / 2, 2 * v, 8 * v}) {
        EXPECT_EQ(time_to_run(d, v), d < v ? quotient_only(d, v) : longest_tcpa) << d;
        EXPECT_EQ(time_to_run(-d, v), d < v ? quotient_only(-d, v) : -longest_tcpa) << d;
    }
}

// ---- The whole calculation against the model and against geometry -------

// Tuples from four draws: anything in range; nearly equal velocities (slow
// relative motion: the still branch and long times); long ranges at the
// angles where the scale is tightest; slow ships (long times).
Args draw_args(std::mt19937 &rng, int kind) {
    auto in = [&rng](int32_t lo, int32_t hi) {
        return std::uniform_int_distribution<int32_t>(lo, hi)(rng);
    };
    const int32_t tight[] = {0, 1, 299, 300, 449, 450, 451, 600, 900, 1350, 1800, 2700, 3150, 3599};
    Args a{in(0, 25599), in(0, 3599), in(0, 9999), in(0, 3599), in(0, 9999), in(0, 3599)};
    if (kind == 1) {
        a.target_speed = std::clamp(a.own_speed + in(-3, 3), 0, 9999);
        a.target_course = (a.own_course + in(-2, 2) + 3600) % 3600;
    } else if (kind == 2) {
        a.range = in(24000, 25599);
        a.bearing = tight[in(0, std::size(tight) - 1)];
        a.own_course = tight[in(0, std::size(tight) - 1)];
    } else if (kind == 3) {
        a.own_speed = in(0, 30);
        a.target_speed = in(0, 30);
    }
    return a;
}

TEST(CpaModel, BitForBitOverSeededTuples) {
    std::mt19937 rng(20240607);
    int still = 0, capped = 0;
    for (int i = 0; i < 160000; ++i) {
        const Args a = draw_args(rng, i % 4);
        const ModelResult m = model(a);
        const Call c = call(a);
        ASSERT_TRUE(m.fits) << "a 32-bit step overflows at range " << a.range;
        ASSERT_EQ(c.status, RADAR_OK);
        ASSERT_EQ(c.cpa, m.cpa) << a.range << " " << a.bearing << " " << a.own_speed << " "
                                << a.own_course << " " << a.target_speed << " " << a.target_course;
        ASSERT_EQ(c.tcpa, m.tcpa) << a.range << " " << a.bearing << " " << a.own_speed << " "
                                  << a.own_course << " " << a.target_speed << " "
                                  << a.target_course;
        still += m.still;
        capped += m.capped;
    }
    EXPECT_GT(still, 2000);  // every branch is reached often
    EXPECT_GT(capped, 2000);
}

TEST(CpaTcpa, ANegativeRangePlacesTheTargetOnTheReciprocalBearing) {
    // 5 NM at bearing 900, read negative: the target lies to the west.
    const Vector west = target_position(scaled_range(-500), 900);
    EXPECT_EQ(west.x, -327680);
    EXPECT_EQ(west.y, 0);
    // Bit for bit the 64-bit model, and the same results as the positive
    // range on the reciprocal bearing (the table's sine changes sign exactly).
    std::mt19937 rng(1800);
    for (int i = 0; i < 40000; ++i) {
        Args a = i == 0 ? Args{500, 900, 100, 0, 100, 2700} : draw_args(rng, i % 4);
        a.range = -a.range;
        const ModelResult m = model(a);
        const Call c = call(a);
        ASSERT_TRUE(m.fits) << a.range;
        ASSERT_EQ(c.status, RADAR_OK) << a.range;
        ASSERT_EQ(c.cpa, m.cpa) << a.range << " " << a.bearing;
        ASSERT_EQ(c.tcpa, m.tcpa) << a.range << " " << a.bearing;
        const Call reciprocal = call({-a.range, (a.bearing + 1800) % 3600, a.own_speed,
                                      a.own_course, a.target_speed, a.target_course});
        ASSERT_EQ(c.cpa, reciprocal.cpa) << a.range << " " << a.bearing;
        ASSERT_EQ(c.tcpa, reciprocal.tcpa) << a.range << " " << a.bearing;
    }
}

// Exact geometry in long double with true sines. TCPA is compared as the
// distance it stands for along the relative track (its error times the
// relative speed), so that one length tolerance serves both results: 0.01 NM,
// or more where the fixed point cannot resolve that (see `resolution`).
TEST(CpaGeometry, WithinAHundredthOfAMileOrTheFixedPointResolution) {
    std::mt19937 rng(99);
    const long double pi = std::numbers::pi_v<long double>;
    auto toward = [pi](long double speed, int32_t course, bool east) {
        return speed * (east ? std::sin(course * pi / 1800) : std::cos(course * pi / 1800));
    };
    int compared = 0, at_a_hundredth = 0;
    long double worst = 0;
    for (int i = 0; i < 100000; ++i) {
        // Any speeds, slow ships (up to 3 knots), ship speeds (up to 50 knots).
        Args a = draw_args(rng, i % 3 == 1 ? 3 : 0);
        if (i % 3 == 2) a.own_speed %= 501, a.target_speed %= 501;
        a.range %= 10000;  // below 100 NM
        const long double r = a.range / 100.0L, so = a.own_speed / 10.0L,
                          st = a.target_speed / 10.0L;
        const long double px = toward(r, a.bearing, true), py = toward(r, a.bearing, false);
        const long double vx = toward(st, a.target_course, true) - toward(so, a.own_course, true);
        const long double vy = toward(st, a.target_course, false) - toward(so, a.own_course, false);
        const long double speed = std::hypot(vx, vy);
        if (speed <= 1) continue;
        const long double cpa = std::abs(px * vy - py * vx) / speed;
        const long double hours = -(px * vx + py * vy) / (speed * speed);
        // First-order error budget, with a quarter added for second-order terms:
        // each table sine is short by up to 1/65536 and each velocity component
        // by up to 4/65536 knot more, which turns the track by the ratio of the
        // velocity error to the relative speed; the squared relative speed holds
        // 128 units per knot squared and its two Q31 squares may be 4 units
        // over, which scales the direction by up to 1/(64 v^2) and the time by
        // twice that; the shifts to 2^11 per NM lose up to 0.002 NM.
        const long double resolution =
            1.25L * (0.002L + std::sqrt(2.0L) * ((r + 2) + 2 * r * (so + st + 10) / speed) / 65536 +
                     r / (32 * speed * speed));
        const long double tolerance = std::max(0.01L, resolution);
        const Call c = call(a);
        const long double cpa_error = std::abs(c.cpa / 65536.0L - cpa);
        const long double run_error = std::abs(c.tcpa / 65536.0L / 60 - hours) * speed;
        ASSERT_LE(cpa_error, tolerance) << i;
        ASSERT_LE(run_error, tolerance) << i;
        worst = std::max({worst, cpa_error / tolerance, run_error / tolerance});
        ++compared;
        at_a_hundredth += resolution <= 0.01L;
    }
    EXPECT_GT(compared, 80000);
    EXPECT_GT(at_a_hundredth, compared / 3);
    RecordProperty("worst_error_over_tolerance", std::to_string(static_cast<double>(worst)));
    RecordProperty("held_to_a_hundredth", at_a_hundredth);
}

// ---- The routines against their first forms ----------------------------------

// The fixed-point routines as first written (products from 16-bit halves,
// quotients and roots one step per bit), kept here unchanged as the
// reference: the library may compute them any way it likes, but its results
// must equal these for every input, quirks included.
namespace bitwise {

uint32_t magnitude(int32_t a) {
    const uint32_t bits = static_cast<uint32_t>(a);
    return a < 0 ? 0u - bits : bits;
}

int32_t signed_result(uint32_t m, bool negative) {
    return static_cast<int32_t>(negative ? 0u - m : m);
}

bool opposite_signs(int32_t a, int32_t b) { return (a < 0) != (b < 0); }

constexpr uint32_t low_half = 0xFFFF;

struct Halves {
    uint32_t ah, al, bh, bl;
};

Halves halves_of(int32_t a, int32_t b) {
    const uint32_t ma = magnitude(a);
    const uint32_t mb = magnitude(b);
    return {ma >> 16, ma & low_half, mb >> 16, mb & low_half};
}

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

}  // namespace bitwise

int32_t from_bits(uint32_t bits) { return static_cast<int32_t>(bits); }

// Words where something changes: 0 to 3, every power of two and its
// neighbours, the ends of the signed range, alternating bits; each with both
// signs (the negation of a word taken modulo 2^32).
std::vector<int32_t> edge_words() {
    std::vector<uint32_t> bits = {0, 1, 2, 3, 5, 7, 0x55555555, 0xAAAAAAAA, 0x7FFFFFFE, 0xFFFFFFFF};
    for (int k = 1; k < 32; ++k)
        for (uint32_t near : {(1u << k) - 1, 1u << k, (1u << k) + 1}) bits.push_back(near);
    std::vector<int32_t> words;
    for (uint32_t b : bits) {
        words.push_back(from_bits(b));
        words.push_back(from_bits(0u - b));
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

// A word of every size equally often: uniform bits shifted right by 0-31,
// with either sign.
int32_t log_uniform(std::mt19937 &rng) {
    const uint32_t m = rng() >> (rng() % 32);
    return from_bits(rng() % 2 ? 0u - m : m);
}

// Halves of 0, 1, around bit 15 and all ones in every combination (where the
// partial products, their bit 15 and the carries are at their extremes) and
// the edge words, in all pairs; then seeded words, uniform and of every size.
TEST(BitExact, ProductsAtTheEdgesAndOverSeededWords) {
    std::vector<int32_t> words = edge_words();
    for (uint32_t high : {0x0000u, 0x0001u, 0x7FFFu, 0x8000u, 0xFFFFu})
        for (uint32_t low : {0x0000u, 0x0001u, 0x7FFFu, 0x8000u, 0x8001u, 0xFFFFu})
            words.insert(words.end(),
                         {from_bits(high << 16 | low), from_bits(0u - (high << 16 | low))});
    for (int32_t a : words) {
        for (int32_t b : words) {
            ASSERT_EQ(MulHigh32(a, b), bitwise::MulHigh32(a, b)) << a << " * " << b;
            ASSERT_EQ(MulQ31(a, b), bitwise::MulQ31(a, b)) << a << " * " << b;
        }
    }
    std::mt19937 rng(2718);
    for (int i = 0; i < 2000000; ++i) {
        const int32_t a = i % 2 ? from_bits(rng()) : log_uniform(rng);
        const int32_t b = i % 4 < 2 ? from_bits(rng()) : log_uniform(rng);
        ASSERT_EQ(MulHigh32(a, b), bitwise::MulHigh32(a, b)) << a << " * " << b;
        ASSERT_EQ(MulQ31(a, b), bitwise::MulQ31(a, b)) << a << " * " << b;
    }
}

// Whether DivQ31's quotient is the plain rounded-down one (nothing dropped).
bool divides_exactly(int32_t a, int32_t b) {
    return b != 0 && bitwise::magnitude(a) < bitwise::magnitude(b);
}

TEST(BitExact, DivQ31AtTheEdges) {
    const std::vector<int32_t> words = edge_words();
    int exact = 0;
    for (int32_t a : words) {
        for (int32_t b : words) {
            ASSERT_EQ(DivQ31(a, b), bitwise::DivQ31(a, b)) << a << " / " << b;
            exact += divides_exactly(a, b);
        }
    }
    // Dividends placed against each divisor: zero, half, just below, equal,
    // just above, twice and around twice the divisor's magnitude (wrapped
    // where that leaves the word), with both signs.
    std::mt19937 rng(31);
    std::vector<int32_t> divisors = words;
    for (int i = 0; i < 20000; ++i) divisors.push_back(log_uniform(rng));
    for (int32_t b : divisors) {
        const uint32_t d = bitwise::magnitude(b);
        for (uint32_t r : {0u, d / 2, d - 2, d - 1, d, d + 1, 2 * d - 1, 2 * d, 2 * d + 1}) {
            for (int32_t a : {from_bits(r), from_bits(0u - r)}) {
                ASSERT_EQ(DivQ31(a, b), bitwise::DivQ31(a, b)) << a << " / " << b;
                exact += divides_exactly(a, b);
            }
        }
    }
    EXPECT_GT(exact, 60000);  // both ways through the routine are taken
}

TEST(BitExact, DivQ31OverSeededWords) {
    std::mt19937 rng(4711);
    int exact = 0;
    for (int i = 0; i < 3000000; ++i) {
        // Uniform words, words of every size, and dividends just below the
        // divisor (the calculator's own case: quotients up to one).
        const int kind = i % 3;
        const int32_t b = kind == 0 ? from_bits(rng()) : log_uniform(rng);
        int32_t a = kind == 0 ? from_bits(rng()) : log_uniform(rng);
        if (kind == 2) {
            const uint32_t d = bitwise::magnitude(b);
            const uint32_t r = d - 1 - ((d == 0 ? 0 : rng() % d) >> (rng() % 32));
            a = from_bits(rng() % 2 ? 0u - r : r);
        }
        ASSERT_EQ(DivQ31(a, b), bitwise::DivQ31(a, b)) << a << " / " << b;
        exact += divides_exactly(a, b);
    }
    EXPECT_GT(exact, 1700000);  // about a half, a half and all of the three kinds
    EXPECT_LT(exact, 2300000);
}

// The x whose x * 2^29 lie just below k^2 (the closest ones), with their
// neighbours, up to the top of the word.
std::vector<uint32_t> around_square(u64 k) {
    const u64 below = (k * k - 1) >> 29;
    std::vector<uint32_t> xs;
    for (u64 x = below > 0 ? below - 1 : 0; x <= below + 2; ++x)
        if (x <= 0xFFFFFFFFu) xs.push_back(static_cast<uint32_t>(x));
    return xs;
}

TEST(BitExact, SqrtQ31AtTheEdges) {
    std::vector<uint32_t> xs;
    for (uint32_t x = 0; x < 65536; ++x) xs.push_back(x);
    // Around every power of two, up to the top of the unsigned word.
    for (int k = 16; k < 32; ++k)
        for (uint32_t d = 0; d < 1024; ++d) xs.insert(xs.end(), {(1u << k) + d, (1u << k) - 1 - d});
    for (uint32_t d = 0; d < 1024; ++d) xs.push_back(0xFFFFFFFF - d);
    // Around 2^29, where the remainder of the last digit first nears 2^31, and
    // around the first input whose last digit is turned down.
    for (uint32_t d = 0; d < 70000; ++d) xs.insert(xs.end(), {(1u << 29) + d, (1u << 29) - 1 - d});
    for (uint32_t x = 536917257 - 2000; x <= 536917257 + 2000; ++x) xs.push_back(x);
    // Roots a hair below a whole number k: for k = j 2^28 + c, k^2 is c^2 above
    // a multiple of 2^29, so for c other than 0 the closest x * 2^29 below it
    // have roots within c^2 / 2k of k, where a floating-point root rounds up
    // to k. Also squares of a spread of roots, and whole roots, x = 2 m^2.
    for (u64 j = 0; j < 6; ++j)
        for (int c = -16; c <= 16; ++c)
            if ((j << 28) + c > 0)
                for (uint32_t x : around_square((j << 28) + static_cast<u64>(c))) xs.push_back(x);
    for (int t = 8; t <= 30; ++t)
        for (u64 j = 1; j < 4; ++j)
            for (u64 c = 0; c < 3; ++c)
                for (uint32_t x : around_square((j << t) - c)) xs.push_back(x);
    for (u64 m = 1; m < 50000; m += 7) xs.push_back(static_cast<uint32_t>(2 * m * m));
    xs.insert(xs.end(), {0x7FFFFFFF, 0x80000000, 0x80000001, 0xC0000000, 0xFFFFFFFE});
    for (uint32_t x : xs) ASSERT_EQ(SqrtQ31(from_bits(x)), bitwise::SqrtQ31(from_bits(x))) << x;
}

TEST(BitExact, SqrtQ31OverSeededWords) {
    std::mt19937 rng(1234);
    for (int i = 0; i < 3000000; ++i) {
        // Uniform words (half of them negative as signed), words of every
        // size, and the lower quarter of the positive words.
        const int kind = i % 3;
        const uint32_t x = kind == 0 ? rng() : kind == 1 ? rng() >> (rng() % 32) : rng() >> 3;
        ASSERT_EQ(SqrtQ31(from_bits(x)), bitwise::SqrtQ31(from_bits(x))) << x;
    }
}

// A checksum of every result of the exported calculator over a fixed sweep:
// a grid of values at the edges of each argument's range, then seeded tuples
// (anything in range, nearly equal velocities, slow ships, far targets with
// nearly equal velocities), drawn from the generator's raw output so that the
// sweep is the same with every standard library. FNV-1a over the status and
// both results.
struct Sweep {
    uint64_t hash = 0xCBF29CE484222325u;
    int calls = 0, still = 0, still_far = 0, capped = 0;

    void add(uint32_t word) {
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (word >> (8 * byte)) & 0xFF;
            hash *= 0x100000001B3u;
        }
    }
    void run(const Args &a) {
        const Call c = call(a);
        add(static_cast<uint32_t>(c.status));
        add(static_cast<uint32_t>(c.cpa));
        add(static_cast<uint32_t>(c.tcpa));
        ++calls;
        const Vector v = relative_velocity(ship_velocity(a.own_speed, a.own_course),
                                           ship_velocity(a.target_speed, a.target_course));
        if (relative_speed(v) < slowest_relative_speed) {
            ++still;
            still_far += a.range >= 12800;  // past about 128 NM: the root's widest inputs
        }
        capped += c.tcpa == longest_tcpa || c.tcpa == -longest_tcpa;
    }
};

TEST(BitExact, CalculatorOverAFixedSweep) {
    Sweep sweep;
    const int32_t ranges[] = {0, 1, 99, 100, 500, 1000, 4800, 9999, 12799, 12800, 20000, 25599};
    const int32_t angles[] = {0, 1, 450, 600, 899, 900, 1234, 1800, 2700, 3599};
    const int32_t speeds[] = {0, 1, 10, 100, 500, 9999};
    for (int32_t range : ranges)
        for (int32_t bearing : angles)
            for (int32_t own_speed : speeds)
                for (int32_t own_course : angles)
                    for (int32_t target_speed : speeds)
                        for (int32_t target_course : {0, 450, 1800, 3599})
                            sweep.run({range, bearing, own_speed, own_course, target_speed,
                                       target_course});
    std::mt19937 rng(8128);
    auto in = [&rng](int32_t lo, int32_t hi) {
        return lo + static_cast<int32_t>(rng() % static_cast<uint32_t>(hi - lo + 1));
    };
    for (int i = 0; i < 600000; ++i) {
        Args a{in(0, 25599), in(0, 3599), in(0, 9999), in(0, 3599), in(0, 9999), in(0, 3599)};
        switch (i % 4) {
            case 1:  // nearly equal velocities
                a.target_speed = std::clamp(a.own_speed + in(-3, 3), 0, 9999);
                a.target_course = (a.own_course + in(-2, 2) + 3600) % 3600;
                break;
            case 2:  // slow ships
                a.own_speed = in(0, 30);
                a.target_speed = in(0, 30);
                break;
            case 3:  // far targets, nearly equal velocities
                a.range = in(12800, 25599);
                a.target_speed = std::clamp(a.own_speed + in(-1, 1), 0, 9999);
                a.target_course = (a.own_course + in(-1, 1) + 3600) % 3600;
                break;
        }
        sweep.run(a);
    }
    // Taken by this sweep from the library as it was when the routines were
    // still in their first forms (the ones in `bitwise` above), built on
    // Linux x86-64 with GCC 12, Release.
    EXPECT_EQ(sweep.hash, 0xDBE767609C2DEC67u);
    EXPECT_EQ(sweep.calls, 172800 + 600000);
    EXPECT_GT(sweep.still, 50000);  // every branch is reached often
    EXPECT_GT(sweep.still_far, 35000);
    EXPECT_GT(sweep.capped, 70000);
}

}  // namespace
