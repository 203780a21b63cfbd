#include "site_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

namespace tidemark::site_server {

namespace {

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what + ": " + std::strerror(errno)); }

posix::UniqueFd Listen(int port) {
    posix::UniqueFd listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!listener) Fail("socket");
    const int yes = 1;
    ::setsockopt(listener.get(), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::bind(listener.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) Fail("bind");
    if (::listen(listener.get(), 64) != 0) Fail("listen");
    return listener;
}

int PortOf(int listener) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) Fail("getsockname");
    return ntohs(address.sin_port);
}

// Blocked before any thread starts, so every thread inherits the mask and the
// signals arrive only through the descriptor.
posix::UniqueFd StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    if (::pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) Fail("pthread_sigmask");
    ::signal(SIGPIPE, SIG_IGN);
    posix::UniqueFd fd(::signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK));
    if (!fd) Fail("signalfd");
    return fd;
}

// True when standard input has reached its end (or is not there at all).
bool StdinEnded() {
    char scratch[4096];
    const ssize_t got = ::read(STDIN_FILENO, scratch, sizeof scratch);
    return got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN);
}

}  // namespace

SiteServer::SiteServer(ServerOptions options)
    : options_(std::move(options)),
      routes_(options_, stats_),
      listener_(Listen(options_.port)),
      signals_(StopSignals()),
      port_(PortOf(listener_.get())),
      lastRequestMs_(NowMs()) {}

void SiteServer::Touch() { lastRequestMs_ = NowMs(); }

std::int64_t SiteServer::IdleMs() const { return NowMs() - lastRequestMs_.load(); }

void SiteServer::Serve(HttpConnection& connection) {
    while (const std::optional<Request> request = connection.NextRequest()) {
        Touch();
        const bool keepGoing = routes_.Answer(connection, *request);
        Touch();
        if (!keepGoing) return;
    }
}

void SiteServer::Run() {
    ConnectionSet connections([this](HttpConnection& connection) { Serve(connection); });
    for (;;) {
        connections.JoinFinished();
        const std::int64_t idleLeft = options_.idleExitMs - IdleMs();
        if (idleLeft <= 0) return;
        pollfd watched[] = {{listener_.get(), POLLIN, 0}, {signals_.get(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        // At least once a second, so finished threads do not pile up.
        const int waited = ::poll(watched, 3, static_cast<int>(std::min<std::int64_t>(idleLeft, 1000)));
        if (waited < 0 && errno != EINTR) Fail("poll");
        if (waited <= 0) continue;
        if (watched[1].revents != 0) return;
        if (watched[2].revents != 0 && StdinEnded()) return;
        if (watched[0].revents & POLLIN) {
            posix::UniqueFd client(::accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC));
            if (client) connections.Start(std::move(client));
        }
    }
}

}  // namespace tidemark::site_server
