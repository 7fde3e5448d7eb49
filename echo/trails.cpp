#include "trails.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>

#include "kernels.h"
#include "platform/thread.h"
#include "radar.h"
#include "session/session.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define RADAR_TRAILS_SSE2 1
#endif

namespace radar::echo {
namespace {

// 8 MiB of trail memory, touched by the receiver thread alone. A cell holds
// the seconds of trail left as of its row's `aged` second; other threads only
// move the two counters below, and the receiver brings a row up to date
// before it next reads it.
uint16_t cells[trail_rows][line_samples];

struct Row {
    uint32_t aged;     // the aging second the row's cells are counted to
    uint32_t cleared;  // the clear the row has seen
    uint16_t extent;   // samples from 0 that may hold a trail; beyond, all zero
};
Row rows[trail_rows];

std::atomic<uint32_t> seconds_passed{0};  // aging steps so far (the aging thread); wraps
std::atomic<uint32_t> clears_asked{0};    // clears asked for, by any thread; wraps

std::atomic<int16_t> trail_time{0};
std::atomic<int16_t> trail_divisor{0};  // trail time / 8

constexpr auto relaxed = std::memory_order_relaxed;
constexpr uint32_t longest_trail = 32767;

// A cell's trail level without a division per sample: q = left / divisor
// is (left * reciprocal) >> 32 with reciprocal = 2^32 / divisor + 1, exact
// for every left below 2^16 (the error stays under left / 2^32, well below
// the 1 / divisor that separates the quotient from the next integer).
uint64_t reciprocal_of(uint16_t divisor) { return (uint64_t{1} << 32) / divisor + 1; }

}  // namespace

// With l the bits of divisor - 1: multiplier = ceil(2^(15 + l) / divisor),
// shift = l - 1. multiplier x divisor exceeds 2^(15 + l) by less than
// divisor <= 2^l, so left x multiplier / 2^(15 + l) exceeds left / divisor by
// less than left / (divisor x 2^15) < 1 / divisor: too little to reach the
// next whole number.
Division division_by(uint16_t divisor) {
    if (divisor <= 1) return {0, 0};
    const int l = std::bit_width(static_cast<unsigned>(divisor - 1));
    const uint32_t multiplier = ((uint32_t{1} << (15 + l)) + divisor - 1) / divisor;
    return {static_cast<uint16_t>(multiplier), static_cast<uint8_t>(l - 1)};
}

namespace {

void age_cells(uint16_t *row, int from, int to, uint16_t elapsed) {
    for (int s = from; s < to; ++s) row[s] = static_cast<uint16_t>(row[s] > elapsed ? row[s] - elapsed : 0);
}

bool overlay_scalar(const TrailStep &t) {
    const uint64_t reciprocal = reciprocal_of(t.divisor);
    bool refreshed = false;
    for (int s = 0; s < t.count; ++s) {
        const uint16_t left = static_cast<uint16_t>(t.cells[s] > t.elapsed ? t.cells[s] - t.elapsed : 0);
        if (const uint8_t level = t.line[s]; level != 0) {
            t.overlay[s] = level;
            t.cells[s] = t.time;
            refreshed = true;
        } else {
            t.cells[s] = left;
            const auto q = static_cast<uint32_t>((static_cast<uint64_t>(left) * reciprocal) >> 32);
            t.overlay[s] = left == 0 ? 0 : static_cast<uint8_t>(8 + std::min<uint32_t>(q, 7));
        }
    }
    return refreshed;
}

#if RADAR_TRAILS_SSE2
// The samples from `from` on, for a narrower kernel to finish.
TrailStep rest_of(const TrailStep &t, int from) {
    return {t.line + from, t.overlay + from, t.cells + from, t.count - from, t.elapsed, t.time, t.divisor};
}

// Sixteen cells a step: age by a saturating subtract, take the echo levels in
// where the line has one (a compare and a blend), and the trail level from
// the seconds left divided by a multiply (division_by).
struct Sse2Constants {
    __m128i zero, elapsed, time, eight, seven, multiplier, shift;
    bool by_one;
};

__attribute__((target("sse2"))) inline __m128i eight_cells(const Sse2Constants &c, uint16_t *at, __m128i levels,
                                                           __m128i &refreshed) {
    __m128i *cell = reinterpret_cast<__m128i *>(at);
    const __m128i left = _mm_subs_epu16(_mm_loadu_si128(cell), c.elapsed);
    const __m128i echo = _mm_cmpgt_epi16(levels, c.zero);
    refreshed = _mm_or_si128(refreshed, echo);
    _mm_storeu_si128(cell, _mm_or_si128(_mm_and_si128(echo, c.time), _mm_andnot_si128(echo, left)));
    const __m128i q = c.by_one ? left : _mm_srl_epi16(_mm_mulhi_epu16(left, c.multiplier), c.shift);
    const __m128i level =
        _mm_and_si128(_mm_add_epi16(_mm_min_epi16(q, c.seven), c.eight), _mm_cmpgt_epi16(left, c.zero));
    return _mm_or_si128(_mm_and_si128(echo, levels), _mm_andnot_si128(echo, level));
}

__attribute__((target("sse2"))) bool overlay_sse2(const TrailStep &t) {
    const Division division = division_by(t.divisor);
    const Sse2Constants c{_mm_setzero_si128(),
                          _mm_set1_epi16(static_cast<int16_t>(t.elapsed)),
                          _mm_set1_epi16(static_cast<int16_t>(t.time)),
                          _mm_set1_epi16(8),
                          _mm_set1_epi16(7),
                          _mm_set1_epi16(static_cast<int16_t>(division.multiplier)),
                          _mm_cvtsi32_si128(division.shift),
                          t.divisor == 1};
    const __m128i zero = c.zero;
    __m128i refreshed = zero;
    int s = 0;
    for (; s + 16 <= t.count; s += 16) {
        const __m128i line = _mm_loadu_si128(reinterpret_cast<const __m128i *>(t.line + s));
        const __m128i low = eight_cells(c, t.cells + s, _mm_unpacklo_epi8(line, zero), refreshed);
        const __m128i high = eight_cells(c, t.cells + s + 8, _mm_unpackhi_epi8(line, zero), refreshed);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(t.overlay + s), _mm_packus_epi16(low, high));
    }
    bool any = _mm_movemask_epi8(refreshed) != 0;
    if (s < t.count) any |= overlay_scalar(rest_of(t, s));
    return any;
}

// The same, thirty-two cells a step.
struct Avx2Constants {
    __m256i zero, elapsed, time, eight, seven, multiplier;
    __m128i shift;
    bool by_one;
};

__attribute__((target("avx2"))) inline __m256i sixteen_cells(const Avx2Constants &c, uint16_t *at,
                                                             const uint8_t *line, __m256i &refreshed) {
    __m256i *cell = reinterpret_cast<__m256i *>(at);
    const __m256i levels = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(line)));
    const __m256i left = _mm256_subs_epu16(_mm256_loadu_si256(cell), c.elapsed);
    const __m256i echo = _mm256_cmpgt_epi16(levels, c.zero);
    refreshed = _mm256_or_si256(refreshed, echo);
    _mm256_storeu_si256(cell, _mm256_blendv_epi8(left, c.time, echo));
    const __m256i q = c.by_one ? left : _mm256_srl_epi16(_mm256_mulhi_epu16(left, c.multiplier), c.shift);
    const __m256i level =
        _mm256_and_si256(_mm256_add_epi16(_mm256_min_epi16(q, c.seven), c.eight), _mm256_cmpgt_epi16(left, c.zero));
    return _mm256_blendv_epi8(level, levels, echo);
}

