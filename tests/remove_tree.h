#pragma once

// Removes a test's folder without throwing from a destructor: a browser's
// helper processes may still be deleting their own files inside it, so an
// entry that vanishes mid-way is tried again rather than an error.

#include <filesystem>
#include <string>

namespace tidemark::test {

inline void RemoveTree(const std::string& path) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::error_code error;
        std::filesystem::remove_all(path, error);
        if (!error || !std::filesystem::exists(path, error)) return;
    }
}

}  // namespace tidemark::test
