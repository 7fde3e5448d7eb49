// The platform seam of the system the tests run on, through real sockets and
// threads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "loopback_station.h"
#include "platform/file.h"
#include "platform/lock.h"
#include "platform/net.h"
#include "platform/thread.h"
#include "scratch_folder.h"

namespace {

using namespace radar::platform;
using Clock = std::chrono::steady_clock;

TEST(PlatformNet, SendDeliversTheBytesInOneCall) {
    loopback::Connection pair = loopback::connect_pair();
    ASSERT_GE(pair.far.get(), 0);
    const char sentence[] = "$S03,1,55\r\n";
    EXPECT_EQ(send_bytes(pair.near.get(), sentence, sizeof sentence),
              static_cast<int64_t>(sizeof sentence));
    EXPECT_EQ(loopback::read_n(pair.far.get(), sizeof sentence),
              std::string(sentence, sizeof sentence));
}

TEST(PlatformNet, APeerThatHasGoneFailsTheSendWithoutASignal) {
    loopback::Connection pair = loopback::connect_pair();
    ASSERT_GE(pair.far.get(), 0);
    // The far end is closed with a reset, so the near end learns at once that
    // the peer has gone, without a first send that would still be taken.
    ASSERT_TRUE(test_sockets::reset_at_close(pair.far.get()));
    pair.far.reset();
    ASSERT_TRUE(loopback::eventually([&] { return loopback::readable(pair.near.get()); }));
    // Without care a send on a broken connection raises SIGPIPE and ends the
    // test program; every one fails.
    EXPECT_EQ(send_bytes(pair.near.get(), "x", 1), -1);
    EXPECT_EQ(send_bytes(pair.near.get(), "x", 1), -1);
}

TEST(PlatformNet, ABadHandleFails) { EXPECT_EQ(send_bytes(-1, "x", 1), -1); }

// A datagram socket queues more than the system's default while its receiver
// is held up.
TEST(PlatformNet, ADatagramSocketAsksForALargerReceiveQueue) {
    start_sockets();
    SocketHandle mine = no_socket;
    ASSERT_TRUE(open_datagram_socket(0, mine));
    const int plain = test_sockets::open_socket(SOCK_DGRAM);
    ASSERT_NE(plain, test_sockets::no_socket);
    auto queue = [](int s) {
        int bytes = 0;
        test_sockets::Length size = sizeof bytes;
        getsockopt(test_sockets::native(s), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char *>(&bytes), &size);
        return bytes;
    };
    EXPECT_GT(queue(static_cast<int>(mine)), queue(plain));
    test_sockets::close_socket(plain);
    shut_socket(mine);
    close_socket(mine);
}

struct Shared {
    Lock lock;
    long counter = 0;
    std::atomic<int> finished{0};
};

void add_many(void *argument) {
    auto *shared = static_cast<Shared *>(argument);
    set_current_priority(Priority::highest);
    for (int i = 0; i < 100000; ++i) {
        Held held(shared->lock);
        ++shared->counter;
    }
    set_current_priority(Priority::normal);
    shared->finished.fetch_add(1);
}

TEST(PlatformThread, ThreadsRunAndTheLockSerialisesThem) {
    static Shared shared;  // outlives the detached threads
    shared.lock.init();
    ASSERT_TRUE(start_thread(&add_many, &shared));
    ASSERT_TRUE(start_thread(&add_many, &shared));
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (shared.finished.load() < 2 && Clock::now() < deadline) sleep_ms(1);
    ASSERT_EQ(shared.finished.load(), 2);
    Held held(shared.lock);
    EXPECT_EQ(shared.counter, 200000);
}

TEST(PlatformThread, SleepWaitsAtLeastTheTimeAsked) {
    const auto start = Clock::now();
    sleep_ms(30);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(30));
}

TEST(PlatformFile, ACutFileEndsThereAndGoesOnWritingThere) {
    const std::filesystem::path folder = scratch::new_folder("radar-platform-");
    ASSERT_FALSE(folder.empty());
    const std::string path = (folder / "cut").string();
    std::FILE *file = std::fopen(path.c_str(), "wb+");
    ASSERT_NE(file, nullptr);
    std::setvbuf(file, nullptr, _IONBF, 0);
    auto write = [file](const char *text) {
        return std::fwrite(text, 1, std::strlen(text), file) == std::strlen(text);
    };
    EXPECT_TRUE(write("abcdefghij"));
    EXPECT_TRUE(cut_file(file, 3));
    EXPECT_TRUE(write("XY"));
    EXPECT_TRUE(cut_file(file, 0));
    EXPECT_TRUE(write("first"));
    EXPECT_TRUE(cut_file(file, 5));  // at the end already
    EXPECT_TRUE(write("+m"));
    std::fclose(file);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "first+m");
    in.close();
    std::filesystem::remove_all(folder);
}

}  // namespace
