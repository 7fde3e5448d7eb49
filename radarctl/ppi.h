// The plan position indicator: echo lines collected by bearing, drawn as a
// round picture with range rings, written as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "palette.h"
#include "radar.h"

namespace radarctl {

// The last level seen at every bearing (8192 per revolution) and sample.
class PolarPicture {
  public:
    PolarPicture();
    // Takes one delivered line: bearing = (Sweep + BearingOffset) mod 8192.
    void add(const EchoLineRecord &line);
    void clear();
    uint64_t lines() const;
    uint16_t sample_count() const;  // of the latest line
    uint8_t level(uint16_t bearing, uint16_t sample) const;

    static constexpr uint16_t bearings = 8192, samples = 512;
    // A line at most this many bearings ahead of the one before also fills
    // the bearings between them, so lines every 2, 4 or 8 sweeps leave no
    // dark spokes.
    static constexpr uint16_t fill_step = 8;

  private:
    std::vector<uint8_t> levels_;  // bearings x samples, allocated once
    uint64_t lines_ = 0;
    uint16_t sample_count_ = 0;
    int previous_bearing_ = -1;  // none yet
};

// An RGB picture, rows top to bottom.
struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3
};

// Draws the PPI: north up, own ship in the centre, the last sample at the
// rim; echo levels 1..7 and trail levels 8..15 in the palette (palette.h); `rings`
// range rings.
Image render_ppi(const PolarPicture &picture, int size, int rings = 4);

// Writes the picture as a PNG file, whole or not at all; false with the
// reason in `why` (the system's, for a file that cannot be written).
bool write_png(const Image &image, const std::string &path, std::string &why);
inline bool write_png(const Image &image, const std::string &path) {
    std::string why;
    return write_png(image, path, why);
}

// What a recording holds, for `radarctl info`.
struct RecordingInfo {
    uint64_t bytes = 0, datagrams = 0, lines = 0, revolutions = 0;
    std::vector<uint16_t> sample_counts, scale_codes;  // distinct values seen, in order of first sight
    uint64_t sweeps_covered = 0;                       // distinct sweep numbers seen (of 8192)
    struct Gap {
        uint64_t offset;  // file offset of the datagram after the gap
        uint16_t from_sweep, to_sweep;
    };
    std::vector<Gap> gaps;  // jumps in sweep number larger than the usual step
    struct Problem {
        uint64_t offset;
        std::string what;
    };
    std::vector<Problem> malformed;  // datagrams that cannot be read or decoded, with their offsets
};

// Reads a recording file (datagrams back to back, found through their word
// counts) without the library; false when the file cannot be opened.
bool inspect_recording(const std::string &path, RecordingInfo &info);
std::string describe(const RecordingInfo &info);

}  // namespace radarctl
