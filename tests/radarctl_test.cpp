// radarctl against the library: the simulator's echo decoded by the library
// shows the scene it drew, and the command-line tools behave.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "capture.h"
#include "orvane.h"
#include "ppi.h"
#include "radar.h"
#include "station.h"

namespace {

using namespace radarctl;
using Clock = std::chrono::steady_clock;

std::string run(const std::string &command, int &status) {
    std::string output;
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return output;
    char chunk[512];
    while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) output += chunk;
    status = pclose(pipe);
    return output;
}

std::string scratch(const std::string &name);

// radarctl with `arguments`, its standard output and error apart; a run that
// hangs is stopped after 30 s (status 124).
struct Outcome {
    int status = -1;
    std::string out, err;
};
Outcome radarctl(const std::string &arguments) {
    Outcome r;
    const std::string err = scratch("stderr.txt");
    FILE *pipe =
        popen(("timeout 30 " + std::string(RADARCTL) + " " + arguments + " 2>" + err).c_str(), "r");
    if (pipe == nullptr) return r;
    char chunk[512];
    while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) r.out += chunk;
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(err);
    r.err.assign(std::istreambuf_iterator<char>(in), {});
    return r;
}

std::vector<uint8_t> file_bytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// One revolution of the standard scene as a recording file, datagram after datagram.
void write_recording(const std::string &path) {
    const Scene scene = Scene::standard();
    const uint16_t samples = sample_count_for(scene.range_nm);
    EchoEncoder encoder(samples, scale_code_for(scene.range_nm));
    std::ofstream out(path, std::ios::binary);
    std::vector<uint8_t> datagram;
    uint8_t levels[512];
    for (int sweep = 0; sweep < 8192; sweep += 2) {
        draw_line(scene, static_cast<uint16_t>(sweep), 0.0, samples, levels);
        if (encoder.add(static_cast<uint16_t>(sweep), 0, false, levels, datagram))
            out.write(reinterpret_cast<const char *>(datagram.data()),
                      static_cast<std::streamsize>(datagram.size()));
    }
    if (encoder.flush(datagram))
        out.write(reinterpret_cast<const char *>(datagram.data()),
                  static_cast<std::streamsize>(datagram.size()));
}

