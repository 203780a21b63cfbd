#pragma once

// A throw-away home for the Qt benchmarks, set before QApplication starts:
// settings, the instance lock and the result file land in it, not in the
// user's, and it goes when the benchmark ends. Qt's offscreen platform
// unless another is asked for.

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tidemark::bench {

class BenchHome {
public:
    BenchHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tidemark-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        root_ = pattern;
        const std::filesystem::path config = root_ / ".config";
        const std::filesystem::path runtime = root_ / "runtime";
        std::filesystem::create_directories(config);
        std::filesystem::create_directories(documents());
        std::filesystem::create_directories(runtime);
        chmod(runtime.c_str(), 0700);  // Qt refuses a runtime folder others can read
        std::ofstream(config / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n";
        setenv("HOME", root_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_DATA_HOME", (root_ / ".local/share").c_str(), 1);
        setenv("XDG_CACHE_HOME", (root_ / ".cache").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("XDG_DOCUMENTS_DIR", documents().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    ~BenchHome() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;

    std::filesystem::path documents() const { return root_ / "Documents"; }

private:
    std::filesystem::path root_;
};

}  // namespace tidemark::bench
