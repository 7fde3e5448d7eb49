// What a recording file holds: the datagrams back to back, each found
// through the word count in its bytes 8-9, read here without the library.
//
// A datagram that cannot be decoded is reported with its offset and passed
// over as the library drops it: its lines count nowhere. Sweep statistics
// follow the lines in file order; the step between two lines is the forward
// distance in sweep numbers, across north when the number wraps (drops by
// more than 4096). A step larger than twice the usual one (the most common)
// is a gap.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <string>
#include <vector>

#include "ppi.h"

namespace radarctl {
namespace {

constexpr std::size_t prefix_size = 10;  // up to and with the word count
constexpr std::size_t header_size = 14;
constexpr std::size_t line_header_size = 4;
constexpr std::size_t largest_datagram = 1024;
constexpr uint16_t most_samples = 512;
constexpr int sweeps_per_turn = 8192;
constexpr std::size_t listed = 20;  // entries of each list describe() prints

uint16_t little_endian(const uint8_t *at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

struct Header {
    uint8_t line_count;
    uint16_t sample_count;
    uint8_t scale_code;
};

Header read_header(const uint8_t *datagram) {
    const uint16_t samples_and_scale = little_endian(datagram + 12);
    return Header{datagram[10], static_cast<uint16_t>(samples_and_scale & 0x3FF),
                  static_cast<uint8_t>(samples_and_scale >> 10)};
}

// Checks a whole datagram and collects its sweep numbers; returns what is
// wrong, or nothing.
std::string decode(const uint8_t *datagram, std::size_t length, std::vector<uint16_t> &sweeps) {
    sweeps.clear();
    if (length < header_size)
        return "datagram of " + std::to_string(length) + " bytes, shorter than its 14-byte header";
    if (length > largest_datagram)
        return "datagram of " + std::to_string(length) + " bytes, more than the " +
               std::to_string(largest_datagram) + " a datagram can hold";
    const Header header = read_header(datagram);
    if (header.sample_count > most_samples)
        return "sample count " + std::to_string(header.sample_count) + " is above 512";
    const std::size_t mask_size = header.sample_count / 8u;
    std::size_t offset = header_size;
    for (int i = 0; i < header.line_count; ++i) {
        const auto past_end = [&] {
            return "line " + std::to_string(i + 1) + " of " + std::to_string(header.line_count) +
                   " runs past the datagram's " + std::to_string(length) + " bytes";
        };
        if (offset + line_header_size > length) return past_end();
        const uint8_t *line = datagram + offset;
        sweeps.push_back(static_cast<uint16_t>(little_endian(line) & 0x1FFF));
        offset += line_header_size;
        if ((little_endian(line + 2) & 0x8000) == 0) continue;  // no change data
        if (offset + mask_size > length) return past_end();
        std::size_t marked = 0;
        for (std::size_t b = 0; b < mask_size; ++b)
            marked += static_cast<std::size_t>(std::popcount(datagram[offset + b]));
        offset += mask_size + 2 * ((marked + 3) / 4);
        if (offset > length) return past_end();
    }
    return {};
}

// Reads the datagrams in file order: `datagram(offset, bytes, length)` for
// each whole one, `problem(offset, what)` when the file ends inside one.
// False on a read error.
template <class Datagram, class Problem>
bool walk(std::FILE *file, uint64_t &bytes, Datagram datagram, Problem problem) {
    std::array<uint8_t, prefix_size + 2 * 1023> buffer;
    uint64_t offset = 0;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, prefix_size, file);
        if (got < prefix_size) {
            if (got > 0)
                problem(offset, "the file ends inside a datagram: " + std::to_string(got) +
                                    " bytes left, its header needs 14");
            offset += got;
            break;
        }
        const std::size_t words = little_endian(buffer.data() + 8) & 0x3FF;
        const std::size_t length = prefix_size + 2 * words;
        const std::size_t rest =
            std::fread(buffer.data() + prefix_size, 1, length - prefix_size, file);
        if (rest < length - prefix_size) {
            problem(offset, "the file ends inside a datagram: it announces " +
                                std::to_string(length) + " bytes, " +
                                std::to_string(prefix_size + rest) + " are left");
            offset += prefix_size + rest;
            break;
        }
        datagram(offset, buffer.data(), length);
        offset += length;
    }
    bytes = offset;
    return std::ferror(file) == 0;
}

// The forward step in sweep numbers from one line to the next, 0 for none
// (the same sweep, or a step back); `wrapped` when it crosses north.
int step_between(int from, int to, bool &wrapped) {
    wrapped = from - to > sweeps_per_turn / 2;
    if (wrapped) return to + sweeps_per_turn - from;
    return std::max(0, to - from);
}

}  // namespace

