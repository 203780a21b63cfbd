#pragma once

// An in-memory Windows-like file system: drives, folders and files with
// attributes, paths compared without regard to case, and switches for the
// faults a result file meets (held by another program, writes that fail).

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/file_system.h"

namespace tidemark::sim {

class SimFileSystem : public FileSystem {
public:
    static constexpr const char* kDocuments = "C:\\Users\\user\\Documents";

    // Drive C: (ready) with the user's Documents folder.
    SimFileSystem();

    std::string PathSeparator() override { return "\\"; }
    std::vector<Drive> Drives() override;
    FoundEntry FindFirst(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::uint32_t GetAttributes(const std::string& path) override;
    void SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool OpenExclusive(const std::string& path) override;
    void Append(const std::string& path, const std::string& text) override;

    void AddDrive(const std::string& root, bool ready);
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, const std::string& contents,
                 std::uint32_t attributes = file_attribute::Normal);
    void RemoveFile(const std::string& path);
    bool FileExists(const std::string& path) const;
    std::string Contents(const std::string& path) const;
    // Another program has the file open without sharing.
    void HoldByOtherProgram(const std::string& path, bool held);
    // Every Append fails with this code until cleared with kSOk.
    void FailAppends(HResult code) { appendFailure_ = code; }

    int appendCount() const { return appendCount_; }
    int exclusiveOpenCount() const { return exclusiveOpenCount_; }

private:
    struct File {
        std::string contents;
        std::uint32_t attributes = file_attribute::Normal;
        bool heldByOther = false;
    };

    static std::string Key(const std::string& path);
    static std::string Parent(const std::string& key);
    File& ExistingFile(const std::string& path);

    std::vector<Drive> drives_;
    std::set<std::string> folders_;
    std::map<std::string, File> files_;
    HResult appendFailure_ = kSOk;
    int appendCount_ = 0;
    int exclusiveOpenCount_ = 0;
};

}  // namespace tidemark::sim
