// The polar picture and its drawing as a plan position indicator.
#include "ppi.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace radarctl {
namespace {

constexpr uint8_t top_level = 15;
constexpr int largest_image = 16384;  // a side beyond this is refused (empty image)

}  // namespace

PolarPicture::PolarPicture() : levels_(std::size_t{bearings} * samples, 0) {}

// The line's levels go to its bearing; samples past its sample count are
// cleared. When the bearing before was 2 to fill_step bearings behind (mod
// 8192), the bearings between take the same levels.
void PolarPicture::add(const EchoLineRecord &line) {
    const uint8_t *data = line.Data;  // copied out of the packed record
    const uint16_t count = std::min<uint16_t>(line.SampleCount, samples);
    const int bearing = (line.Sweep + line.BearingOffset) % bearings;
    uint8_t *row = levels_.data() + std::size_t(bearing) * samples;
    for (uint16_t i = 0; i < count; ++i)
        row[i] = data == nullptr ? 0 : std::min<uint8_t>(data[i], top_level);
    std::memset(row + count, 0, samples - count);
    if (previous_bearing_ >= 0) {
        const int step = (bearing - previous_bearing_ + bearings) % bearings;
        if (step >= 2 && step <= fill_step) {
            for (int k = 1; k < step; ++k) {
                const int between = (previous_bearing_ + k) % bearings;
                std::memcpy(levels_.data() + std::size_t(between) * samples, row, samples);
            }
        }
    }
    previous_bearing_ = bearing;
    sample_count_ = count;
    ++lines_;
}

void PolarPicture::clear() {
    std::fill(levels_.begin(), levels_.end(), uint8_t{0});
    lines_ = 0;
    sample_count_ = 0;
    previous_bearing_ = -1;
}

uint64_t PolarPicture::lines() const { return lines_; }

uint16_t PolarPicture::sample_count() const { return sample_count_; }

uint8_t PolarPicture::level(uint16_t bearing, uint16_t sample) const {
    if (bearing >= bearings || sample >= samples) return 0;
    return levels_[std::size_t(bearing) * samples + sample];
}

// Every pixel looks up its own bearing and sample: pixel (x, y) lies at
// (x - c, c - y) from the centre c = size / 2, so the column through the
// centre is bearing 0 exactly. Bearings run clockwise from north, rounded to
// the nearest; sample = radius / (size / 2) x sample count. Echo and trail lie
// on top of the range rings and the heading line.
Image render_ppi(const PolarPicture &picture, int size, int rings) {
    Image image;
    if (size <= 0 || size > largest_image) return image;
    image.width = image.height = size;
    image.rgb.assign(std::size_t(size) * std::size_t(size) * 3, 0);
    const int c = size / 2;
    const double radius = size / 2.0;
    const int count = picture.sample_count();
    const double per_radian = PolarPicture::bearings / (2 * std::numbers::pi);
    const double ring_spacing = rings > 0 ? radius / rings : 0;
    const PictureColours colours = picture_colours();
    uint8_t *out = image.rgb.data();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x, out += 3) {
            const int dx = x - c, dy = c - y;
            const double r = std::hypot(double(dx), double(dy));
            Rgb colour = colours.outside;
            if (r <= radius) {
                uint8_t level = 0;
                if (count > 0) {
                    const long turn = std::lround(std::atan2(double(dx), double(dy)) * per_radian);
                    const auto bearing = static_cast<uint16_t>(
                        (turn % PolarPicture::bearings + PolarPicture::bearings) %
                        PolarPicture::bearings);
                    const int sample = std::min(count - 1, static_cast<int>(r / radius * count));
                    level = picture.level(bearing, static_cast<uint16_t>(sample));
                }
                colour = level_colour(level);
                if (level == 0) {
                    if (dx == 0 && dy > 0) {
                        colour = colours.heading;
                    } else if (rings > 0) {
                        const double nearest = std::round(r / ring_spacing) * ring_spacing;
                        if (nearest > 0 && std::fabs(r - nearest) < 0.5) colour = colours.ring;
                    }
                }
            }
            out[0] = colour.r;
            out[1] = colour.g;
            out[2] = colour.b;
        }
    }
    return image;
}

}  // namespace radarctl
