// The few socket operations the station needs. One implementation per
// operating system (sockets_posix.cpp, sockets_win32.cpp) chosen at build
// time; the station itself includes no system header. What one system does
// on its own is made true on the other inside these files: no signal from a
// dead peer, sockets that child programs do not inherit, a listener that a
// restarted station binds again at once but that no other program can share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace radarctl::sockets {

// A descriptor on POSIX, a SOCKET on Windows: both fit.
using Socket = std::intptr_t;
constexpr Socket no_socket = -1;

// An IPv4 address (most significant octet first) and a port.
struct Endpoint {
    uint8_t address[4] = {};
    uint16_t port = 0;
};

// Dotted IPv4 text ("127.0.0.1") and a port; false for anything else.
bool to_endpoint(const std::string &text, uint16_t port, Endpoint &out);

// Starts the system's sockets layer; once per process, later calls are free.
bool start();

// A TCP listener at `at` (port 0: any free one); no_socket when the address
// cannot be had.
Socket listen_at(const Endpoint &at, int backlog);

// The connection waiting on `listener`, with Nagle's delay off. Sends on it
// never block and never raise a signal. no_socket when there is none.
Socket accept_from(Socket listener);

// A UDP socket bound to `at`; no_socket when that fails.
Socket open_datagram(const Endpoint &at);

// Where a socket is bound; false when that cannot be told.
bool local_endpoint(Socket s, Endpoint &out);

// Takes datagrams from `peer` only, and sends to it.
bool connect_to(Socket s, const Endpoint &peer);

// Results of receive and send_some besides byte counts.
constexpr long closed = 0;
constexpr long failed = -1;
constexpr long again = -2;  // interrupted, or nothing to take / no room yet: try later

// Reads what is waiting: the byte count, closed, again or failed.
long receive(Socket s, void *buffer, std::size_t size);

// Queues what fits without waiting: the byte count, again or failed.
long send_some(Socket s, const void *data, std::size_t size);

// One datagram to `to`; the byte count or failed.
long send_datagram(Socket s, const void *data, std::size_t size, const Endpoint &to);

// Waits up to `timeout_ms` (-1: for ever) until a socket can be read (or
// written, with `for_writing`), has hung up or failed, and marks those ready.
// False when the wait itself failed; an interrupted wait marks nothing.
struct Watch {
    Socket socket = no_socket;
    bool for_writing = false;
    bool ready = false;
};
constexpr std::size_t most_watched = 4;
bool wait(Watch *watches, std::size_t count, int timeout_ms);

// Closes `s` if it is open and leaves no_socket in its place.
void close(Socket &s);

}  // namespace radarctl::sockets
