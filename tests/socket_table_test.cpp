// The datagram socket table over real UDP sockets on loopback.
#include "echo/socket_table.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <dirent.h>
#endif

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "echo_support.h"
#include "test_sockets.h"

namespace {

using namespace radar::echo;
using echo_support::Bytes;

constexpr uint16_t port = echo_support::echo_port;

#if !defined(_WIN32)
// The process's open descriptors. Windows has no such count that Wine keeps.
int open_descriptors() {
    DIR *dir = opendir("/proc/self/fd");
    int count = 0;
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
    return count;
}
#endif

// Where the sender's text goes before a receive: a filler that shows both an
// address left alone and one written without its terminator.
const std::string unwritten(address_text_size - 1, 'x');

// What one receive on a slot gave.
struct Received {
    int result = 1;  // not yet returned
    Bytes bytes;
    std::string address;
};

// Receives on `slot`, bounded: a receive still waiting after the deadline is
// woken by closing the slot; one that even that does not wake is left behind
// and reported as not returned.
Received receive_within(int slot, std::size_t size) {
    struct State {
        std::atomic<bool> done{false};
        Received got;
    };
    auto state = std::make_shared<State>();
    std::thread waiting([state, slot, size] {
        Bytes buffer(size);
        char address[address_text_size] = {};
        unwritten.copy(address, unwritten.size());
        const int result = receive(slot, buffer.data(), size, address);
        if (result > 0) buffer.resize(static_cast<std::size_t>(result));
        state->got = Received{result, buffer, address};
        state->done = true;
    });
    const auto finished = [&state](std::chrono::seconds wait) {
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (!state->done.load() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return state->done.load();
    };
    if (!finished(std::chrono::seconds(5))) {
        close_slot(slot);
        if (!finished(std::chrono::seconds(5))) {
            waiting.detach();
            return Received{};
        }
    }
    waiting.join();
    return state->got;
}

class SocketTable : public ::testing::Test {
  protected:
    void TearDown() override {
        for (int slot = 0; slot < slot_count; ++slot) close_slot(slot);
    }
};

TEST_F(SocketTable, ASecondSlotOnTheSamePortSharesTheSocket) {
    ASSERT_EQ(open_slot(3, port), 0);
#if !defined(_WIN32)
    const int descriptors = open_descriptors();
#endif
    ASSERT_EQ(open_slot(9, port), 0);
#if !defined(_WIN32)
    EXPECT_EQ(open_descriptors(), descriptors) << "no new socket";
#endif
    // One socket, one queue: the datagrams are read in turn through either slot.
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes{1, 2, 3}));
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes{4, 5}));
    EXPECT_EQ(receive_within(9, 16).bytes, (Bytes{1, 2, 3}));
    EXPECT_EQ(receive_within(3, 16).bytes, (Bytes{4, 5}));
    // Closing either slot closes the one socket: nothing holds the port.
    ASSERT_EQ(close_slot(3), 0);
    EXPECT_TRUE(echo_support::port_is_free(port)) << "a second socket holds the port";
    EXPECT_EQ(receive_within(9, 16).result, receive_failed);
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
    EXPECT_TRUE(echo_support::port_is_free(port));
#if !defined(_WIN32)
    const int descriptors = open_descriptors();
#endif
    EXPECT_EQ(open_free_slot(port), 5);
#if !defined(_WIN32)
    EXPECT_EQ(open_descriptors(), descriptors + 1);
#endif
    EXPECT_FALSE(echo_support::port_is_free(port)) << "the new socket holds the port";
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes{7, 7}));
    EXPECT_EQ(receive_within(5, 16).result, 2);
    // The other slots lost their socket with the close: they fail, and never
    // wait on a descriptor that may belong to something else by now.
    EXPECT_EQ(receive_within(0, 16).result, receive_failed);
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
    using namespace test_sockets;
    const int other = open_socket(SOCK_DGRAM);
    ASSERT_TRUE(bind_to(other, ipv4(nullptr, port + 1)));
    EXPECT_EQ(open_slot(2, port + 1), socket_failed);
    EXPECT_EQ(open_free_slot(port + 1), socket_failed);
    close_socket(other);
    EXPECT_EQ(open_free_slot(port + 1), 0) << "slot 0 was still free";
}

TEST_F(SocketTable, TheSenderIsWrittenAsDottedText) {
    ASSERT_EQ(open_slot(0, port), 0);
    for (const char *sender : {"127.0.0.1", "127.0.0.2", "127.1.22.3", "127.10.99.100", "127.255.255.254"}) {
        // Where every loopback datagram leaves from 127.0.0.1, that is the
        // only sender there is to see.
        if (!echo_support::senders_kept() && std::strcmp(sender, "127.0.0.1") != 0) continue;
        ASSERT_TRUE(echo_support::send_from(sender, Bytes{42}));
        const Received got = receive_within(0, 8);
        ASSERT_EQ(got.result, 1) << sender;
        EXPECT_EQ(got.address, sender);
    }
}

TEST_F(SocketTable, ADatagramLongerThanTheBufferFailsAndTheNextArrives) {
    ASSERT_EQ(open_slot(0, port), 0);
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes(1100, 0x55)));
    ASSERT_TRUE(echo_support::send_from("127.0.0.1", Bytes(1024, 0x66)));
    const Received longer = receive_within(0, 1024);
    EXPECT_EQ(longer.result, receive_failed);
    EXPECT_EQ(longer.address, unwritten) << "the address is left alone";
    const Received next = receive_within(0, 1024);
    EXPECT_EQ(next.result, 1024);
    EXPECT_EQ(next.bytes, Bytes(1024, 0x66));
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
