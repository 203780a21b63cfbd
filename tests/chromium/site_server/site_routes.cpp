#include "site_routes.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "static_files.h"

namespace tidemark::site_server {

namespace {

constexpr const char* kText = "text/plain; charset=utf-8";
constexpr const char* kJson = "application/json";

void Reply(httplib::Response& response, int status, const std::string& body, const char* type = kText) {
    response.status = status;
    response.set_content(body, type);
}

std::optional<std::uint64_t> Number(const std::string& digits) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
    return value;
}

// Not all zeros, in case anything on the way ever learns to compress.
const std::string& DownloadBlock() {
    static const std::string block = [] {
        std::string bytes(256 * 1024, '\0');
        std::uint32_t state = 2463534242u;
        for (char& byte : bytes) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            byte = static_cast<char>(state);
        }
        return bytes;
    }();
    return block;
}

void Download(const httplib::Request& request, httplib::Response& response, TransferStats& stats) {
    const std::optional<std::uint64_t> asked = Number(request.get_param_value("bytes"));
    if (!asked) return Reply(response, 400, "/download?bytes=N\n");
    response.set_content_provider(static_cast<std::size_t>(std::min(*asked, kMaxDownload)), "application/octet-stream",
                                  [&stats](std::size_t, std::size_t length, httplib::DataSink& sink) {
                                      const std::string& block = DownloadBlock();
                                      const std::size_t now = std::min(length, block.size());
                                      // Counted before it is written: a client that has the bytes finds them counted.
                                      stats.downloadedBytes += now;
                                      if (sink.write(block.data(), now)) return true;
                                      stats.downloadedBytes -= now;
                                      return false;
                                  });
}

void StaticFile(const httplib::Request& request, httplib::Response& response, const ServerOptions& options) {
    if (options.root.empty()) return Reply(response, 404, "no --root\n");
    const std::optional<std::filesystem::path> file = FileUnderRoot(options.root, request.path);
    if (!file) return Reply(response, 403, "outside the root\n");
    std::error_code error;
    if (std::filesystem::is_directory(*file, error)) {
        // As any web server does: relative links on the page then resolve inside the folder.
        response.set_redirect(request.path + "/", 301);
        return;
    }
    std::ifstream in(*file, std::ios::binary);
    if (!in) return Reply(response, 404, "not found\n");
    const std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    response.set_content(body, std::string(ContentTypeOf(*file)));
}

std::string ConfigScript(const ServerOptions& options) {
    const nlohmann::json config = {{"measureMs", options.measureMs},
                                   {"neverFinish", options.neverFinish},
                                   {"titles", options.titles},
                                   {"dialogs", options.dialogs}};
    return "window.tidemarkConfig = " + config.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + ";\n";
}

}  // namespace

void AddSiteRoutes(httplib::Server& server, const ServerOptions& options, TransferStats& stats) {
    server.Post("/upload",
                [&stats](const httplib::Request&, httplib::Response& response, const httplib::ContentReader& content) {
                    // Counted and thrown away as it arrives: the pages send megabytes at a time.
                    std::uint64_t bytes = 0;
                    const bool whole = content([&bytes](const char*, std::size_t length) {
                        bytes += length;
                        return true;
                    });
                    if (!whole) return;
                    stats.uploadedBytes += bytes;
                    Reply(response, 200, nlohmann::json{{"bytes", bytes}}.dump(), kJson);
                });
    server.Get("/download", [&stats](const httplib::Request& request, httplib::Response& response) {
        Download(request, response, stats);
    });
    server.Get("/ping", [&stats](const httplib::Request&, httplib::Response& response) {
        ++stats.pings;
        Reply(response, 200, "pong");
    });
    server.Get("/config.js", [&options](const httplib::Request&, httplib::Response& response) {
        Reply(response, 200, ConfigScript(options), "text/javascript; charset=utf-8");
    });
    server.Get("/stats", [&stats](const httplib::Request&, httplib::Response& response) {
        const nlohmann::json counts = {{"downloadedBytes", stats.downloadedBytes.load()},
                                       {"uploadedBytes", stats.uploadedBytes.load()},
                                       {"pings", stats.pings.load()}};
        Reply(response, 200, counts.dump(), kJson);
    });
    server.Get("/.*", [&options](const httplib::Request& request, httplib::Response& response) {
        StaticFile(request, response, options);
    });
}

}  // namespace tidemark::site_server
