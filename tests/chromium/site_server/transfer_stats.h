#pragma once

#include <atomic>
#include <cstdint>

namespace tidemark::site_server {

// What the pages really moved; shared by every connection's thread.
struct TransferStats {
    std::atomic<std::uint64_t> downloadedBytes{0};
    std::atomic<std::uint64_t> uploadedBytes{0};
    std::atomic<std::uint64_t> pings{0};
};

}  // namespace tidemark::site_server
