// What the server allows a client, and how far it lets one fall behind.
#pragma once

#include <chrono>
#include <cstddef>

namespace radarctl::serve::limits {

using namespace std::chrono_literals;

constexpr std::size_t header_bytes = 8 * 1024;  // request line and headers: 431 beyond
constexpr std::size_t body_bytes = 16 * 1024;   // request body: 413 beyond
constexpr auto request_time = 10s;  // from a request's first byte to the whole of it
constexpr auto idle_time = 30s;     // an open connection waiting for its next request
constexpr int connections = 64;     // HTTP and WebSocket together; more are closed at once
constexpr int per_address = 16;     // of those, from any one client address
// When every place is taken, a newcomer takes the place of the connection
// that has waited longest for its next request (a WebSocket, or a request in
// progress, is never put out).

constexpr int free_token_tries = 5;  // wrong tokens from one address before it must wait
constexpr auto first_wait = 1s;      // then the wait doubles with every further wrong token
constexpr auto longest_wait = 15min;
constexpr std::size_t shortest_token = 12, longest_token = 128;  // printable characters

constexpr auto echo_stale = 2s;  // no echo line for this long: the picture is no longer live
constexpr auto echo_lost = 5s;   // no echo line for this long while the radar is expected: alarm
constexpr auto watch_period = 250ms;
constexpr auto range_settle = 5s;  // echo at a range not ordered for this long: "range mismatch"
constexpr auto range_gap = 1s;     // ... seen at least this often
constexpr auto recent_drops = 10s;  // the window of a client's own "lines dropped"

constexpr std::size_t queue_bytes = 2 * 1024 * 1024;  // a client's queued frames
constexpr std::size_t queue_frames = 400;
constexpr std::size_t queue_frames_hard = 1000;  // even events: a client this far behind is closed
constexpr auto stuck_write = 30s;  // one frame's write taking this long closes the client
constexpr std::size_t client_message_bytes = 4 * 1024;

constexpr std::size_t handoff_lines = 16384;  // waiting between the receiver and the batcher
constexpr auto batch_period = 25ms;
constexpr auto status_period = 1s;

}  // namespace radarctl::serve::limits
