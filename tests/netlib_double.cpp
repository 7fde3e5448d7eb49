#include "netlib_double.h"

#include <cstring>
#include <mutex>

namespace netlib_double {

std::vector<std::string> calls;
OrvaneConvFunc conversion = nullptr;
OrvaneEndFunc end = nullptr;
int32_t status = 0;

namespace {
std::mutex address_lock;
std::string address_text;
std::atomic<uint64_t> address_calls{0};
}  // namespace

void set_source_address(const std::string &dotted) {
    std::lock_guard<std::mutex> held(address_lock);
    address_text = dotted;
}

std::string source_address() {
    std::lock_guard<std::mutex> held(address_lock);
    return address_text;
}

uint64_t source_address_calls() { return address_calls.load(); }

void reset() {
    calls.clear();
    conversion = nullptr;
    end = nullptr;
    status = 0;
    set_source_address("");
}

}  // namespace netlib_double

using namespace netlib_double;

// Visible to the dynamic linker, so that a shared radar library in the same
// process finds these before the real network library's.
#if defined(_WIN32)
#define DOUBLE_API ORVANE_API
#else
#define DOUBLE_API __attribute__((visibility("default"))) ORVANE_API
#endif

extern "C" {

int32_t DOUBLE_API SetRadarSource(const char *name) {
    calls.push_back("SetRadarSource(" + std::string(name) + ")");
    return 0;
}

int32_t DOUBLE_API ChangeRadarSource(const char *name) {
    calls.push_back("ChangeRadarSource(" + std::string(name) + ")");
    return 0;
}

int32_t DOUBLE_API SetConvRadFunc(OrvaneConvFunc func) {
    calls.push_back("SetConvRadFunc");
    conversion = func;
    return 0;
}

int32_t DOUBLE_API SetEndRadFunc(OrvaneEndFunc func) {
    calls.push_back("SetEndRadFunc");
    end = func;
    return 0;
}

int32_t DOUBLE_API GetRadarSourceStatus(void) {
    calls.push_back("GetRadarSourceStatus");
    return status;
}

int32_t DOUBLE_API GetRadarSourceAddr(char *buffer16) {
    {
        std::lock_guard<std::mutex> held(address_lock);
        std::strncpy(buffer16, address_text.c_str(), 15);
        buffer16[15] = '\0';
    }
    address_calls.fetch_add(1);
    return 0;
}

}  // extern "C"
