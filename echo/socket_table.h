// A small table of bound datagram sockets, addressed by slot number. The echo
// pipeline keeps its socket on UDP port 10024 in one slot.
#pragma once

#include <cstddef>
#include <cstdint>

namespace radar::echo {

constexpr int slot_count = 32;
constexpr std::size_t address_text_size = 16;  // "255.255.255.255" and a terminator

// Statuses besides slot numbers and byte counts.
constexpr int bad_slot = -1;         // slot outside 0..31, or no free slot
constexpr int socket_failed = -2;    // creating, setting up or binding the socket failed
constexpr int receive_failed = -5;   // the receive failed

// Opens `slot` on `port`, sharing the socket of another slot already bound
// to that port. 0, bad_slot or socket_failed.
int open_slot(int slot, uint16_t port);

// Opens the lowest free slot on `port`: its number, or bad_slot when none is
// free, or the failed open's status.
int open_free_slot(uint16_t port);

// Waits for one datagram on the slot's socket. Returns its length and writes
// the sender as dotted text ("10.0.0.5") into `address`; bad_slot, or
// receive_failed (a closed socket, or a datagram longer than `size`) with
// `address` untouched.
int receive(int slot, uint8_t *buffer, std::size_t size, char (&address)[address_text_size]);

// Closes the slot's socket (waking a receive waiting on it) and frees the
// slot. 0 or bad_slot.
int close_slot(int slot);

}  // namespace radar::echo
