// The POSIX side of the platform seam, through real sockets and threads.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/lock.h"
#include "platform/net.h"
#include "platform/thread.h"

namespace {

using namespace radar::platform;
using Clock = std::chrono::steady_clock;

TEST(PlatformNet, SendDeliversTheBytesInOneCall) {
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    const char sentence[] = "$S03,1,55\r\n";
    EXPECT_EQ(send_bytes(pair[0], sentence, sizeof sentence),
              static_cast<int64_t>(sizeof sentence));
    char received[32] = {};
    EXPECT_EQ(recv(pair[1], received, sizeof received, 0), static_cast<ssize_t>(sizeof sentence));
    EXPECT_EQ(std::memcmp(received, sentence, sizeof sentence), 0);
    close(pair[0]);
    close(pair[1]);
}

TEST(PlatformNet, APeerThatHasGoneFailsTheSendWithoutASignal) {
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    close(pair[1]);
    // Without care this raises SIGPIPE and ends the test program.
    EXPECT_EQ(send_bytes(pair[0], "x", 1), -1);
    close(pair[0]);
}

TEST(PlatformNet, ABadHandleFails) { EXPECT_EQ(send_bytes(-1, "x", 1), -1); }

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

}  // namespace
