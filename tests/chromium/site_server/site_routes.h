#pragma once

#include "http_connection.h"
#include "server_options.h"
#include "transfer_stats.h"

namespace tidemark::site_server {

// Static pages under the root plus the measurement endpoints the pages call.
class SiteRoutes {
public:
    // The most /download sends at once, so that a typo cannot fill the pipe for minutes.
    static constexpr std::uint64_t kMaxDownload = 64ull << 20;

    SiteRoutes(const ServerOptions& options, TransferStats& stats) : options_(options), stats_(stats) {}

    // Answers one request; false when the connection is done.
    bool Answer(HttpConnection& connection, const Request& request);

private:
    bool Download(HttpConnection& connection, const Request& request);
    bool StaticFile(HttpConnection& connection, const Request& request);
    std::string ConfigScript() const;
    std::string StatsJson() const;

    const ServerOptions& options_;
    TransferStats& stats_;
};

}  // namespace tidemark::site_server
