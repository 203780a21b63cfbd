#pragma once

#include <atomic>
#include <cstdint>

#include <httplib.h>

#include "posix/unique_fd.h"
#include "server_options.h"
#include "transfer_stats.h"

namespace tidemark::site_server {

// Listens on 127.0.0.1 only: the measurement endpoints would let anyone on
// the network make this machine send and receive at full speed.
class SiteServer {
public:
    // Binds and listens. Throws std::runtime_error.
    explicit SiteServer(ServerOptions options);

    int port() const { return port_; }
    // Serves until standard input ends, --idle-exit-ms pass without a
    // request, or SIGTERM or SIGINT comes; then ends every connection.
    void Run();

private:
    void Touch();

    ServerOptions options_;
    TransferStats stats_;
    httplib::Server server_;
    posix::UniqueFd signals_;
    int port_ = 0;
    std::atomic<std::int64_t> lastRequestMs_;
};

}  // namespace tidemark::site_server
