#include "plot_extractor.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define RADARTRACK_SSE2 1
#endif

#include "polar.h"

namespace radartrack {

namespace {

// The echo mask of a line: bit s of mask[s / 64] is set when sample s is
// echo (1-7). Lines are mostly empty or trails (8-15), so the runs are
// then found a word at a time instead of a sample at a time, without a
// branch per sample.
void echo_mask(const uint8_t *levels, uint32_t count, uint64_t *mask, uint32_t words) {
    std::memset(mask, 0, words * sizeof *mask);
    uint32_t s = 0;
#ifdef RADARTRACK_SSE2
    // (level - 1) <= 6 unsigned: 1-7 only.
    const __m128i one = _mm_set1_epi8(1), six = _mm_set1_epi8(6);
    for (; s + 16 <= count; s += 16) {
        const __m128i v =
            _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(levels + s)), one);
        const auto bits =
            static_cast<uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(v, six), v)));
        mask[s / 64] |= bits << (s % 64);
    }
#else
    // Eight at a time: a byte is echo when its bits 0-2 are not all zero and
    // its bits 3-7 are; the eight flags (bit 7 of each byte) are gathered
    // into one byte by a multiplication whose partial products never meet.
    constexpr uint64_t ones7 = 0x7F7F7F7F7F7F7F7Full, tops = 0x8080808080808080ull;
    for (; s + 8 <= count; s += 8) {
        uint64_t x;
        std::memcpy(&x, levels + s, sizeof x);
        const uint64_t low = x & 0x0707070707070707ull, high = (x >> 3) & 0x1F1F1F1F1F1F1F1Full;
        const uint64_t flags = ((low + ones7) & ~(high + ones7) & tops) >> 7;
        mask[s / 64] |= ((flags * 0x0102040810204080ull) >> 56) << (s % 64);
    }
#endif
    for (; s < count; ++s)
        if (static_cast<uint8_t>(levels[s] - 1) < 7) mask[s / 64] |= uint64_t{1} << (s % 64);
}

// The first sample from `s` on whose bit is `want`, or `end` (the mask's
// bits past the line's end are clear).
uint32_t next_bit(const uint64_t *mask, uint32_t words, uint32_t s, bool want, uint32_t end) {
    uint32_t w = s / 64;
    if (w >= words) return end;
    const uint64_t flip = want ? 0 : ~uint64_t{0};
    uint64_t bits = (mask[w] ^ flip) & (~uint64_t{0} << (s % 64));
    while (bits == 0) {
        if (++w == words) return end;
        bits = mask[w] ^ flip;
    }
    return std::min(end, w * 64 + static_cast<uint32_t>(std::countr_zero(bits)));
}

// The bits of `mask` from sample `a` to `b` inclusive (within the mask),
// as words: `op` is called with each word's index and the bits of it.
template <typename Op>
void each_word(uint32_t words, int64_t a, int64_t b, Op op) {
    a = std::max<int64_t>(a, 0);
    b = std::min<int64_t>(b, static_cast<int64_t>(words) * 64 - 1);
    for (int64_t w = a / 64; a <= b; ++w, a = w * 64) {
        const int64_t end = std::min(b, w * 64 + 63);
        const uint32_t n = static_cast<uint32_t>(end - a + 1);
        const uint64_t bits = (n == 64 ? ~uint64_t{0} : ((uint64_t{1} << n) - 1)) << (a % 64);
        op(static_cast<uint32_t>(w), bits);
    }
}

// Whether any bit of `mask` from sample `a` to `b` inclusive is set; runs
// are short, so mostly one word.
inline bool any_bit(const uint64_t *mask, uint32_t words, int64_t a, int64_t b) {
    a = std::max<int64_t>(a, 0);
    b = std::min<int64_t>(b, static_cast<int64_t>(words) * 64 - 1);
    if (a > b) return false;
    const auto wa = static_cast<uint32_t>(a / 64), wb = static_cast<uint32_t>(b / 64);
    const uint64_t low = ~uint64_t{0} << (a % 64), high = ~uint64_t{0} >> (63 - b % 64);
    if (wa == wb) return (mask[wa] & low & high) != 0;
    uint64_t any = (mask[wa] & low) | (mask[wb] & high);
    for (uint32_t w = wa + 1; w < wb; ++w) any |= mask[w];
    return any != 0;
}

}  // namespace

void PlotExtractor::clear_region() {
    std::memset(region_, 0, sizeof region_);
    std::memset(rejected_, 0, sizeof rejected_);
    std::memset(sector_lines_, 0, sizeof sector_lines_);
    std::memset(masked_, 0, sizeof masked_);
    prev_masked_ = false;
}

