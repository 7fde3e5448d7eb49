// session.cpp - choosing the source, callbacks, status and shutdown.
#include "session.h"

#include <cstdio>
#include <cstring>

#include "exported.h"
#include "socket_io.h"

namespace orvane {

ORVANE_CONSTINIT SessionState g_session{};

namespace {

SessionState &g = g_session;

// SetRadarSource and ChangeRadarSource. `reconnect` drops the current
// connection even when the name is unchanged.
int32_t choose_source(const char *name, bool reconnect) {
    if (!valid_name(name)) return -1;
    std::lock_guard lock(g.mu);
    if (g.stopping) return -1;  // the session is ending under another thread
    const bool known = find_station(name).has_value();
    if (g.running && !reconnect && std::strcmp(g.source, name) == 0)
        return known ? 0 : -1;  // same source: keep the connection

    std::strcpy(g.source, name);
    g.has_source = true;
    g.generation.fetch_add(1);
    g.status.store(known ? ORVANE_STATUS_CONNECTING : ORVANE_STATUS_UNKNOWN_STATION);
    if (g.running) {
        sock::retire(g.handle);  // the thread notices the change and reconnects
    } else {
        try {
            g.worker = new std::thread(run_connection, g.session.load());
            g.running = true;
        } catch (...) {
            g.has_source = false;
            g.source[0] = '\0';
            g.status.store(ORVANE_STATUS_NO_SOURCE);
            return -1;
        }
    }
    return known ? 0 : -1;
}

}  // namespace
}  // namespace orvane

using namespace orvane;

extern "C" ORVANE_EXPORT int32_t ORVANE_API SetRadarSource(const char *name) {
    return choose_source(name, false);
}

extern "C" ORVANE_EXPORT int32_t ORVANE_API ChangeRadarSource(const char *name) {
    return choose_source(name, true);
}

extern "C" ORVANE_EXPORT int32_t ORVANE_API SetConvRadFunc(OrvaneConvFunc func) {
    g.conv.store(func);
    return 0;
}

extern "C" ORVANE_EXPORT int32_t ORVANE_API SetEndRadFunc(OrvaneEndFunc func) {
    g.end.store(func);
    return 0;
}

extern "C" ORVANE_EXPORT int32_t ORVANE_API GetRadarSourceStatus(void) { return g.status.load(); }

extern "C" ORVANE_EXPORT int32_t ORVANE_API GetRadarSourceAddr(char *buffer16) {
    if (buffer16 == nullptr) return -1;
    std::optional<Station> station;
    {
        std::lock_guard lock(g.mu);
        if (g.has_source) station = find_station(g.source);
    }
    if (!station) {
        buffer16[0] = '\0';
        return -1;
    }
    const uint8_t *ip = station->ip;
    std::snprintf(buffer16, 16, "%d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]);
    return 0;
}

extern "C" ORVANE_EXPORT int32_t ORVANE_API NetShutdown(void) {
    std::thread *worker = nullptr;
    {
        std::lock_guard lock(g.mu);
        if (!g.running || g.stopping) return 0;
        g.stopping = true;
        g.session.fetch_add(1);  // the thread sees this and leaves
        worker = g.worker;
        g.worker = nullptr;
    }
    // Called from the conversion callback, the thread cannot wait for itself:
    // it is let go instead and leaves as soon as the callback returns.
    if (worker->get_id() == std::this_thread::get_id())
        worker->detach();
    else
        worker->join();
    delete worker;
    {
        std::lock_guard lock(g.mu);
        sock::retire(g.handle);
        g.has_source = false;
        g.source[0] = '\0';
        g.status.store(ORVANE_STATUS_ENDED);
        g.running = false;
        g.stopping = false;
    }
    if (const OrvaneEndFunc end = g.end.load()) end();
    return 0;
}
