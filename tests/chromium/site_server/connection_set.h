#pragma once

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <thread>

#include "http_connection.h"

namespace tidemark::site_server {

// A thread for each client, so that a long download never holds up a ping.
// Only the thread that owns the set starts, joins and stops them.
class ConnectionSet {
public:
    using Serve = std::function<void(HttpConnection&)>;

    explicit ConnectionSet(Serve serve) : serve_(std::move(serve)) {}
    ~ConnectionSet() { StopAll(); }
    ConnectionSet(const ConnectionSet&) = delete;
    ConnectionSet& operator=(const ConnectionSet&) = delete;

    void Start(posix::UniqueFd socket);
    void JoinFinished();
    // Shuts every socket down, which ends a blocked read or write, and joins.
    void StopAll();

private:
    struct Worker {
        explicit Worker(posix::UniqueFd socket) : connection(std::move(socket)) {}
        HttpConnection connection;  // its socket outlives the thread: shutdown() never meets a reused fd
        std::atomic<bool> done{false};
        std::thread thread;
    };

    Serve serve_;
    std::list<Worker> workers_;
};

}  // namespace tidemark::site_server
