// Echo datagrams: each line is sent as its changes against the line before,
// because the receiver keeps one line buffer and applies them to it.
#include <algorithm>

#include "station.h"

namespace radarctl {
namespace {

constexpr std::size_t capacity = 1024;
constexpr std::size_t header_size = 14;
constexpr std::size_t line_header_size = 4;
constexpr uint16_t most_samples = 512;
constexpr uint8_t most_lines = 255;
constexpr uint16_t line_flag_bit = 0x4000, changes_bit = 0x8000;

void put16(std::vector<uint8_t> &out, std::size_t at, uint16_t value) {
    out[at] = static_cast<uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}

std::size_t even(std::size_t size) { return size + (size & 1); }

}  // namespace

EchoEncoder::EchoEncoder(uint16_t sample_count, uint8_t scale_code, uint8_t nibble)
    : sample_count_(std::min(sample_count, most_samples)),
      scale_code_(static_cast<uint8_t>(scale_code & 0x3F)),
      nibble_(static_cast<uint8_t>(nibble & 0x0F)) {
    pending_.reserve(capacity);
    line_.reserve(line_header_size + most_samples / 8 + most_samples / 2);
    begin();
}

void EchoEncoder::begin() {
    pending_.assign(header_size, 0);
    pending_[11] = nibble_;
    put16(pending_, 12, static_cast<uint16_t>(sample_count_ | scale_code_ << 10));
    lines_ = 0;
}

void EchoEncoder::finish(std::vector<uint8_t> &datagram) {
    if (pending_.size() & 1) pending_.push_back(0);
    put16(pending_, 8, static_cast<uint16_t>((pending_.size() - 10) / 2));
    pending_[10] = lines_;
    datagram = pending_;
    begin();
}

bool EchoEncoder::add(uint16_t sweep, uint16_t bearing_offset, bool line_flag,
                      const uint8_t *levels, std::vector<uint8_t> &datagram) {
    // Only whole mask bytes exist: samples past the last one are never sent,
    // and stay as the receiver cleared them.
    const std::size_t mask_size = sample_count_ / 8u;
    const std::size_t covered = 8 * mask_size;

    line_.assign(line_header_size, 0);
    uint16_t bearing = static_cast<uint16_t>(bearing_offset & 0x1FFF);
    if (line_flag) bearing |= line_flag_bit;
    put16(line_, 0, static_cast<uint16_t>(sweep & 0x1FFF));

    std::size_t marked = 0;
    for (std::size_t s = 0; s < covered; ++s)
        if (std::min<uint8_t>(levels[s], 7) != previous_[s]) ++marked;
    if (marked > 0) {
        bearing |= changes_bit;
        line_.resize(line_header_size + mask_size + 2 * ((marked + 3) / 4), 0);
        uint8_t *mask = line_.data() + line_header_size;
        uint8_t *nibbles = mask + mask_size;
        std::size_t j = 0;
        for (std::size_t s = 0; s < covered; ++s) {
            const uint8_t level = std::min<uint8_t>(levels[s], 7);
            if (level == previous_[s]) continue;
            mask[s / 8] = static_cast<uint8_t>(mask[s / 8] | 1u << (s % 8));
            nibbles[j / 2] = static_cast<uint8_t>(nibbles[j / 2] | level << (j & 1 ? 4 : 0));
            previous_[s] = level;
            ++j;
        }
    }
    put16(line_, 2, bearing);

    bool produced = false;
    if (lines_ > 0 && (lines_ == most_lines || even(pending_.size() + line_.size()) > capacity)) {
        finish(datagram);
        produced = true;
    }
    pending_.insert(pending_.end(), line_.begin(), line_.end());
    ++lines_;
    return produced;
}

void EchoEncoder::send_whole() { std::fill(std::begin(previous_), std::end(previous_), unknown); }

bool EchoEncoder::flush(std::vector<uint8_t> &datagram) {
    if (lines_ == 0) return false;
    finish(datagram);
    return true;
}

}  // namespace radarctl
