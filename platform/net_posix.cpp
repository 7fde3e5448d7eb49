// Sockets on POSIX systems.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "net.h"

namespace radar::platform {

int64_t send_bytes(SocketHandle handle, const void *data, std::size_t size) {
    // MSG_NOSIGNAL: a vanished peer fails the call instead of killing the
    // application with SIGPIPE.
    const ssize_t sent = ::send(handle, data, size, MSG_NOSIGNAL);
    return sent < 0 ? -1 : static_cast<int64_t>(sent);
}

void start_sockets() {}

bool open_datagram_socket(uint16_t port, SocketHandle &handle) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return false;
    const int on = 1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0 ||
        bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return false;
    }
    // Room for a burst: while the receiver is held up (a slow callback, a
    // busy machine) datagrams wait here instead of being dropped. The system
    // may grant less; the socket works either way.
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receive_queue_bytes, sizeof receive_queue_bytes);
    handle = fd;
    return true;
}

int64_t receive_datagram(SocketHandle handle, void *buffer, std::size_t size,
                         uint8_t (&sender)[4]) {
    if (handle == no_socket) return -1;
    sockaddr_in from{};
    socklen_t from_size = sizeof from;
    // MSG_TRUNC makes the call tell the datagram's real length, so one longer
    // than the buffer fails instead of arriving cut short.
    ssize_t received;
    do {
        received = recvfrom(handle, buffer, size, MSG_TRUNC, reinterpret_cast<sockaddr *>(&from),
                            &from_size);
    } while (received < 0 && errno == EINTR);
    if (received < 0 || static_cast<std::size_t>(received) > size) return -1;
    // A socket shut down under a waiting receive wakes it with no datagram
    // and no sender: that is the close, not an empty datagram.
    if (received == 0 && from_size == 0) return -1;
    const uint32_t address = ntohl(from.sin_addr.s_addr);
    sender[0] = static_cast<uint8_t>(address >> 24);
    sender[1] = static_cast<uint8_t>(address >> 16);
    sender[2] = static_cast<uint8_t>(address >> 8);
    sender[3] = static_cast<uint8_t>(address);
    return received;
}

// close() alone leaves a receive on another thread waiting; shutting the
// socket down wakes it.
void shut_socket(SocketHandle handle) {
    if (handle != no_socket) ::shutdown(handle, SHUT_RDWR);
}

void close_socket(SocketHandle handle) {
    if (handle != no_socket) ::close(handle);
}

}  // namespace radar::platform
