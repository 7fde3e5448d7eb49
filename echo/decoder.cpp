#include "decoder.h"

#include <algorithm>
#include <bit>

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

}  // namespace

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
    const uint8_t *levels = bits + mask;
    std::size_t j = 0;  // the j-th marked sample takes the j-th nibble
    // The mask is walked 64 samples at a time: quiet stretches cost one test,
    // fully marked ones go eight samples a step, the rest one marked sample a
    // step.
    for (std::size_t i = 0; i < mask; i += 8) {
        uint64_t marks = little_endian_64(bits + i, std::min<std::size_t>(8, mask - i));
        if (marks == 0) continue;
        uint8_t *samples = line + 8 * i;
        if (marks == ~uint64_t{0}) {
            for (std::size_t b = 0; b < 64; b += 8, j += 8) eight_levels(levels, j, samples + b);
            continue;
        }
        for (; marks != 0; marks &= marks - 1, ++j) {
            const auto level = static_cast<uint8_t>(levels[j / 2] >> (4 * (j & 1)) & 0x0F);
            if (level < 8) samples[std::countr_zero(marks)] = level;  // 8..15 leave the sample as it was
        }
    }
    return offset + mask + levels_size(j);
}

}  // namespace radar::echo
