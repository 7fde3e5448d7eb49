#include "sender.h"

#include <cstring>

#include "platform/net.h"
#include "radar.h"
#include "session/session.h"

namespace radar::sentences {

int32_t SendSentence(const char *text) {
    int32_t socket = 0;
    // Before the first message there is no peer; a handle of 0 then would be
    // standard input here, not "no socket".
    if (!session::reply_socket(socket)) return RADAR_NOT_SENT;
    const std::size_t size = std::strlen(text) + 1;
    const int64_t sent = platform::send_bytes(socket, text, size);
    return sent == static_cast<int64_t>(size) ? RADAR_OK : RADAR_NOT_SENT;
}

}  // namespace radar::sentences
