#include "socket_table.h"

#include <atomic>

#include "platform/net.h"

namespace radar::echo {
namespace {

using platform::no_socket;
using platform::SocketHandle;

// No lock: the receiver reads a slot's socket at every receive while an
// application thread may close or reopen it, so each value is one atomic.
struct Entry {
    std::atomic<SocketHandle> socket;
    std::atomic<uint32_t> port;
    std::atomic<int32_t> in_use;        // 0 free, -1 in use
    std::atomic<SocketHandle> closing;  // shut, waiting for the receives on it to leave
};

Entry table[slot_count];
std::atomic<bool> initialised{false};

// A descriptor closed while a receive still uses it may be handed out again at
// once, to a file or socket the receive would then read. So a slot's socket is
// shut at close_slot, which wakes its receives, and released only when no
// receive is in flight: by close_slot itself, or by the last receive to leave.
std::atomic<int> receives_in_flight{0};
std::atomic<SocketHandle> closing[slot_count];  // shut, waiting for receives to leave

void release_closed_sockets() {
    for (auto &c : closing) {
        const SocketHandle handle = c.exchange(no_socket);
        if (handle != no_socket) platform::close_socket(handle);
    }
}

void close_when_free(SocketHandle handle) {
    for (auto &c : closing) {
        SocketHandle empty = no_socket;
        if (c.compare_exchange_strong(empty, handle)) {
            if (receives_in_flight.load() == 0) release_closed_sockets();
            return;
        }
    }
    platform::close_socket(handle);  // cannot happen: at most one socket per slot waits
}

bool valid(int slot) { return slot >= 0 && slot < slot_count; }

// The sender as "%d.%d.%d.%d" text, written out by hand: this runs for every
// datagram, and a formatted print costs a fair part of a receive.
void dotted(const uint8_t (&octets)[4], char (&text)[address_text_size]) {
    char *at = text;
    for (int i = 0; i < 4; ++i) {
        const unsigned v = octets[i];
        if (v >= 100) *at++ = static_cast<char>('0' + v / 100);
        if (v >= 10) *at++ = static_cast<char>('0' + v / 10 % 10);
        *at++ = static_cast<char>('0' + v % 10);
        *at++ = i < 3 ? '.' : '\0';
    }
}

void initialise_once() {
    if (initialised.load()) return;
    for (Entry &e : table) {
        e.socket.store(no_socket);
        e.port.store(0);
    }
    for (auto &c : closing) c.store(no_socket);
    platform::start_sockets();
    initialised.store(true);
}

}  // namespace

int open_slot(int slot, uint16_t port) {
    initialise_once();
    if (!valid(slot)) return bad_slot;
    for (const Entry &e : table) {
        const SocketHandle shared = e.socket.load();
        if (shared != no_socket && e.port.load() == port) {
            table[slot].socket.store(shared);
            table[slot].port.store(port);
            table[slot].in_use.store(-1);
            return 0;
        }
    }
    SocketHandle handle = no_socket;
    if (!platform::open_datagram_socket(port, handle)) return socket_failed;
    table[slot].socket.store(handle);
    table[slot].port.store(port);
    table[slot].in_use.store(-1);
    return 0;
}

int open_free_slot(uint16_t port) {
    for (int slot = 0; slot < slot_count; ++slot) {
        if (table[slot].in_use.load() != 0) continue;
        const int status = open_slot(slot, port);
        return status == 0 ? slot : status;
    }
    return bad_slot;
}

int receive(int slot, uint8_t *buffer, std::size_t size, char (&address)[address_text_size]) {
    if (!valid(slot)) return bad_slot;
    if (!initialised.load()) return receive_failed;
    const SocketHandle handle = table[slot].socket.load();
    if (handle == no_socket) return receive_failed;
    receives_in_flight.fetch_add(1);
    // Closed between the two loads: the handle may already be released.
    if (table[slot].socket.load() != handle) {
        if (receives_in_flight.fetch_sub(1) == 1) release_closed_sockets();
        return receive_failed;
    }
    uint8_t sender[4];
    const int64_t length = platform::receive_datagram(handle, buffer, size, sender);
    if (receives_in_flight.fetch_sub(1) == 1) release_closed_sockets();
    if (length < 0) return receive_failed;
    dotted(sender, address);
    return static_cast<int>(length);
}

int close_slot(int slot) {
    if (!valid(slot)) return bad_slot;
    // The slot forgets its socket, and so does every slot that shared it.
    const SocketHandle handle =
        initialised.load() ? table[slot].socket.exchange(no_socket) : no_socket;
    if (handle != no_socket) {
        for (Entry &e : table) {
            SocketHandle expected = handle;
            e.socket.compare_exchange_strong(expected, no_socket);
        }
        platform::shut_socket(handle);
        close_when_free(handle);
    }
    table[slot].port.store(0);
    table[slot].in_use.store(0);
    return 0;
}

}  // namespace radar::echo
