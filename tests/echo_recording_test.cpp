// Recording the echo stream to real files, recording one revolution, and
// playing recordings back in place of the live stream.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "echo_support.h"
#include "netlib_double.h"
#include "radar.h"
#include "scratch_folder.h"

#if defined(__linux__)
#include <sys/mount.h>
#endif

namespace {

using namespace echo_support;

Collector collector;

// A callback that can be held at a chosen sweep, so a test can act while
// the receiver is in the middle of a file.
std::mutex gate_lock;
std::condition_variable gate_changed;
int hold_at_sweep = -1;
bool held = false;

void RADAR_CALLBACK collect(EchoLineRecord *line) {
    collector.add(*line);
    std::unique_lock<std::mutex> lock(gate_lock);
    if (line->Sweep == hold_at_sweep) {
        held = true;
        gate_changed.notify_all();
        gate_changed.wait_for(lock, std::chrono::seconds(10), [] { return hold_at_sweep < 0; });
        held = false;
    }
}

void start_echo() {
    static const bool started = [] {
        netlib_double::set_source_address(radar_address);
        return OrvaneInitRadarEchoFunc(&collect) == RADAR_OK;
    }();
    ASSERT_TRUE(started);
}

std::filesystem::path new_folder() { return scratch::new_folder("radar-recording-"); }

Bytes file_bytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void write_file(const std::string &path, const Bytes &bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes join(const std::vector<Bytes> &parts) {
    Bytes all;
    for (const Bytes &p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<int> sweeps_of(const std::vector<Seen> &lines) {
    std::vector<int> s;
    for (const Seen &l : lines) s.push_back(l.record.Sweep);
    return s;
}

std::vector<int> modes_of(const std::vector<Seen> &lines) {
    std::vector<int> m;
    for (const Seen &l : lines) m.push_back(l.record.Mode);
    return m;
}

class Recording : public ::testing::Test {
  protected:
    void SetUp() override {
        start_echo();
        folder_ = new_folder();
        ASSERT_FALSE(folder_.empty());
        directory_ = folder_.string();
        ASSERT_EQ(OrvaneSetTrailTime(0), RADAR_OK);
        ASSERT_TRUE(radar.send(datagram(1, 62, 1, {})));
        ASSERT_TRUE(radar.settle());
        collector.take();
    }
    void TearDown() override {
        OrvaneRecEndRadarEcho();
        OrvaneReadEndRadarEcho();
        if (folder_.empty()) return;
        // Windows refuses to remove a file that is still open: a file the
        // library left open shows here.
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
        EXPECT_FALSE(error) << "removing " << directory_ << ": " << error.message();
    }

    std::string path(const char *name) const { return directory_ + "/" + name; }

    // Plays `file` back and returns its lines once `expected` have arrived
    // and the playback has ended.
    std::vector<Seen> play(const std::string &file, std::size_t expected) {
        EXPECT_EQ(OrvaneReadStartRadarEcho(file.c_str()), RADAR_OK);
        EXPECT_TRUE(collector.wait_for(expected));
        EXPECT_TRUE(wait_until_ended());
        return collector.take();
    }

    // The playback state has reached "ended" once a recording is refused for
    // it (a refused start leaves its file alone, so a scratch path will do).
    bool wait_until_ended() {
        const std::string probe = path("ended-probe");
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            // While playing, a recording start is refused too; the end shows
            // as the file having been read to its end, which leaves nothing
            // more to deliver: wait for the delivered count to stay put.
            const std::size_t before = collector.size();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (collector.size() == before &&
                OrvaneRecStartRadarEcho(probe.c_str()) == RADAR_REFUSED)
                return true;
        }
        return false;
    }

    void back_to_live() {
        ASSERT_EQ(OrvaneReadEndRadarEcho(), RADAR_OK);
        ASSERT_TRUE(radar.settle());
        collector.take();
    }

    Radar radar;
    std::filesystem::path folder_;
    std::string directory_;
};

// Three datagrams, one without lines, all with the same header.
std::vector<Bytes> three() {
    return {datagram(32, 30, 2,
                     {Line{10, 0, false, true, {{1, 3}, {2, 4}}}, Line{11, 0, true, false, {}}}),
            datagram(32, 30, 2, {}),
            datagram(32, 30, 2, {Line{12, 5, false, true, {{2, 0}, {3, 7}}}})};
}

TEST_F(Recording, ARecordingIsTheRadarsDatagramsByteForByte) {
    const std::string file = path("echo.rec");
    ASSERT_EQ(OrvaneRecStartRadarEcho(file.c_str()), RADAR_OK);
    for (const Bytes &d : three()) ASSERT_TRUE(radar.send(d));
    ASSERT_TRUE(radar.send(three()[0], "127.0.0.2"));  // not the radar's
    ASSERT_TRUE(radar.settle());
    ASSERT_EQ(OrvaneRecEndRadarEcho(), RADAR_OK);
    const Bytes recorded = file_bytes(file);
    EXPECT_EQ(recorded, join(three()));
    EXPECT_EQ(three()[1].size(), 14u) << "a datagram without lines is 14 bytes";
}

// What a line shows, but for its Mode.
void expect_same_lines(const std::vector<Seen> &played, const std::vector<Seen> &live) {
    ASSERT_EQ(played.size(), live.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        const EchoLineRecord &p = played[i].record, &l = live[i].record;
        EXPECT_EQ(p.Sweep, l.Sweep) << i;
        EXPECT_EQ(p.BearingOffset, l.BearingOffset) << i;
        EXPECT_EQ(p.LineFlag, l.LineFlag) << i;
        EXPECT_EQ(p.SampleCount, l.SampleCount) << i;
        EXPECT_EQ(p.ScaleCode, l.ScaleCode) << i;
        EXPECT_EQ(p.HeaderNibble, l.HeaderNibble) << i;
        EXPECT_EQ(played[i].levels, live[i].levels) << i;
    }
}

Bytes with_words(Bytes d, unsigned words) {
    d[8] = static_cast<uint8_t>(words);
    d[9] = static_cast<uint8_t>((d[9] & 0xFC) | (words >> 8 & 3));
    return d;
}

Bytes first(const Bytes &d, std::size_t count) { return Bytes(d.begin(), d.begin() + count); }

TEST_F(Recording, TheWordCountIsNotReadLiveAndTheFileStaysReadable) {
    const Bytes worked = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00, 0x01,
                          0x03, 0x10, 0x14, 0x64, 0x00, 0x00, 0x80, 0x09, 0x02, 0x72, 0x05};
    // Sample count 8: one mask byte, so the line ends on an odd byte, 21.
    const Bytes even = datagram(8, 7, 2, {Line{300, 0, false, true, {{1, 4}, {6, 3}}}});
    const Bytes odd = first(even, 21);
    Bytes flagged = odd;
    flagged[9] = 0xFF;  // a count of 1023, and bits 10-15 set
    Bytes flagged_framed = even;
    flagged_framed[9] = 0xFC;
    const struct {
        const char *legend;
        Bytes sent, recorded;
        std::size_t lines;
    } rows[] = {
        {"word count that gives the length: as received", worked, worked, 1},
        {"word count 0", with_words(worked, 0), worked, 1},
        {"word count 7", with_words(worked, 7), worked, 1},
        {"odd length: a zero byte evens it up", odd, even, 1},
        {"odd length, bits 10-15 kept", flagged, flagged_framed, 1},
        {"shorter than the count's end: filled to 10", {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 0, 0, 0, 0, 0}, 0},
        // Evened up, the cut line would decode on playback with a level of 0.
        {"a line one byte short, not decoded: evened down", first(worked, 21),
         with_words(first(worked, 20), 5), 0},
        {"a well-formed datagram after them", three()[0], three()[0], 2},
    };
    const std::string file = path("echo.rec");
    ASSERT_EQ(OrvaneRecStartRadarEcho(file.c_str()), RADAR_OK);
    std::vector<Bytes> recorded;
    std::size_t lines = 0;
    for (const auto &r : rows) {
        ASSERT_TRUE(radar.send(r.sent)) << r.legend;
        ASSERT_TRUE(radar.settle()) << r.legend;
        EXPECT_EQ(collector.size(), lines + r.lines) << r.legend;
        lines = collector.size();
        recorded.push_back(r.recorded);
    }
    ASSERT_EQ(OrvaneRecEndRadarEcho(), RADAR_OK);
    EXPECT_EQ(file_bytes(file), join(recorded));
    const auto live = collector.take();
    expect_same_lines(play(file, live.size()), live);
}

// A file system of the test's own, 1 MiB in memory, on a folder: only where
// the test may mount one (Linux, with the privilege to).
class SmallDisk {
  public:
    explicit SmallDisk(const std::filesystem::path &at) : at_(at.string()) {
#if defined(__linux__)
        std::filesystem::create_directory(at);
        mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", 0, "size=1m") == 0;
        if (!mounted_) why_ = std::string("mounting a tmpfs: ") + std::strerror(errno);
#else
        why_ = "a file system of the test's own is mounted on Linux only";
#endif
    }
    ~SmallDisk() {
#if defined(__linux__)
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
#endif
    }
    bool mounted() const { return mounted_; }
    const std::string &why() const { return why_; }

    // Writes a file until the disk is full; false if it never filled.
    bool fill(const std::string &name) const {
        std::FILE *f = std::fopen((at_ + "/" + name).c_str(), "wb");
        if (f == nullptr) return false;
        std::setvbuf(f, nullptr, _IONBF, 0);
        static const char block[4096] = {};
        bool full = false;
        for (std::size_t size = sizeof block; size > 0 && !full;) {
            if (std::fwrite(block, 1, size, f) == size) continue;
            if (size == 1) full = true;
            size = 1;  // the last bytes one at a time
        }
        std::fclose(f);
        return full;
    }

  private:
    std::string at_, why_;
    bool mounted_ = false;
};

// The file's datagrams, walked as the playback reader walks them; false when
// the file does not end exactly after a whole one.
bool whole_datagrams(const Bytes &file, std::vector<Bytes> &datagrams) {
    std::size_t at = 0;
    while (file.size() - at >= 10) {
        const std::size_t length = 10 + 2 * ((file[at + 9] & 3u) * 256u + file[at + 8]);
        if (length > file.size() - at) return false;
        datagrams.emplace_back(file.begin() + at, file.begin() + at + length);
        at += length;
    }
    return at == file.size();
}

TEST_F(Recording, AFullDiskCostsWholeDatagramsAndTheRecordingGoesOn) {
    SmallDisk disk(folder_ / "small");
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    const std::string file = path("small/echo.rec"), screen = path("small/screen.rec");
    ASSERT_EQ(OrvaneRecStartRadarEcho(file.c_str()), RADAR_OK);
    ASSERT_EQ(OrvaneRecStartRadarEchoOneScreen(screen.c_str()), RADAR_OK);
    // Sweeps 0-399, one line each, of many lengths (sample count 248: an odd
    // mask, so half of them carry a pad byte).
    std::vector<Bytes> sent;
    std::mt19937 rng(5);
    for (uint16_t sweep = 0; sweep < 400; ++sweep) {
        Line line{sweep, 0, false, true, {}};
        const int marked = static_cast<int>(rng() % 200);
        for (int m = 0; m < marked; ++m) line.levels[static_cast<int>(rng() % 248)] = rng() % 8;
        sent.push_back(datagram(248, 9, 1, {line}));
    }
    auto send = [&](int from, int to) {
        for (int i = from; i < to; ++i) ASSERT_TRUE(radar.send(sent[i])) << i;
        ASSERT_TRUE(radar.settle());
    };
    send(0, 100);
    ASSERT_TRUE(disk.fill("filler")) << "the disk never filled";
    send(100, 300);
    std::filesystem::remove(path("small/filler"));
    send(300, 400);
    ASSERT_EQ(OrvaneRecEndRadarEcho(), RADAR_OK);
    EXPECT_EQ(collector.take().size(), sent.size()) << "every line delivered live throughout";

    for (const std::string &f : {file, screen}) {
        std::vector<Bytes> recorded;
        ASSERT_TRUE(whole_datagrams(file_bytes(f), recorded)) << f;
        // In order, each as sent; every one before the disk filled and after
        // it had room again; not all of those in between.
        std::size_t next = 0;
        std::vector<bool> kept(sent.size());
        for (const Bytes &d : recorded) {
            while (next < sent.size() && sent[next] != d) ++next;
            ASSERT_LT(next, sent.size()) << f << ": a datagram not sent, or out of order";
            kept[next++] = true;
        }
        for (int i = 0; i < 100; ++i) EXPECT_TRUE(kept[i] && kept[300 + i]) << f << " " << i;
        EXPECT_LT(recorded.size(), sent.size()) << f;
    }
}

TEST_F(Recording, PlaybackGivesTheSameLinesWithMode2AndMode3FromAClearedPicture) {
    // Live, sample 20 holds an echo that no recorded line names, and trails are on.
    ASSERT_EQ(OrvaneSetTrailTime(80), RADAR_OK);
    ASSERT_TRUE(radar.send(datagram(32, 30, 2, {Line{10, 0, false, true, {{20, 6}}}})));
    ASSERT_TRUE(radar.settle());  // taken live, before the recording starts
    const std::string file = path("echo.rec");
    ASSERT_EQ(OrvaneRecStartRadarEcho(file.c_str()), RADAR_OK);
    for (const Bytes &d : three()) ASSERT_TRUE(radar.send(d));
    ASSERT_TRUE(radar.settle());
    ASSERT_EQ(OrvaneRecEndRadarEcho(), RADAR_OK);
    const auto live = collector.take();
    ASSERT_EQ(live.size(), 4u);
    EXPECT_EQ(live[1].levels[20], 6);

    const auto played = play(file, 3);
    ASSERT_EQ(played.size(), 3u);
    EXPECT_EQ(sweeps_of(played), (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(modes_of(played), (std::vector<int>{2, 2, 3}));
    for (std::size_t i = 0; i < played.size(); ++i) {
        EXPECT_EQ(played[i].levels[20], 0) << "line " << i << ": the picture starts cleared";
        EXPECT_EQ(played[i].levels[1], live[i + 1].levels[1]);
        EXPECT_EQ(played[i].record.LineFlag, live[i + 1].record.LineFlag);
        EXPECT_EQ(played[i].record.BearingOffset, live[i + 1].record.BearingOffset);
    }
    EXPECT_EQ(played[2].levels[2], 0) << "set to 0 by the line";
    EXPECT_EQ(played[2].levels[3], 7);

    // Back to live: a live datagram decodes with Mode 1, from a cleared picture.
    back_to_live();
    ASSERT_TRUE(radar.send(datagram(32, 30, 2, {Line{13, 0, false, false, {}}})));
    ASSERT_TRUE(radar.settle());
    const auto again = collector.take();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].record.Mode, 1);
    EXPECT_EQ(again[0].levels[3], 0);
}

TEST_F(Recording, AOneDatagramFileGivesMode3AndEndsThePlayback) {
    const std::string file = path("one.rec");
    write_file(file, three()[0]);
    const auto played = play(file, 2);
    EXPECT_EQ(modes_of(played), (std::vector<int>{3, 3}));
    // Ended, not live: a recording is refused, and the file at its path kept.
    const std::string kept = path("kept.rec");
    write_file(kept, Bytes{'k', 'e', 'e', 'p'});
    EXPECT_EQ(OrvaneRecStartRadarEcho(kept.c_str()), RADAR_REFUSED);
    EXPECT_EQ(file_bytes(kept), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(OrvaneReadEndRadarEcho(), RADAR_OK);
}

TEST_F(Recording, RefusalsChangeNothing) {
    const std::string file = path("echo.rec"), other = path("other.rec");
    write_file(other, three()[0]);
    EXPECT_EQ(OrvaneRecEndRadarEcho(), RADAR_REFUSED) << "no recording runs";
    EXPECT_EQ(OrvaneReadEndRadarEcho(), RADAR_REFUSED) << "no playback";
    EXPECT_EQ(OrvaneRecStartRadarEcho((directory_ + "/missing/x.rec").c_str()), RADAR_REFUSED);
    EXPECT_EQ(OrvaneReadStartRadarEcho((directory_ + "/missing.rec").c_str()), RADAR_REFUSED);
    EXPECT_EQ(OrvaneRecStartRadarEchoOneScreen((directory_ + "/missing/x.rec").c_str()),
              RADAR_REFUSED);
    EXPECT_EQ(OrvaneRecStartRadarEcho(nullptr), RADAR_REFUSED);

    ASSERT_EQ(OrvaneRecStartRadarEcho(file.c_str()), RADAR_OK);
    EXPECT_EQ(OrvaneReadStartRadarEcho(other.c_str()), RADAR_REFUSED) << "recording";
    EXPECT_EQ(OrvaneReadEndRadarEcho(), RADAR_REFUSED) << "recording";
    ASSERT_EQ(OrvaneRecEndRadarEcho(), RADAR_OK);

    // Hold the playback at its first line: the state is "playing".
    {
        std::lock_guard<std::mutex> lock(gate_lock);
        hold_at_sweep = 10;
    }
    ASSERT_EQ(OrvaneReadStartRadarEcho(other.c_str()), RADAR_OK);
    {
        std::unique_lock<std::mutex> lock(gate_lock);
        ASSERT_TRUE(gate_changed.wait_for(lock, std::chrono::seconds(10), [] { return held; }));
    }
    const Bytes before = file_bytes(other);
    EXPECT_EQ(OrvaneRecStartRadarEcho(other.c_str()), RADAR_REFUSED) << "playing";
    EXPECT_EQ(file_bytes(other), before) << "a refused start leaves the file alone";
    EXPECT_EQ(OrvaneRecEndRadarEcho(), RADAR_REFUSED) << "playing";
    {
        std::lock_guard<std::mutex> lock(gate_lock);
        hold_at_sweep = -1;
    }
    gate_changed.notify_all();
    EXPECT_TRUE(wait_until_ended());
    collector.take();
}

TEST_F(Recording, OneRevolutionIsRecordedFromSweep0ToSweep8190) {
    const std::string file = path("screen.rec");
    ASSERT_EQ(OrvaneRecStartRadarEchoOneScreen(file.c_str()), RADAR_OK);
    const Bytes at4000 = datagram(16, 31, 1, {Line{4000, 0, false, false, {}}});
    const Bytes from0 = datagram(16, 31, 1,
                                 {Line{8000, 0, false, false, {}}, Line{0, 0, false, false, {}},
                                  Line{1, 0, false, false, {}}});
    const Bytes middle = datagram(16, 31, 1, {Line{4096, 0, false, false, {}}});
    const Bytes to8190 =
        datagram(16, 31, 1, {Line{8190, 0, false, false, {}}, Line{8191, 0, false, false, {}}});
    const Bytes after = datagram(16, 31, 1, {Line{0, 0, false, false, {}}});
    for (const Bytes &d : {at4000, from0, middle, to8190, after}) ASSERT_TRUE(radar.send(d));
    ASSERT_TRUE(radar.settle());
    // Nothing at 4000; the datagram holding sweep 0 once for each line from
    // there on; the one that reaches 8190 once; nothing after it.
    EXPECT_EQ(file_bytes(file), join({from0, from0, middle, to8190}));
    collector.take();
}

TEST_F(Recording, PlayedBackDatagramsAreCapturedInOneRevolutionToo) {
    const std::string source = path("source.rec"), screen = path("screen.rec");
    const Bytes start = datagram(16, 32, 1, {Line{0, 0, false, false, {}}});
    const Bytes end = datagram(16, 32, 1, {Line{8191, 0, false, false, {}}});
    write_file(source, join({start, end, start}));
    ASSERT_EQ(OrvaneRecStartRadarEchoOneScreen(screen.c_str()), RADAR_OK);
    const auto played = play(source, 3);
    EXPECT_EQ(played.size(), 3u);
    EXPECT_EQ(file_bytes(screen), join({start, end}));
}

TEST_F(Recording, AFileThatCannotYieldAWholeDatagramEndsThePlaybackCleanly) {
    const Bytes good = three()[0];
    Bytes oversize = three()[2];
    oversize[8] = 0xFF;  // 1023 words: more than the receive buffer holds
    oversize[9] = 0x03;
    const struct {
        const char *legend;
        Bytes bytes;
        std::size_t lines;
    } files[] = {
        {"empty", {}, 0},
        {"cut inside a header", Bytes(good.begin(), good.begin() + 5), 0},
        {"cut inside the second datagram", join({good, Bytes(good.begin(), good.end() - 3)}), 2},
        {"a word count past the buffer", join({good, oversize, good}), 2},
    };
    for (const auto &f : files) {
        const std::string file = path("bad.rec");
        write_file(file, f.bytes);
        const auto played = play(file, f.lines);
        EXPECT_EQ(played.size(), f.lines) << f.legend;
        for (const Seen &l : played) EXPECT_EQ(l.record.Mode, 2) << f.legend;
        back_to_live();
        ASSERT_TRUE(radar.send(datagram(32, 30, 2, {Line{14, 0, false, false, {}}})));
        ASSERT_TRUE(radar.settle());
        const auto live = collector.take();
        ASSERT_EQ(live.size(), 1u) << f.legend;
        EXPECT_EQ(live[0].record.Mode, 1) << f.legend;
    }
}

TEST_F(Recording, ANewPlaybackStartsAtTheFirstByteOfItsOwnFile) {
    const std::string first = path("first.rec"), second = path("second.rec");
    write_file(first, join({three()[0], three()[2], three()[0]}));
    write_file(second, join({datagram(16, 33, 1, {Line{500, 0, false, true, {{4, 4}}}}),
                             datagram(16, 33, 1, {Line{501, 0, false, false, {}}})}));
    {
        std::lock_guard<std::mutex> lock(gate_lock);
        hold_at_sweep = 12;  // the second datagram of the first file
    }
    ASSERT_EQ(OrvaneReadStartRadarEcho(first.c_str()), RADAR_OK);
    {
        std::unique_lock<std::mutex> lock(gate_lock);
        ASSERT_TRUE(gate_changed.wait_for(lock, std::chrono::seconds(10), [] { return held; }));
    }
    // The receiver holds the first file's look-ahead byte; the switch happens
    // before it makes a live pass.
    ASSERT_EQ(OrvaneReadEndRadarEcho(), RADAR_OK);
    ASSERT_EQ(OrvaneReadStartRadarEcho(second.c_str()), RADAR_OK);
    collector.take();
    {
        std::lock_guard<std::mutex> lock(gate_lock);
        hold_at_sweep = -1;
    }
    gate_changed.notify_all();
    ASSERT_TRUE(collector.wait_for(2));
    EXPECT_TRUE(wait_until_ended());
    const auto played = collector.take();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(sweeps_of(played), (std::vector<int>{500, 501}));
    EXPECT_EQ(modes_of(played), (std::vector<int>{2, 3}));
    EXPECT_EQ(played[1].levels[4], 4);
}

}  // namespace
