#include "site_server.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "site_routes.h"

namespace tidemark::site_server {

namespace {

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what + ": " + std::strerror(errno)); }

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
    : options_(std::move(options)), signals_(StopSignals()), lastRequestMs_(NowMs()) {
    // Each kept-alive connection holds a worker while it waits; Chromium keeps up to six to a host.
    server_.new_task_queue = [] { return new httplib::ThreadPool(16); };
    // As long as the client likes, as a browser's server does: a new connection mid-measurement would show in the figures.
    server_.set_keep_alive_max_count(1'000'000);
    // A client that stalls costs a worker for a while, never for good.
    server_.set_read_timeout(std::chrono::seconds(10));
    server_.set_write_timeout(std::chrono::seconds(10));
    // Round trips are what /ping measures: no holding back small writes.
    server_.set_tcp_nodelay(true);
    server_.set_default_headers({{"Cache-Control", "no-store"}});
    server_.set_pre_routing_handler([this](const httplib::Request&, httplib::Response&) {
        Touch();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server_.set_logger([this](const httplib::Request&, const httplib::Response&) { Touch(); });
    AddSiteRoutes(server_, options_, stats_);

    port_ = options_.port == 0 ? server_.bind_to_any_port("127.0.0.1")
                               : (server_.bind_to_port("127.0.0.1", options_.port) ? options_.port : -1);
    if (port_ <= 0) throw std::runtime_error("cannot listen on 127.0.0.1 port " + std::to_string(options_.port));
}

void SiteServer::Touch() { lastRequestMs_ = NowMs(); }

void SiteServer::Run() {
    std::thread serving([this] { server_.listen_after_bind(); });
    // stop() does nothing until the server runs, which it does first thing.
    while (!server_.is_running()) std::this_thread::yield();
    for (;;) {
        const std::int64_t idleLeft = options_.idleExitMs - (NowMs() - lastRequestMs_.load());
        if (idleLeft <= 0) break;
        pollfd watched[] = {{signals_.get(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const int waited = ::poll(watched, 2, static_cast<int>(idleLeft));
        if (waited < 0 && errno != EINTR) Fail("poll");
        if (waited <= 0) continue;
        if (watched[0].revents != 0) break;
        if (watched[1].revents != 0 && StdinEnded()) break;
    }
    server_.stop();
    serving.join();
}

}  // namespace tidemark::site_server