__attribute__((target("avx2"))) bool overlay_avx2(const TrailStep &t) {
    const Division division = division_by(t.divisor);
    const Avx2Constants c{_mm256_setzero_si256(),
                          _mm256_set1_epi16(static_cast<int16_t>(t.elapsed)),
                          _mm256_set1_epi16(static_cast<int16_t>(t.time)),
                          _mm256_set1_epi16(8),
                          _mm256_set1_epi16(7),
                          _mm256_set1_epi16(static_cast<int16_t>(division.multiplier)),
                          _mm_cvtsi32_si128(division.shift),
                          t.divisor == 1};
    const __m256i zero = c.zero;
    __m256i refreshed = zero;
    int s = 0;
    for (; s + 32 <= t.count; s += 32) {
        const __m256i low = sixteen_cells(c, t.cells + s, t.line + s, refreshed);
        const __m256i high = sixteen_cells(c, t.cells + s + 16, t.line + s + 16, refreshed);
        // The pack works per 128-bit lane: its quarters come back in order.
        const __m256i shown = _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), 0xD8);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(t.overlay + s), shown);
    }
    bool any = !_mm256_testz_si256(refreshed, refreshed);
    if (s < t.count) any |= overlay_sse2(rest_of(t, s));
    return any;
}
#if defined(__x86_64__)
// The same with AVX-512, sixty-four cells a step, the blends under masks.
#define RADAR_TRAILS_AVX512 1
struct Avx512Constants {
    __m512i elapsed, time, eight, seven, multiplier;
    __m128i shift;
    bool by_one;
};

__attribute__((target("avx512f,avx512bw"))) inline __m256i thirty_two_cells(const Avx512Constants &c, uint16_t *at,
                                                                           const uint8_t *line, __mmask32 &refreshed) {
    const __m512i levels = _mm512_cvtepu8_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(line)));
    const __m512i left = _mm512_subs_epu16(_mm512_loadu_si512(at), c.elapsed);
    const __mmask32 echo = _mm512_test_epi16_mask(levels, levels);
    refreshed |= echo;
    _mm512_storeu_si512(at, _mm512_mask_blend_epi16(echo, left, c.time));
    const __m512i q = c.by_one ? left : _mm512_srl_epi16(_mm512_mulhi_epu16(left, c.multiplier), c.shift);
    const __m512i level = _mm512_maskz_add_epi16(_mm512_test_epi16_mask(left, left), _mm512_min_epu16(q, c.seven),
                                                 c.eight);
    return _mm512_maskz_cvtepi16_epi8(~__mmask32{0}, _mm512_mask_blend_epi16(echo, level, levels));
}

