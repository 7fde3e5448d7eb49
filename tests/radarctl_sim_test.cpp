// The radar station simulator: the scene, the echo encoder read back by a
// decoder of the test's own, the command port over loopback TCP, the echo
// sender over loopback UDP, and the library as the station's client.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "orvane.h"
#include "radar.h"
#include "station.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using radarctl::Scene;

bool eventually(const std::function<bool()> &done, std::chrono::milliseconds limit = 5000ms) {
    const auto until = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > until) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(Fd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd &operator=(Fd &&other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Fd() { reset(); }
    void reset() {
        if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

sockaddr_in loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// ---- An echo decoder of the test's own ---------------------------------------

struct Line {
    uint16_t sample_count;
    uint8_t scale_code, nibble;
    uint16_t sweep, bearing_offset;
    bool line_flag, changes;
    std::size_t bytes;  // in the datagram
    std::array<uint8_t, 512> levels;
};

// Keeps one line, as the receiver does, cleared when the sample count or the
// scale code changes.
class Decoder {
  public:
    // Decodes one datagram onto `lines`; an empty text, or what is wrong.
    std::string take(const std::vector<uint8_t> &d, std::vector<Line> &lines) {
        const auto at = [&](std::size_t i) { return static_cast<uint16_t>(d[i] | d[i + 1] << 8); };
        if (d.size() < 14) return "shorter than a header";
        if (d.size() > 1024) return "longer than 1024 bytes";
        if (10u + 2u * (at(8) & 0x3FF) != d.size()) return "word count does not give the length";
        const uint16_t samples = at(12) & 0x3FF;
        const uint8_t scale = static_cast<uint8_t>(at(12) >> 10);
        if (samples > 512) return "more than 512 samples";
        if (samples != samples_ || scale != scale_) {
            line_.fill(0);
            samples_ = samples;
            scale_ = scale;
        }
        std::size_t offset = 14;
        for (int i = 0; i < d[10]; ++i) {
            if (offset + 4 > d.size()) return "a line header past the end";
            const std::size_t start = offset;
            const uint16_t bearing = at(offset + 2);
            const bool changes = (bearing & 0x8000) != 0;
            offset += 4;
            if (changes) {
                const std::size_t mask = samples / 8;
                if (offset + mask > d.size()) return "a change mask past the end";
                std::vector<std::size_t> marked;
                for (std::size_t s = 0; s < 8 * mask; ++s)
                    if (d[offset + s / 8] >> (s % 8) & 1) marked.push_back(s);
                const std::size_t level_bytes = 2 * ((marked.size() + 3) / 4);
                if (offset + mask + level_bytes > d.size()) return "levels past the end";
                for (std::size_t j = 0; j < marked.size(); ++j) {
                    const uint8_t byte = d[offset + mask + j / 2];
                    const uint8_t level = j % 2 ? byte >> 4 : byte & 0x0F;
                    if (level < 8) line_[marked[j]] = level;
                }
                offset += mask + level_bytes;
            }
            lines.push_back(Line{samples, scale, static_cast<uint8_t>(d[11] & 0x0F),
                                 static_cast<uint16_t>(at(start) & 0x1FFF),
                                 static_cast<uint16_t>(bearing & 0x1FFF), (bearing >> 14 & 1) != 0,
                                 changes, offset - start, line_});
        }
        if (d.size() - offset > 1) return "bytes after the last line";
        if (d.size() - offset == 1 && d[offset] != 0) return "a pad byte that is not zero";
        return {};
    }

  private:
    std::array<uint8_t, 512> line_{};
    int samples_ = -1, scale_ = -1;
};

// What the receiver must hold after a line: the drawn levels, except past the
// last whole mask byte, which no line can change.
std::array<uint8_t, 512> expected(const uint8_t *levels, uint16_t sample_count) {
    std::array<uint8_t, 512> line{};
    for (std::size_t s = 0; s < 8u * (sample_count / 8u); ++s) line[s] = levels[s];
    return line;
}

// ---- The encoder -------------------------------------------------------------

struct Drawn {
    uint16_t sweep;
    std::vector<uint8_t> levels;
};

std::vector<Drawn> scene_lines(double range_nm, uint16_t samples, uint16_t step) {
    Scene scene = Scene::standard();
    scene.range_nm = range_nm;
    std::vector<Drawn> lines;
    for (uint32_t k = 0; k < 8192; k += step) {
        Drawn line{static_cast<uint16_t>(k), std::vector<uint8_t>(samples)};
        radarctl::draw_line(scene, line.sweep, k / 8192.0, samples, line.levels.data());
        lines.push_back(std::move(line));
    }
    return lines;
}

// Levels 1..7 at `density` of the samples, 0 elsewhere.
std::vector<Drawn> random_lines(uint16_t samples, int count, double density) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> level(1, 7);
    std::bernoulli_distribution echo(density);
    std::vector<Drawn> lines;
    for (int i = 0; i < count; ++i) {
        Drawn line{static_cast<uint16_t>(i * 3 % 8192), std::vector<uint8_t>(samples)};
        for (auto &l : line.levels) l = static_cast<uint8_t>(echo(random) ? level(random) : 0);
        lines.push_back(std::move(line));
    }
    return lines;
}

// Every sample changes on every line: the largest lines there are.
std::vector<Drawn> alternating_lines(uint16_t samples, int count) {
    std::vector<Drawn> lines;
    for (int i = 0; i < count; ++i) {
        Drawn line{static_cast<uint16_t>(i), std::vector<uint8_t>(samples)};
        for (std::size_t s = 0; s < samples; ++s)
            line.levels[s] = static_cast<uint8_t>((s + i) % 2 ? 7 : 1 + s % 6);
        lines.push_back(std::move(line));
    }
    return lines;
}

struct Encoded {
    std::vector<std::vector<uint8_t>> datagrams;
    std::vector<Line> lines;
    std::vector<std::size_t> lines_per_datagram;
};

Encoded encode_and_decode(const std::vector<Drawn> &drawn, uint16_t samples, uint8_t scale) {
    Encoded e;
    radarctl::EchoEncoder encoder(samples, scale);
    std::vector<uint8_t> datagram;
    for (const Drawn &line : drawn)
        if (encoder.add(line.sweep, 0, false, line.levels.data(), datagram))
            e.datagrams.push_back(datagram);
    if (encoder.flush(datagram)) e.datagrams.push_back(datagram);
    EXPECT_FALSE(encoder.flush(datagram)) << "nothing is left after a flush";
    Decoder decoder;
    for (std::size_t i = 0; i < e.datagrams.size(); ++i) {
        const std::size_t before = e.lines.size();
        const std::string problem = decoder.take(e.datagrams[i], e.lines);
        EXPECT_EQ(problem, "") << "datagram " << i;
        e.lines_per_datagram.push_back(e.lines.size() - before);
    }
    return e;
}

struct RoundTrip {
    const char *name;
    uint16_t samples;
    uint8_t scale;
    std::function<std::vector<Drawn>()> lines;
};

TEST(SimEncoder, DatagramsDecodeBackToTheLinesDrawn) {
    const RoundTrip cases[] = {
        {"the scene at 6 NM, a revolution of 4096 lines", 512, 9,
         [] { return scene_lines(6, 512, 2); }},
        {"the scene at 0.25 NM, 256 samples", 256, 1, [] { return scene_lines(0.25, 256, 4); }},
        {"the scene at 24 NM", 512, 13, [] { return scene_lines(24, 512, 8); }},
        {"random levels", 512, 9, [] { return random_lines(512, 300, 0.9); }},
        {"sparse random levels", 512, 9, [] { return random_lines(512, 2000, 0.03); }},
        {"every sample changes every line", 512, 63, [] { return alternating_lines(512, 40); }},
        {"an odd mask (200 samples): padded datagrams", 200, 5,
         [] { return random_lines(200, 300, 0.5); }},
        {"a ragged tail (100 samples): the last 4 are never sent", 100, 0,
         [] { return random_lines(100, 300, 0.5); }},
    };
    for (const RoundTrip &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Drawn> drawn = c.lines();
        const Encoded e = encode_and_decode(drawn, c.samples, c.scale);
        ASSERT_EQ(e.lines.size(), drawn.size());
        EXPECT_GT(e.datagrams.size(), 2u) << "the lines cross datagram boundaries";
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const Line &got = e.lines[i];
            ASSERT_EQ(got.sweep, drawn[i].sweep) << "line " << i;
            ASSERT_EQ(got.sample_count, c.samples);
            ASSERT_EQ(got.scale_code, c.scale);
            ASSERT_EQ(got.nibble, 1);
            ASSERT_EQ(got.levels, expected(drawn[i].levels.data(), c.samples)) << "line " << i;
        }
        // Full datagrams: the first line of the next one would not have fitted.
        std::size_t first = 0;
        for (std::size_t d = 0; d < e.datagrams.size(); ++d) {
            ASSERT_LE(e.datagrams[d].size(), 1024u);
            ASSERT_EQ(e.datagrams[d][10], e.lines_per_datagram[d]);
            std::size_t used = 14;
            for (std::size_t i = first; i < first + e.lines_per_datagram[d]; ++i)
                used += e.lines[i].bytes;
            EXPECT_EQ(e.datagrams[d].size(), used + used % 2) << "one pad byte, only when odd";
            first += e.lines_per_datagram[d];
            if (d + 1 < e.datagrams.size()) {
                const std::size_t with_next = used + e.lines[first].bytes;
                EXPECT_GT(with_next + with_next % 2, 1024u)
                    << "datagram " << d << " was sent before it was full";
            }
        }
    }
}

TEST(SimEncoder, AnIdenticalLineCostsFourBytes) {
    std::vector<uint8_t> line(512, 0);
    line[10] = 3;
    line[300] = 7;
    radarctl::EchoEncoder encoder(512, 9);
    std::vector<uint8_t> datagram;
    std::vector<std::vector<uint8_t>> datagrams;
    for (int i = 0; i < 600; ++i)
        if (encoder.add(static_cast<uint16_t>(2 * i), 0, false, line.data(), datagram))
            datagrams.push_back(datagram);
    ASSERT_TRUE(encoder.flush(datagram));
    datagrams.push_back(datagram);

    Decoder decoder;
    std::vector<Line> lines;
    for (const auto &d : datagrams) ASSERT_EQ(decoder.take(d, lines), "");
    ASSERT_EQ(lines.size(), 600u);
    // The first line against a clear line: header, mask, two levels in two bytes.
    EXPECT_TRUE(lines[0].changes);
    EXPECT_EQ(lines[0].bytes, 4u + 64u + 2u);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ASSERT_FALSE(lines[i].changes) << i;
        ASSERT_EQ(lines[i].bytes, 4u) << i;
        ASSERT_EQ(lines[i].levels, expected(line.data(), 512)) << i;
    }
    // A datagram of repeats alone holds (1024 - 14) / 4 of them.
    ASSERT_GE(datagrams.size(), 2u);
    EXPECT_EQ(datagrams[1][10], 252);
    EXPECT_EQ(datagrams[1].size(), 14u + 252u * 4u);
}

