// Library entry: opening a session with the radar host, changing host, the
// version text, and the session state behind session.h.
#include "session.h"

#include <atomic>
#include <cstring>

#include "incoming/dispatch.h"
#include "orvane.h"
#include "platform/module.h"
#include "radar.h"
#include "station_name.h"

namespace radar::session {
namespace {

constexpr char version_text[] = "195001300702b1";
static_assert(sizeof(version_text) == 15, "14 characters and the terminator");

std::atomic<RadarNotifyFunc> notify_callback{nullptr};

// The reply socket with a "recorded" mark in the upper half, so that a
// recorded handle of 0 is told apart from "no message yet" in one load.
constexpr uint64_t recorded = uint64_t{1} << 32;
std::atomic<uint64_t> reply{0};

std::atomic<int32_t> end_flag{0};

int16_t ORVANE_CALLBACK end_callback() {
    end_flag.store(1, std::memory_order_relaxed);
    return 0;
}

}  // namespace

void notify(int32_t code) {
    if (RadarNotifyFunc callback = notify_callback.load(std::memory_order_acquire)) callback(code);
}

void record_reply_socket(int32_t handle) {
    reply.store(recorded | static_cast<uint32_t>(handle), std::memory_order_relaxed);
}

bool reply_socket(int32_t &handle) {
    const uint64_t value = reply.load(std::memory_order_relaxed);
    handle = static_cast<int32_t>(static_cast<uint32_t>(value));
    return (value & recorded) != 0;
}

bool ended() { return end_flag.load(std::memory_order_relaxed) != 0; }

}  // namespace radar::session

using namespace radar::session;

extern "C" {

RADAR_EXPORT int16_t RADAR_API OrvaneInitRadarFunc(const char *name, RadarNotifyFunc notify) {
    StationName copy;
    if (check_station_name(name, copy) != 0) return RADAR_REFUSED;
    // One store replaces (or clears) the callback before the conversion
    // callback is registered, so a message that arrives at once finds it.
    notify_callback.store(notify, std::memory_order_release);
    if (notify != nullptr) SetRadarSource(copy.text);
    // The network library's thread calls back into this code from now on,
    // so the library must not be unloaded under it.
    radar::platform::pin_library();
    SetConvRadFunc(&radar::incoming::conversion_callback);
    SetEndRadFunc(&end_callback);
    return RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneChangeRadarHost(const char *name) {
    StationName copy;
    if (check_station_name(name, copy) != 0) return RADAR_REFUSED;
    ChangeRadarSource(copy.text);
    return RADAR_OK;
}

RADAR_EXPORT int32_t RADAR_API OrvaneGetRadarSourceStatus(void) { return GetRadarSourceStatus(); }

RADAR_EXPORT int32_t RADAR_API OrvaneGetRadarDllVersionNo(char *destination) {
    if (destination == nullptr) return 0;
    std::memcpy(destination, version_text, sizeof(version_text));
    return sizeof(version_text);
}

}  // extern "C"
