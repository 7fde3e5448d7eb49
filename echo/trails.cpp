#include "trails.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/thread.h"
#include "radar.h"
#include "session/session.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <emmintrin.h>
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
// Eight cells a step: age by a saturating subtract, take the echo levels in
// where the line has one (a compare and a blend), and count the thresholds
// divisor x 1..7 that the seconds left reach for the trail level 8..15.
__attribute__((target("sse2"))) bool overlay_sse2(const TrailStep &t) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i elapsed = _mm_set1_epi16(static_cast<int16_t>(t.elapsed));
    const __m128i time = _mm_set1_epi16(static_cast<int16_t>(t.time));
    const __m128i eight = _mm_set1_epi16(8);
    // left >= k * divisor, as left > k * divisor - 1; every threshold a
    // trail can reach lies below 32768, where the signed compare is exact.
    __m128i below[7];
    for (int k = 0; k < 7; ++k)
        below[k] = _mm_set1_epi16(static_cast<int16_t>(std::min<uint32_t>((k + 1u) * t.divisor - 1, 32767)));
    __m128i refreshed = zero;
    int s = 0;
    for (; s + 8 <= t.count; s += 8) {
        __m128i *cell = reinterpret_cast<__m128i *>(t.cells + s);
        const __m128i left = _mm_subs_epu16(_mm_loadu_si128(cell), elapsed);
        const __m128i levels =
            _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(t.line + s)), zero);
        const __m128i echo = _mm_cmpgt_epi16(levels, zero);
        refreshed = _mm_or_si128(refreshed, echo);
        _mm_storeu_si128(cell, _mm_or_si128(_mm_and_si128(echo, time), _mm_andnot_si128(echo, left)));
        __m128i level = eight;
        for (int k = 0; k < 7; ++k) level = _mm_sub_epi16(level, _mm_cmpgt_epi16(left, below[k]));
        level = _mm_and_si128(level, _mm_cmpgt_epi16(left, zero));
        const __m128i shown = _mm_or_si128(_mm_and_si128(echo, levels), _mm_andnot_si128(echo, level));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(t.overlay + s), _mm_packus_epi16(shown, zero));
    }
    bool any = _mm_movemask_epi8(refreshed) != 0;
    if (s < t.count) {
        TrailStep rest = t;
        rest.line += s;
        rest.overlay += s;
        rest.cells += s;
        rest.count = t.count - s;
        any |= overlay_scalar(rest);
    }
    return any;
}
#endif

const OverlayKernel kernels[] = {
    {"scalar", &overlay_scalar},
#if RADAR_TRAILS_SSE2
    {"sse2", &overlay_sse2},
#endif
};

bool runs_here(const OverlayKernel &k) {
#if RADAR_TRAILS_SSE2
    if (k.run == &overlay_sse2) return __builtin_cpu_supports("sse2");
#endif
    return k.run != nullptr;
}

// The best kernel this processor runs, chosen on first use.
std::atomic<bool (*)(const TrailStep &)> chosen{nullptr};

bool (*best_kernel())(const TrailStep &) {
    auto run = chosen.load(relaxed);
    if (run == nullptr) {
        run = &overlay_scalar;
        for (const OverlayKernel &k : kernels)
            if (runs_here(k)) run = k.run;
        chosen.store(run, relaxed);
    }
    return run;
}

}  // namespace

std::size_t overlay_kernels(const OverlayKernel *(&out)[4]) {
    std::size_t n = 0;
    for (const OverlayKernel &k : kernels)
        if (runs_here(k) && n < 4) out[n++] = &k;
    return n;
}

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