TEST(SimEncoder, EachEncoderStartsFromAClearLine) {
    const std::vector<uint8_t> clear(512, 0);
    std::vector<uint8_t> one(512, 0);
    one[100] = 5;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        radarctl::EchoEncoder encoder(512, 9);
        std::vector<uint8_t> datagram;
        EXPECT_FALSE(encoder.add(0, 0, false, clear.data(), datagram));
        EXPECT_FALSE(encoder.add(2, 0, false, one.data(), datagram));
        ASSERT_TRUE(encoder.flush(datagram));
        Decoder decoder;
        std::vector<Line> lines;
        ASSERT_EQ(decoder.take(datagram, lines), "");
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].bytes, 4u) << "a clear line repeats the clear line before";
        EXPECT_EQ(lines[1].bytes, 4u + 64u + 2u);
        EXPECT_EQ(lines[1].levels[100], 5);
    }
}

TEST(SimEncoder, HeaderAndLineFieldsPassThrough) {
    struct Case {
        uint16_t samples;
        uint8_t scale, nibble;
        uint16_t sweep, offset;
        bool flag;
    };
    const Case cases[] = {
        {512, 9, 1, 0, 0, false},
        {512, 63, 15, 8191, 8191, true},
        {256, 0, 0, 4096, 17, false},
        {8, 33, 7, 1, 2, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.samples << " samples, sweep " << c.sweep);
        std::vector<uint8_t> levels(c.samples, 4);
        radarctl::EchoEncoder encoder(c.samples, c.scale, c.nibble);
        std::vector<uint8_t> datagram;
        encoder.add(c.sweep, c.offset, c.flag, levels.data(), datagram);
        ASSERT_TRUE(encoder.flush(datagram));
        Decoder decoder;
        std::vector<Line> lines;
        ASSERT_EQ(decoder.take(datagram, lines), "");
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].sample_count, c.samples);
        EXPECT_EQ(lines[0].scale_code, c.scale);
        EXPECT_EQ(lines[0].nibble, c.nibble);
        EXPECT_EQ(lines[0].sweep, c.sweep);
        EXPECT_EQ(lines[0].bearing_offset, c.offset);
        EXPECT_EQ(lines[0].line_flag, c.flag);
        EXPECT_EQ(lines[0].levels, expected(levels.data(), c.samples));
    }
}

