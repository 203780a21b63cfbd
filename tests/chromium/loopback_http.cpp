#include "loopback_http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "posix/unique_fd.h"

namespace tidemark::chromium {

posix::UniqueFd ConnectLoopback(int port, std::chrono::milliseconds timeout) {
    posix::UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const timeval limit{.tv_sec = static_cast<time_t>(timeout.count() / 1000),
                        .tv_usec = static_cast<suseconds_t>(timeout.count() % 1000 * 1000)};
    ::setsockopt(socket.get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (!socket || ::connect(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error(std::string("cannot connect: ") + std::strerror(errno));
    }
    return socket;
}

HttpReply HttpExchange(int port, const std::string& request, std::chrono::milliseconds timeout) {
    const posix::UniqueFd socket = ConnectLoopback(port, timeout);
    if (::send(socket.get(), request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size())) {
        throw std::runtime_error("cannot send the request");
    }
    std::string received;
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::recv(socket.get(), chunk, sizeof chunk, 0);
        if (got == 0) break;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw std::runtime_error("the server stalled or reset the connection");
        received.append(chunk, static_cast<std::size_t>(got));
    }
    HttpReply reply;
    const std::size_t headEnd = received.find("\r\n\r\n");
    if (headEnd == std::string::npos || std::sscanf(received.c_str(), "HTTP/1.1 %d", &reply.status) != 1) {
        throw std::runtime_error("not an HTTP reply: '" + received.substr(0, 200) + "'");
    }
    reply.head = received.substr(0, headEnd + 2);
    reply.rest = received.substr(headEnd + 4);
    return reply;
}

HttpReply HttpGet(int port, const std::string& target) {
    return HttpExchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
}

}  // namespace tidemark::chromium
