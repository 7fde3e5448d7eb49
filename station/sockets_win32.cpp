// The station's sockets on Windows (Windows Sockets 2).
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

#include "sockets.h"

namespace radarctl::sockets {
namespace {

SOCKET as_socket(Socket s) { return static_cast<SOCKET>(s); }

sockaddr_in to_sockaddr(const Endpoint &e) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(e.port);
    std::memcpy(&a.sin_addr.s_addr, e.address, 4);  // network order: first octet first
    return a;
}

// Windows before 7 SP1 refuses the no-inherit flag: the socket is then
// made without it and its handle marked afterwards.
Socket open(int type, int protocol) {
    if (!start()) return no_socket;
    SOCKET s = WSASocketW(AF_INET, type, protocol, nullptr, 0,
                          WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) {
        s = WSASocketW(AF_INET, type, protocol, nullptr, 0, WSA_FLAG_OVERLAPPED);
        if (s == INVALID_SOCKET) return no_socket;
        SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
    }
    return static_cast<Socket>(s);
}

bool retry(int error) {
    return error == WSAEWOULDBLOCK || error == WSAEINTR || error == WSAEINPROGRESS;
}

}  // namespace

bool to_endpoint(const std::string &text, uint16_t port, Endpoint &out) {
    if (!start()) return false;
    in_addr address{};
    if (inet_pton(AF_INET, text.c_str(), &address) != 1) return false;
    std::memcpy(out.address, &address.s_addr, 4);
    out.port = port;
    return true;
}

bool start() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

Socket listen_at(const Endpoint &at, int backlog) {
    Socket s = open(SOCK_STREAM, IPPROTO_TCP);
    if (s == no_socket) return no_socket;
    // Windows lets a listener bind again while the last run's connections
    // wait out their close; SO_REUSEADDR would also let another program's
    // socket take over the port, which exclusive use refuses.
    const BOOL on = TRUE;
    const sockaddr_in a = to_sockaddr(at);
    if (setsockopt(as_socket(s), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
                   reinterpret_cast<const char *>(&on), sizeof on) != 0 ||
        bind(as_socket(s), reinterpret_cast<const sockaddr *>(&a), sizeof a) != 0 ||
        listen(as_socket(s), backlog) != 0) {
        close(s);
        return no_socket;
    }
    return s;
}

Socket accept_from(Socket listener) {
    const SOCKET s = accept(as_socket(listener), nullptr, nullptr);
    if (s == INVALID_SOCKET) return no_socket;
    SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
    // Sends must not wait: there is no per-call flag for it here.
    u_long nonblocking = 1;
    const BOOL on = TRUE;
    if (ioctlsocket(s, FIONBIO, &nonblocking) != 0) {
        closesocket(s);
        return no_socket;
    }
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char *>(&on), sizeof on);
    return static_cast<Socket>(s);
}

Socket open_datagram(const Endpoint &at) {
    Socket s = open(SOCK_DGRAM, IPPROTO_UDP);
    if (s == no_socket) return no_socket;
    const sockaddr_in a = to_sockaddr(at);
    if (bind(as_socket(s), reinterpret_cast<const sockaddr *>(&a), sizeof a) != 0) {
        close(s);
        return no_socket;
    }
    return s;
}

bool local_endpoint(Socket s, Endpoint &out) {
    sockaddr_in a{};
    int size = sizeof a;
    if (getsockname(as_socket(s), reinterpret_cast<sockaddr *>(&a), &size) != 0 ||
        a.sin_family != AF_INET)
        return false;
    std::memcpy(out.address, &a.sin_addr.s_addr, 4);
    out.port = ntohs(a.sin_port);
    return true;
}

bool connect_to(Socket s, const Endpoint &peer) {
    const sockaddr_in a = to_sockaddr(peer);
    return ::connect(as_socket(s), reinterpret_cast<const sockaddr *>(&a), sizeof a) == 0;
}

long receive(Socket s, void *buffer, std::size_t size) {
    const int n = ::recv(as_socket(s), static_cast<char *>(buffer), static_cast<int>(size), 0);
    if (n != SOCKET_ERROR) return n;
    return retry(WSAGetLastError()) ? again : failed;
}

long send_some(Socket s, const void *data, std::size_t size) {
    const int n = ::send(as_socket(s), static_cast<const char *>(data), static_cast<int>(size), 0);
    if (n != SOCKET_ERROR) return n;
    return retry(WSAGetLastError()) ? again : failed;
}

long send_datagram(Socket s, const void *data, std::size_t size, const Endpoint &to) {
    const sockaddr_in a = to_sockaddr(to);
    const int n = ::sendto(as_socket(s), static_cast<const char *>(data), static_cast<int>(size), 0,
                           reinterpret_cast<const sockaddr *>(&a), sizeof a);
    return n == SOCKET_ERROR ? failed : n;
}

bool wait(Watch *watches, std::size_t count, int timeout_ms) {
    if (count > most_watched) return false;
    WSAPOLLFD fds[most_watched];
    for (std::size_t i = 0; i < count; ++i) {
        fds[i] = {as_socket(watches[i].socket),
                  static_cast<SHORT>(watches[i].for_writing ? POLLWRNORM : POLLRDNORM), 0};
        watches[i].ready = false;
    }
    if (WSAPoll(fds, static_cast<ULONG>(count), timeout_ms) == SOCKET_ERROR)
        return WSAGetLastError() == WSAEINTR;
    for (std::size_t i = 0; i < count; ++i) watches[i].ready = fds[i].revents != 0;
    return true;
}

void close(Socket &s) {
    if (s != no_socket) closesocket(as_socket(s));
    s = no_socket;
}

}  // namespace radarctl::sockets
