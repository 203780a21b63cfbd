#include "static_files.h"

namespace tidemark::site_server {

std::optional<std::filesystem::path> FileUnderRoot(const std::filesystem::path& root, std::string_view path) {
    // Decoding came first, so "%2e%2e" arrives here as "..": one rule covers both.
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string_view::npos ||
        path.find('\\') != std::string_view::npos) {
        return std::nullopt;
    }
    std::filesystem::path file = root;
    std::size_t start = 1;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view segment = path.substr(start, end - start);
        if (segment == "..") return std::nullopt;
        if (!segment.empty() && segment != ".") file /= std::string(segment);
        start = end + 1;
    }
    if (path.back() == '/') file /= "index.html";
    return file;
}

std::string_view ContentTypeOf(const std::filesystem::path& file) {
    const std::string extension = file.extension().string();
    if (extension == ".html") return "text/html; charset=utf-8";
    if (extension == ".js") return "text/javascript; charset=utf-8";
    if (extension == ".css") return "text/css; charset=utf-8";
    if (extension == ".svg") return "image/svg+xml";
    if (extension == ".json") return "application/json";
    return "application/octet-stream";
}

}  // namespace tidemark::site_server