// ---- The scene ---------------------------------------------------------------

std::vector<uint8_t> draw(const Scene &scene, int sweep, double t, uint16_t samples = 512) {
    std::vector<uint8_t> levels(samples, 0xEE);
    radarctl::draw_line(scene, static_cast<uint16_t>(sweep & 0x1FFF), t, samples, levels.data());
    return levels;
}

int sweep_of(double bearing_deg) {
    return static_cast<int>(std::lround(bearing_deg / 360.0 * 8192)) & 0x1FFF;
}

TEST(SimScene, LinesAreRepeatableAndInRange) {
    const Scene scene = Scene::standard();
    Scene other_seed = scene;
    other_seed.seed = 2;
    bool seed_matters = false;
    for (const int sweep : {0, 455, 1138, 3641, 4000, 6599, 8190}) {
        for (const double t : {0.0, 0.4, 7.25, 300.0}) {
            SCOPED_TRACE(testing::Message() << "sweep " << sweep << " t " << t);
            const std::vector<uint8_t> once = draw(scene, sweep, t);
            EXPECT_EQ(once, draw(scene, sweep, t));
            EXPECT_EQ(once, draw(Scene::standard(), sweep, t));
            for (const uint8_t l : once) ASSERT_LE(l, 7);
            if (draw(other_seed, sweep, t) != once) seed_matters = true;
        }
    }
    EXPECT_TRUE(seed_matters) << "the seed changes the clutter and noise";
}

TEST(SimScene, ShipsMoveInStraightLines) {
    struct Case {
        std::size_t ship;
        double t, range, bearing;
    };
    const Case cases[] = {
        {0, 0, 2.5, 45.0},          {0, 300, 1.5251, 38.462},    {0, 600, 0.6340, 11.783},
        {1, 0, 4.0, 160.0},         {1, 3600, 14.1406, 254.585}, {2, 0, 5.0, 290.0},
        {2, 1800, 5.2970, 168.162},
    };
    const Scene scene = Scene::standard();
    ASSERT_EQ(scene.ships.size(), 3u);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << scene.ships[c.ship].name << " at t " << c.t);
        double range = 0, bearing = 0;
        scene.position(c.ship, c.t, range, bearing);
        EXPECT_NEAR(range, c.range, 1e-3);
        EXPECT_NEAR(bearing, c.bearing, 1e-2);
    }
}