void PlotExtractor::new_turn() {
    for (uint32_t s = 0; s < region_sectors; ++s) {
        const uint32_t lines = sector_lines_[s];
        for (uint32_t c = 0; c < max_samples_per_line / 8; ++c) {
            const bool dense = lines > 0 && rejected_[s][c] >= lines * limits.region_fill;
            const uint64_t bits = uint64_t{0xFF} << (c % 8 * 8);
            region_[s][c / 8] = dense ? region_[s][c / 8] | bits : region_[s][c / 8] & ~bits;
        }
    }
    std::memset(rejected_, 0, sizeof rejected_);
    std::memset(sector_lines_, 0, sizeof sector_lines_);
    ++turns_;
    const uint32_t quarter = region_sectors / refresh_turns;
    const uint32_t fresh = turns_ % refresh_turns * quarter;
    std::memset(region_[fresh], 0, quarter * sizeof region_[0]);
}

void PlotExtractor::unmask(int64_t sweep, int64_t half_sweeps, double near_m, double far_m) {
    if (count_ == 0 || !(range_m_ > 0)) return;
    const double per_m = count_ / range_m_;
    const auto first = static_cast<int64_t>(std::floor(std::max(near_m, 0.0) * per_m));
    const auto last = static_cast<int64_t>(std::ceil(std::min(far_m, range_m_) * per_m));
    half_sweeps = std::min<int64_t>(half_sweeps, sweeps_per_turn / 2);
    for (int64_t p = sweep - half_sweeps; p <= sweep + half_sweeps + region_sweeps;
         p += region_sweeps) {
        uint64_t *cells =
            region_[static_cast<uint32_t>((p & (sweeps_per_turn - 1)) / region_sweeps)];
        each_word(mask_words, first, last, [&](uint32_t w, uint64_t bits) { cells[w] &= ~bits; });
    }
}

void PlotExtractor::mark(int64_t pos, uint32_t first, uint32_t last) {
    uint8_t *cells =
        rejected_[static_cast<uint32_t>((pos & (sweeps_per_turn - 1)) / region_sweeps)];
    for (uint32_t c = first / 8; c <= last / 8; ++c) cells[c] += cells[c] < 0xFF ? 1 : 0;
}

void PlotExtractor::reset() {
    run_count_[0] = run_count_[1] = 0;
    current_ = 0;
    for (uint32_t i = 0; i < max_blobs; ++i) free_[i] = static_cast<uint16_t>(max_blobs - 1 - i);
    free_count_ = max_blobs;
    merged_count_ = 0;
    seq_ = 0;
    have_line_ = false;
    last_pos_ = 0;
    last_gap_ = 2;
    runs_pos_ = 0;
    runs_time_ = 0;
    range_m_ = 0;
    count_ = 0;
    length_limit_ = 0;
    std::memset(masked_, 0, sizeof masked_);
    prev_masked_ = false;
}

uint16_t PlotExtractor::find(uint16_t b) {
    while (blobs_[b].parent != b) b = blobs_[b].parent = blobs_[blobs_[b].parent].parent;
    return b;
}

uint16_t PlotExtractor::new_blob(int64_t pos, double time) {
    if (free_count_ == 0) return none_blob;
    const uint16_t b = free_[--free_count_];
    Blob &k = blobs_[b];
    k.sum_w = k.sum_ws = k.sum_wp = k.sum_wt = 0;
    k.first_pos = k.last_pos = pos;
    k.first_time = time;
    k.samples = k.lines = k.last_seq = 0;
    k.min_s = 0xFFFF;
    k.max_s = 0;
    k.parent = b;
    k.open = true;
    k.extended = false;
    return b;
}

void PlotExtractor::add_run(uint16_t b, const Run &run, int64_t pos, double time, uint32_t seq) {
    Blob &k = blobs_[b];
    k.sum_w += run.sum_w;
    k.sum_ws += run.sum_ws;
    k.sum_wp += run.sum_w * static_cast<double>(pos - k.first_pos);
    k.sum_wt += run.sum_w * (time - k.first_time);
    k.samples += run.last - run.first + 1u;
    k.min_s = std::min(k.min_s, run.first);
    k.max_s = std::max(k.max_s, run.last);
    if (k.last_seq != seq) {
        k.last_seq = seq;
        ++k.lines;
    }
    k.last_pos = pos;
    // Longer or larger than any ship already: its cells are masked next
    // revolution.
    if (k.samples > limits.max_samples || k.max_s - k.min_s + 1.0 > length_limit_)
        k.extended = true;
    if (k.extended) mark(pos, run.first, run.last);
}

uint16_t PlotExtractor::open_pending(Run &run) {
    // A run of the line before (runs_pos_), joined only now.
    run.blob = new_blob(runs_pos_, runs_time_);
    if (run.blob != none_blob) {
        blobs_[run.blob].extended = run.extended != 0;
        add_run(run.blob, run, runs_pos_, runs_time_, seq_ - 1);
    }
    return run.blob;
}

