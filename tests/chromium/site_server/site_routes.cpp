#include "site_routes.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "static_files.h"

namespace tidemark::site_server {

namespace {

constexpr std::string_view kText = "text/plain; charset=utf-8";
constexpr std::string_view kJson = "application/json";

bool Reply(HttpConnection& connection, const Request& request, int status, std::string_view type,
           std::string_view body, std::string_view extraHeaders = {}) {
    const bool keepAlive = request.keepAlive && status < 400;
    // One write: a head and a small body in two would wait on the client's delayed acknowledgement.
    std::string reply = ResponseHead(status, type, body.size(), keepAlive, extraHeaders);
    reply += body;
    return connection.Send(reply) && keepAlive;
}

std::optional<std::uint64_t> QueryNumber(std::string_view query, std::string_view name) {
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
        if (!pair.starts_with(name) || pair.size() <= name.size() || pair[name.size()] != '=') continue;
        const std::string_view digits = pair.substr(name.size() + 1);
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error == std::errc() && end == digits.data() + digits.size()) return value;
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

bool SiteRoutes::Answer(HttpConnection& connection, const Request& request) {
    if (!request.wellFormed) return Reply(connection, request, 400, kText, "bad request\n");
    const std::string& path = request.path;
    if (request.method == "POST" && path == "/upload") {
        stats_.uploadedBytes += request.bodyBytes;
        return Reply(connection, request, 200, kJson, nlohmann::json{{"bytes", request.bodyBytes}}.dump());
    }
    if (request.method != "GET") return Reply(connection, request, 405, kText, "GET or POST /upload\n");
    if (path == "/download") return Download(connection, request);
    if (path == "/ping") {
        ++stats_.pings;
        return Reply(connection, request, 200, kText, "pong");
    }
    if (path == "/config.js") return Reply(connection, request, 200, "text/javascript; charset=utf-8", ConfigScript());
    if (path == "/stats") return Reply(connection, request, 200, kJson, StatsJson());
    return StaticFile(connection, request);
}

bool SiteRoutes::Download(HttpConnection& connection, const Request& request) {
    const std::optional<std::uint64_t> asked = QueryNumber(request.query, "bytes");
    if (!asked) return Reply(connection, request, 400, kText, "/download?bytes=N\n");
    const std::uint64_t total = std::min(*asked, kMaxDownload);
    if (!connection.Send(ResponseHead(200, "application/octet-stream", total, request.keepAlive))) return false;
    // Not all zeros, in case anything on the way ever learns to compress.
    static const std::string block = [] {
        std::string bytes(256 * 1024, '\0');
        std::uint32_t state = 2463534242u;
        for (char& byte : bytes) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            byte = static_cast<char>(state);
        }
        return bytes;
    }();
    for (std::uint64_t left = total; left > 0;) {
        const std::size_t now = static_cast<std::size_t>(std::min<std::uint64_t>(left, block.size()));
        if (!connection.Send(std::string_view(block).substr(0, now))) return false;
        stats_.downloadedBytes += now;
        left -= now;
    }
    return request.keepAlive;
}

bool SiteRoutes::StaticFile(HttpConnection& connection, const Request& request) {
    if (options_.root.empty()) return Reply(connection, request, 404, kText, "no --root\n");
    const std::optional<std::filesystem::path> file = FileUnderRoot(options_.root, request.path);
    if (!file) return Reply(connection, request, 403, kText, "outside the root\n");
    std::error_code error;
    if (std::filesystem::is_directory(*file, error)) {
        // As any web server does: relative links on the page then resolve inside the folder.
        return Reply(connection, request, 301, kText, "moved\n", "Location: " + request.path + "/\r\n");
    }
    std::ifstream in(*file, std::ios::binary);
    if (!in) return Reply(connection, request, 404, kText, "not found\n");
    const std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Reply(connection, request, 200, ContentTypeOf(*file), body);
}

std::string SiteRoutes::ConfigScript() const {
    const nlohmann::json config = {{"measureMs", options_.measureMs},
                                   {"neverFinish", options_.neverFinish},
                                   {"titles", options_.titles}};
    return "window.tidemarkConfig = " + config.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + ";\n";
}

std::string SiteRoutes::StatsJson() const {
    return nlohmann::json{{"downloadedBytes", stats_.downloadedBytes.load()},
                          {"uploadedBytes", stats_.uploadedBytes.load()},
                          {"pings", stats_.pings.load()}}
        .dump();
}

}  // namespace tidemark::site_server
