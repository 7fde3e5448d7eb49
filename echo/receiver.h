// The echo receiver: one thread that obtains a datagram per pass, decodes its
// lines against the persistent line buffer, lays trails over them and hands
// each to the application.
#pragma once

#include <atomic>
#include <cstdint>

namespace radar::echo {

constexpr uint16_t echo_port = 10024;

// The slot of the echo socket (a negative status when it could not be
// opened). Replaced when playback ends; read at every receive.
extern std::atomic<int> echo_slot;

}  // namespace radar::echo
