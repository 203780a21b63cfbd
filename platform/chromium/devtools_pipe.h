#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/platform_error.h"
#include "posix/unique_fd.h"

namespace tidemark::chromium {

using posix::UniqueFd;

constexpr HResult kTimeout = static_cast<HResult>(0x800705B4u);      // HRESULT_FROM_WIN32(ERROR_TIMEOUT)
constexpr HResult kBrokenPipe = static_cast<HResult>(0x8007006Du);   // HRESULT_FROM_WIN32(ERROR_BROKEN_PIPE)
constexpr HResult kInvalidData = static_cast<HResult>(0x8007000Du);  // HRESULT_FROM_WIN32(ERROR_INVALID_DATA)

// A synchronous DevTools protocol client over two descriptors carrying
// NUL-terminated JSON messages: one request, then its reply; events that
// arrive meanwhile wait in a queue. Every wait is bounded by the deadline, so
// a hung or vanished peer becomes a PlatformError rather than a hang.
class DevToolsPipe {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{10'000};
    // A message or a queue of events beyond these is no browser of ours that works: the pipe is
    // given up (kBrokenPipe, saying which), and with it the browser.
    static constexpr std::size_t kMaxMessageBytes = std::size_t{256} << 20;
    static constexpr std::size_t kMaxQueuedEvents = 100'000;

    DevToolsPipe(UniqueFd readFd, UniqueFd writeFd, std::chrono::milliseconds timeout = kDefaultTimeout);

    // The reply's "result". Throws PlatformError: kTimeout, kBrokenPipe,
    // kInvalidData for an unreadable reply, kEFail for a protocol error.
    nlohmann::json Call(const std::string& method, const nlohmann::json& params = nlohmann::json::object(),
                        const std::optional<std::string>& sessionId = {});

    // True once the browser has closed its end or the stream broke: no call
    // can succeed any more. Does not wait.
    bool PeerClosed();

    // Takes in, without waiting, the events the browser has sent meanwhile.
    void Pump();

    // The events received so far, oldest first; the queue is left empty.
    std::vector<nlohmann::json> TakeEvents();

    // Sends a request without waiting for its reply, which is dropped when it comes.
    void Post(const std::string& method, const nlohmann::json& params, const std::optional<std::string>& sessionId);

    // Sees each event as it arrives, before it is queued, also while a call
    // waits for its reply: what must be answered at once (a dialog that blocks
    // the page, and with it the reply) is answered from here, with Post only.
    void SetEventHook(std::function<void(const nlohmann::json& event)> hook) { eventHook_ = std::move(hook); }

    // Calls sent so far.
    std::int64_t calls() const { return nextId_ - 1; }

    void SetTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    // Other bounds than the above, for tests.
    void SetLimits(std::size_t messageBytes, std::size_t queuedEvents) {
        maxMessageBytes_ = messageBytes;
        maxQueuedEvents_ = queuedEvents;
    }
    std::chrono::milliseconds timeout() const { return timeout_; }

private:
    using Clock = std::chrono::steady_clock;

    // The request's bytes, with its id.
    std::string Request(const std::string& method, const nlohmann::json& params,
                        const std::optional<std::string>& sessionId, std::int64_t id) const;
    void Send(const std::string& method, const std::string& bytes, Clock::time_point deadline);
    // Throws kBrokenPipe when the queue is full.
    void Queue(nlohmann::json event);
    [[noreturn]] void GiveUp(const std::string& why);
    // The next whole message, waiting for it until the deadline; it stays valid until the next Receive.
    std::string_view Receive(const std::string& method, Clock::time_point deadline);
    // The next whole message already read, if any; valid until the next call. Throws kBrokenPipe
    // for a message over the bound.
    std::optional<std::string_view> TakeBuffered();
    enum class ReadResult { Data, Nothing, Closed };
    // One read of what the pipe holds, without waiting.
    ReadResult ReadAvailable();
    int MillisecondsLeft(Clock::time_point deadline) const;

    UniqueFd read_;
    UniqueFd write_;
    std::chrono::milliseconds timeout_;
    std::int64_t nextId_ = 1;
    bool broken_ = false;
    std::string buffer_;
    std::size_t scanned_ = 0;
    std::size_t consumed_ = 0;  // the front of the buffer already handed out
    int lastReadError_ = 0;
    std::vector<char> chunk_ = std::vector<char>(64 * 1024);
    std::deque<nlohmann::json> events_;
    std::size_t maxMessageBytes_ = kMaxMessageBytes;
    std::size_t maxQueuedEvents_ = kMaxQueuedEvents;
    std::function<void(const nlohmann::json&)> eventHook_;
};

}  // namespace tidemark::chromium
