// The handler table: one handler per command code 0x00..0x57.
#pragma once

#include <array>
#include <cstdint>

namespace radar::incoming {

// A handler takes the message text and returns its own status; nobody
// outside the table looks at it.
using Handler = int16_t (*)(const char *text);

constexpr int16_t code_count = 88;

extern const std::array<Handler, code_count> handlers;

}  // namespace radar::incoming