bool inspect_recording(const std::string &path, RecordingInfo &info) {
    info = RecordingInfo{};
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;

    std::vector<uint16_t> sweeps;
    std::vector<bool> seen(sweeps_per_turn, false);
    std::vector<uint64_t> steps(sweeps_per_turn, 0);  // how often each step occurs
    int previous = -1;
    const auto note_once = [](std::vector<uint16_t> &values, uint16_t value) {
        if (std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
    };
    const auto problem = [&](uint64_t offset, std::string what) {
        info.malformed.push_back({offset, std::move(what)});
    };
    bool read = walk(
        file, info.bytes,
        [&](uint64_t offset, const uint8_t *datagram, std::size_t length) {
            ++info.datagrams;
            std::string what = decode(datagram, length, sweeps);
            if (!what.empty()) return problem(offset, std::move(what));
            const Header header = read_header(datagram);
            note_once(info.sample_counts, header.sample_count);
            note_once(info.scale_codes, header.scale_code);
            for (const uint16_t sweep : sweeps) {
                ++info.lines;
                if (!seen[sweep]) ++info.sweeps_covered;
                seen[sweep] = true;
                if (previous >= 0) {
                    bool wrapped = false;
                    const int step = step_between(previous, sweep, wrapped);
                    if (wrapped) ++info.revolutions;
                    ++steps[step];
                }
                previous = sweep;
            }
        },
        problem);

    // The usual step (the smaller on a tie); a second pass finds where the
    // larger ones lie, when there are any.
    steps[0] = 0;
    const auto usual =
        static_cast<int>(std::max_element(steps.begin(), steps.end()) - steps.begin());
    const bool any_gap =
        usual > 0 && std::any_of(steps.begin() + std::min(2 * usual + 1, sweeps_per_turn),
                                 steps.end(), [](uint64_t n) { return n > 0; });
    if (read && any_gap) {
        std::rewind(file);
        previous = -1;
        uint64_t bytes = 0;
        read = walk(
            file, bytes,
            [&](uint64_t offset, const uint8_t *datagram, std::size_t length) {
                if (!decode(datagram, length, sweeps).empty()) return;
                for (const uint16_t sweep : sweeps) {
                    bool wrapped = false;
                    if (previous >= 0 && step_between(previous, sweep, wrapped) > 2 * usual)
                        info.gaps.push_back({offset, static_cast<uint16_t>(previous), sweep});
                    previous = sweep;
                }
            },
            [](uint64_t, const std::string &) {});
    }
    std::fclose(file);
    return read;
}

std::string describe(const RecordingInfo &info) {
    std::string text;
    const auto line = [&](const std::string &s) { text += s + "\n"; };
    const auto joined = [](const std::vector<uint16_t> &values) {
        if (values.empty()) return std::string("none");
        std::string s;
        for (const uint16_t v : values) s += (s.empty() ? "" : ", ") + std::to_string(v);
        return s;
    };
    const auto more = [&](std::size_t total) {
        if (total > listed) line("  ... and " + std::to_string(total - listed) + " more");
    };
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f",
                  100.0 * double(info.sweeps_covered) / sweeps_per_turn);

    line("bytes           " + std::to_string(info.bytes));
    line("datagrams       " + std::to_string(info.datagrams));
    line("lines           " + std::to_string(info.lines));
    line("revolutions     " + std::to_string(info.revolutions));
    line("sweeps covered  " + std::to_string(info.sweeps_covered) + " of 8192 (" + percent + " %)");
    line("sample counts   " + joined(info.sample_counts));
    line("scale codes     " + joined(info.scale_codes));
    line("gaps            " + std::to_string(info.gaps.size()));
    for (std::size_t i = 0; i < info.gaps.size() && i < listed; ++i) {
        const RecordingInfo::Gap &g = info.gaps[i];
        const int jump = (g.to_sweep - g.from_sweep + sweeps_per_turn) % sweeps_per_turn;
        line("  at offset " + std::to_string(g.offset) + ": sweep " + std::to_string(g.from_sweep) +
             " to " + std::to_string(g.to_sweep) + " (" + std::to_string(jump) + " sweeps on)");
    }
    more(info.gaps.size());
    line("malformed       " + std::to_string(info.malformed.size()));
    for (std::size_t i = 0; i < info.malformed.size() && i < listed; ++i)
        line("  at offset " + std::to_string(info.malformed[i].offset) + ": " +
             info.malformed[i].what);
    more(info.malformed.size());
    return text;
}

}  // namespace radarctl
