// radarctl's picture side: the polar picture and its fill between spokes, the
// PPI's pixel mapping and palette, PNG output read back through libpng, and
// what recording files built here byte by byte are found to hold.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ppi.h"
#include "radar.h"

namespace {

using namespace radarctl;

// ---- Helpers -----------------------------------------------------------------

EchoLineRecord line_at(uint16_t sweep, uint16_t bearing_offset, uint8_t *levels,
                       uint16_t sample_count = 512) {
    EchoLineRecord line{};
    line.Mode = 1;
    line.Data = levels;
    line.SampleCount = sample_count;
    line.HeaderNibble = 1;
    line.Sweep = sweep;
    line.BearingOffset = bearing_offset;
    line.ScaleCode = 5;
    return line;
}

Rgb pixel(const Image &image, int x, int y) {
    const std::size_t at = (std::size_t(y) * std::size_t(image.width) + std::size_t(x)) * 3;
    return Rgb{image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

// A file in the temporary directory, removed when the test ends.
struct Scratch {
    std::string path;
    explicit Scratch(const std::string &name) {
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = (std::filesystem::temp_directory_path() /
                ("radarctl-ppi-" + std::to_string(::getpid()) + "-" + test->name() + "-" + name))
                   .string();
        std::filesystem::remove(path);
    }
    ~Scratch() { std::filesystem::remove(path); }
};

std::vector<uint8_t> file_bytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void write_file(const std::string &path, const std::vector<uint8_t> &bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

// ---- The polar picture -------------------------------------------------------

TEST(PolarPicture, KeepsEachLineAtSweepPlusOffsetAndCountsLines) {
    auto picture = std::make_unique<PolarPicture>();
    EXPECT_EQ(picture->lines(), 0u);
    EXPECT_EQ(picture->sample_count(), 0);
    uint8_t levels[512] = {};
    levels[0] = 3;
    levels[99] = 15;
    levels[100] = 9;                                // past this line's sample count: not taken
    picture->add(line_at(8000, 300, levels, 100));  // (8000 + 300) mod 8192 = 108
    EXPECT_EQ(picture->lines(), 1u);
    EXPECT_EQ(picture->sample_count(), 100);
    EXPECT_EQ(picture->level(108, 0), 3);
    EXPECT_EQ(picture->level(108, 99), 15);
    EXPECT_EQ(picture->level(108, 100), 0);
    EXPECT_EQ(picture->level(8000, 0), 0);
    EXPECT_EQ(picture->level(8192, 0), 0) << "a bearing out of range reads 0";
    EXPECT_EQ(picture->level(108, 512), 0) << "a sample out of range reads 0";

    // A later line at the same bearing replaces all of it, shorter or not.
    uint8_t other[512] = {};
    other[5] = 7;
    picture->add(line_at(108, 0, other, 50));
    EXPECT_EQ(picture->level(108, 0), 0);
    EXPECT_EQ(picture->level(108, 5), 7);
    EXPECT_EQ(picture->level(108, 99), 0);
    EXPECT_EQ(picture->lines(), 2u);

    // More than 512 samples: 512 are taken.
    uint8_t full[512];
    std::fill(std::begin(full), std::end(full), uint8_t{4});
    picture->add(line_at(4000, 0, full, 700));
    EXPECT_EQ(picture->sample_count(), 512);
    EXPECT_EQ(picture->level(4000, 511), 4);

    picture->clear();
    EXPECT_EQ(picture->lines(), 0u);
    EXPECT_EQ(picture->sample_count(), 0);
    EXPECT_EQ(picture->level(4000, 511), 0);
    EXPECT_EQ(picture->level(108, 5), 0);
}

struct FillCase {
    const char *what;
    uint16_t first, second;            // bearings of two lines in turn
    std::vector<uint16_t> filled;      // take the second line's levels
    std::vector<uint16_t> left_empty;  // take nothing
};

TEST(PolarPicture, FillsTheBearingsBetweenALineAndTheOneAShortStepBehind) {
    const FillCase cases[] = {
        {"step 1", 100, 101, {}, {99, 102}},
        {"step 2", 100, 102, {101}, {99, 103}},
        {"step 4", 100, 104, {101, 102, 103}, {99, 105}},
        {"step 8, the longest filled", 100, 108, {101, 102, 103, 104, 105, 106, 107}, {109}},
        {"step 9 is a hole, not a spoke", 100, 109, {}, {101, 104, 108}},
        {"a step back fills nothing", 100, 96, {}, {97, 98, 99, 101}},
        {"across north", 8190, 2, {8191, 0, 1}, {3, 8189}},
    };
    auto picture = std::make_unique<PolarPicture>();
    uint8_t first[512] = {}, second[512] = {};
    first[10] = 3;
    second[20] = 6;
    for (const FillCase &c : cases) {
        SCOPED_TRACE(c.what);
        picture->clear();
        picture->add(line_at(c.first, 0, first));
        picture->add(line_at(c.second, 0, second));
        EXPECT_EQ(picture->level(c.first, 10), 3) << "the first line keeps its bearing";
        EXPECT_EQ(picture->level(c.second, 20), 6);
        for (const uint16_t b : c.filled) {
            EXPECT_EQ(picture->level(b, 20), 6) << "bearing " << b;
            EXPECT_EQ(picture->level(b, 10), 0) << "bearing " << b;
        }
        for (const uint16_t b : c.left_empty) {
            EXPECT_EQ(picture->level(b, 20), 0) << "bearing " << b;
            EXPECT_EQ(picture->level(b, 10), 0) << "bearing " << b;
        }
    }
    // After clear() there is no line before.
    picture->clear();
    picture->add(line_at(100, 0, first));
    picture->clear();
    picture->add(line_at(104, 0, second));
    EXPECT_EQ(picture->level(102, 20), 0);
}

// Lines every 4 sweeps for a revolution and a bit: the whole disc shows the
// echo; every 16 sweeps, dark spokes remain.
TEST(PolarPicture, LinesEveryFourSweepsDrawAPictureWithoutSpokes) {
    uint8_t levels[512];
    std::fill(std::begin(levels), std::end(levels), uint8_t{7});
    for (const int step : {4, 16}) {
        SCOPED_TRACE("lines every " + std::to_string(step) + " sweeps");
        auto picture = std::make_unique<PolarPicture>();
        for (int sweep = 0; sweep <= 8192; sweep += step)
            picture->add(line_at(static_cast<uint16_t>(sweep % 8192), 0, levels));
        const Image image = render_ppi(*picture, 400, 0);
        int inside = 0, echo = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x) {
                const int dx = x - 200, dy = 200 - y;
                if (dx * dx + dy * dy > 200 * 200) continue;
                ++inside;
                echo += pixel(image, x, y) == level_colour(7);
            }
        if (step == 4) {
            EXPECT_EQ(echo, inside);
        } else {
            EXPECT_LT(echo, inside);
        }
    }
}

// ---- The PPI -----------------------------------------------------------------

struct MappingCase {
    const char *what;
    uint16_t bearing, sample, sample_count;
    uint8_t level;
    int x, y;  // in a 512 x 512 picture, centre (256, 256), radius 256
};

TEST(Ppi, EachPixelShowsItsBearingAndSampleNorthUpClockwise) {
    const MappingCase cases[] = {
        {"north, half the radius", 0, 256, 512, 7, 256, 128},
        {"east (2048)", 2048, 256, 512, 5, 384, 256},
        {"south (4096)", 4096, 256, 512, 1, 256, 384},
        {"west (6144), a quarter out", 6144, 128, 512, 12, 192, 256},
        {"north-east (1024)", 1024, 282, 512, 15, 356, 156},
        {"just west of north", 8185, 400, 512, 8, 255, 56},
        {"the last sample at the rim", 0, 511, 512, 6, 256, 0},
        {"256 samples: half the radius is sample 128", 0, 128, 256, 7, 256, 128},
    };
    auto picture = std::make_unique<PolarPicture>();
    for (const MappingCase &c : cases) {
        SCOPED_TRACE(c.what);
        picture->clear();
        uint8_t levels[512] = {};
        levels[c.sample] = c.level;
        picture->add(line_at(c.bearing, 0, levels, c.sample_count));
        const Image image = render_ppi(*picture, 512, 0);
        ASSERT_EQ(image.width, 512);
        ASSERT_EQ(image.height, 512);
        ASSERT_EQ(image.rgb.size(), 512u * 512u * 3u);
        EXPECT_EQ(pixel(image, c.x, c.y), level_colour(c.level));
        // The same place across the centre shows none of it.
        const int ox = 512 - c.x, oy = 512 - c.y;
        if (ox < 512 && oy < 512) {
            EXPECT_NE(pixel(image, ox, oy), level_colour(c.level));
        }
    }
}

TEST(Ppi, EveryLevelHasItsOwnColourEchoWarmTrailCool) {
    const Rgb background = level_colour(0);
    std::set<std::tuple<int, int, int>> seen;
    for (int level = 0; level <= 15; ++level) {
        const Rgb c = level_colour(static_cast<uint8_t>(level));
        seen.insert({c.r, c.g, c.b});
        if (level == 0) continue;
        EXPECT_NE(c, background) << level;
        EXPECT_NE(c, (Rgb{0, 0, 0})) << level;
        if (level <= 7) {
            EXPECT_GT(c.r, c.b) << "echo " << level << " is yellow or orange";
            EXPECT_GE(c.r, c.g) << "echo " << level;
        } else {
            EXPECT_GT(c.b, c.r) << "trail " << level << " is blue or green";
            EXPECT_GT(c.g, c.r) << "trail " << level;
        }
    }
    EXPECT_EQ(seen.size(), 16u) << "16 distinct colours";
    const auto brightness = [](int level) {
        const Rgb c = level_colour(static_cast<uint8_t>(level));
        return c.r + c.g + c.b;
    };
    for (int level = 2; level <= 7; ++level)
        EXPECT_GT(brightness(level), brightness(level - 1)) << "echo " << level;
    for (int level = 9; level <= 15; ++level)
        EXPECT_GT(brightness(level), brightness(level - 1)) << "trail " << level;
}

TEST(Ppi, BackgroundRingsAndHeadingLine) {
    auto picture = std::make_unique<PolarPicture>();
    const Rgb background = level_colour(0), black{0, 0, 0};
    // Centre (100, 100), radius 100: rings at 25, 50, 75 and 100.
    const Image plain = render_ppi(*picture, 200, 0);
    const Image ringed = render_ppi(*picture, 200, 4);
    EXPECT_EQ(pixel(ringed, 0, 0), black) << "outside the circle";
    EXPECT_EQ(pixel(ringed, 199, 199), black);
    EXPECT_EQ(pixel(ringed, 112, 100), background);
    EXPECT_NE(background, black);
    const Rgb ring = pixel(ringed, 125, 100);
    EXPECT_NE(ring, background);
    EXPECT_NE(ring, black);
    for (const auto &[x, y] : std::vector<std::pair<int, int>>{{150, 100}, {100, 175}, {0, 100}})
        EXPECT_EQ(pixel(ringed, x, y), ring) << x << "," << y;
    EXPECT_EQ(pixel(plain, 125, 100), background) << "no rings asked";
    const Rgb heading = pixel(plain, 100, 60);
    EXPECT_NE(heading, background) << "the heading line runs north";
    EXPECT_EQ(pixel(plain, 100, 140), background) << "and only north";

    // An echo lies over a ring.
    uint8_t levels[512] = {};
    levels[128] = 5;  // radius 25 of 100 with 512 samples
    picture->add(line_at(2048, 0, levels));
    const Image echo = render_ppi(*picture, 200, 4);
    EXPECT_EQ(pixel(echo, 125, 100), level_colour(5));

    EXPECT_EQ(render_ppi(*picture, 200, 4).rgb, echo.rgb) << "deterministic";
    EXPECT_TRUE(render_ppi(*picture, 0).rgb.empty());
    EXPECT_TRUE(render_ppi(*picture, -5).rgb.empty());
}

// ---- PNG ---------------------------------------------------------------------

Image test_image(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.rgb.resize(std::size_t(width) * std::size_t(height) * 3);
    for (std::size_t i = 0; i < image.rgb.size(); ++i)
        image.rgb[i] = static_cast<uint8_t>((i * 37 + i / 7) & 0xFF);
    return image;
}

bool read_png(const std::string &path, Image &out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.rgb.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    return true;
}

uint32_t big_endian(const std::vector<uint8_t> &b, std::size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

TEST(Png, ReadsBackToTheSamePixelsAndTheSameBytesEveryTime) {
    auto picture = std::make_unique<PolarPicture>();
    uint8_t levels[512];
    for (int i = 0; i < 512; ++i) levels[i] = static_cast<uint8_t>(i % 16);
    for (int sweep = 0; sweep < 8192; sweep += 2)
        picture->add(line_at(static_cast<uint16_t>(sweep), 0, levels));
    const std::vector<Image> images = {render_ppi(*picture, 96), test_image(7, 5)};
    for (const Image &image : images) {
        SCOPED_TRACE(std::to_string(image.width) + "x" + std::to_string(image.height));
        Scratch first("a.png"), second("b.png");
        ASSERT_TRUE(write_png(image, first.path));
        ASSERT_TRUE(write_png(image, second.path));
        Image back;
        ASSERT_TRUE(read_png(first.path, back));
        EXPECT_EQ(back.width, image.width);
        EXPECT_EQ(back.height, image.height);
        EXPECT_EQ(back.rgb, image.rgb);

        const std::vector<uint8_t> a = file_bytes(first.path), b = file_bytes(second.path);
        EXPECT_EQ(a, b);
        // IHDR: 8-bit RGB, no interlace; and no time chunk anywhere.
        ASSERT_GT(a.size(), 33u);
        EXPECT_EQ(std::string(a.begin() + 12, a.begin() + 16), "IHDR");
        EXPECT_EQ(a[24], 8);
        EXPECT_EQ(a[25], 2);
        EXPECT_EQ(a[28], 0);
        std::vector<std::string> chunks;
        for (std::size_t at = 8; at + 8 <= a.size(); at += 12 + big_endian(a, at))
            chunks.emplace_back(a.begin() + long(at) + 4, a.begin() + long(at) + 8);
        ASSERT_FALSE(chunks.empty());
        EXPECT_EQ(chunks.back(), "IEND");
        EXPECT_EQ(std::count(chunks.begin(), chunks.end(), "tIME"), 0);
    }
}

TEST(Png, FailsWithoutAPlaceToWriteOrAPicture) {
    const Image image = test_image(4, 4);
    Scratch missing("no-such-directory");
    EXPECT_FALSE(write_png(image, missing.path + "/picture.png"));
    EXPECT_FALSE(write_png(image, std::filesystem::temp_directory_path().string()))
        << "a directory";
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(write_png(image, "/dev/full")) << "a full device";
    }

    Scratch out("out.png");
    EXPECT_FALSE(write_png(Image{}, out.path)) << "no pixels";
    Image short_of_bytes = image;
    short_of_bytes.rgb.pop_back();
    EXPECT_FALSE(write_png(short_of_bytes, out.path));
    EXPECT_TRUE(write_png(image, out.path));
}

// ---- What a recording holds ---------------------------------------------------

// Builds one echo datagram: 8 bytes kept as they are, the word count, the
// line count, the header nibble, sample count and scale code, then the lines.
class Datagram {
  public:
    Datagram(uint16_t sample_count, uint8_t scale_code)
        : sample_count_(sample_count), scale_code_(scale_code) {}

    // A line repeating the one before: 4 bytes.
    Datagram &line(uint16_t sweep, uint16_t bearing_offset = 0, bool flag = false) {
        put_line_header(sweep, bearing_offset, flag, false);
        ++lines_;
        return *this;
    }
    // A line with change data: the mask, then one nibble per marked sample.
    Datagram &changes(uint16_t sweep, const std::vector<std::pair<int, uint8_t>> &marked) {
        put_line_header(sweep, 0, false, true);
        std::vector<uint8_t> mask(sample_count_ / 8, 0);
        for (const auto &[sample, level] : marked)
            mask.at(std::size_t(sample) / 8) |= uint8_t(1u << (sample % 8));
        body_.insert(body_.end(), mask.begin(), mask.end());
        std::vector<uint8_t> nibbles(2 * ((marked.size() + 3) / 4), 0);
        for (std::size_t j = 0; j < marked.size(); ++j)
            nibbles[j / 2] |= uint8_t((marked[j].second & 0x0F) << (j % 2 ? 4 : 0));
        body_.insert(body_.end(), nibbles.begin(), nibbles.end());
        ++lines_;
        return *this;
    }
    // The datagram, with a pad byte when odd; `drop_words` removes that many
    // words from its end and its word count.
    std::vector<uint8_t> bytes(std::size_t drop_words = 0) const {
        std::vector<uint8_t> d(8, 0xEE);
        std::vector<uint8_t> rest = body_;
        if (rest.size() % 2) rest.push_back(0);
        const std::size_t words = (4 + rest.size()) / 2 - drop_words;
        d.push_back(uint8_t(words & 0xFF));
        d.push_back(uint8_t(words >> 8));
        d.push_back(lines_);
        d.push_back(1);
        const uint16_t samples_and_scale = uint16_t(sample_count_ | scale_code_ << 10);
        d.push_back(uint8_t(samples_and_scale & 0xFF));
        d.push_back(uint8_t(samples_and_scale >> 8));
        d.insert(d.end(), rest.begin(), rest.end());
        d.resize(10 + 2 * words);
        return d;
    }

  private:
    void put_line_header(uint16_t sweep, uint16_t bearing_offset, bool flag, bool changes) {
        const uint16_t second =
            uint16_t(bearing_offset | (flag ? 0x4000 : 0) | (changes ? 0x8000 : 0));
        body_.insert(body_.end(), {uint8_t(sweep & 0xFF), uint8_t(sweep >> 8),
                                   uint8_t(second & 0xFF), uint8_t(second >> 8)});
    }
    uint16_t sample_count_;
    uint8_t scale_code_;
    uint8_t lines_ = 0;
    std::vector<uint8_t> body_;
};

// Datagrams of 512 samples, scale code 5, lines without change data.
std::vector<uint8_t> plain(const std::vector<uint16_t> &sweeps) {
    Datagram d(512, 5);
    for (const uint16_t s : sweeps) d.line(s);
    return d.bytes();
}

// Writes the pieces back to back; returns each one's offset.
std::vector<uint64_t> write_pieces(const std::string &path,
                                   const std::vector<std::vector<uint8_t>> &pieces) {
    std::vector<uint8_t> all;
    std::vector<uint64_t> offsets;
    for (const auto &p : pieces) {
        offsets.push_back(all.size());
        all.insert(all.end(), p.begin(), p.end());
    }
    write_file(path, all);
    return offsets;
}

TEST(Recordings, CountsEverythingInWellFormedDatagrams) {
    const std::vector<std::vector<uint8_t>> pieces = {
        Datagram(512, 5).line(0).changes(2, {{0, 7}, {100, 3}, {511, 9}}).line(4, 12, true).bytes(),
        Datagram(256, 3).changes(6, {{1, 1}, {2, 2}, {3, 3}, {200, 4}, {255, 5}}).line(8).bytes(),
        Datagram(512, 5).line(10).bytes(), Datagram(128, 9).bytes(),  // no lines
    };
    // Sizes: 14 + 4 + (4 + 64 + 2) + 4; 14 + (4 + 32 + 4) + 4; 14 + 4; 14.
    ASSERT_EQ(pieces[0].size(), 92u);
    ASSERT_EQ(pieces[1].size(), 58u);
    Scratch file("counts.rec");
    write_pieces(file.path, pieces);
    RecordingInfo info;
    info.lines = 99;  // whatever was there goes
    ASSERT_TRUE(inspect_recording(file.path, info));
    EXPECT_EQ(info.bytes, 92u + 58u + 18u + 14u);
    EXPECT_EQ(info.datagrams, 4u);
    EXPECT_EQ(info.lines, 6u);
    EXPECT_EQ(info.revolutions, 0u);
    EXPECT_EQ(info.sweeps_covered, 6u);
    EXPECT_EQ(info.sample_counts, (std::vector<uint16_t>{512, 256, 128}));
    EXPECT_EQ(info.scale_codes, (std::vector<uint16_t>{5, 3, 9}));
    EXPECT_TRUE(info.gaps.empty());
    EXPECT_TRUE(info.malformed.empty()) << info.malformed[0].what;
}

TEST(Recordings, AnEmptyFileHoldsNothingAndAMissingOneIsRefused) {
    Scratch file("empty.rec");
    write_file(file.path, {});
    RecordingInfo info;
    ASSERT_TRUE(inspect_recording(file.path, info));
    EXPECT_EQ(info.bytes, 0u);
    EXPECT_EQ(info.datagrams, 0u);
    EXPECT_EQ(info.lines, 0u);
    EXPECT_EQ(info.revolutions, 0u);
    EXPECT_EQ(info.sweeps_covered, 0u);
    EXPECT_TRUE(info.sample_counts.empty());
    EXPECT_TRUE(info.scale_codes.empty());
    EXPECT_TRUE(info.gaps.empty());
    EXPECT_TRUE(info.malformed.empty());

    Scratch missing("missing.rec");
    EXPECT_FALSE(inspect_recording(missing.path, info));
}

struct SweepCase {
    const char *what;
    std::vector<std::vector<uint16_t>> datagrams;  // sweep numbers, a datagram each
    uint64_t revolutions;
    struct Gap {
        std::size_t datagram;
        uint16_t from, to;
    };
    std::vector<Gap> gaps;
};

TEST(Recordings, RevolutionsAndGapsFollowTheSweepNumbers) {
    const SweepCase cases[] = {
        {"steady", {{0, 2, 4}, {6, 8, 10}}, 0, {}},
        {"twice the usual step is no gap", {{0, 2, 4, 8}, {10, 12}}, 0, {}},
        {"twice the usual step beside a gap", {{0, 2, 4, 8, 10}, {12, 14, 30}}, 0, {{1, 14, 30}}},
        {"a gap between datagrams", {{0, 2, 4}, {6, 8, 10}, {50, 52}}, 0, {{2, 10, 50}}},
        {"a gap inside a datagram", {{0, 2, 4}, {6, 8, 30, 32}}, 0, {{1, 8, 30}}},
        {"two gaps", {{0, 2, 4, 6}, {20, 22, 24, 26}, {28, 30, 90}}, 0, {{1, 6, 20}, {2, 30, 90}}},
        {"round north is a revolution, not a gap", {{8186, 8188, 8190}, {0, 2, 4}}, 1, {}},
        {"round north inside a datagram", {{8188, 8190, 0, 2}}, 1, {}},
        {"two revolutions in steps of 2048",
         {{0, 2048, 4096, 6144}, {0, 2048, 4096, 6144}, {0}},
         2,
         {}},
        {"sweeps lost round north", {{8186, 8188, 8190}, {100, 102, 104}}, 1, {{1, 8190, 100}}},
        {"a small step back is neither", {{100, 102, 104}, {50, 52, 54}}, 0, {}},
    };
    for (const SweepCase &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::vector<uint8_t>> pieces;
        std::set<uint16_t> distinct;
        uint64_t lines = 0;
        for (const auto &sweeps : c.datagrams) {
            pieces.push_back(plain(sweeps));
            distinct.insert(sweeps.begin(), sweeps.end());
            lines += sweeps.size();
        }
        Scratch file("sweeps.rec");
        const std::vector<uint64_t> offsets = write_pieces(file.path, pieces);
        RecordingInfo info;
        ASSERT_TRUE(inspect_recording(file.path, info));
        EXPECT_EQ(info.datagrams, c.datagrams.size());
        EXPECT_EQ(info.lines, lines);
        EXPECT_EQ(info.sweeps_covered, distinct.size());
        EXPECT_EQ(info.revolutions, c.revolutions);
        ASSERT_EQ(info.gaps.size(), c.gaps.size());
        for (std::size_t i = 0; i < c.gaps.size(); ++i) {
            EXPECT_EQ(info.gaps[i].offset, offsets[c.gaps[i].datagram]) << "gap " << i;
            EXPECT_EQ(info.gaps[i].from_sweep, c.gaps[i].from) << "gap " << i;
            EXPECT_EQ(info.gaps[i].to_sweep, c.gaps[i].to) << "gap " << i;
        }
        EXPECT_TRUE(info.malformed.empty());
    }
}

struct MalformedCase {
    const char *what;
    std::vector<std::vector<uint8_t>> pieces;
    std::vector<std::pair<std::size_t, std::string>> problems;  // piece, words in the text
    uint64_t datagrams, lines;
};

std::vector<uint8_t> sample_count_600() {
    std::vector<uint8_t> d = Datagram(512, 5).line(20).bytes();
    d[12] = 600 & 0xFF;
    d[13] = (600 >> 8) | (5 << 2);
    return d;
}

// A datagram of 10 + 2 x words bytes, too short for its header.
std::vector<uint8_t> stub(uint8_t words) {
    std::vector<uint8_t> d(10 + 2 * std::size_t(words), 0);
    d[8] = words;
    return d;
}

std::vector<uint8_t> first_bytes(std::vector<uint8_t> d, std::size_t n) {
    d.resize(n);
    return d;
}

TEST(Recordings, MalformedDatagramsAreReportedWhereTheyLie) {
    const MalformedCase cases[] = {
        {"sample count 600, then the next datagram is read",
         {plain({0, 2}), sample_count_600(), plain({4, 6})},
         {{1, "sample count 600"}},
         3,
         4},
        {"a file that ends inside a datagram",
         {plain({0, 2}), first_bytes(plain({4, 6, 8}), 20)},
         {{1, "ends inside a datagram"}},
         1,
         2},
        {"a file that ends inside a word count",
         {plain({0, 2}), first_bytes(plain({4}), 9)},
         {{1, "ends inside a datagram"}},
         1,
         2},
        {"shorter than its header (one word)",
         {plain({0}), stub(1), plain({2})},
         {{1, "shorter than its 14-byte header"}},
         3,
         2},
        {"shorter than its header (no words)",
         {plain({0}), stub(0), plain({2})},
         {{1, "shorter than its 14-byte header"}},
         3,
         2},
        {"lines past the end",
         {Datagram(512, 5).line(0).line(2).line(4).bytes(2), plain({6})},
         {{0, "line 3 of 3 runs past"}},
         2,
         1},
        {"change data past the end",
         {Datagram(512, 5).line(0).changes(2, {{1, 7}, {2, 7}, {3, 7}, {4, 7}, {5, 7}}).bytes(1),
          plain({4})},
         {{0, "line 2 of 2 runs past"}},
         2,
         1},
        {"longer than a datagram can hold",
         {plain({0}),
          [] {
              std::vector<uint8_t> d = plain({});
              d[8] = 600 & 0xFF;  // 10 + 1200 bytes
              d[9] = 600 >> 8;
              d.resize(1210, 0);
              return d;
          }(),
          plain({2})},
         {{1, "more than the 1024"}},
         3,
         2},
        {"two problems and a cut end",
         {plain({0}), sample_count_600(), plain({2}), first_bytes(plain({4, 6}), 15)},
         {{1, "sample count 600"}, {3, "ends inside a datagram"}},
         3,
         2},
    };
    for (const MalformedCase &c : cases) {
        SCOPED_TRACE(c.what);
        Scratch file("malformed.rec");
        const std::vector<uint64_t> offsets = write_pieces(file.path, c.pieces);
        uint64_t size = 0;
        for (const auto &p : c.pieces) size += p.size();
        RecordingInfo info;
        ASSERT_TRUE(inspect_recording(file.path, info));
        EXPECT_EQ(info.bytes, size);
        EXPECT_EQ(info.datagrams, c.datagrams);
        EXPECT_EQ(info.lines, c.lines);
        ASSERT_EQ(info.malformed.size(), c.problems.size());
        for (std::size_t i = 0; i < c.problems.size(); ++i) {
            EXPECT_EQ(info.malformed[i].offset, offsets[c.problems[i].first]) << "problem " << i;
            EXPECT_NE(info.malformed[i].what.find(c.problems[i].second), std::string::npos)
                << info.malformed[i].what;
        }
    }
}

TEST(Recordings, TheReportTellsItAll) {
    const std::vector<std::vector<uint8_t>> pieces = {plain({8186, 8188, 8190}),
                                                      plain({0, 2, 4}),
                                                      sample_count_600(),
                                                      plain({40, 42}),
                                                      Datagram(256, 7).line(44).bytes(),
                                                      first_bytes(plain({46}), 11)};
    Scratch file("report.rec");
    const std::vector<uint64_t> offsets = write_pieces(file.path, pieces);
    RecordingInfo info;
    ASSERT_TRUE(inspect_recording(file.path, info));
    const std::string text = describe(info);
    const auto has = [&](const std::string &words) {
        EXPECT_NE(text.find(words), std::string::npos) << "'" << words << "' in\n" << text;
    };
    has("bytes           " + std::to_string(offsets[5] + 11));
    has("datagrams       5");
    has("lines           9");
    has("revolutions     1");
    has("sweeps covered  9 of 8192");
    has("sample counts   512, 256");
    has("scale codes     5, 7");
    has("gaps            1");
    has("at offset " + std::to_string(offsets[3]) + ": sweep 4 to 40");
    has("malformed       2");
    has("at offset " + std::to_string(offsets[2]) + ": sample count 600");
    has("at offset " + std::to_string(offsets[5]) + ": the file ends inside a datagram");
}

}  // namespace