void PlotExtractor::merge(uint16_t into, uint16_t from) {
    Blob &a = blobs_[into], &b = blobs_[from];
    // Both sums move to the earlier start before they are added.
    const int64_t first = std::min(a.first_pos, b.first_pos);
    const double first_time = std::min(a.first_time, b.first_time);
    a.sum_wp += a.sum_w * static_cast<double>(a.first_pos - first) + b.sum_wp +
                b.sum_w * static_cast<double>(b.first_pos - first);
    a.sum_wt +=
        a.sum_w * (a.first_time - first_time) + b.sum_wt + b.sum_w * (b.first_time - first_time);
    a.first_pos = first;
    a.first_time = first_time;
    a.sum_w += b.sum_w;
    a.sum_ws += b.sum_ws;
    a.samples += b.samples;
    a.lines = std::max(a.lines, b.lines);
    a.last_seq = std::max(a.last_seq, b.last_seq);
    a.last_pos = std::max(a.last_pos, b.last_pos);
    a.min_s = std::min(a.min_s, b.min_s);
    a.max_s = std::max(a.max_s, b.max_s);
    a.extended = a.extended || b.extended;
    b.parent = into;
    b.open = false;
    merged_[merged_count_++] = from;
}

bool PlotExtractor::close(uint16_t b, Plot &plot) {
    Blob &k = blobs_[b];
    k.open = false;
    free_[free_count_++] = b;
    if (k.extended || k.samples < limits.min_samples || k.samples > limits.max_samples ||
        k.sum_w <= 0)
        return false;
    const double sample_m = range_m_ / count_;
    const double centre = k.sum_ws / k.sum_w + 0.5;
    const double range = Polar::sample_range(centre, range_m_, count_);
    const double width = static_cast<double>(k.last_pos - k.first_pos + last_gap_);
    const double length = k.max_s - k.min_s + 1.0;
    const double widest = std::max(limits.max_width_deg / 360.0 * sweeps_per_turn,
                                   limits.max_size_m / std::max(range, 1.0) / rad_per_sweep);
    if (width < limits.min_width_sweeps || width > widest) return false;
    if (length > std::max(limits.max_length_samples, limits.max_size_m / sample_m)) return false;
    if (k.samples < limits.min_fill * length * k.lines) return false;
    plot.time = k.first_time + k.sum_wt / k.sum_w;
    plot.range = static_cast<float>(range);
    plot.bearing = static_cast<float>(
        Polar::bearing_rad(static_cast<double>(k.first_pos) + k.sum_wp / k.sum_w));
    plot.sigma_range =
        static_cast<float>(limits.range_sigma_samples * sample_m + limits.range_sigma_m);
    plot.mass = static_cast<float>(k.sum_w);
    plot.closed_at = last_pos_;
    plot.cut = k.max_s + 1u >= count_;
    plot.owner = plot.tentative = 0;
    plot.settled = false;
    plot.x = plot.y = 0;
    return true;
}

uint32_t PlotExtractor::close_unfinished(Plot *out, uint32_t room) {
    uint32_t n = 0;
    Run *prev = runs_[current_];
    for (uint32_t i = 0; i < run_count_[current_]; ++i) {
        Plot plot;
        if (prev[i].blob == pending_blob) {
            // An echo of one line: only a beam wider than the width limit can
            // make a plot of it, and close() decides as it would for a blob.
            const double width = static_cast<double>(last_gap_);
            if (prev[i].last - prev[i].first + 1u < limits.min_samples ||
                width < limits.min_width_sweeps) {
                mark(runs_pos_, prev[i].first, prev[i].last);
                continue;
            }
            const uint16_t b = open_pending(prev[i]);
            if (b != none_blob && close(b, plot) && n < room) out[n++] = plot;
            continue;
        }
        if (prev[i].blob == none_blob) continue;
        const uint16_t b = find(prev[i].blob);
        if (!blobs_[b].open || blobs_[b].last_seq == seq_) continue;
        if (close(b, plot) && n < room) out[n++] = plot;
    }
    return n;
}

uint32_t PlotExtractor::flush(Plot *out, uint32_t room) {
    ++seq_;  // no blob goes on
    const uint32_t n = close_unfinished(out, room);
    for (uint32_t i = 0; i < merged_count_; ++i) free_[free_count_++] = merged_[i];
    reset();
    return n;
}

