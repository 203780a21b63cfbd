#pragma once

// A raw HTTP exchange with a server on 127.0.0.1: raw, so that a test can
// send what a browser would clean up first ("/../").

#include <chrono>
#include <string>

#include "posix/unique_fd.h"

namespace tidemark::chromium {

struct HttpReply {
    int status = 0;  // of the first reply
    std::string head;  // of the first reply
    std::string rest;  // everything after the first head, until the server closed
};

// A connected socket; throws std::runtime_error.
posix::UniqueFd ConnectLoopback(int port, std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Sends `request` as it is and reads until the server closes. Throws
// std::runtime_error when it cannot connect or the server stalls.
HttpReply HttpExchange(int port, const std::string& request,
                       std::chrono::milliseconds timeout = std::chrono::seconds(5));

// GET `target` with "Connection: close".
HttpReply HttpGet(int port, const std::string& target);

}  // namespace tidemark::chromium
