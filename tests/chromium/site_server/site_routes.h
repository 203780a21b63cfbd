#pragma once

#include <cstdint>

#include <httplib.h>

#include "server_options.h"
#include "transfer_stats.h"

namespace tidemark::site_server {

// The most /download sends at once, so that a typo cannot fill the pipe for minutes.
constexpr std::uint64_t kMaxDownload = 64ull << 20;

// Static pages under the root plus the measurement endpoints the pages call.
// `options` and `stats` outlive the server.
void AddSiteRoutes(httplib::Server& server, const ServerOptions& options, TransferStats& stats);

}  // namespace tidemark::site_server