uint32_t PlotExtractor::line(const uint8_t *levels, uint32_t count, double range_m, int64_t pos,
                             double time, Plot *out, uint32_t room) {
    uint32_t n = 0;
    if (range_m != range_m_ || count != count_) clear_region();
    if (have_line_ && (range_m != range_m_ || count != count_ || pos <= last_pos_ ||
                       pos - last_pos_ > limits.max_gap_sweeps))
        n = flush(out, room);
    if (have_line_) last_gap_ = pos - last_pos_;
    have_line_ = true;
    last_pos_ = pos;
    range_m_ = range_m;
    count_ = count;
    length_limit_ = std::max(limits.max_length_samples, limits.max_size_m * count / range_m);
    ++seq_;
    merged_count_ = 0;

    Run *prev = runs_[current_];
    const uint32_t prev_count = run_count_[current_];
    Run *cur = runs_[current_ ^ 1];
    uint32_t cur_count = 0;
    uint32_t j = 0;
    uint64_t mask[mask_words];
    const uint32_t words = (count + 63) / 64;
    echo_mask(levels, count, mask, words);
    // Echo in the extended region is taken out, and marks it again.
    uint64_t masked[mask_words];
    const uint32_t sector = static_cast<uint32_t>((pos & (sweeps_per_turn - 1)) / region_sweeps);
    const uint64_t *cells = region_[sector];
    uint8_t *rejected = rejected_[sector];
    sector_lines_[sector] += sector_lines_[sector] < 0xFFFF ? 1 : 0;
    uint64_t any_masked = 0;
    for (uint32_t w = 0; w < words; ++w) {
        masked[w] = mask[w] & cells[w];
        mask[w] &= ~cells[w];
        any_masked |= masked[w];
        // Each cell with masked echo counts once.
        for (uint64_t m = masked[w]; m != 0;) {
            const uint32_t c = static_cast<uint32_t>(std::countr_zero(m)) / 8;
            rejected[w * 8 + c] += rejected[w * 8 + c] < 0xFF ? 1 : 0;
            m &= ~(uint64_t{0xFF} << (c * 8));
        }
    }
    // The runs of the line before that reach this line's masked echo are
    // part of the mass.
    if (any_masked != 0)
        for (uint32_t i = 0; i < prev_count; ++i) {
            if (!any_bit(masked, words, int64_t{prev[i].first} - 1, int64_t{prev[i].last} + 1))
                continue;
            if (prev[i].blob == pending_blob) {
                prev[i].extended = 1;
                mark(runs_pos_, prev[i].first, prev[i].last);
            } else if (prev[i].blob != none_blob) {
                blobs_[find(prev[i].blob)].extended = true;
            }
        }
    for (uint32_t s = next_bit(mask, words, 0, true, count); s < count;
         s = next_bit(mask, words, s, true, count)) {
        const uint32_t first = s;
        s = next_bit(mask, words, s, false, count);
        const uint32_t last = s - 1;
        Run run{static_cast<uint16_t>(first), static_cast<uint16_t>(last), pending_blob, 0, 0, 0};
        if ((any_masked != 0 && any_bit(masked, words, int64_t{first} - 1, int64_t{last} + 1)) ||
            (prev_masked_ && any_bit(masked_, words, int64_t{first} - 1, int64_t{last} + 1)))
            run.extended = 1;
        for (uint32_t i = first; i <= last; ++i) {
            run.sum_w += levels[i];
            run.sum_ws += levels[i] * i;
        }

        while (j < prev_count && prev[j].last < first) ++j;
        uint16_t b = none_blob;
        bool touches = false, orphan = false;  // orphan: touches a run that had no blob
        for (uint32_t k = j; k < prev_count && prev[k].first <= last; ++k) {
            touches = true;
            uint16_t pb = prev[k].blob;
            if (pb == pending_blob) pb = open_pending(prev[k]);
            if (pb == none_blob) {
                orphan = true;
                continue;
            }
            pb = find(pb);
            if (b == none_blob)
                b = pb;
            else if (pb != b)
                merge(b, pb);
        }
        if (touches) {
            if (b == none_blob) b = new_blob(pos, time);
            if (b != none_blob) {
                blobs_[b].extended = blobs_[b].extended || orphan || run.extended != 0;
                add_run(b, run, pos, time, seq_);
            }
            run.blob = b;
        } else if (run.extended != 0) {
            mark(pos, run.first, run.last);
        }
        cur[cur_count++] = run;
    }

    n += close_unfinished(out + n, room - n);
    for (uint32_t i = 0; i < cur_count; ++i)
        if (cur[i].blob < pending_blob) cur[i].blob = find(cur[i].blob);
    for (uint32_t i = 0; i < merged_count_; ++i) free_[free_count_++] = merged_[i];
    merged_count_ = 0;
    current_ ^= 1;
    run_count_[current_] = cur_count;
    runs_pos_ = pos;
    runs_time_ = time;
    std::memcpy(masked_, masked, words * sizeof *masked);
    prev_masked_ = any_masked != 0;
    return n;
}

}  // namespace radartrack
