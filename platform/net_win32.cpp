// Sockets on Windows: Windows Sockets 1.1.
#include <winsock2.h>

#include "net.h"

namespace radar::platform {
namespace {

// A handle travels as 32 bits; Windows hands out socket values that fit.
SOCKET to_socket(SocketHandle handle) { return static_cast<SOCKET>(static_cast<intptr_t>(handle)); }

}  // namespace

int64_t send_bytes(SocketHandle handle, const void *data, std::size_t size) {
    const int sent = ::send(to_socket(handle), static_cast<const char *>(data), static_cast<int>(size), 0);
    return sent == SOCKET_ERROR ? -1 : sent;
}

void start_sockets() {
    WSADATA data;
    WSAStartup(0x0101, &data);
}

bool open_datagram_socket(uint16_t port, SocketHandle &handle) {
    const SOCKET s = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (s == INVALID_SOCKET) return false;
    const BOOL on = TRUE;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (setsockopt(s, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char *>(&on), sizeof on) != 0 ||
        bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        closesocket(s);
        return false;
    }
    // Room for a burst: while the receiver is held up (a slow callback, a
    // busy machine) datagrams wait here instead of being dropped.
    setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char *>(&receive_queue_bytes),
               sizeof receive_queue_bytes);
    handle = static_cast<SocketHandle>(s);
    return true;
}

int64_t receive_datagram(SocketHandle handle, void *buffer, std::size_t size, uint8_t (&sender)[4]) {
    if (handle == no_socket) return -1;
    sockaddr_in from{};
    int from_size = sizeof from;
    // A datagram longer than the buffer fails with WSAEMSGSIZE; a closed
    // socket fails a waiting receive.
    const int received = recvfrom(to_socket(handle), static_cast<char *>(buffer), static_cast<int>(size), 0,
                                  reinterpret_cast<sockaddr *>(&from), &from_size);
    if (received == SOCKET_ERROR) return -1;
    const uint32_t address = ntohl(from.sin_addr.s_addr);
    sender[0] = static_cast<uint8_t>(address >> 24);
    sender[1] = static_cast<uint8_t>(address >> 16);
    sender[2] = static_cast<uint8_t>(address >> 8);
    sender[3] = static_cast<uint8_t>(address);
    return received;
}

// closesocket is what wakes a receive waiting on the socket here, so the
// socket is closed at once; releasing it later has nothing left to do.
void shut_socket(SocketHandle handle) {
    if (handle != no_socket) closesocket(to_socket(handle));
}

void close_socket(SocketHandle) {}

}  // namespace radar::platform
