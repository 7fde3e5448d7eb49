// The synthetic scene: a coast to the north-east, three ships, a rain
// shower, sea clutter and noise; and a scenario's scene, drawn around own
// ship as it moves. Every sample comes from the scene's geometry or from a
// hash of where and when it lies, never from a generator that runs from line
// to line, so any line can be drawn on its own and drawn again alike. The
// receiver's gain, sea and rain act where each kind of return is made, so
// they never take a ship for clutter.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "station.h"

namespace radarctl {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double degrees_per_sweep = 360.0 / 8192.0;

// The coast: a sector of land whose shore lies about 4 NM off, farther at the
// sector's ends, where it turns away.
constexpr double coast_from_deg = 20, coast_to_deg = 80;
constexpr double shore_depth_nm = 0.12;  // the face towards the radar returns most
constexpr double land_cell_deg = 0.4, land_cell_nm = 0.08;  // grain of the ground behind it

// Ships show as blobs smeared in bearing by the beam: the core is the
// strongest return and marks where the ship is.
constexpr double ship_half_width_deg = 0.7, ship_core_half_width_deg = 0.35;
constexpr double ship_half_length_samples = 2.5, ship_core_half_length_samples = 1.0;
// A scenario's ship: its beam edge wanders by this from line to line.
constexpr double edge_jitter_deg = 0.09;

// Sea clutter is strong out to about 0.5 NM and gone by 2 NM.
constexpr double clutter_strong_nm = 0.4, clutter_fade_nm = 0.3;

// Clutter and noise are drawn afresh every second of scene time: once a
// revolution at the usual 60 rpm.
constexpr double redraw_seconds = 1.0;

// A shower is strongest at its middle and patchy: cells of this size are
// heavier or lighter.
constexpr double rain_cell_deg = 1.5, rain_cell_nm = 0.15;

enum Salt : uint64_t {
    land_salt = 1,
    clutter_salt = 2,
    noise_salt = 3,
    rain_salt = 4,
    edge_salt = 5
};

uint64_t mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

uint64_t hash(uint64_t seed, uint64_t salt, uint64_t a, uint64_t b, uint64_t c) {
    uint64_t h = mix(seed * 0x100000001B3ull + salt);
    h = mix(h ^ a);
    h = mix(h ^ b);
    return mix(h ^ c);
}

double unit(uint64_t h) { return static_cast<double>(h >> 11) * 0x1.0p-53; }  // [0, 1)

double normalized_deg(double deg) {
    deg = std::fmod(deg, 360.0);
    return deg < 0 ? deg + 360.0 : deg;
}

double difference_deg(double a, double b) {
    const double d = normalized_deg(a - b);
    return d > 180.0 ? 360.0 - d : d;
}

double shore_range(double bearing_deg) {
    const double b = bearing_deg * pi / 180.0;
    double r = 4.0 + 0.35 * std::sin(9 * b + 0.7) + 0.2 * std::sin(23 * b + 2.1) +
               0.08 * std::sin(61 * b + 1.3);
    const double inside = std::min(bearing_deg - coast_from_deg, coast_to_deg - bearing_deg);
    if (inside < 8) r += (8 - inside) / 8 * 1.5;
    return r;
}

int land_level(double bearing_deg, double r) {
    if (bearing_deg < coast_from_deg || bearing_deg > coast_to_deg) return 0;
    const double depth = r - shore_range(bearing_deg);
    if (depth < 0) return 0;
    if (depth < shore_depth_nm) return 6;
    const double u = unit(hash(0, land_salt, static_cast<uint64_t>(bearing_deg / land_cell_deg),
                               static_cast<uint64_t>(r / land_cell_nm), 0));
    if (u < 0.12) return 0;  // ground hidden behind higher ground
    return 3 + static_cast<int>((u - 0.12) / 0.88 * 3);
}

// What the receiver's settings do to the returns, worked out once a line.
// At the settings' middle (Receiver's defaults) every factor is 1 and the
// shift 0: the picture is drawn as it was before the receiver had a say.
struct Effect {
    double weak;   // weak returns (clutter, rain) scale by this: 0 at no gain, 3 at full
    double noise;  // the chance of a noise speckle scales by this
    int shift;     // levels added to land, and taken from ships below the middle gain
    double sea;    // the sea clutter left: twice as much with none taken, none at full
    double rain;   // the rain left: all of it with none taken, none at full
};

Effect effect_of(const Receiver &receiver) {
    const double gain = std::clamp(receiver.gain, 0.0, 1.0);
    Effect e{};
    e.weak = std::pow(2 * gain, 1.6);
    e.noise = e.weak * e.weak;
    e.shift = static_cast<int>(std::lround((gain - 0.5) * 5));
    e.sea = 2 * (1 - std::clamp(receiver.sea, 0.0, 1.0));
    e.rain = 1 - std::clamp(receiver.rain, 0.0, 1.0);
    return e;
}

// Land weaker or stronger with the gain, never as strong as a ship's core.
uint8_t land_as_received(int level, const Effect &e) {
    return level == 0 ? 0 : static_cast<uint8_t>(std::clamp(level + e.shift, 0, 6));
}

// A ship's return: weaker at low gain, as strong as it is above.
uint8_t ship_as_received(int level, const Effect &e) {
    return static_cast<uint8_t>(std::clamp(level + std::min(e.shift, 0), 1, 7));
}

int clutter_level(uint32_t seed, uint16_t sweep, uint16_t sample, uint64_t epoch, double r,
                  const Effect &e) {
    const double strength =
        (r < clutter_strong_nm ? 1.0 : std::exp(-(r - clutter_strong_nm) / clutter_fade_nm)) *
        e.sea * e.weak;
    if (strength < 0.01) return 0;
    // Neighbouring sweeps share their clutter: the beam is wider than a sweep.
    const uint64_t h = hash(seed, clutter_salt, sweep >> 2, sample, epoch);
    if (unit(h) >= 0.8 * strength) return 0;
    return std::min(5, 1 + static_cast<int>(unit(mix(h)) * 4 * strength));
}

int noise_level(uint32_t seed, uint16_t sweep, uint16_t sample, uint64_t epoch, const Effect &e) {
    const double u = unit(hash(seed, noise_salt, sweep, sample, epoch));
    if (u >= 0.003 * e.noise) return 0;
    return u < 0.0008 * e.noise ? 2 : 1;
}

// The showers along the line at `bearing`: the most of the rain's strength
// (0..1) at each sample, added into `rain` (zeroed by the caller).
void add_showers(const Scene &scene, double bearing, double per_sample, uint16_t sample_count,
                 float *rain) {
    for (const Shower &shower : scene.showers) {
        const double off = (bearing - shower.bearing_deg) * pi / 180.0;
        const double across = shower.range_nm * std::sin(off),
                     along = shower.range_nm * std::cos(off);
        if (std::abs(across) >= shower.radius_nm || along <= 0) continue;
        const double half = std::sqrt(shower.radius_nm * shower.radius_nm - across * across);
        const int first = std::max(0, static_cast<int>((along - half) / per_sample));
        const int last =
            std::min<int>(sample_count - 1, static_cast<int>((along + half) / per_sample));
        for (int s = first; s <= last; ++s) {
            const double r = (s + 0.5) * per_sample;
            const double d2 = ((r - along) * (r - along) + across * across) /
                              (shower.radius_nm * shower.radius_nm);
            if (d2 >= 1) continue;
            const double cell = unit(
                hash(0, rain_salt, static_cast<uint64_t>(normalized_deg(bearing) / rain_cell_deg),
                     static_cast<uint64_t>(r / rain_cell_nm), 1));
            rain[s] = std::max(rain[s], static_cast<float>((1 - d2) * (0.5 + 0.5 * cell)));
        }
    }
}

int rain_level(uint32_t seed, uint16_t sweep, uint16_t sample, uint64_t epoch, double strength,
               const Effect &e) {
    strength *= e.rain * e.weak;
    if (strength < 0.01) return 0;
    const uint64_t h = hash(seed, rain_salt, sweep >> 2, sample, epoch);
    if (unit(h) >= 0.7 * strength) return 0;
    return std::min(4, 1 + static_cast<int>(unit(mix(h)) * 3 * strength));
}

// A scenario's sea: clutter strong out to 1.5 NM in the roughest sea and
// fading beyond, to nothing by about 3-4 NM; as strong as the standard
// scene's near the radar at a sea of 0.3. Drawn afresh every revolution.
constexpr double sea_strong_nm_at_1 = 1.5, sea_fade_nm = 0.2, sea_fade_nm_at_1 = 0.4;
constexpr double noise_chance = 0.003;  // of a sample, each revolution

// The land lies beyond 3.3 NM from where own ship started, between these
// bearings from there: only such points need the land's shape worked out.
constexpr double land_nearest_nm = 3.3;

// A cheap generator for the samples of one line, seeded from the scene hash.
struct LineRandom {
    uint64_t state;
    double next() {
        state += 0x9E3779B97F4A7C15ull;
        return unit(mix(state));
    }
};

}  // namespace

