// The steady state allocates nothing. Every heap allocation in this program is
// counted while a window is open, on every thread, the library's receiver
// included: operator new and delete and the malloc family are replaced here
// (under a sanitizer, which owns malloc, its allocation hook counts instead).
// In the window the network library's thread hands over requests and orders
// (answered on a loopback TCP connection), the application calls Set, Get and
// Put, and echo datagrams arrive over UDP and are decoded, overlaid with
// trails and delivered to the echo callback, or, built with ALLOC_TEST_RING,
// stored in the ring and fetched. The work is done once before the window, so
// that whatever is set up on first use is set up.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "echo_support.h"
#include "loopback_station.h"
#include "netlib_double.h"
#include "radar.h"
#include "test_sockets.h"

// ---- Counting ---------------------------------------------------------------

namespace {

std::atomic<bool> counting{false};
std::atomic<uint64_t> allocations{0};

void note_allocation() {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ALLOC_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define ALLOC_TEST_SANITIZED 1
#endif
#endif

#if defined(ALLOC_TEST_SANITIZED)

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void *,
                                                                             std::size_t),
                                                         void (*free_hook)(const volatile void *));

namespace {
void on_sanitizer_malloc(const volatile void *, std::size_t) { note_allocation(); }
void on_sanitizer_free(const volatile void *) {}
const bool hooks_installed =
    __sanitizer_install_malloc_and_free_hooks(&on_sanitizer_malloc, &on_sanitizer_free) != 0;
void *raw_allocate(std::size_t size) { return std::malloc(size); }
void *raw_allocate_aligned(std::size_t alignment, std::size_t size) {
    return std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
}
void raw_free(void *p) { std::free(p); }
}  // namespace

#else

// glibc's own allocator, under the names it exports for allocators that wrap it.
extern "C" {
void *__libc_malloc(std::size_t);
void *__libc_calloc(std::size_t, std::size_t);
void *__libc_realloc(void *, std::size_t);
void *__libc_memalign(std::size_t, std::size_t);
void __libc_free(void *);

void *malloc(std::size_t size) {
    note_allocation();
    return __libc_malloc(size);
}
void *calloc(std::size_t count, std::size_t size) {
    note_allocation();
    return __libc_calloc(count, size);
}
void *realloc(void *p, std::size_t size) {
    note_allocation();
    return __libc_realloc(p, size);
}
void *reallocarray(void *p, std::size_t count, std::size_t size) {
    note_allocation();
    if (size != 0 && count > SIZE_MAX / size) {
        errno = ENOMEM;
        return nullptr;
    }
    return __libc_realloc(p, count * size);
}
void *memalign(std::size_t alignment, std::size_t size) {
    note_allocation();
    return __libc_memalign(alignment, size);
}
void *aligned_alloc(std::size_t alignment, std::size_t size) {
    note_allocation();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void **out, std::size_t alignment, std::size_t size) {
    note_allocation();
    if (alignment < sizeof(void *) || (alignment & (alignment - 1)) != 0) return EINVAL;
    void *p = __libc_memalign(alignment, size);
    if (p == nullptr) return ENOMEM;
    *out = p;
    return 0;
}
void *valloc(std::size_t size) {
    note_allocation();
    return __libc_memalign(4096, size);
}
void *pvalloc(std::size_t size) {
    note_allocation();
    return __libc_memalign(4096, (size + 4095) / 4096 * 4096);
}
void free(void *p) { __libc_free(p); }
}  // extern "C"

namespace {
constexpr bool hooks_installed = true;
void *raw_allocate(std::size_t size) { return __libc_malloc(size == 0 ? 1 : size); }
void *raw_allocate_aligned(std::size_t alignment, std::size_t size) {
    return __libc_memalign(alignment, size == 0 ? 1 : size);
}
void raw_free(void *p) { __libc_free(p); }
}  // namespace

#endif

namespace {
void *counted_new(std::size_t size) {
    note_allocation();
    if (void *p = raw_allocate(size)) return p;
    throw std::bad_alloc();
}
void *counted_new(std::size_t size, std::align_val_t alignment) {
    note_allocation();
    if (void *p = raw_allocate_aligned(static_cast<std::size_t>(alignment), size)) return p;
    throw std::bad_alloc();
}
}  // namespace

