#pragma once

// A fresh folder under the build's test output, removed with its contents.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include "remove_tree.h"

namespace tidemark::test_support {

class TestFolder {
public:
    TestFolder() : path_(std::string(TIDEMARK_TEST_OUTPUT_DIR) + "/files-XXXXXX") {
        std::filesystem::create_directories(TIDEMARK_TEST_OUTPUT_DIR);
        if (::mkdtemp(path_.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    }
    ~TestFolder() { test::RemoveTree(path_); }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace tidemark::test_support
