// The conversion callback: the network library's way into the library, once
// per incoming command message.
#pragma once

#include <cstdint>

#include "orvane.h"

namespace radar::incoming {

// Records *socket as the reply socket (whatever the code), then runs the
// handler for codes 0..87. Always returns 0.
int16_t ORVANE_CALLBACK conversion_callback(int16_t code, const char *text, int32_t *socket);

}  // namespace radar::incoming
