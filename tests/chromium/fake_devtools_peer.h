#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "chromium/devtools_pipe.h"

namespace tidemark::chromium {

// The browser's side of the two pipes, played by the test itself.
class FakePeer {
public:
    explicit FakePeer(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
        int requests[2], replies[2];
        if (::pipe2(requests, O_CLOEXEC) != 0 || ::pipe2(replies, O_CLOEXEC) != 0) ADD_FAILURE() << "pipe2";
        requests_ = UniqueFd(requests[0]);
        replies_ = UniqueFd(replies[1]);
        client_ = std::make_unique<DevToolsPipe>(UniqueFd(replies[0]), UniqueFd(requests[1]), timeout);
    }

    DevToolsPipe& client() { return *client_; }

    void SendRaw(const std::string& bytes) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t written = ::write(replies_.get(), bytes.data() + sent, bytes.size() - sent);
            ASSERT_GT(written, 0);
            sent += static_cast<std::size_t>(written);
        }
    }
    void Send(const nlohmann::json& message) { SendRaw(message.dump() + std::string(1, '\0')); }

    nlohmann::json NextRequest() {
        std::string text;
        char c;
        while (::read(requests_.get(), &c, 1) == 1 && c != '\0') text.push_back(c);
        return nlohmann::json::parse(text);
    }

    // The next request, or nothing once the client has closed its end.
    std::optional<nlohmann::json> TryNextRequest() {
        std::string text;
        char c;
        while (::read(requests_.get(), &c, 1) == 1 && c != '\0') text.push_back(c);
        if (text.empty()) return std::nullopt;
        return nlohmann::json::parse(text);
    }
    void EndClient() { client_.reset(); }

    void GrowReplyPipe(int bytes) { ASSERT_GE(::fcntl(replies_.get(), F_SETPIPE_SZ, bytes), bytes); }
    void CloseReplies() { replies_.Reset(); }
    void CloseRequests() { requests_.Reset(); }

private:
    UniqueFd requests_;
    UniqueFd replies_;
    std::unique_ptr<DevToolsPipe> client_;
};

}  // namespace tidemark::chromium
