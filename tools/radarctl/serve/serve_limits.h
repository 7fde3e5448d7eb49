// What the server allows a client, and how far it lets one fall behind.
#pragma once

#include <chrono>
#include <cstddef>

namespace radarctl::serve::limits {

using namespace std::chrono_literals;

constexpr std::size_t header_bytes = 8 * 1024;  // request line and headers: 431 beyond
constexpr std::size_t body_bytes = 16 * 1024;   // request body: 413 beyond
constexpr auto request_time = 30s;  // from connecting, or the last answer, to a whole request
constexpr int connections = 64;     // HTTP and WebSocket together; more are closed at once

constexpr std::size_t queue_bytes = 2 * 1024 * 1024;  // a client's queued frames
constexpr std::size_t queue_frames = 400;
constexpr std::size_t queue_frames_hard = 1000;  // even events: a client this far behind is closed
constexpr auto stuck_write = 30s;  // one frame's write taking this long closes the client
constexpr std::size_t client_message_bytes = 4 * 1024;

constexpr std::size_t handoff_lines = 16384;  // waiting between the receiver and the batcher
constexpr auto batch_period = 25ms;
constexpr auto status_period = 1s;

}  // namespace radarctl::serve::limits
