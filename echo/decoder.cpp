#include "decoder.h"

#include <bit>

namespace radar::echo {
namespace {

constexpr std::size_t line_header_size = 4;

uint16_t little_endian(const uint8_t *at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

std::size_t mask_size(uint16_t sample_count) { return sample_count / 8u; }

// Level bytes after a mask marking `marked` samples: one nibble each, rounded
// up to an even number of bytes.
std::size_t levels_size(std::size_t marked) { return 2 * ((marked + 3) / 4); }

std::size_t marked_samples(const uint8_t *mask, std::size_t size) {
    std::size_t marked = 0;
    for (std::size_t i = 0; i < size; ++i) marked += static_cast<std::size_t>(std::popcount(mask[i]));
    return marked;
}

}  // namespace

DatagramHeader read_header(const uint8_t *datagram) {
    const uint16_t samples_and_scale = little_endian(datagram + 12);
    return DatagramHeader{static_cast<uint16_t>(little_endian(datagram + 8) & 0x3FF), datagram[10],
                          static_cast<uint8_t>(datagram[11] & 0x0F), static_cast<uint16_t>(samples_and_scale & 0x3FF),
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
    if (10u + 2u * header.word_count != length) return false;
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
    for (std::size_t i = 0; i < mask; ++i) {
        for (unsigned b = 0; b < 8; ++b) {
            if ((bits[i] >> b & 1u) == 0) continue;
            const uint8_t byte = levels[j / 2];
            const uint8_t level = (j & 1) ? byte >> 4 : byte & 0x0F;
            if (level < 8) line[8 * i + b] = level;  // 8..15 leave the sample as it was
            ++j;
        }
    }
    return offset + mask + levels_size(j);
}

}  // namespace radar::echo