// The strongest returns (7) are the ships' and nothing else's: they lie within
// a sample or so, and a few sweeps, of where Scene::position puts the ship.
TEST(SimScene, ShipsShowWhereTheyAre) {
    const Scene scene = Scene::standard();
    const double per_sample = scene.range_nm / 512;
    for (std::size_t i = 0; i < scene.ships.size(); ++i) {
        for (const double t : {0.0, 300.0}) {
            SCOPED_TRACE(testing::Message() << scene.ships[i].name << " at t " << t);
            double range = 0, bearing = 0;
            scene.position(i, t, range, bearing);
            const double centre = range / per_sample - 0.5;
            const double centre_sweep = bearing / 360.0 * 8192;
            const int nearest = sweep_of(bearing);
            double samples_sum = 0, sweeps_sum = 0, count = 0;
            for (int d = -80; d <= 80; ++d) {
                const std::vector<uint8_t> levels = draw(scene, nearest + d, t);
                for (int s = 0; s < 512; ++s) {
                    if (levels[s] != 7) continue;
                    ASSERT_LE(std::abs(s - centre), 2.0)
                        << "sweep " << nearest + d << " sample " << s;
                    ASSERT_LE(std::abs(d), 10) << "sample " << s;
                    samples_sum += s;
                    sweeps_sum += nearest + d;
                    ++count;
                }
            }
            ASSERT_GT(count, 0) << "no strongest return near the ship";
            EXPECT_NEAR(samples_sum / count, centre, 0.6);
            EXPECT_NEAR(sweeps_sum / count, centre_sweep, 1.0);
            EXPECT_EQ(draw(scene, nearest, t)[static_cast<std::size_t>(std::lround(centre))], 7);

            // Ten minutes on, the ship has left: nothing strong where it will be.
            double later_range = 0, later_bearing = 0;
            scene.position(i, t + 600, later_range, later_bearing);
            const double later = later_range / per_sample - 0.5;
            for (int d = -10; d <= 10; ++d) {
                const std::vector<uint8_t> levels = draw(scene, sweep_of(later_bearing) + d, t);
                for (int s = std::max(0, static_cast<int>(later) - 2);
                     s <= std::min(511, static_cast<int>(later) + 2); ++s)
                    ASSERT_LT(levels[s], 7) << "sweep offset " << d << " sample " << s;
            }
        }
    }
}

TEST(SimScene, NothingButShipsIsAsStrongAsAShip) {
    const Scene scene = Scene::standard();
    const double per_sample = scene.range_nm / 512;
    for (int sweep = 0; sweep < 8192; sweep += 4) {
        const std::vector<uint8_t> levels = draw(scene, sweep, 0);
        for (int s = 0; s < 512; ++s) {
            if (levels[s] != 7) continue;
            bool near_a_ship = false;
            for (std::size_t i = 0; i < scene.ships.size(); ++i) {
                double range = 0, bearing = 0;
                scene.position(i, 0, range, bearing);
                const int off =
                    std::abs(((sweep - sweep_of(bearing)) % 8192 + 8192 + 4096) % 8192 - 4096);
                if (off <= 10 && std::abs(s - (range / per_sample - 0.5)) <= 2) near_a_ship = true;
            }
            ASSERT_TRUE(near_a_ship) << "sweep " << sweep << " sample " << s;
        }
    }
}

TEST(SimScene, CoastClutterAndOpenSea) {
    const Scene scene = Scene::standard();
    const double per_sample = scene.range_nm / 512;
    const auto sample_at = [&](double nm) { return static_cast<int>(nm / per_sample); };
    const auto share = [](const std::vector<uint8_t> &levels, int from, int to, auto test) {
        int n = 0;
        for (int s = from; s < to; ++s) n += test(levels[s]) ? 1 : 0;
        return static_cast<double>(n) / (to - from);
    };
    // Land from 3.4 to 4.6 NM off, between 20 and 80 degrees.
    double land = 0;
    int lines = 0;
    for (int sweep = sweep_of(30); sweep <= sweep_of(70); sweep += 8, ++lines)
        land += share(draw(scene, sweep, 0), sample_at(4.8), 512, [](uint8_t l) { return l >= 3; });
    EXPECT_GT(land / lines, 0.7);
    for (const double bearing : {35.0, 50.0, 65.0}) {
        SCOPED_TRACE(testing::Message() << "coast at " << bearing);
        const std::vector<uint8_t> levels = draw(scene, sweep_of(bearing), 0);
        EXPECT_EQ(share(levels, sample_at(1.8), sample_at(3.3), [](uint8_t l) { return l > 2; }),
                  0.0);
        EXPECT_GT(share(levels, sample_at(4.8), 512, [](uint8_t l) { return l > 0; }), 0.5);
    }
    for (const double bearing : {0.0, 120.0, 200.0, 250.0, 340.0}) {
        SCOPED_TRACE(testing::Message() << "open sea at " << bearing);
        const std::vector<uint8_t> levels = draw(scene, sweep_of(bearing), 0);
        EXPECT_GT(share(levels, 0, sample_at(0.25), [](uint8_t l) { return l > 0; }), 0.5)
            << "clutter";
        EXPECT_EQ(share(levels, sample_at(1.8), 512, [](uint8_t l) { return l > 2; }), 0.0);
        EXPECT_LT(share(levels, sample_at(1.8), 512, [](uint8_t l) { return l > 0; }), 0.02)
            << "light noise";
    }
}

