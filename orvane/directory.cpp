// directory.cpp - the station directory and its two exported functions.
#include "directory.h"

#include <cstring>
#include <mutex>

#include "exported.h"
#include "orvane.h"
#include "socket_io.h"

namespace orvane {
namespace {

struct Entry {
    char name[kNameMax + 1];
    Station station;
    bool used;
};

struct Directory {
    std::mutex mu;
    Entry entries[kStationsMax];
};

ORVANE_CONSTINIT Directory g_dir{};

Entry *entry_named(const char *name) {
    for (Entry &e : g_dir.entries)
        if (e.used && std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

Entry *free_entry() {
    for (Entry &e : g_dir.entries)
        if (!e.used) return &e;
    return nullptr;
}

}  // namespace

bool valid_name(const char *name) {
    if (name == nullptr || name[0] == '\0') return false;
    for (std::size_t i = 1; i <= kNameMax; ++i)
        if (name[i] == '\0') return true;
    return false;
}

std::optional<Station> find_station(const char *name) {
    if (!valid_name(name)) return std::nullopt;
    std::lock_guard lock(g_dir.mu);
    const Entry *e = entry_named(name);
    if (e == nullptr) return std::nullopt;
    return e->station;
}

}  // namespace orvane

using namespace orvane;

extern "C" ORVANE_EXPORT int32_t ORVANE_API NetSetStation(const char *name, const char *ipv4,
                                                          uint16_t port) {
    Station station{};
    if (!valid_name(name) || !sock::parse_ipv4(ipv4, station.ip)) return -1;
    station.port = port;
    std::lock_guard lock(g_dir.mu);
    Entry *e = entry_named(name);
    if (e == nullptr) {
        e = free_entry();
        if (e == nullptr) return -1;
        std::strcpy(e->name, name);
        e->used = true;
    }
    e->station = station;
    return 0;
}

extern "C" ORVANE_EXPORT void ORVANE_API NetClearStations(void) {
    std::lock_guard lock(g_dir.mu);
    for (Entry &e : g_dir.entries) e = Entry{};
}
