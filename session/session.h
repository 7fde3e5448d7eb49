// Session state shared by the whole library: the notify callback, the reply
// socket and the end flag. Each is one value written with a single store and
// read without a lock; all are zero when the library is loaded.
#pragma once

#include <cstdint>

namespace radar::session {

// Calls the application's notify callback with `code`, when one is registered.
void notify(int32_t code);

// Records the socket on which the latest incoming message arrived.
void record_reply_socket(int32_t handle);

// The socket recorded by the latest incoming message. False until the first
// message arrives: there is then no peer to answer, and nothing may be sent.
bool reply_socket(int32_t &handle);

// True once the network library has ended the session; never false again.
bool ended();

}  // namespace radar::session
