#pragma once

// The record's files in memory, for tests: a state folder with a Windows-like
// path, the simulated Documents folder's files to read, folders (which cannot
// be read as files), a switch that makes every write fail, one that makes
// reading run out of memory, and a viewer that keeps what it was asked to show.

#include <map>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "common/record_files.h"
#include "sim/sim_file_system.h"

namespace tidemark::test {

class MemoryRecordFiles : public RecordFiles {
public:
    static constexpr const char* kFolder = "C:\\Users\\user\\AppData\\Local\\Tidemark\\";

    std::string Folder() override {
        if (failure != kSOk) throw PlatformError(failure, "the state folder cannot be made");
        return kFolder;
    }
    std::uint64_t Size(const std::string& path) override {
        const auto found = files.find(path);
        return found == files.end() ? 0 : found->second.size();
    }
    void Append(const std::string& path, const std::string& bytes) override {
        if (failure != kSOk) throw PlatformError(failure, "cannot append to " + path);
        files[path] += bytes;
    }
    void Replace(const std::string& from, const std::string& to) override {
        const auto found = files.find(from);
        if (found == files.end()) throw PlatformError(kFileNotFound, "no " + from);
        files[to] = found->second;
        files.erase(from);
    }
    std::optional<std::string> Read(const std::string& path) override {
        if (readRunsOutOfMemory) throw std::bad_alloc();
        if (folders.contains(path)) throw PlatformError(kEAccessDenied, "cannot read " + path + ": a folder");
        const auto found = files.find(path);
        if (found != files.end()) return found->second;
        if (documents != nullptr && documents->FileExists(path)) return documents->Contents(path);
        return std::nullopt;
    }
    void Write(const std::string& path, const std::string& bytes) override {
        if (failure != kSOk) throw PlatformError(failure, "cannot write " + path);
        files[path] = bytes;
    }
    std::optional<std::string> LegacyToUtf8(const std::string&) override { return std::nullopt; }

    std::string Log() const { return Contents(std::string(kFolder) + "tidemark.log"); }
    std::string Contents(const std::string& path) const {
        const auto found = files.find(path);
        return found == files.end() ? std::string() : found->second;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    HResult failure = kSOk;  // every write and the folder fail with it
    bool readRunsOutOfMemory = false;
    sim::SimFileSystem* documents = nullptr;
};

class RecordingViewer : public ReportViewer {
public:
    void Show(const std::string& path) override { shown.push_back(path); }
    std::vector<std::string> shown;
};

}  // namespace tidemark::test
