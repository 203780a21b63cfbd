#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tidemark::site_server {

// The file a decoded request path names under `root`, "index.html" for a
// path ending in '/'; nullopt when the path could reach above the root.
std::optional<std::filesystem::path> FileUnderRoot(const std::filesystem::path& root, std::string_view path);

std::string_view ContentTypeOf(const std::filesystem::path& file);

}  // namespace tidemark::site_server
