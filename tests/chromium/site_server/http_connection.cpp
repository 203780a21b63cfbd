#include "http_connection.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>

namespace tidemark::site_server {

namespace {

constexpr std::size_t kMaxHead = 16 * 1024;
constexpr std::size_t kReadChunk = 256 * 1024;

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

const char* Reason(int status) {
    switch (status) {
        case 200: return "OK";
        case 301: return "Moved Permanently";
        case 400: return "Bad Request";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 411: return "Length Required";
        default: return "Error";
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Request Malformed() {
    Request request;
    request.wellFormed = false;
    return request;
}

// Request line and headers, without the blank line that ends them.
Request ParseHead(std::string_view head) {
    Request request;
    const std::size_t lineEnd = head.find("\r\n");
    const std::string_view line = head.substr(0, lineEnd);
    const std::size_t firstSpace = line.find(' ');
    const std::size_t secondSpace = line.find(' ', firstSpace + 1);
    if (firstSpace == std::string_view::npos || secondSpace == std::string_view::npos) return Malformed();
    request.method = line.substr(0, firstSpace);
    const std::string_view target = line.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    const std::string_view version = line.substr(secondSpace + 1);
    const std::size_t question = target.find('?');
    const std::optional<std::string> path = PercentDecoded(target.substr(0, question));
    // No control characters: the path may go back out in a Location header.
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; };
    if (!path || path->empty() || path->front() != '/' || std::any_of(path->begin(), path->end(), control) ||
        !version.starts_with("HTTP/1.")) {
        return Malformed();
    }
    request.path = *path;
    if (question != std::string_view::npos) request.query = target.substr(question + 1);
    request.keepAlive = version == "HTTP/1.1";

    std::string_view rest = lineEnd == std::string_view::npos ? std::string_view{} : head.substr(lineEnd + 2);
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view header = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
        const std::size_t colon = header.find(':');
        if (colon == std::string_view::npos) return Malformed();
        const std::string name = Lowered(Trimmed(header.substr(0, colon)));
        const std::string_view value = Trimmed(header.substr(colon + 1));
        if (name == "content-length") {
            const auto [ptr, error] = std::from_chars(value.data(), value.data() + value.size(), request.bodyBytes);
            if (error != std::errc() || ptr != value.data() + value.size()) return Malformed();
        } else if (name == "connection") {
            const std::string lowered = Lowered(value);
            if (lowered == "close") request.keepAlive = false;
            if (lowered == "keep-alive") request.keepAlive = true;
        } else if (name == "transfer-encoding") {
            // Chunked bodies are not needed by the pages; without a length the
            // next request could not be found.
            return Malformed();
        }
    }
    return request;
}

}  // namespace

HttpConnection::HttpConnection(posix::UniqueFd socket) : socket_(std::move(socket)) {
    const timeval limit{.tv_sec = kStallLimit.count(), .tv_usec = 0};
    ::setsockopt(socket_.get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(socket_.get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    // Round trips are what /ping measures: no holding back small writes.
    const int yes = 1;
    ::setsockopt(socket_.get(), IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
}

bool HttpConnection::ReadMore() {
    char chunk[kReadChunk];
    for (;;) {
        const ssize_t got = ::recv(socket_.get(), chunk, sizeof chunk, 0);
        if (got > 0) {
            buffer_.append(chunk, static_cast<std::size_t>(got));
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        return false;  // closed, timed out or shut down
    }
}

bool HttpConnection::DiscardBody(std::uint64_t length) {
    while (length > 0) {
        if (buffer_.empty() && !ReadMore()) return false;
        const std::size_t taken = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer_.size()));
        buffer_.erase(0, taken);
        length -= taken;
    }
    return true;
}

std::optional<Request> HttpConnection::NextRequest() {
    std::size_t end;
    while ((end = buffer_.find("\r\n\r\n")) == std::string::npos) {
        if (buffer_.size() > kMaxHead) return Malformed();
        if (!ReadMore()) return std::nullopt;
    }
    Request request = ParseHead(std::string_view(buffer_).substr(0, end));
    buffer_.erase(0, end + 4);
    if (request.wellFormed && !DiscardBody(request.bodyBytes)) return std::nullopt;
    return request;
}

bool HttpConnection::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void HttpConnection::Hangup() { ::shutdown(socket_.get(), SHUT_RDWR); }

std::string ResponseHead(int status, std::string_view contentType, std::uint64_t length, bool keepAlive,
                         std::string_view extraHeaders) {
    std::string head = "HTTP/1.1 " + std::to_string(status) + " " + Reason(status) + "\r\n";
    head += "Content-Type: ";
    head += contentType;
    head += "\r\nContent-Length: " + std::to_string(length) + "\r\n";
    head += "Cache-Control: no-store\r\n";
    head += keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    head += extraHeaders;
    head += "\r\n";
    return head;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexDigit(text[i + 1]);
        const int low = HexDigit(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

}  // namespace tidemark::site_server
