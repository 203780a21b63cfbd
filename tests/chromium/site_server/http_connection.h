#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "posix/unique_fd.h"

namespace tidemark::site_server {

struct Request {
    bool wellFormed = true;  // false: answer 400 and close
    std::string method;
    std::string path;   // percent-decoded, without the query
    std::string query;  // after '?', as sent
    std::uint64_t bodyBytes = 0;  // already read and thrown away
    bool keepAlive = true;
};

// One client's socket, read and written with time-outs so that a client that
// stalls costs a thread for a while, never for good.
class HttpConnection {
public:
    static constexpr std::chrono::seconds kStallLimit{10};

    explicit HttpConnection(posix::UniqueFd socket);

    // The next request with its body read and discarded; nullopt when the
    // client has gone, stalled or closed.
    std::optional<Request> NextRequest();
    // False when the client has gone: the connection is done.
    bool Send(std::string_view bytes);
    // Ends the exchange in both directions: the client reads its end at once,
    // while the descriptor stays open until the connection itself goes.
    void Hangup();
    int fd() const { return socket_.get(); }

private:
    bool ReadMore();
    bool DiscardBody(std::uint64_t length);

    posix::UniqueFd socket_;
    std::string buffer_;
};

// Status line and headers for a body of `length` bytes; nothing is cached.
std::string ResponseHead(int status, std::string_view contentType, std::uint64_t length, bool keepAlive,
                         std::string_view extraHeaders = {});

// "%41" -> "A"; nullopt for a broken escape.
std::optional<std::string> PercentDecoded(std::string_view text);

}  // namespace tidemark::site_server
