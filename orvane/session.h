// session.h - state shared by the exported calls and the connection thread.
#ifndef ORVANE_SESSION_H
#define ORVANE_SESSION_H

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

#include "directory.h"
#include "exported.h"
#include "orvane.h"

namespace orvane {

struct SessionState {
    std::mutex mu;  // guards the plain fields and every change of `handle`'s file

    char source[kNameMax + 1] = {};
    bool has_source = false;
    bool running = false;   // a connection thread belongs to the current session
    bool stopping = false;  // NetShutdown is under way
    std::thread *worker = nullptr;

    // The connection's descriptor number: allocated once, then kept for the
    // life of the process (see connection.cpp). -1 until then.
    int32_t handle = -1;
    // The copy whose address goes to the conversion callback; written once,
    // so the callback cannot steer our own descriptor bookkeeping.
    int32_t handle_given = -1;

    std::atomic<uint32_t> session{0};     // bumped by NetShutdown
    std::atomic<uint32_t> generation{0};  // bumped on every change of source
    std::atomic<int32_t> status{ORVANE_STATUS_NO_SOURCE};
    std::atomic<OrvaneConvFunc> conv{nullptr};
    std::atomic<OrvaneEndFunc> end{nullptr};
};

extern ORVANE_CONSTINIT SessionState g_session;

// The connection thread's body; it runs while g_session.session == session.
void run_connection(uint32_t session);

}  // namespace orvane

#endif
