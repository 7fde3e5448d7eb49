// What the echo fuzz targets expect of the lines a datagram delivers, worked
// out apart from the receiver: the datagram walked line by line on its own,
// and a model of the line buffer it decodes against (cleared, as the
// receiver's is, whenever the sample count or scale code changes).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_support.h"
#include "radar.h"

namespace fuzz {

constexpr std::size_t samples = 512;
constexpr int most_lines = 255;

struct ExpectedLine {
    uint16_t sweep, bearing_offset;
    uint8_t line_flag;
    uint8_t levels[samples];  // the line buffer after this line
};

class EchoModel {
  public:
    // The lines a well-formed datagram delivers, in order, carrying `mode`.
    // `trails`: trails are on, and never age (no aging thread runs), so an
    // empty sample shows 0, or level 15 where an echo was seen since the last
    // clear.
    void take(const uint8_t *d, uint16_t mode, bool trails) {
        mode_ = mode;
        trails_ = trails;
        sample_count_ = static_cast<uint16_t>((d[12] | d[13] << 8) & 0x3FF);
        scale_code_ = static_cast<uint8_t>(d[13] >> 2);
        nibble_ = static_cast<uint16_t>(d[11] & 0x0F);
        if (nibble_ == 0) nibble_ = 240;
        count_ = d[10];
        if (sample_count_ != previous_samples_ || scale_code_ != previous_scale_) {
            std::memset(line_, 0, sizeof line_);
            previous_samples_ = sample_count_;
            previous_scale_ = scale_code_;
        }
        const std::size_t mask = sample_count_ / 8u;
        std::size_t at = 14;
        for (int i = 0; i < count_; ++i) {
            ExpectedLine &e = lines_[i];
            e.sweep = static_cast<uint16_t>((d[at] | d[at + 1] << 8) & 0x1FFF);
            const unsigned bearing = static_cast<unsigned>(d[at + 2] | d[at + 3] << 8);
            e.bearing_offset = static_cast<uint16_t>(bearing & 0x1FFF);
            e.line_flag = static_cast<uint8_t>(bearing >> 14 & 1);
            at += 4;
            if (bearing & 0x8000) {
                std::size_t marked = 0;
                for (std::size_t m = 0; m < mask; ++m)
                    marked += static_cast<std::size_t>(std::popcount(d[at + m]));
                const uint8_t *levels = d + at + mask;
                std::size_t nth = 0;
                for (std::size_t s = 0; s < mask * 8; ++s) {
                    if ((d[at + s / 8] >> (s % 8) & 1) == 0) continue;
                    const uint8_t nibble =
                        (nth % 2 == 0) ? levels[nth / 2] & 0x0F : levels[nth / 2] >> 4;
                    if (nibble < 8) line_[s] = nibble;
                    ++nth;
                }
                at += mask + 2 * ((marked + 3) / 4);
            }
            std::memcpy(e.levels, line_, samples);
        }
    }

    int count() const { return count_; }

    // Whether `r` is the datagram's line number `index`. A line fetched from
    // the ring does not carry its line flag (`flagged` false).
    bool matches(const EchoLineRecord &r, int index, bool flagged = true) const {
        if (index < 0 || index >= count_) return false;
        const ExpectedLine &e = lines_[index];
        if (r.Mode != mode_ || r.SampleCount != sample_count_ || r.HeaderNibble != nibble_ ||
            r.Sweep != e.sweep || r.BearingOffset != e.bearing_offset ||
            (flagged && r.LineFlag != e.line_flag) || r.ScaleCode != scale_code_ ||
            r.Data == nullptr)
            return false;
        for (std::size_t s = 0; s < sample_count_; ++s) {
            const uint8_t level = r.Data[s];
            if (e.levels[s] != 0 || !trails_) {
                if (level != e.levels[s]) return false;
            } else if (level != 0 && level != 15) {
                return false;
            }
        }
        return true;
    }

  private:
    ExpectedLine lines_[most_lines];
    uint8_t line_[samples] = {};
    uint16_t previous_samples_ = 0, previous_scale_ = 0;
    uint16_t mode_ = 0, sample_count_ = 0, nibble_ = 0;
    uint8_t scale_code_ = 0;
    int count_ = 0;
    bool trails_ = false;
};

}  // namespace fuzz