std::string scratch(const std::string &name) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("radarctl-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

TEST(Radarctl, TheSimulatorsShipsShowWhereTheSceneDrewThem) {
    StationOptions options;
    options.rpm = 600;  // a revolution every 0.1 s
    Station station(options);
    ASSERT_TRUE(station.start());
    ASSERT_EQ(NetSetStation("SIMTEST", "127.0.0.1", station.port()), 0);
    ASSERT_EQ(OrvaneInitRadarFunc("SIMTEST", [](int32_t) {}), RADAR_OK);  // names the echo source
    Capture &capture = Capture::start();
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (capture.live_revolutions.load() < 3 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_GE(capture.live_revolutions.load(), 3u);
    const double t = station.clock();
    station.stop();
    auto picture = std::make_unique<PolarPicture>();
    capture.picture(false, *picture);
    const Scene &scene = options.scene;
    ASSERT_FALSE(scene.ships.empty());
    for (std::size_t i = 0; i < scene.ships.size(); ++i) {
        double range = 0, bearing = 0;
        scene.position(i, t, range, bearing);
        const int b =
            static_cast<int>(std::lround(std::fmod(bearing + 360, 360) / 360 * 8192)) % 8192;
        const int s = static_cast<int>(range / scene.range_nm * picture->sample_count());
        int strongest = 0;
        for (int db = -40; db <= 40; ++db)
            for (int ds = -4; ds <= 4; ++ds)
                if (s + ds >= 0 && s + ds < picture->sample_count())
                    strongest = std::max<int>(
                        strongest, picture->level(static_cast<uint16_t>((b + db + 8192) % 8192),
                                                  static_cast<uint16_t>(s + ds)) &
                                       7);
        EXPECT_GE(strongest, 5) << scene.ships[i].name << " at " << range << " NM, " << bearing
                                << " deg";
    }
    NetShutdown();
}

TEST(Radarctl, RenderingARecordingGivesTheSameBytesEveryTime) {
    const std::string recording = scratch("scene.rec"), first = scratch("a.png"),
                      second = scratch("b.png");
    write_recording(recording);
    int status = -1;
    const std::string output =
        run(std::string(RADARCTL) + " render " + recording + " -o " + first, status);
    ASSERT_EQ(status, 0) << output;
    ASSERT_EQ(run(std::string(RADARCTL) + " render " + recording + " -o " + second, status).empty(),
              false);
    ASSERT_EQ(status, 0);
    const auto a = file_bytes(first), b = file_bytes(second);
    EXPECT_GT(a.size(), 1000u);
    EXPECT_EQ(a, b);
}

TEST(Radarctl, InfoReportsAGapAndAMalformedDatagram) {
    const Scene scene = Scene::standard();
    const uint16_t samples = sample_count_for(scene.range_nm);
    EchoEncoder encoder(samples, scale_code_for(scene.range_nm));
    const std::string path = scratch("gap.rec");
    std::ofstream out(path, std::ios::binary);
    std::vector<uint8_t> datagram;
    uint8_t levels[512] = {};
    uint64_t offset = 0;
    auto put = [&](const std::vector<uint8_t> &d) {
        out.write(reinterpret_cast<const char *>(d.data()), static_cast<std::streamsize>(d.size()));
        offset += d.size();
    };
    for (int sweep = 0; sweep <= 200; sweep += 2) {
        if (encoder.add(static_cast<uint16_t>(sweep), 0, false, levels, datagram)) put(datagram);
    }
    if (encoder.flush(datagram)) put(datagram);
    const uint64_t gap_at = offset;
    EchoEncoder after(samples, scale_code_for(scene.range_nm));
    for (int sweep = 1000; sweep <= 1100; sweep += 2)
        if (after.add(static_cast<uint16_t>(sweep), 0, false, levels, datagram)) put(datagram);
    if (after.flush(datagram)) put(datagram);
    const uint64_t malformed_at = offset;
    // A datagram claiming 600 samples a line.
    put({0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 1, static_cast<uint8_t>(600 & 0xFF),
         static_cast<uint8_t>(600 >> 8), 0x10, 0, 0, 0});  // 10 + 2 x 4 words = 18 bytes
    out.close();

    RecordingInfo info;
    ASSERT_TRUE(inspect_recording(path, info));
    ASSERT_EQ(info.gaps.size(), 1u);
    EXPECT_EQ(info.gaps[0].offset, gap_at);
    EXPECT_EQ(info.gaps[0].from_sweep, 200);
    EXPECT_EQ(info.gaps[0].to_sweep, 1000);
    ASSERT_EQ(info.malformed.size(), 1u);
    EXPECT_EQ(info.malformed[0].offset, malformed_at);

    int status = -1;
    const std::string output = run(std::string(RADARCTL) + " info " + path, status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find(std::to_string(gap_at)), std::string::npos) << output;
    EXPECT_NE(output.find(std::to_string(malformed_at)), std::string::npos) << output;
}

TEST(Radarctl, TheCalculatorFromTheCommandLineShowsItsUnits) {
    int status = -1;
    const std::string output = run(std::string(RADARCTL) +
                                       " cpa --range 5 --bearing 90 --own-speed 10 --own-course 0 "
                                       "--target-speed 10 --target-course 270",
                                   status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("CPA  3.5355 NM"), std::string::npos) << output;
    EXPECT_NE(output.find("TCPA 15.0005 min"), std::string::npos) << output;
    run(std::string(RADARCTL) + " cpa --range 300 --bearing 90", status);
    EXPECT_NE(status, 0) << "a range past 256 NM is refused";
}

TEST(Radarctl, EveryCommandAnswersHelpAndMeetsBadUsageWithItsUsage) {
    const struct {
        const char *command, *missing;  // the command, and it short of an argument it needs
    } commands[] = {
        {"demo", "demo --out"}, {"sim", "sim --rpm"},        {"render", "render"},
        {"info", "info"},       {"cpa", "cpa --bearing 90"}, {"serve", "serve"},
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.command);
        const std::string usage = std::string("usage: radarctl ") + c.command;
        for (const char *help : {" --help", " -h"}) {
            const Outcome r = radarctl(c.command + std::string(help));
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.out.rfind(usage, 0), 0u) << r.out;
            EXPECT_EQ(r.err, "");
        }
        for (const std::string &bad :
             {c.command + std::string(" --no-such-option"), std::string(c.missing)}) {
            const Outcome r = radarctl(bad);
            EXPECT_EQ(r.status, 2) << bad << "\n" << r.err;
            EXPECT_EQ(r.out, "") << bad;
            EXPECT_EQ(r.err.rfind("radarctl " + std::string(c.command) + ": ", 0), 0u) << r.err;
            EXPECT_NE(r.err.find(usage), std::string::npos) << r.err;
        }
    }
    const Outcome overview = radarctl("--help");
    EXPECT_EQ(overview.status, 0);
    for (const auto &c : commands)
        EXPECT_NE(overview.out.find(std::string("radarctl ") + c.command + " "), std::string::npos)
            << c.command;
    for (const char *bad : {"", "frobnicate"}) {
        const Outcome r = radarctl(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
        EXPECT_NE(r.err.find("usage: radarctl <command>"), std::string::npos) << bad;
    }
}

// An acquisition zone serve cannot read is refused before anything starts.
TEST(Radarctl, ServeRefusesAnAcquisitionZoneItCannotRead) {
    for (const char *zone : {"0,90,0.5", "0,90,5,0.5", "0,400,0.5,5", "0,90,0.5,5,1", "a,90,0.5,5",
                             "0,90,,5", "0,90,0.5,97"}) {
        const Outcome r = radarctl(std::string("serve --sim --acquire-zone ") + zone);
        EXPECT_EQ(r.status, 2) << zone << "\n" << r.err;
        EXPECT_NE(r.err.find("--acquire-zone takes"), std::string::npos) << zone << "\n" << r.err;
    }
}

// A full disk: radarctl says which file and why, exits 1, and leaves neither
// the file nor its temporary behind.
TEST(Radarctl, AFullDiskLeavesNoFileBehindAndSaysWhy) {
    const std::string disk = scratch("full");
    std::filesystem::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a tmpfs: " << std::strerror(errno);
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    std::FILE *filler = std::fopen((disk + "/filler").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    std::setvbuf(filler, nullptr, _IONBF, 0);
    static const char block[1024] = {};
    while (std::fwrite(block, 1, sizeof block, filler) == sizeof block) {
    }
    while (std::fwrite(block, 1, 1, filler) == 1) {
    }
    std::fclose(filler);
    const std::string recording = scratch("scene.rec");
    write_recording(recording);

    const struct {
        std::string arguments, file;
    } cases[] = {
        {"render " + recording + " -o " + disk + "/out.png", disk + "/out.png"},
        {"demo --revolutions 1 --out " + disk + "/demo", disk + "/demo/demo-live.png"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome r = radarctl(c.arguments);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find("cannot write " + c.file + ": No space left on device"),
                  std::string::npos)
            << r.err;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(disk))
            EXPECT_TRUE(entry.is_directory() || entry.path().filename() == "filler")
                << entry.path();
    }
}

}  // namespace