void *operator new(std::size_t size) { return counted_new(size); }
void *operator new[](std::size_t size) { return counted_new(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
    note_allocation();
    return raw_allocate(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept {
    note_allocation();
    return raw_allocate(size);
}
void *operator new(std::size_t size, std::align_val_t alignment) {
    return counted_new(size, alignment);
}
void *operator new[](std::size_t size, std::align_val_t alignment) {
    return counted_new(size, alignment);
}
void *operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t &) noexcept {
    note_allocation();
    return raw_allocate_aligned(static_cast<std::size_t>(alignment), size);
}
void *operator new[](std::size_t size, std::align_val_t alignment,
                     const std::nothrow_t &) noexcept {
    note_allocation();
    return raw_allocate_aligned(static_cast<std::size_t>(alignment), size);
}
void operator delete(void *p) noexcept { raw_free(p); }
void operator delete[](void *p) noexcept { raw_free(p); }
void operator delete(void *p, std::size_t) noexcept { raw_free(p); }
void operator delete[](void *p, std::size_t) noexcept { raw_free(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { raw_free(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { raw_free(p); }
void operator delete(void *p, std::align_val_t) noexcept { raw_free(p); }
void operator delete[](void *p, std::align_val_t) noexcept { raw_free(p); }
void operator delete(void *p, std::size_t, std::align_val_t) noexcept { raw_free(p); }
void operator delete[](void *p, std::size_t, std::align_val_t) noexcept { raw_free(p); }
void operator delete(void *p, std::align_val_t, const std::nothrow_t &) noexcept { raw_free(p); }
void operator delete[](void *p, std::align_val_t, const std::nothrow_t &) noexcept { raw_free(p); }

// ---- The workload -------------------------------------------------------------

namespace {

using namespace echo_support;
using Clock = std::chrono::steady_clock;

#if defined(ALLOC_TEST_RING)
constexpr bool use_ring = true;
#else
constexpr bool use_ring = false;
#endif

// What the window's work did; plain counters, so that keeping them allocates nothing.
struct Done {
    int answers = 0;  // sentences read back from the TCP connection
    int lines = 0;    // lines delivered or fetched
    int bad_lines = 0;
    bool timed_out = false;
};

std::atomic<int> notified{0};
std::atomic<int> delivered{0};
std::atomic<int> delivered_bad{0};

void RADAR_CALLBACK on_notify(int32_t) { notified.fetch_add(1); }

bool line_ok(const EchoLineRecord &line) {
    if (line.Data == nullptr || line.SampleCount > 512 || line.Mode != 1) return false;
    for (int s = 0; s < line.SampleCount; ++s)
        if (line.Data[s] > 15) return false;
    return true;
}

void RADAR_CALLBACK on_line(EchoLineRecord *line) {
    if (!line_ok(*line)) delivered_bad.fetch_add(1);
    delivered.fetch_add(1);
}

// The messages the network library's thread hands over: requests, answered
// from the record, and orders, applied and answered (each one sentence).
struct Message {
    int16_t code;
    const char *text;
};
constexpr Message messages[] = {
    {0x03, "$R03\r\n"},
    {0x03, "$S03,2,50\r\n"},
    {0x13, "$R13,2\r\n"},
    {0x13, "$S13,1,1,2,12.3,45.6,1.2345,99.9999\r\n"},
    {0x1C, "$S1C,2,1,1,1,12.5\r\n"},
    {0x37, "$S37,1,-35.3894,70.7788\r\n"},
    {0x38, "$R38\r\n"},
    {0x4B, "$S4B,512\r\n"},
    {0x56, "$S56,1,2,3,a,B,ff,0,0,0,0\r\n"},
    {0x21, "$R21\r\n"},
};

// Put calls, each one sentence.
using PutCall = int16_t (*)();
constexpr PutCall puts_made[] = {
    [] { return OrvanePutRadarGain(RADAR_KIND_ORDER, 1, 55); },
    [] { return OrvanePutRadarGuard(RADAR_KIND_ANNOUNCE, 2, 1, 4, 3599, 0, 99999999, 1); },
    [] { return OrvanePutRadarOwnPosiLL(RADAR_KIND_ORDER, 1, -353894400, 707788800); },
    [] { return OrvanePutRadarNMEAHead(RADAR_KIND_ANNOUNCE, 1, 1799, -1799); },
    [] { return OrvanePutArpaStatus(RADAR_KIND_ANNOUNCE, 1, 2, 3, 4, 5, 6, 7, 8, 9, 65535); },
    [] { return OrvanePutArpaAllClear(RADAR_KIND_REQUEST); },
};

constexpr int sentences_per_round = static_cast<int>(std::size(messages) + std::size(puts_made));

struct Fixture {
    loopback::Connection connection;
    int echo_sender = test_sockets::no_socket;
    std::vector<Bytes> datagrams;
    int lines_per_round = 0;
};

// Waits until the test's counter reaches `target`; false at the deadline.
template <class Reached>
bool wait_until(Reached reached) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!reached()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

Done work(Fixture &f) {
    Done done;
    int32_t socket = f.connection.near.get();
    for (const Message &m : messages) netlib_double::conversion(m.code, m.text, &socket);
    for (PutCall put : puts_made) put();
    uint16_t mode = 0, level = 0;
    OrvaneSetRadarGain(3, 100);
    OrvaneGetRadarGain(&mode, &level);

    // The answers and the Put sentences, each ending with its zero byte.
    char buffer[2048];
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (done.answers < sentences_per_round && Clock::now() < deadline) {
        if (!test_sockets::wait_readable(f.connection.far.get(), 10)) continue;
        const long got = test_sockets::receive_some(f.connection.far.get(), buffer, sizeof buffer);
        if (got <= 0) break;
        for (long i = 0; i < got; ++i) done.answers += buffer[i] == '\0';
    }

    // Echo datagrams, one at a time: each is decoded and its lines delivered
    // (or stored and fetched) before the next is sent.
    OrvaneSetTrailTime(16);
    for (const Bytes &d : f.datagrams) {
        const int lines = d[10];
        const int before = delivered.load();
        test_sockets::send_to(f.echo_sender, d.data(), d.size(),
                              test_sockets::ipv4(radar_address, echo_port));
        if (use_ring) {
            int fetched = 0;
            const bool all = wait_until([&] {
                EchoLineRecord record{};
                while (OrvaneGetRadarEchoData(&record) > 0) {
                    ++fetched;
                    if (!line_ok(record)) ++done.bad_lines;
                }
                return fetched >= lines;
            });
            done.timed_out |= !all;
            done.lines += fetched;
        } else {
            done.timed_out |= !wait_until([&] { return delivered.load() - before >= lines; });
            done.lines += delivered.load() - before;
        }
    }
    OrvaneSetTrailTime(0);
    done.timed_out |= Clock::now() >= deadline;
    return done;
}

bool set_up(Fixture &f) {
    netlib_double::set_source_address(radar_address);
    if (OrvaneInitRadarFunc("ALLOC", &on_notify) != RADAR_OK ||
        netlib_double::conversion == nullptr)
        return false;
    f.connection = loopback::connect_pair();
    if (f.connection.near.get() < 0 || f.connection.far.get() < 0) return false;
    if (OrvaneInitRadarEchoFunc(use_ring ? nullptr : &on_line) != RADAR_OK) return false;
    f.echo_sender = test_sockets::open_socket(SOCK_DGRAM);
    if (!test_sockets::bind_to(f.echo_sender, test_sockets::ipv4(radar_address))) return false;
    // Two headers, so the picture is cleared in every round; lines with and
    // without changes; fewer lines a datagram than the ring holds.
    f.datagrams = {
        datagram(
            16, 5, 3,
            {Line{100, 0, false, true, {{0, 2}, {3, 7}, {9, 5}}}, Line{101, 0, true, false, {}}}),
        datagram(
            500, 4, 0,
            {Line{1, 0, false, true, {{0, 1}, {495, 7}}}, Line{2, 9, false, true, {{494, 3}}}}),
        datagram(500, 4, 1,
                 {Line{3, 0, false, true, {{10, 12}, {11, 6}}}, Line{4, 0, false, false, {}},
                  Line{8191, 8191, true, true, {{495, 1}}}}),
    };
    for (const Bytes &d : f.datagrams) f.lines_per_round += d[10];
    return true;
}

TEST(SteadyState, TheCounterSeesAllocationsOnAnyThread) {
    ASSERT_TRUE(hooks_installed);
    allocations.store(0);
    counting.store(true);
    void *block = std::malloc(24);
    int *number = new int(7);
    std::string text(100, 'x');
    std::thread other([] { delete new long(1); });
    other.join();
    counting.store(false);
    std::free(block);
    delete number;
    EXPECT_GE(allocations.load(), 4u);
    EXPECT_EQ(text.size(), 100u);
}

TEST(SteadyState, MessagesSentencesAndEchoLinesAllocateNothing) {
    Fixture f;
    ASSERT_TRUE(set_up(f));
    // First use: whatever is set up lazily (in the library, the C library or
    // the test's own helpers) is set up here, outside the window.
    for (int round = 0; round < 2; ++round) {
        const Done warm = work(f);
        ASSERT_FALSE(warm.timed_out);
        ASSERT_EQ(warm.answers, sentences_per_round);
        ASSERT_EQ(warm.lines, f.lines_per_round);
    }

    constexpr int rounds = 20;
    Done totals;
    const int notified_before = notified.load();
    allocations.store(0);
    counting.store(true);
    for (int round = 0; round < rounds; ++round) {
        const Done d = work(f);
        totals.answers += d.answers;
        totals.lines += d.lines;
        totals.bad_lines += d.bad_lines;
        totals.timed_out |= d.timed_out;
    }
    counting.store(false);

    EXPECT_EQ(allocations.load(), 0u);
    EXPECT_FALSE(totals.timed_out);
    EXPECT_EQ(totals.answers, rounds * sentences_per_round);
    EXPECT_EQ(totals.lines, rounds * f.lines_per_round);
    EXPECT_EQ(totals.bad_lines + delivered_bad.load(), 0);
    // Every order notified the application once.
    EXPECT_EQ(notified.load() - notified_before, rounds * 6);
    test_sockets::close_socket(f.echo_sender);
}

}  // namespace