uint64_t scene_hash(uint64_t seed, uint64_t salt, uint64_t a, uint64_t b, uint64_t c) {
    return hash(seed, salt, a, b, c);
}

double unit_of(uint64_t h) { return unit(h); }

Scene Scene::standard() {
    Scene scene;
    scene.ships = {
        {"ALPHA", 2.5, 45.0, 235.0, 12.0},   // closing from the coast's side
        {"BRAVO", 4.0, 160.0, 270.0, 15.0},  // crossing astern, westbound
        {"CHARLIE", 5.0, 290.0, 140.0, 18.0},
    };
    // South of the coast's end, where none of the ships goes in the first hour.
    scene.showers = {{3.0, 100.0, 0.6}};
    scene.range_nm = 6.0;
    scene.seed = 1;
    return scene;
}

void Scene::position(std::size_t i, double t, double &range, double &bearing_deg) const {
    const Ship &ship = ships.at(i);
    const double b = ship.bearing_deg * pi / 180.0, c = ship.course_deg * pi / 180.0;
    const double run = ship.speed_kn * t / 3600.0;
    const double x = ship.range_nm * std::sin(b) + run * std::sin(c);
    const double y = ship.range_nm * std::cos(b) + run * std::cos(c);
    range = std::hypot(x, y);
    bearing_deg = normalized_deg(std::atan2(x, y) * 180.0 / pi);
}