TEST(SimScene, RangesScaleCodesAndSampleCounts) {
    struct Case {
        double range;
        uint8_t scale;
        uint16_t samples;
        double standard;
    };
    const Case cases[] = {
        {0.125, 0, 256, 0.125}, {0.25, 1, 256, 0.25},  {0.5, 2, 512, 0.5}, {0.75, 3, 512, 0.75},
        {2, 6, 512, 2},         {6, 9, 512, 6},        {5, 9, 512, 6},     {96, 17, 512, 96},
        {200, 17, 512, 96},     {0.01, 0, 256, 0.125},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.range);
        EXPECT_EQ(radarctl::scale_code_for(c.range), c.scale);
        EXPECT_EQ(radarctl::sample_count_for(c.range), c.samples);
        EXPECT_EQ(radarctl::range_for_scale_code(c.scale), c.standard);
    }
}

// ---- The command port ----------------------------------------------------------

class Client {
  public:
    explicit Client(uint16_t port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        const sockaddr_in to = loopback(port);
        if (::connect(fd_.get(), reinterpret_cast<const sockaddr *>(&to), sizeof to) != 0)
            fd_.reset();
    }
    bool connected() const { return fd_.get() >= 0; }
    bool send_raw(const std::string &bytes) {
        return ::send(fd_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(bytes.size());
    }
    // As the library sends: CR LF and one zero byte.
    bool send(const std::string &sentence) {
        return send_raw(sentence + "\r\n" + std::string(1, '\0'));
    }

    // The next line without its CR LF; nothing when the deadline passes or
    // the station closes first.
    std::optional<std::string> line(std::chrono::milliseconds limit = 3000ms) {
        const auto until = Clock::now() + limit;
        for (;;) {
            const std::size_t end = buffer_.find("\r\n");
            if (end != std::string::npos) {
                std::string text = buffer_.substr(0, end);
                buffer_.erase(0, end + 2);
                return text;
            }
            if (!fill(until)) return std::nullopt;
        }
    }
    // True when the station closes the connection before the deadline.
    bool closed(std::chrono::milliseconds limit = 3000ms) {
        const auto until = Clock::now() + limit;
        while (fill(until)) {
        }
        return eof_;
    }

  private:
    bool fill(Clock::time_point until) {
        if (eof_ || !connected()) return false;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd_.get(), POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
        char chunk[512];
        const ssize_t n = ::recv(fd_.get(), chunk, sizeof chunk, 0);
        if (n <= 0) {
            eof_ = true;
            return false;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
        return true;
    }

    Fd fd_;
    std::string buffer_;
    bool eof_ = false;
};

const std::vector<std::string> first_announcements = {
    "$N03,1,50", "$N04,1,30",  "$N06,20",          "$N09,0",
    "$N17,9,0",  "$N18,2,1,0", "$N1F,1,0,1,1,2,0", "$N24,2",
};

std::vector<std::string> read_lines(Client &client, std::size_t n) {
    std::vector<std::string> lines;
    while (lines.size() < n) {
        const std::optional<std::string> line = client.line();
        if (!line) break;
        lines.push_back(*line);
    }
    return lines;
}

// A station whose antenna stands still: the command port alone.
radarctl::StationOptions quiet() {
    radarctl::StationOptions options;
    options.rpm = 0;
    return options;
}

TEST(SimCommands, AConnectingClientHearsTheSettings) {
    radarctl::Station station(quiet());
    ASSERT_TRUE(station.start());
    ASSERT_NE(station.port(), 0);
    Client client(station.port());
    ASSERT_TRUE(client.connected());
    EXPECT_EQ(read_lines(client, first_announcements.size()), first_announcements);
    // Noted once sent, which may be a moment after the client has them.
    std::vector<std::string> sent;
    EXPECT_TRUE(eventually([&] {
        for (std::string &s : station.sentences_sent()) sent.push_back(std::move(s));
        return sent.size() >= first_announcements.size();
    }));
    EXPECT_EQ(sent, first_announcements);
    EXPECT_TRUE(station.sentences_sent().empty()) << "drained";
}

TEST(SimCommands, OrdersAreAppliedAndAnnouncedRequestsAnsweredAndNoiseIgnored) {
    radarctl::Station station(quiet());
    ASSERT_TRUE(station.start());
    Client client(station.port());
    ASSERT_EQ(read_lines(client, first_announcements.size()).size(), first_announcements.size());

    struct Step {
        std::string send;
        std::optional<std::string> answer;  // none: the next answer must be the next step's
        bool raw = false;                   // sent as it is, without CR LF and zero byte
    };
    const Step steps[] = {
        {"$S03,2,75", "$N03,2,75"},
        {"$R03", "$N03,2,75"},
        {"$S06,35", "$N06,35"},
        {"$R06", "$N06,35"},
        {"$S40,1,0", "$N40,1,0"},  // a code the station did not announce
        {"$r40", std::nullopt},    // not a kind the station answers
        {"$R40", "$N40,1,0"},
        {"$R7F", std::nullopt},  // nothing held for it
        {"hello", std::nullopt},
        {"$Z", std::nullopt},
        {"$SG1,2", std::nullopt},
        {"$S0312", std::nullopt},
        {"$N03,3,3", std::nullopt},  // an announcement from the peer changes nothing
        {std::string("\x01\x02garbage\r\n", 11), std::nullopt, true},
        {std::string(3000, 'x') + "\r\n", std::nullopt, true},  // overlong, dropped whole
        {"$R0", std::nullopt, true},                            // a sentence in two pieces
        {std::string("3\r\n\0", 4), "$N03,2,75", true},
        // Orders that are no value of their setting are not taken.
        {"$S03,0", std::nullopt},   {"$S03,0,101", std::nullopt}, {"$S03,4,50", std::nullopt},
        {"$S03,0,10,5", std::nullopt}, {"$S03,,50", std::nullopt}, {"$S03,-1,50", std::nullopt},
        {"$R03", "$N03,2,75"},
        {"$S06,1,2", std::nullopt}, {"$S06,100000", std::nullopt}, {"$R06", "$N06,35"},
        {"$S24,4", std::nullopt},   {"$S24,", std::nullopt},      {"$R24", "$N24,2"},
        {"$S04,1", std::nullopt},   {"$S04,0,9x", std::nullopt},
        // Tenths the library reads back as a whole number are announced as one.
        {"$S39,354.3", "$N39,3543"}, {"$S3A,0.5", "$N3A,5"},
        {"$S17,99,0", std::nullopt},  // no such range step
        {"$R17", "$N17,9,0"},
        {"$R04", "$N04,1,30"},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.send.substr(0, 20));
        ASSERT_TRUE(step.raw ? client.send_raw(step.send) : client.send(step.send));
        if (step.answer) {
            EXPECT_EQ(client.line(), step.answer);
        }
    }
    const std::vector<std::string> received = station.sentences_received();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.front(), "$S03,2,75");
    EXPECT_EQ(received.back(), "$R04");
    EXPECT_NE(std::find(received.begin(), received.end(), "$R03"), received.end());
}

