// The plot extractor: turns echo lines, one at a time, into plots.
//
// Each line's echo samples (levels 1-7) become runs, found through a bit
// mask of the line's echo samples. A run joins the blobs of the runs of the
// previous line that it overlaps (merging them when it touches several); a
// blob closes when a line passes without continuing it, and its
// level-weighted centroid becomes a plot unless the echo is not a target's:
//   - too small: a few samples, or narrower in bearing than a beam can make
//     any echo (noise, clutter spikes);
//   - extended: longer in range, wider in bearing or larger than a ship can
//     be, or too sparse (coast, rain, the clutter mass near own ship).
// Lines are counted on in sweeps from the first (through north, so a blob
// across north is one blob); a gap wider than max_gap_sweeps, a sweep going
// back or a change of range closes every blob.
//
// Pools are fixed: max_runs runs a line (every run a 512-sample line can
// hold) and max_blobs open blobs; a run that finds no free blob belongs to
// none, and a blob that meets such a run is marked extended.
//
// A blob is opened only when a second line continues a run: most runs
// (noise, the speckle of sea clutter) touch no run of the line before or
// after, and a run alone keeps its own sums until then. That is the same
// echo as a blob of one line, at a fraction of the cost.
//
// The extended region: sea clutter near own ship and coast make most of a
// line's runs, all to be rejected (extended, or specks too small). A cell
// (region_sweeps sweeps by 8 samples) where the last revolution rejected
// echo on at least region_fill of its lines is masked: a line's echo there
// is taken out of its bit mask before its runs are found, at the cost of a
// few bit operations, and counts for the next revolution as rejected. An
// echo touching masked echo (on its own line or the one before or after)
// is extended: the edge of the mass is not made into plots. The region is
// kept clear about every track (the tracker's unmask()), and one quarter of
// the circle is looked at afresh each revolution, so an echo that has left
// the mass (a ship out of the clutter) is found within four revolutions.
// Scattered echo (noise, a ship alone) never fills half a cell's lines.
#pragma once

#include <cstdint>

#include "plot.h"

namespace radartrack {

struct ExtractorLimits {
    uint32_t min_samples = 3;
    double min_width_sweeps = 11;    // 0.5 degree: a beam is wider
    double max_width_deg = 8;        // or max_size_m across, whichever is wider
    double max_length_samples = 12;  // or max_size_m, whichever is longer
    double max_size_m = 600;
    uint32_t max_samples = 3000;
    double min_fill = 0.25;       // samples / (length x lines): below, diffuse
    int64_t max_gap_sweeps = 16;  // lines farther apart are not adjacent
    double region_fill = 0.5;     // of a cell's lines rejected: masked next revolution
    // The level-weighted centroid of a few samples is good to about a third
    // of a sample, and a few metres.
    double range_sigma_samples = 0.3;
    double range_sigma_m = 3;
};

class PlotExtractor {
  public:
    static constexpr uint32_t max_runs = 256;
    static constexpr uint32_t max_blobs = 256;
    static constexpr uint32_t max_samples_per_line = 512;

    PlotExtractor() : turns_(0) {
        reset();
        clear_region();
    }

    // Takes one line at antenna position `pos` (sweeps counted on), of
    // `count` samples spanning `range_m`, at `time`. Writes the plots it
    // closes to `out` (room for `room`; the rest are lost) and returns their
    // number.
    uint32_t line(const uint8_t *levels, uint32_t count, double range_m, int64_t pos, double time,
                  Plot *out, uint32_t room);

    // Closes every open blob (range change, gap), writing its plots.
    uint32_t flush(Plot *out, uint32_t room);

    void reset();

    // A new revolution: the region found in the last becomes the mask.
    void new_turn();
    // Clears the mask over `half_sweeps` either side of antenna position
    // `sweep` (0-8191), from `near_m` to `far_m`.
    void unmask(int64_t sweep, int64_t half_sweeps, double near_m, double far_m);

    ExtractorLimits limits;
    static constexpr uint32_t region_sectors = 256;
    static constexpr int64_t region_sweeps = 8192 / region_sectors;
    static constexpr uint32_t refresh_turns = 4;

  private:
    struct Run {
        uint16_t first, last;    // samples, inclusive
        uint16_t blob;           // pending_blob while alone, none_blob when the pool was empty
        uint16_t extended;       // touches masked echo
        uint32_t sum_w, sum_ws;  // level-weighted sums of its samples, for a blob opened later
    };
    struct Blob {
        double sum_w, sum_ws, sum_wp, sum_wt;  // level-weighted sums: samples, sweeps, seconds
        int64_t first_pos, last_pos;
        double first_time;
        uint32_t samples, lines, last_seq;
        uint16_t min_s, max_s, parent;
        bool open, extended;
    };
    static constexpr uint16_t none_blob = 0xFFFF, pending_blob = 0xFFFE;
    static constexpr uint32_t mask_words = max_samples_per_line / 64;

    uint16_t find(uint16_t b);
    uint16_t new_blob(int64_t pos, double time);
    void merge(uint16_t into, uint16_t from);
    void add_run(uint16_t b, const Run &run, int64_t pos, double time, uint32_t seq);
    uint16_t open_pending(Run &run);
    bool close(uint16_t b, Plot &plot);
    uint32_t close_unfinished(Plot *out, uint32_t room);
    void mark(int64_t pos, uint32_t first, uint32_t last);
    void clear_region();

    Run runs_[2][max_runs];
    uint32_t run_count_[2];
    uint32_t current_;  // which runs_ holds the previous line's runs
    Blob blobs_[max_blobs];
    uint16_t free_[max_blobs];
    uint32_t free_count_;
    uint16_t merged_[max_blobs];
    uint32_t merged_count_;
    uint32_t seq_;
    bool have_line_;
    int64_t last_pos_, last_gap_;
    int64_t runs_pos_;  // the line whose runs runs_[current_] holds, some maybe pending
    double runs_time_;
    double range_m_;
    uint32_t count_;
    double length_limit_;  // samples: longer is extended
    // The region: masked this revolution, and found for the next.
    uint64_t region_[region_sectors][mask_words];
    // Per cell: lines whose echo there was masked or rejected, this revolution.
    uint8_t rejected_[region_sectors][max_samples_per_line / 8];
    uint16_t sector_lines_[region_sectors];
    uint64_t masked_[mask_words];  // the previous line's masked echo
    bool prev_masked_;
    uint32_t turns_;
};

}  // namespace radartrack