void draw_line(const Scene &scene, uint16_t sweep, double t, uint16_t sample_count, uint8_t *levels,
               const Receiver &receiver) {
    sweep &= 0x1FFF;
    const Effect e = effect_of(receiver);
    const double bearing = sweep * degrees_per_sweep;
    const double per_sample = scene.range_nm / sample_count;
    const uint64_t epoch = static_cast<uint64_t>(std::floor(std::max(t, 0.0) / redraw_seconds));
    float rain[512] = {};
    add_showers(scene, bearing, per_sample, sample_count, rain);
    for (uint16_t s = 0; s < sample_count; ++s) {
        const double r = (s + 0.5) * per_sample;
        int level = std::max({static_cast<int>(land_as_received(land_level(bearing, r), e)),
                              clutter_level(scene.seed, sweep, s, epoch, r, e),
                              noise_level(scene.seed, sweep, s, epoch, e)});
        if (rain[s] > 0)
            level = std::max(level, rain_level(scene.seed, sweep, s, epoch, rain[s], e));
        levels[s] = static_cast<uint8_t>(level);
    }
    for (std::size_t i = 0; i < scene.ships.size(); ++i) {
        double range = 0, ship_bearing = 0;
        scene.position(i, t, range, ship_bearing);
        const double off = difference_deg(bearing, ship_bearing);
        if (off > ship_half_width_deg || range > scene.range_nm) continue;
        const double centre = range / per_sample - 0.5;  // sample s lies at (s + 0.5) samples
        const int first =
            std::max(0, static_cast<int>(std::ceil(centre - ship_half_length_samples)));
        const int last = std::min(static_cast<int>(sample_count) - 1,
                                  static_cast<int>(std::floor(centre + ship_half_length_samples)));
        for (int s = first; s <= last; ++s) {
            const bool core = std::abs(s - centre) <= ship_core_half_length_samples &&
                              off <= ship_core_half_width_deg;
            levels[s] = std::max(levels[s], ship_as_received(core ? 7 : 6, e));
        }
    }
}

// ---- A scenario's scene ---------------------------------------------------------

ScenarioPainter::ScenarioPainter(const Scenario &scenario) : scenario_(scenario) {}

void ScenarioPainter::prepare(double range_nm, uint16_t sample_count) {
    range_nm_ = range_nm;
    sample_count_ = sample_count;
    clutter_.clear();
    const double sea = scenario_.sea;
    if (sea <= 0) return;
    const double strong = sea_strong_nm_at_1 * sea, fade = sea_fade_nm + sea_fade_nm_at_1 * sea;
    const double amplitude = 0.3 + 0.7 * sea;
    const double per_sample = range_nm / sample_count;
    for (uint16_t s = 0; s < sample_count; ++s) {
        const double r = (s + 0.5) * per_sample;
        const double strength = amplitude * (r < strong ? 1.0 : std::exp(-(r - strong) / fade));
        if (strength < 0.01) break;
        clutter_.push_back(static_cast<float>(strength));
    }
}

void ScenarioPainter::place_ships(double t) {
    ships_time_ = t;
    ships_.resize(scenario_.ships.size());
    for (std::size_t i = 0; i < ships_.size(); ++i) {
        scenario_.range_bearing(i, t, ships_[i].range_nm, ships_[i].bearing_deg);
        ships_[i].half_length_nm = scenario_.ships[i].length_m / metres_per_nm / 2;
    }
}

