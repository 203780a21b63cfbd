#include "chromium/devtools_pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

namespace tidemark::chromium {

namespace {

using nlohmann::json;

// A write to a pipe whose reader has gone raises SIGPIPE, which would end the
// program. Blocking it for this thread only, and consuming the one the write
// raised, leaves the process's own disposition alone.
class ScopedSigpipeBlock {
public:
    ScopedSigpipeBlock() {
        sigemptyset(&pipeOnly_);
        sigaddset(&pipeOnly_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        alreadyPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeOnly_, &previous_);
    }
    ScopedSigpipeBlock(const ScopedSigpipeBlock&) = delete;
    ScopedSigpipeBlock& operator=(const ScopedSigpipeBlock&) = delete;
    ~ScopedSigpipeBlock() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

    void ConsumeRaised() {
        if (alreadyPending_) return;
        const timespec none{};
        while (sigtimedwait(&pipeOnly_, nullptr, &none) == -1 && errno == EINTR) {
        }
    }

private:
    sigset_t pipeOnly_;
    sigset_t previous_;
    bool alreadyPending_ = false;
};

void SetNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) {
        throw PlatformError(kEInvalidArg, std::string("DevTools pipe descriptor unusable: ") + std::strerror(errno));
    }
}

std::string Excerpt(std::string_view text) {
    constexpr std::size_t kLimit = 80;
    return text.size() <= kLimit ? std::string(text) : std::string(text.substr(0, kLimit)) + "...";
}

std::string ProtocolErrorText(const json& error) {
    if (!error.is_object()) return error.dump(-1, ' ', false, json::error_handler_t::replace);
    std::string text;
    if (const auto message = error.find("message"); message != error.end() && message->is_string()) {
        text = message->get<std::string>();
    } else {
        text = error.dump(-1, ' ', false, json::error_handler_t::replace);
    }
    if (const auto code = error.find("code"); code != error.end() && code->is_number_integer()) {
        text += " (protocol code " + std::to_string(code->get<long long>()) + ")";
    }
    return text;
}

}  // namespace

DevToolsPipe::DevToolsPipe(UniqueFd readFd, UniqueFd writeFd, std::chrono::milliseconds timeout)
    : read_(std::move(readFd)), write_(std::move(writeFd)), timeout_(timeout) {
    if (!read_ || !write_) throw PlatformError(kEInvalidArg, "DevTools pipe needs two open descriptors");
    // Non-blocking, so that poll() alone decides how long a read or write may wait.
    SetNonBlocking(read_.get());
    SetNonBlocking(write_.get());
}

nlohmann::json DevToolsPipe::Call(const std::string& method, const nlohmann::json& params,
                                  const std::optional<std::string>& sessionId) {
    if (broken_) throw PlatformError(kBrokenPipe, "DevTools pipe already closed; " + method + " not sent");
    const std::int64_t id = nextId_++;
    const auto deadline = Clock::now() + timeout_;
    Send(method, Request(method, params, sessionId, id), deadline);
    for (;;) {
        const std::string_view text = Receive(method, deadline);
        json message = json::parse(text.begin(), text.end(), nullptr, false);
        if (message.is_discarded() || !message.is_object()) {
            throw PlatformError(
                kInvalidData, "DevTools sent an unreadable message while waiting for " + method + ": " + Excerpt(text));
        }
        const auto replyId = message.find("id");
        if (replyId == message.end()) {
            if (message.contains("method")) Queue(std::move(message));
            continue;
        }
        // Anything else is the late reply of a call that ran out of time.
        if (!replyId->is_number_integer() || replyId->get<std::int64_t>() != id) continue;
        if (const auto error = message.find("error"); error != message.end()) {
            throw PlatformError(kEFail, method + " failed: " + ProtocolErrorText(*error));
        }
        const auto result = message.find("result");
        return result == message.end() ? json::object() : std::move(*result);
    }
}

void DevToolsPipe::Post(const std::string& method, const nlohmann::json& params,
                        const std::optional<std::string>& sessionId) {
    if (broken_) throw PlatformError(kBrokenPipe, "DevTools pipe already closed; " + method + " not sent");
    Send(method, Request(method, params, sessionId, nextId_++), Clock::now() + timeout_);
}

std::string DevToolsPipe::Request(const std::string& method, const nlohmann::json& params,
                                  const std::optional<std::string>& sessionId, std::int64_t id) const {
    json request = {{"id", id}, {"method", method}, {"params", params.is_null() ? json::object() : params}};
    if (sessionId) request["sessionId"] = *sessionId;
    std::string bytes = request.dump(-1, ' ', false, json::error_handler_t::replace);
    bytes.push_back('\0');
    return bytes;
}

void DevToolsPipe::Queue(nlohmann::json event) {
    if (eventHook_) eventHook_(event);
    if (events_.size() >= maxQueuedEvents_) {
        GiveUp("DevTools sent more than " + std::to_string(maxQueuedEvents_) + " events that were not taken");
    }
    events_.push_back(std::move(event));
}

