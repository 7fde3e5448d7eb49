#include "dispatch.h"

#include "handlers.h"
#include "session/session.h"

namespace radar::incoming {

int16_t ORVANE_CALLBACK conversion_callback(int16_t code, const char *text, int32_t *socket) {
    // The reply socket comes first, for every code: answers and the
    // application's own sentences go to the peer of the latest message.
    if (socket != nullptr) session::record_reply_socket(*socket);
    // A missing text is read as an empty message rather than followed.
    if (code >= 0 && code < code_count) handle(code, text != nullptr ? text : "");
    return 0;
}

}  // namespace radar::incoming