TEST(SimCommands, AReconnectingClientHearsWhatWasOrdered) {
    radarctl::Station station(quiet());
    ASSERT_TRUE(station.start());
    {
        Client first(station.port());
        ASSERT_EQ(read_lines(first, first_announcements.size()).size(), first_announcements.size());
        ASSERT_TRUE(first.send("$S03,1,99"));
        ASSERT_EQ(first.line(), "$N03,1,99");
    }
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Client again(station.port());
        std::vector<std::string> announced = first_announcements;
        announced[0] = "$N03,1,99";
        EXPECT_EQ(read_lines(again, announced.size()), announced);
        ASSERT_TRUE(again.send("$R03"));
        EXPECT_EQ(again.line(), "$N03,1,99");
    }
}

TEST(SimCommands, ANewerConnectionTakesOver) {
    radarctl::Station station(quiet());
    ASSERT_TRUE(station.start());
    Client old_one(station.port());
    ASSERT_EQ(read_lines(old_one, first_announcements.size()).size(), first_announcements.size());
    Client new_one(station.port());
    EXPECT_EQ(read_lines(new_one, first_announcements.size()), first_announcements);
    EXPECT_TRUE(old_one.closed());
    ASSERT_TRUE(new_one.send("$R06"));
    EXPECT_EQ(new_one.line(), "$N06,20");
}

TEST(SimCommands, StopIsPromptWithAClientConnected) {
    radarctl::StationOptions options;
    options.rpm = 600;
    radarctl::Station station(options);
    ASSERT_TRUE(station.start());
    Client client(station.port());
    ASSERT_EQ(read_lines(client, first_announcements.size()).size(), first_announcements.size());
    const auto before = Clock::now();
    station.stop();
    EXPECT_LT(Clock::now() - before, 500ms);
    EXPECT_TRUE(client.closed());
    station.stop();  // again: nothing to do
}

