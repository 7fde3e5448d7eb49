#include "decoder.h"

#include <algorithm>
#include <atomic>
#include <bit>

#include "kernels.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define RADAR_DECODE_VECTOR 1
#if defined(__x86_64__)
#define RADAR_DECODE_AVX512 1
#endif
#endif

namespace radar::echo {
namespace {

constexpr std::size_t line_header_size = 4;

uint16_t little_endian(const uint8_t *at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

std::size_t mask_size(uint16_t sample_count) { return sample_count / 8u; }

// Level bytes after a mask marking `marked` samples: one nibble each, rounded
// up to an even number of bytes.
std::size_t levels_size(std::size_t marked) { return 2 * ((marked + 3) / 4); }

// Up to eight bytes as one little-endian word; a whole word is read with a
// single load.
uint64_t little_endian_64(const uint8_t *at, std::size_t count) {
    uint64_t v = 0;
    if (count == 8) {
        for (std::size_t i = 0; i < 8; ++i) v |= static_cast<uint64_t>(at[i]) << (8 * i);
        return v;
    }
    for (std::size_t i = 0; i < count; ++i) v |= static_cast<uint64_t>(at[i]) << (8 * i);
    return v;
}

void store_little_endian_64(uint8_t *at, uint64_t v) {
    for (std::size_t i = 0; i < 8; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The 1 bits of a word, counted in the word itself: without a population
// count instruction to rely on, std::popcount becomes a library call.
std::size_t ones(uint64_t v) {
    v -= (v >> 1) & 0x5555555555555555u;
    v = (v & 0x3333333333333333u) + ((v >> 2) & 0x3333333333333333u);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<std::size_t>((v * 0x0101010101010101u) >> 56);
}

std::size_t marked_samples(const uint8_t *mask, std::size_t size) {
    std::size_t marked = 0;
    for (std::size_t i = 0; i < size; i += 8)
        marked += ones(little_endian_64(mask + i, std::min<std::size_t>(8, size - i)));
    return marked;
}

// Eight marked samples in a row (a mask byte of FF), nibbles j .. j + 7:
// spread the eight nibbles into the eight bytes of a word, then keep the old
// level wherever a nibble is 8..15 (bit 3 set).
void eight_levels(const uint8_t *levels, std::size_t j, uint8_t *out) {
    const std::size_t first = j / 2;
    const std::size_t bytes = (j & 1) ? 5 : 4;  // nibbles j .. j + 7 all lie among the level bytes
    const uint64_t nibbles = (little_endian_64(levels + first, bytes) >> (4 * (j & 1))) & 0xFFFFFFFFu;
    uint64_t t = (nibbles & 0xFFFFu) | (nibbles >> 16) << 32;
    t = (t | t << 8) & 0x00FF00FF00FF00FFu;
    t = (t | t << 4) & 0x0F0F0F0F0F0F0F0Fu;
    const uint64_t keep = ((t & 0x0808080808080808u) >> 3) * 0xFFu;
    store_little_endian_64(out, (little_endian_64(out, 8) & keep) | (t & ~keep));
}

// The reference: the mask walked 64 samples at a time from mask byte `i`,
// the j-th marked sample taking the j-th nibble. Quiet stretches cost one
// test, fully marked ones go eight samples a step, the rest one marked sample
// a step. The vector kernels finish a line's last samples through it.
std::size_t changes_from(const Changes &c, std::size_t i, std::size_t j) {
    for (; i < c.mask; i += 8) {
        uint64_t marks = little_endian_64(c.bits + i, std::min<std::size_t>(8, c.mask - i));
        if (marks == 0) continue;
        uint8_t *samples = c.line + 8 * i;
        if (marks == ~uint64_t{0}) {
            for (std::size_t b = 0; b < 64; b += 8, j += 8) eight_levels(c.levels, j, samples + b);
            continue;
        }
        for (; marks != 0; marks &= marks - 1, ++j) {
            const auto level = static_cast<uint8_t>(c.levels[j / 2] >> (4 * (j & 1)) & 0x0F);
            if (level < 8) samples[std::countr_zero(marks)] = level;  // 8..15 leave the sample as it was
        }
    }
    return j;
}

std::size_t changes_scalar(const Changes &c) { return changes_from(c, 0, 0); }

#if RADAR_DECODE_VECTOR
// Shuffle tables per mask byte, the technique of SIMD integer-stream
// decoders: for each marked sample of the byte, which of the byte's nibbles
// (taken in order from its first) it takes; 0x80, a shuffle's zero, for the
// others. `high` is the same for the upper half of a 16-byte shuffle.
struct ShuffleTables {
    uint8_t low[256][8], high[256][8];
    uint8_t marked[256];
};

constexpr ShuffleTables make_shuffle_tables() {
    ShuffleTables t{};
    for (int m = 0; m < 256; ++m) {
        int rank = 0;
        for (int k = 0; k < 8; ++k) {
            const bool marked = ((m >> k) & 1) != 0;
            t.low[m][k] = marked ? static_cast<uint8_t>(rank) : 0x80;
            t.high[m][k] = marked ? static_cast<uint8_t>(8 + rank) : 0x80;
            rank += marked;
        }
        t.marked[m] = static_cast<uint8_t>(rank);
    }
    return t;
}

constexpr ShuffleTables shuffles = make_shuffle_tables();

__attribute__((target("ssse3"))) inline __m128i two_halves(const uint8_t *low, const uint8_t *high) {
    return _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(low)),
                              _mm_loadl_epi64(reinterpret_cast<const __m128i *>(high)));
}

// Eight level bytes as sixteen nibbles, one to a byte in order, with 0x8
// flipped: 0..7 become 8..15, and 8..15 (keep the old level) become 0..7,
// like a shuffle's zero for an unmarked sample; one compare then says where
// to store.
__attribute__((target("ssse3"))) inline __m128i spread_nibbles(__m128i eight_bytes) {
    const __m128i nibble = _mm_set1_epi8(0x0F);
    const __m128i v = _mm_xor_si128(eight_bytes, _mm_set1_epi8(static_cast<char>(0x88)));
    return _mm_unpacklo_epi8(_mm_and_si128(v, nibble), _mm_and_si128(_mm_srli_epi16(v, 4), nibble));
}

// The line's nibbles are spread one to a byte first; then sixteen samples
// (two mask bytes) a step take theirs with one shuffle from two loads.
__attribute__((target("ssse3,popcnt"))) std::size_t changes_ssse3(const Changes &c) {
    const uint8_t *const bits = c.bits, *const levels = c.levels;
    uint8_t *const line = c.line;
    // The marks counted as marked_samples does, but with the population
    // count instruction, which this kernel may use and that one may not.
    std::size_t marked = 0;
    for (std::size_t i = 0; i < c.mask; i += 8)
        marked += static_cast<std::size_t>(
            __builtin_popcountll(little_endian_64(bits + i, std::min<std::size_t>(8, c.mask - i))));
    const std::size_t level_bytes = levels_size(marked);
    // Sixteen bytes spare: a step reads eight nibbles from its first, and
    // what lies past the last is zero.
    alignas(16) uint8_t nibbles[line_samples + 32];
    std::size_t b = 0;
    for (; b + 8 <= level_bytes; b += 8)
        _mm_store_si128(reinterpret_cast<__m128i *>(nibbles + 2 * b),
                        spread_nibbles(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(levels + b))));
    const uint64_t last = little_endian_64(levels + b, level_bytes - b);
    _mm_store_si128(reinterpret_cast<__m128i *>(nibbles + 2 * b), spread_nibbles(_mm_loadl_epi64(
                                                                      reinterpret_cast<const __m128i *>(&last))));
    _mm_store_si128(reinterpret_cast<__m128i *>(nibbles + 2 * b + 16), _mm_setzero_si128());

    const __m128i seven = _mm_set1_epi8(7), eight = _mm_set1_epi8(8);
    std::size_t i = 0, j = 0;
    // A quiet stretch of 64 samples is passed over; in any other, every pair
    // of mask bytes goes through the shuffle, which is cheaper than a branch
    // that a scattered picture cannot predict.
    for (; i + 8 <= c.mask; i += 8) {
        if (little_endian_64(bits + i, 8) == 0) continue;
#pragma GCC unroll 4
        for (std::size_t k = i; k < i + 8; k += 2) {
            const unsigned m0 = bits[k], m1 = bits[k + 1];
            const std::size_t j1 = j + shuffles.marked[m0];
            const __m128i x = _mm_shuffle_epi8(two_halves(nibbles + j, nibbles + j1),
                                               two_halves(shuffles.low[m0], shuffles.high[m1]));
            const __m128i store = _mm_cmpgt_epi8(x, seven);
            __m128i *out = reinterpret_cast<__m128i *>(line + 8 * k);
            const __m128i old = _mm_loadu_si128(out);
            _mm_storeu_si128(out,
                             _mm_or_si128(_mm_andnot_si128(store, old), _mm_and_si128(store, _mm_xor_si128(x, eight))));
            j = j1 + shuffles.marked[m1];
        }
    }
    return changes_from(c, i, j);
}
#endif

#if RADAR_DECODE_AVX512
// Sixty-four samples a step: the nibbles from the j-th on spread one to a
// byte (a byte permute and a blend of low and high nibbles), expanded into
// the marked places, and stored where they are 0..7. Loads and stores are
// masked to the bytes the line holds.
struct NibbleBytes {
    uint8_t byte_of[2][64];  // the level byte holding nibble j + n, from j's byte, j even / odd
};

constexpr NibbleBytes make_nibble_bytes() {
    NibbleBytes t{};
    for (int p = 0; p < 2; ++p)
        for (int n = 0; n < 64; ++n) t.byte_of[p][n] = static_cast<uint8_t>((p + n) >> 1);
    return t;
}

alignas(64) constexpr NibbleBytes nibble_bytes = make_nibble_bytes();

__attribute__((target("avx512f,avx512bw,avx512vbmi,avx512vbmi2,bmi2,popcnt"))) std::size_t changes_avx512(
    const Changes &c) {
    const __m512i nibble = _mm512_set1_epi8(0x0F), eight = _mm512_set1_epi8(8);
    // The permute for an even or odd start is loaded from the table each
    // step, not kept in an array of vectors on the stack (which some Windows
    // compilers do not align).
    constexpr uint64_t high_nibble[2] = {0xAAAAAAAAAAAAAAAAu, 0x5555555555555555u};
    std::size_t j = 0;
    for (std::size_t i = 0; i < c.mask; i += 8) {
        const uint64_t marks = little_endian_64(c.bits + i, std::min<std::size_t>(8, c.mask - i));
        if (marks == 0) continue;
        const std::size_t count = static_cast<std::size_t>(_mm_popcnt_u64(marks));
        const std::size_t first = j / 2, bytes = (j + count - 1) / 2 - first + 1, p = j & 1;
        const __mmask64 needed = _bzhi_u64(~uint64_t{0}, static_cast<unsigned>(bytes));
        const __m512i v = _mm512_maskz_loadu_epi8(needed, c.levels + first);
        const __m512i b = _mm512_maskz_permutexvar_epi8(~__mmask64{0}, _mm512_load_si512(nibble_bytes.byte_of[p]), v);
        const __m512i n = _mm512_mask_blend_epi8(high_nibble[p], _mm512_and_si512(b, nibble),
                                                 _mm512_and_si512(_mm512_srli_epi16(b, 4), nibble));
        const __m512i e = _mm512_maskz_expand_epi8(marks, n);
        _mm512_mask_storeu_epi8(c.line + 8 * i, _mm512_mask_cmplt_epu8_mask(marks, e, eight), e);
        j += count;
    }
    return j;
}
#endif

const DecodeKernel kernels[] = {
    {"scalar", &changes_scalar},
#if RADAR_DECODE_VECTOR
    {"ssse3", &changes_ssse3},
#endif
#if RADAR_DECODE_AVX512
    {"avx512vbmi2", &changes_avx512},
#endif
};

bool runs_here(const DecodeKernel &k) {
#if RADAR_DECODE_VECTOR
    if (k.run == &changes_ssse3) return __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt");
#endif
#if RADAR_DECODE_AVX512
    if (k.run == &changes_avx512)
        return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi") &&
               __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi2");
#endif
    return k.run != nullptr;
}

// The widest kernel this processor runs, chosen on first use.
std::atomic<std::size_t (*)(const Changes &)> chosen{nullptr};

std::size_t (*best_kernel())(const Changes &) { return widest_kernel(kernels, &runs_here, chosen); }

}  // namespace

std::size_t decode_kernels(const DecodeKernel *(&out)[4]) { return kernels_that_run(kernels, &runs_here, out); }

DatagramHeader read_header(const uint8_t *datagram) {
    const uint16_t samples_and_scale = little_endian(datagram + 12);
    return DatagramHeader{datagram[10], static_cast<uint8_t>(datagram[11] & 0x0F),
                          static_cast<uint16_t>(samples_and_scale & 0x3FF),
                          static_cast<uint8_t>(samples_and_scale >> 10)};
}

LineHeader read_line_header(const uint8_t *line) {
    const uint16_t sweep = little_endian(line);
    const uint16_t bearing = little_endian(line + 2);
    return LineHeader{static_cast<uint16_t>(sweep & 0x1FFF), static_cast<uint16_t>(bearing & 0x1FFF),
                      static_cast<uint8_t>((bearing >> 14) & 1), (bearing & 0x8000) != 0};
}

bool well_formed(const uint8_t *datagram, std::size_t length) {
    if (length < header_size || length > datagram_capacity) return false;
    const DatagramHeader header = read_header(datagram);
    if (header.sample_count > line_samples) return false;
    const std::size_t mask = mask_size(header.sample_count);
    std::size_t offset = header_size;
    for (int i = 0; i < header.line_count; ++i) {
        if (offset + line_header_size > length) return false;
        if (read_line_header(datagram + offset).changes) {
            if (offset + line_header_size + mask > length) return false;
            const std::size_t marked = marked_samples(datagram + offset + line_header_size, mask);
            offset += line_header_size + mask + levels_size(marked);
            if (offset > length) return false;
        } else {
            offset += line_header_size;
        }
    }
    return true;
}

// A line with changes, sample count 16: "64 00 00 80, 09 02, 72 05" marks
// samples 0, 3 and 9 (mask 09 02) and sets them to 2, 7 and 5 (low nibble,
// high nibble, low nibble); the high nibble of 05 carries nothing.
std::size_t apply_line(const uint8_t *datagram, std::size_t offset, const LineHeader &header,
                       uint16_t sample_count, uint8_t (&line)[line_samples]) {
    offset += line_header_size;
    if (!header.changes) return offset;  // the line repeats the one before
    const std::size_t mask = mask_size(sample_count);
    const uint8_t *bits = datagram + offset;
    return offset + mask + levels_size(best_kernel()({bits, bits + mask, mask, line}));
}

}  // namespace radar::echo