uint16_t ScenarioPainter::draw(uint16_t sweep, double t, double range_nm, uint16_t sample_count,
                               uint8_t *levels, const Receiver &receiver) {
    sweep &= 0x1FFF;
    const Effect effect = effect_of(receiver);
    if (range_nm != range_nm_ || sample_count != sample_count_) prepare(range_nm, sample_count);
    const OwnReport reported = scenario_.reported_own(t);
    const MotionState own = scenario_.own_at(t);
    const auto offset =
        static_cast<uint16_t>(std::lround(reported.heading_deg / degrees_per_sweep) & 0x1FFF);
    const double bearing = normalized_deg(sweep * degrees_per_sweep + own.course_deg);
    const double per_sample = range_nm / sample_count;
    const auto revolution =
        static_cast<uint64_t>(std::floor(std::max(t, 0.0) * scenario_.rpm / 60.0 + 1e-7));
    std::fill(levels, levels + sample_count, uint8_t{0});

    // Neighbouring lines share their clutter: the beam is wider than a sweep.
    const auto shown = static_cast<uint16_t>((sweep + offset) & 0x1FFF);
    LineRandom clutter{hash(scenario_.seed, clutter_salt, shown >> 2, revolution, 0)};
    const double sea_levels = 3 + 3 * scenario_.sea;
    for (std::size_t s = 0; s < clutter_.size(); ++s) {
        const double strength = clutter_[s] * effect.sea * effect.weak;
        if (clutter.next() >= 0.8 * strength) continue;
        levels[s] = static_cast<uint8_t>(
            std::min(6, 1 + static_cast<int>(clutter.next() * sea_levels * strength)));
    }

    // Noise: a few samples a line, found by jumping from one to the next.
    LineRandom noise{hash(scenario_.seed, noise_salt, shown, revolution, 0)};
    const double chance = std::min(0.5, noise_chance * effect.noise);
    const double log_miss = std::log1p(-chance);
    for (double s = 0; chance > 0;) {
        s += std::floor(std::log(std::max(noise.next(), 1e-300)) / log_miss);
        if (s >= sample_count) break;
        auto &level = levels[static_cast<std::size_t>(s)];
        level = std::max<uint8_t>(level, noise.next() < 0.25 ? 2 : 1);
        s += 1;
    }

    if (scenario_.coast) {
        const double b = bearing * pi / 180.0, east = std::sin(b), north = std::cos(b);
        const double own_e = own.east_m / metres_per_nm, own_n = own.north_m / metres_per_nm;
        const double from = coast_from_deg * pi / 180.0, to = coast_to_deg * pi / 180.0;
        for (uint16_t s = 0; s < sample_count; ++s) {
            const double r = (s + 0.5) * per_sample;
            const double e = own_e + r * east, n = own_n + r * north;
            if (e * e + n * n < land_nearest_nm * land_nearest_nm) continue;
            if (e * std::cos(from) - n * std::sin(from) < 0 ||
                n * std::sin(to) - e * std::cos(to) < 0)
                continue;
            const int land =
                land_level(normalized_deg(std::atan2(e, n) * 180.0 / pi), std::hypot(e, n));
            levels[s] = std::max(levels[s], land_as_received(land, effect));
        }
    }

    // Ships move a metre or so in 0.05 s: their places are worked out that
    // often, not for every line.
    if (std::abs(t - ships_time_) > 0.05) place_ships(t);
    // A ship's return crosses the receiver's threshold a little sooner or
    // later from pulse to pulse: each line's echo starts and ends within a
    // sample of where the ship is, and the beam's edge lies within half a
    // line. Averaged over the echo's lines that places the ship between the
    // samples, as a real return does; an echo drawn alike on every line
    // would stand still to the sample while the ship moved, then jump.
    for (std::size_t i = 0; i < ships_.size(); ++i) {
        const Seen &ship = ships_[i];
        LineRandom edge{hash(scenario_.seed, edge_salt, shown, revolution, i)};
        const double beam_edge = (edge.next() - 0.5) * edge_jitter_deg;
        const double off = difference_deg(bearing, ship.bearing_deg);
        if (off > ship_half_width_deg + beam_edge || ship.range_nm > range_nm) continue;
        const double centre = ship.range_nm / per_sample - 0.5;
        const double half = std::max(ship_half_length_samples, ship.half_length_nm / per_sample);
        const double core_half = half - (ship_half_length_samples - ship_core_half_length_samples);
        const double near = centre - half + edge.next() - 0.5,
                     far = centre + half + edge.next() - 0.5;
        const double core_near = centre - core_half + edge.next() - 0.5,
                     core_far = centre + core_half + edge.next() - 0.5;
        const int first = std::max(0, static_cast<int>(std::ceil(near)));
        const int last =
            std::min(static_cast<int>(sample_count) - 1, static_cast<int>(std::floor(far)));
        for (int s = first; s <= last; ++s) {
            const bool core =
                s >= core_near && s <= core_far && off <= ship_core_half_width_deg + beam_edge;
            levels[s] = std::max(levels[s], ship_as_received(core ? 7 : 6, effect));
        }
    }
    return offset;
}

}  // namespace radarctl
