// The datagram socket table over real UDP sockets on loopback.
#include "echo/socket_table.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "echo_support.h"

namespace {

using namespace radar::echo;
using echo_support::Bytes;

constexpr uint16_t port = echo_support::echo_port;

int open_descriptors() {
    DIR *dir = opendir("/proc/self/fd");
    int count = 0;
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
    return count;
}

class SocketTable : public ::testing::Test {
  protected:
    void TearDown() override {
        for (int slot = 0; slot < slot_count; ++slot) close_slot(slot);
    }
};

TEST_F(SocketTable, ASecondSlotOnTheSamePortSharesTheSocket) {
    ASSERT_EQ(open_slot(3, port), 0);
    const int descriptors = open_descriptors();
    ASSERT_EQ(open_slot(9, port), 0);
    EXPECT_EQ(open_descriptors(), descriptors) << "no new socket";
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes{1, 2, 3}));
    uint8_t buffer[16];
    char address[address_text_size];
    EXPECT_EQ(receive(9, buffer, sizeof buffer, address), 3);
}

TEST_F(SocketTable, OpenFreeSlotFillsAll32ThenRefuses) {
    for (int expected = 0; expected < slot_count; ++expected)
        EXPECT_EQ(open_free_slot(port), expected);
    EXPECT_EQ(open_free_slot(port), bad_slot);
}

TEST_F(SocketTable, AClosedSlotIsReusedWithANewSocket) {
    for (int slot = 0; slot < 8; ++slot) ASSERT_EQ(open_free_slot(port), slot);
    ASSERT_EQ(close_slot(5), 0);
    // Closing one of the slots that shared the socket closed it for all; the
    // port is free again, and the reopened slot binds a socket of its own.
    const int descriptors = open_descriptors();
    EXPECT_EQ(open_free_slot(port), 5);
    EXPECT_EQ(open_descriptors(), descriptors + 1);
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes{7, 7}));
    uint8_t buffer[16];
    char address[address_text_size];
    EXPECT_EQ(receive(5, buffer, sizeof buffer, address), 2);
    // The other slots lost their socket with the close: they fail, and never
    // wait on a descriptor that may belong to something else by now.
    EXPECT_EQ(receive(0, buffer, sizeof buffer, address), receive_failed);
}

TEST_F(SocketTable, SlotNumbersOutsideTheTableAreRefused) {
    uint8_t buffer[4];
    char address[address_text_size];
    for (int slot : {-1, 32, 33, 1000, -32768}) {
        EXPECT_EQ(open_slot(slot, port), bad_slot) << slot;
        EXPECT_EQ(receive(slot, buffer, sizeof buffer, address), bad_slot) << slot;
        EXPECT_EQ(close_slot(slot), bad_slot) << slot;
    }
}

TEST_F(SocketTable, ABindThatFailsLeavesTheSlotFree) {
    const int other = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port + 1);
    ASSERT_EQ(::bind(other, reinterpret_cast<sockaddr *>(&a), sizeof a), 0);
    EXPECT_EQ(open_slot(2, port + 1), socket_failed);
    EXPECT_EQ(open_free_slot(port + 1), socket_failed);
    ::close(other);
    EXPECT_EQ(open_free_slot(port + 1), 0) << "slot 0 was still free";
}

TEST_F(SocketTable, TheSenderIsWrittenAsDottedText) {
    ASSERT_EQ(open_slot(0, port), 0);
    for (const char *sender : {"127.0.0.1", "127.0.0.2", "127.1.22.3", "127.255.255.254"}) {
        ASSERT_TRUE(echo_support::send_from(sender, Bytes{42}));
        uint8_t buffer[8];
        char address[address_text_size];
        std::memset(address, 'x', sizeof address);
        ASSERT_EQ(receive(0, buffer, sizeof buffer, address), 1) << sender;
        EXPECT_STREQ(address, sender);
    }
}

TEST_F(SocketTable, ADatagramLongerThanTheBufferFailsAndTheNextArrives) {
    ASSERT_EQ(open_slot(0, port), 0);
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes(1100, 0x55)));
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes(1024, 0x66)));
    uint8_t buffer[1024];
    char address[address_text_size] = "untouched";
    EXPECT_EQ(receive(0, buffer, sizeof buffer, address), receive_failed);
    EXPECT_STREQ(address, "untouched");
    EXPECT_EQ(receive(0, buffer, sizeof buffer, address), 1024);
    EXPECT_EQ(buffer[1023], 0x66);
}

TEST_F(SocketTable, ClosingTheSlotWakesAReceiveWaitingOnIt) {
    ASSERT_EQ(open_slot(4, port), 0);
    std::atomic<int> result{1};
    std::thread waiting([&] {
        uint8_t buffer[64];
        char address[address_text_size];
        result = receive(4, buffer, sizeof buffer, address);
    });
    std::this_thread::sleep_for(
        std::chrono::milliseconds(50));  // let it block; the outcome does not depend on it
    ASSERT_EQ(close_slot(4), 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (result.load() == 1 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(result.load(), receive_failed);
    if (result.load() == 1)
        waiting.detach();  // keep the failure a failure, not a hang
    else
        waiting.join();
}

}  // namespace