__attribute__((target("avx512f,avx512bw"))) bool overlay_avx512(const TrailStep &t) {
    const Division division = division_by(t.divisor);
    const Avx512Constants c{_mm512_set1_epi16(static_cast<int16_t>(t.elapsed)),
                            _mm512_set1_epi16(static_cast<int16_t>(t.time)),
                            _mm512_set1_epi16(8),
                            _mm512_set1_epi16(7),
                            _mm512_set1_epi16(static_cast<int16_t>(division.multiplier)),
                            _mm_cvtsi32_si128(division.shift),
                            t.divisor == 1};
    __mmask32 refreshed = 0;
    int s = 0;
    for (; s + 64 <= t.count; s += 64) {
        for (int half = s; half < s + 64; half += 32)
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(t.overlay + half),
                                thirty_two_cells(c, t.cells + half, t.line + half, refreshed));
    }
    bool any = refreshed != 0;
    if (s < t.count) any |= overlay_avx2(rest_of(t, s));
    return any;
}
#endif
#endif

const OverlayKernel kernels[] = {
    {"scalar", &overlay_scalar},
#if RADAR_TRAILS_SSE2
    {"sse2", &overlay_sse2},
    {"avx2", &overlay_avx2},
#endif
#if RADAR_TRAILS_AVX512
    {"avx512", &overlay_avx512},
#endif
};

bool runs_here(const OverlayKernel &k) {
#if RADAR_TRAILS_SSE2
    if (k.run == &overlay_sse2) return __builtin_cpu_supports("sse2");
    if (k.run == &overlay_avx2) return __builtin_cpu_supports("avx2");
#endif
#if RADAR_TRAILS_AVX512
    if (k.run == &overlay_avx512) return __builtin_cpu_supports("avx512bw");
#endif
    return k.run != nullptr;
}

// The widest kernel this processor runs, chosen on first use.
std::atomic<bool (*)(const TrailStep &)> chosen{nullptr};

bool (*best_kernel())(const TrailStep &) { return widest_kernel(kernels, &runs_here, chosen); }

}  // namespace

std::size_t overlay_kernels(const OverlayKernel *(&out)[4]) { return kernels_that_run(kernels, &runs_here, out); }

int16_t set_trail_time(uint16_t seconds) {
    if (seconds & 0x8000) return RADAR_REFUSED;
    trail_time.store(static_cast<int16_t>(seconds), relaxed);
    trail_divisor.store(static_cast<int16_t>(seconds / 8), relaxed);
    clear_trails();
    return RADAR_OK;
}

bool trails_on() { return trail_time.load(relaxed) != 0; }

void overlay_trails(const uint8_t (&line)[line_samples], uint8_t (&overlay)[line_samples], uint16_t sweep,
                    uint16_t bearing_offset, uint16_t sample_count) {
    int index = sweep + bearing_offset;
    if (index >= trail_rows) index -= trail_rows;
    Row &row = rows[index];
    uint16_t *row_cells = cells[index];
    // A clear asked for since the row was last read empties it first; the
    // trail time it came with is read after it.
    const uint32_t clears = clears_asked.load(std::memory_order_acquire);
    const uint32_t now = seconds_passed.load(relaxed);
    uint32_t elapsed = now - row.aged;  // modulo 2^32: exact across the counter's wrap
    if (row.cleared != clears) {
        std::memset(row_cells, 0, sizeof(uint16_t) * row.extent);
        row.extent = 0;
        row.cleared = clears;
    }
    row.aged = now;
    const int count = std::min<int>(sample_count, line_samples);
    // No cell holds more than the longest trail: past that, every cell is 0.
    const auto age = static_cast<uint16_t>(std::min(elapsed, longest_trail + 1));
    if (age != 0 && row.extent > count) age_cells(row_cells, count, row.extent, age);
    const int16_t time = trail_time.load(relaxed);
    // Trail times below 8 have a divisor of 0: their cells count as levels
    // one second each.
    const TrailStep step{line,
                         overlay,
                         row_cells,
                         count,
                         row.extent == 0 ? uint16_t{0} : age,
                         static_cast<uint16_t>(time),
                         static_cast<uint16_t>(std::max<int16_t>(trail_divisor.load(relaxed), 1))};
    if (best_kernel()(step)) row.extent = static_cast<uint16_t>(std::max<int>(row.extent, count));
}

void clear_trails() { clears_asked.fetch_add(1, std::memory_order_release); }

void age_trails() { age_trails_by(1); }

void age_trails_by(uint32_t seconds) { seconds_passed.fetch_add(seconds, relaxed); }

void aging_thread(void *) {
    while (!session::ended()) {
        age_trails();
        platform::sleep_ms(1000);
    }
}

}  // namespace radar::echo
