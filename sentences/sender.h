// The sentence sender: every outgoing sentence leaves through here, on the
// reply socket, in one send call.
#pragma once

#include <cstdint>

namespace radar::sentences {

// Sends the zero-terminated `text` and its zero byte on the reply socket.
// Returns 0 when the socket took every byte, -3 otherwise: no message has
// arrived yet (there is no peer), the call failed, or it took fewer bytes.
// Nothing is retried.
int32_t SendSentence(const char *text);

}  // namespace radar::sentences