bool DevToolsPipe::PeerClosed() {
    if (broken_) return true;
    pollfd readable{read_.get(), POLLIN, 0};
    if (::poll(&readable, 1, 0) > 0 && (readable.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) broken_ = true;
    return broken_;
}

std::vector<nlohmann::json> DevToolsPipe::TakeEvents() {
    std::vector<json> taken(std::make_move_iterator(events_.begin()), std::make_move_iterator(events_.end()));
    events_.clear();
    return taken;
}

void DevToolsPipe::Send(const std::string& method, const std::string& bytes, Clock::time_point deadline) {
    ScopedSigpipeBlock sigpipe;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written = ::write(write_.get(), bytes.data() + sent, bytes.size() - sent);
        if (written >= 0) {
            sent += static_cast<std::size_t>(written);
            continue;
        }
        const int error = errno;
        if (error == EINTR) continue;
        if (error == EPIPE || error == ECONNRESET) {
            sigpipe.ConsumeRaised();
            broken_ = true;
            throw PlatformError(kBrokenPipe, "DevTools pipe closed by the browser while sending " + method);
        }
        if (error != EAGAIN && error != EWOULDBLOCK) {
            broken_ = true;
            throw PlatformError(kBrokenPipe,
                                "DevTools pipe failed while sending " + method + ": " + std::strerror(error));
        }
        pollfd writable{write_.get(), POLLOUT, 0};
        const int ready = ::poll(&writable, 1, MillisecondsLeft(deadline));
        if (ready == 0) {
            // Half a message would run into the next one; the stream's framing is lost.
            if (sent > 0) broken_ = true;
            throw PlatformError(kTimeout, "DevTools did not take " + method + " in time");
        }
        if (ready < 0 && errno != EINTR) {
            throw PlatformError(kEFail, "cannot wait to send " + method + ": " + std::strerror(errno));
        }
    }
}

std::optional<std::string_view> DevToolsPipe::TakeBuffered() {
    // The messages handed out are dropped only once they are half the buffer, so that a backlog of
    // many is read in time linear in its size rather than moved up once per message.
    if (consumed_ > 0 && consumed_ * 2 >= buffer_.size()) {
        buffer_.erase(0, consumed_);
        scanned_ -= std::min(scanned_, consumed_);
        consumed_ = 0;
    }
    const std::size_t start = consumed_;
    const std::size_t end = buffer_.find('\0', std::max(scanned_, start));
    const std::size_t length = (end == std::string::npos ? buffer_.size() : end) - start;
    if (length > maxMessageBytes_) {
        GiveUp("DevTools sent a message of more than " + std::to_string(maxMessageBytes_) + " bytes");
    }
    if (end == std::string::npos) {
        scanned_ = buffer_.size();
        return std::nullopt;
    }
    consumed_ = end + 1;
    scanned_ = consumed_;
    return std::string_view(buffer_).substr(start, length);
}

void DevToolsPipe::GiveUp(const std::string& why) {
    broken_ = true;
    buffer_.clear();
    scanned_ = consumed_ = 0;
    throw PlatformError(kBrokenPipe, why + "; the pipe is given up");
}

DevToolsPipe::ReadResult DevToolsPipe::ReadAvailable() {
    const ssize_t got = ::read(read_.get(), chunk_.data(), chunk_.size());
    if (got > 0) {
        buffer_.append(chunk_.data(), static_cast<std::size_t>(got));
        return ReadResult::Data;
    }
    if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) return ReadResult::Nothing;
    lastReadError_ = got == 0 ? 0 : errno;
    broken_ = true;
    return ReadResult::Closed;
}

void DevToolsPipe::Pump() {
    // A read at a time, each taken apart before the next, so that the buffer holds at most one message and a read.
    bool more = true;
    while (more) {
        more = !broken_ && ReadAvailable() == ReadResult::Data;
        while (const auto text = TakeBuffered()) {
            json message = json::parse(text->begin(), text->end(), nullptr, false);
            // Only events are kept: a reply here belongs to a call that ran out of time.
            if (message.is_object() && !message.contains("id") && message.contains("method")) Queue(std::move(message));
        }
    }
}

std::string_view DevToolsPipe::Receive(const std::string& method, Clock::time_point deadline) {
    for (;;) {
        if (const auto text = TakeBuffered()) return *text;

        pollfd readable{read_.get(), POLLIN, 0};
        const int ready = ::poll(&readable, 1, MillisecondsLeft(deadline));
        if (ready == 0) throw PlatformError(kTimeout, "DevTools did not answer " + method + " in time");
        if (ready < 0) {
            if (errno == EINTR) continue;  // poll again with what time is left
            throw PlatformError(kEFail, "cannot wait for the reply to " + method + ": " + std::strerror(errno));
        }
        if (ReadAvailable() != ReadResult::Closed) continue;
        throw PlatformError(kBrokenPipe, lastReadError_ == 0
                                             ? "DevTools pipe closed by the browser while waiting for " + method
                                             : "DevTools pipe failed while waiting for " + method + ": " +
                                                   std::strerror(lastReadError_));
    }
}

int DevToolsPipe::MillisecondsLeft(Clock::time_point deadline) const {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX));
}

}  // namespace tidemark::chromium
