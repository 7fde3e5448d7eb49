// A plug-in host loads the library at run time, starts the echo and unloads
// the library again. The library's threads run on, so it must stay loaded:
// the host lives on, with the library still mapped, while datagrams wake the
// receiver and the aging thread ticks.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "radar.h"
#include "test_sockets.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

using InitEcho = int16_t(RADAR_API *)(RadarEchoFunc);

#if defined(_WIN32)
// Found beside the test program, where the build puts the DLL.
constexpr const char *library_name = "radar.dll";

void *load() { return reinterpret_cast<void *>(LoadLibraryA(library_name)); }
InitEcho find_init_echo(void *library) {
    return reinterpret_cast<InitEcho>(reinterpret_cast<void *>(
        GetProcAddress(static_cast<HMODULE>(library), "OrvaneInitRadarEchoFunc")));
}
void unload(void *library) { FreeLibrary(static_cast<HMODULE>(library)); }
bool still_loaded() { return GetModuleHandleA(library_name) != nullptr; }
#else
void *load() { return dlopen(RADAR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL); }
InitEcho find_init_echo(void *library) {
    return reinterpret_cast<InitEcho>(dlsym(library, "OrvaneInitRadarEchoFunc"));
}
void unload(void *library) { dlclose(library); }
bool still_loaded() {
    void *library = dlopen(RADAR_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr) return false;
    dlclose(library);
    return true;
}
#endif

TEST(Unload, TheLibraryStaysLoadedOnceItsThreadsRun) {
    void *library = load();
    ASSERT_NE(library, nullptr);
    const InitEcho init_echo = find_init_echo(library);
    ASSERT_NE(init_echo, nullptr);
    ASSERT_EQ(init_echo(nullptr), RADAR_OK);
    unload(library);

    // Datagrams wake the receiver, and within the 1.5 s the aging thread
    // wakes at least once: in unmapped code either would bring the process
    // down before the checks below.
    const int sender = test_sockets::open_socket(SOCK_DGRAM);
    ASSERT_NE(sender, test_sockets::no_socket);
    const uint8_t bytes[14] = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 1, 16, 0};
    for (int i = 0; i < 15; ++i) {
        test_sockets::send_to(sender, bytes, sizeof bytes, test_sockets::ipv4("127.0.0.1", 10024));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    test_sockets::close_socket(sender);
    EXPECT_TRUE(still_loaded());
}

}  // namespace