TEST(SimCommands, StartFailsWhenThePortCannotBeBound) {
    Fd taken(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in address = loopback(0);
    ASSERT_EQ(::bind(taken.get(), reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(taken.get(), 1), 0);
    socklen_t size = sizeof address;
    ASSERT_EQ(::getsockname(taken.get(), reinterpret_cast<sockaddr *>(&address), &size), 0);

    radarctl::StationOptions busy = quiet();
    busy.command_port = ntohs(address.sin_port);
    EXPECT_FALSE(radarctl::Station(busy).start());
    radarctl::StationOptions nowhere = quiet();
    nowhere.bind_address = "not an address";
    EXPECT_FALSE(radarctl::Station(nowhere).start());
}

// ---- The echo sender -------------------------------------------------------------

// Takes every datagram that reaches 127.0.0.1:10024, on a thread of its own.
class EchoCatcher {
  public:
    EchoCatcher() : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
        const int buffer = 4 << 20;
        ::setsockopt(fd_.get(), SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
        const sockaddr_in at = loopback(10024);
        bound_ = ::bind(fd_.get(), reinterpret_cast<const sockaddr *>(&at), sizeof at) == 0;
        if (bound_) thread_ = std::thread([this] { run(); });
    }
    ~EchoCatcher() {
        stop_.store(true);
        if (thread_.joinable()) thread_.join();
    }
    bool bound() const { return bound_; }
    std::size_t count() {
        std::lock_guard lock(mutex_);
        return datagrams_.size();
    }
    std::vector<std::vector<uint8_t>> datagrams() {
        std::lock_guard lock(mutex_);
        return datagrams_;
    }
    bool all_from_loopback() const { return all_from_loopback_.load(); }

  private:
    void run() {
        std::vector<uint8_t> buffer(2048);
        while (!stop_.load()) {
            pollfd p{fd_.get(), POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            sockaddr_in from{};
            socklen_t size = sizeof from;
            const ssize_t n = ::recvfrom(fd_.get(), buffer.data(), buffer.size(), 0,
                                         reinterpret_cast<sockaddr *>(&from), &size);
            if (n < 0) continue;
            if (from.sin_addr.s_addr != htonl(INADDR_LOOPBACK)) all_from_loopback_.store(false);
            std::lock_guard lock(mutex_);
            datagrams_.emplace_back(buffer.begin(), buffer.begin() + n);
        }
    }

    Fd fd_;
    bool bound_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> all_from_loopback_{true};
    std::mutex mutex_;
    std::vector<std::vector<uint8_t>> datagrams_;
    std::thread thread_;
};

// Decodes a stream caught from the start and checks every line against the
// scene drawn at the time the station draws it: revolutions are counted by
// the sweep coming round, and the lines of a revolution follow one another by
// `step`, ending on a sweep of 8190 or more. Returns the revolutions seen whole.
uint64_t check_stream(const std::vector<std::vector<uint8_t>> &datagrams, const Scene &scene,
                      double rpm, uint16_t step) {
    Decoder decoder;
    std::vector<Line> lines;
    for (std::size_t i = 0; i < datagrams.size(); ++i) {
        const std::string problem = decoder.take(datagrams[i], lines);
        EXPECT_EQ(problem, "") << "datagram " << i;
        if (!problem.empty()) return 0;
    }
    std::vector<uint16_t> sweeps;
    for (uint32_t k = 0; k < 8192; k += step) sweeps.push_back(static_cast<uint16_t>(k));
    if (sweeps.back() < 8190) sweeps.push_back(8191);

    uint64_t revolution = 0;
    std::size_t index = 0;
    std::vector<uint8_t> levels(512);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        EXPECT_EQ(line.sweep, sweeps[index]) << "line " << i << ": a line is missing";
        if (line.sweep != sweeps[index]) return revolution;
        Scene drawn = scene;
        drawn.range_nm = radarctl::range_for_scale_code(line.scale_code);
        EXPECT_EQ(line.sample_count, radarctl::sample_count_for(drawn.range_nm));
        radarctl::draw_line(drawn, line.sweep, radarctl::sweep_time(rpm, revolution, line.sweep),
                            line.sample_count, levels.data());
        EXPECT_EQ(line.levels, expected(levels.data(), line.sample_count))
            << "line " << i << ", sweep " << line.sweep << ", revolution " << revolution;
        if (line.levels != expected(levels.data(), line.sample_count)) return revolution;
        if (++index == sweeps.size()) {
            index = 0;
            ++revolution;
        }
    }
    return revolution;
}

TEST(SimEcho, DatagramsCarryTheSceneLineForLine) {
    EchoCatcher catcher;
    ASSERT_TRUE(catcher.bound()) << "UDP port 10024 is taken";
    radarctl::StationOptions options;
    options.rpm = 300;
    options.sweep_step = 8;  // the last line of a revolution is sweep 8191
    // A ship that moves a sample in a millisecond: each line must be drawn at
    // its own sweep's time, not whenever it happens to be sent.
    options.scene.ships.push_back({"FAST", 1.5, 100.0, 0.0, 36000.0});
    radarctl::Station station(options);
    ASSERT_TRUE(station.start());
    ASSERT_TRUE(eventually([&] { return station.revolutions_sent() >= 2; }));
    station.stop();
    const uint64_t sent = station.datagrams_sent();
    ASSERT_TRUE(eventually([&] { return catcher.count() >= sent; }, 2000ms))
        << catcher.count() << " of " << sent << " datagrams arrived";
    EXPECT_EQ(catcher.count(), sent);
    EXPECT_TRUE(catcher.all_from_loopback());
    const std::vector<std::vector<uint8_t>> datagrams = catcher.datagrams();
    EXPECT_EQ(datagrams.front()[12] | (datagrams.front()[13] << 8), 512 | 9 << 10)
        << "512 samples, 6 NM";
    EXPECT_GE(check_stream(datagrams, options.scene, options.rpm, options.sweep_step),
              station.revolutions_sent());
    EXPECT_GT(station.clock(), 0.3);
}

TEST(SimEcho, ARangeOrderChangesTheEcho) {
    EchoCatcher catcher;
    ASSERT_TRUE(catcher.bound()) << "UDP port 10024 is taken";
    radarctl::StationOptions options;
    options.rpm = 600;
    options.sweep_step = 16;
    radarctl::Station station(options);
    ASSERT_TRUE(station.start());
    Client client(station.port());
    ASSERT_EQ(read_lines(client, first_announcements.size()).size(), first_announcements.size());

    struct Order {
        int step;
        uint16_t samples;
    };
    for (const Order order : {Order{6, 512}, Order{0, 256}, Order{17, 512}, Order{9, 512}}) {
        SCOPED_TRACE(order.step);
        const std::string fields = std::to_string(order.step) + ",0";
        ASSERT_TRUE(client.send("$S17," + fields));
        ASSERT_EQ(client.line(), "$N17," + fields);
        const std::size_t from = catcher.count();
        const uint16_t header = static_cast<uint16_t>(order.samples | order.step << 10);
        ASSERT_TRUE(eventually([&] {
            const auto datagrams = catcher.datagrams();
            for (std::size_t i = from; i < datagrams.size(); ++i)
                if ((datagrams[i][12] | datagrams[i][13] << 8) == header) return true;
            return false;
        }));
    }
    station.stop();
    ASSERT_TRUE(eventually([&] { return catcher.count() >= station.datagrams_sent(); }, 2000ms));
    check_stream(catcher.datagrams(), options.scene, options.rpm, options.sweep_step);
}

// ---- The library as the station's client -------------------------------------------

std::mutex picture_mutex;
std::vector<std::array<uint8_t, 512>> picture(8192);
std::vector<uint64_t> picture_at(8192, 0);  // the lines' numbers, 0 for none yet
uint64_t lines_heard = 0, sweep_zeros = 0;
bool other_format = false;

void RADAR_CALLBACK on_line(EchoLineRecord *line) {
    std::lock_guard lock(picture_mutex);
    ++lines_heard;
    if (line->Sweep == 0) ++sweep_zeros;
    if (line->SampleCount != 512 || line->ScaleCode != 9) other_format = true;
    std::copy(line->Data, line->Data + 512, picture[line->Sweep & 0x1FFF].begin());
    picture_at[line->Sweep & 0x1FFF] = lines_heard;
}

// Kept last: the library's session and echo receiver live as long as the
// program. A notify callback is needed for the library to choose the source.
TEST(SimWithTheLibrary, TheLibraryTakesTheSettingsOrdersAndDrawsTheShips) {
    radarctl::StationOptions options;
    options.rpm = 300;
    options.sweep_step = 4;
    radarctl::Station station(options);
    ASSERT_TRUE(station.start());
    ASSERT_EQ(NetSetStation("RADARSIM", "127.0.0.1", station.port()), 0);
    ASSERT_EQ(OrvaneInitRadarFunc("RADARSIM", [](int32_t) {}), RADAR_OK);
    ASSERT_EQ(OrvaneInitRadarEchoFunc(&on_line), RADAR_OK);
    ASSERT_TRUE(eventually([] { return OrvaneGetRadarSourceStatus() == ORVANE_STATUS_CONNECTED; }));

    uint16_t a = 0, b = 0;
    ASSERT_TRUE(eventually([&] { return OrvaneGetRadarRange(&a, &b) == RADAR_OK && a == 9; }))
        << "the range step";
    ASSERT_EQ(OrvaneGetRadarGain(&a, &b), RADAR_OK);
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(uint16_t{1}, uint16_t{50}));

    ASSERT_EQ(OrvanePutRadarGain(RADAR_KIND_ORDER, 2, 80), RADAR_OK);
    EXPECT_TRUE(eventually([&] {
        return OrvaneGetRadarGain(&a, &b) == RADAR_OK && a == 2 && b == 80;
    })) << "the station announces the order back and the library takes it";
    const std::vector<std::string> received = station.sentences_received();
    EXPECT_NE(std::find(received.begin(), received.end(), "$S03,2,80"), received.end());

    // Two more revolutions: the picture is whole.
    uint64_t zeros_before = 0;
    {
        std::lock_guard lock(picture_mutex);
        zeros_before = sweep_zeros;
    }
    ASSERT_TRUE(eventually([&] {
        std::lock_guard lock(picture_mutex);
        return sweep_zeros >= zeros_before + 2;
    }));
    const double t = station.clock();
    NetShutdown();
    station.stop();

    std::lock_guard lock(picture_mutex);
    EXPECT_FALSE(other_format);
    const Scene scene = options.scene;
    for (std::size_t i = 0; i < scene.ships.size(); ++i) {
        SCOPED_TRACE(scene.ships[i].name);
        double range = 0, bearing = 0;
        scene.position(i, t, range, bearing);
        const double centre = range / scene.range_nm * 512 - 0.5;
        int strongest = 0;
        for (int d = -12; d <= 12; ++d) {
            const int sweep = (sweep_of(bearing) + d) & 0x1FFF;
            if (picture_at[sweep] == 0) continue;
            for (int s = static_cast<int>(centre) - 2; s <= static_cast<int>(centre) + 2; ++s)
                strongest = std::max<int>(strongest, picture[sweep][s]);
        }
        EXPECT_EQ(strongest, 7) << "no ship at " << range << " NM, " << bearing << " degrees";
    }
}

}  // namespace
