#include "sim/sim_file_system.h"

#include <algorithm>
#include <cctype>

namespace tidemark::sim {

namespace {

// '*' and '?' as FindFirstFile reads them.
bool WildcardMatch(const char* pattern, const char* text) {
    if (*pattern == '\0') return *text == '\0';
    if (*pattern == '*') return WildcardMatch(pattern + 1, text) || (*text != '\0' && WildcardMatch(pattern, text + 1));
    if (*text == '\0') return false;
    return (*pattern == '?' || *pattern == *text) && WildcardMatch(pattern + 1, text + 1);
}
}  // namespace

SimFileSystem::SimFileSystem() {
    AddDrive("C:", true);
    AddFolder(kDocuments);
}

std::string SimFileSystem::Key(const std::string& path) {
    std::string key = path;
    std::replace(key.begin(), key.end(), '/', '\\');
    while (key.size() > 3 && key.back() == '\\') key.pop_back();
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

std::string SimFileSystem::Parent(const std::string& key) {
    const auto slash = key.rfind('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

std::vector<Drive> SimFileSystem::Drives() { return drives_; }

FoundEntry SimFileSystem::FindFirst(const std::string& path) {
    const std::string key = Key(path);
    if (key.find_first_of("*?") == std::string::npos) {
        if (files_.count(key) != 0) return FoundEntry::File;
        if (folders_.count(key) != 0) return FoundEntry::Directory;
        return FoundEntry::None;
    }
    for (const auto& entry : folders_)
        if (WildcardMatch(key.c_str(), entry.c_str())) return FoundEntry::Directory;
    for (const auto& entry : files_)
        if (WildcardMatch(key.c_str(), entry.first.c_str())) return FoundEntry::File;
    return FoundEntry::None;
}

bool SimFileSystem::FolderExists(const std::string& path) { return folders_.count(Key(path)) != 0; }

SimFileSystem::File& SimFileSystem::ExistingFile(const std::string& path) {
    const auto found = files_.find(Key(path));
    if (found == files_.end()) throw PlatformError(kFileNotFound, "no such file: " + path);
    return found->second;
}

std::uint32_t SimFileSystem::GetAttributes(const std::string& path) {
    if (folders_.count(Key(path)) != 0) return file_attribute::Directory;
    return ExistingFile(path).attributes;
}

void SimFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    ExistingFile(path).attributes = attributes == 0 ? file_attribute::Normal : attributes;
}

bool SimFileSystem::OpenExclusive(const std::string& path) {
    ++exclusiveOpenCount_;
    const auto found = files_.find(Key(path));
    if (found == files_.end()) return folders_.count(Parent(Key(path))) != 0;
    return !found->second.heldByOther && (found->second.attributes & file_attribute::ReadOnly) == 0;
}

void SimFileSystem::Append(const std::string& path, const std::string& text) {
    ++appendCount_;
    if (appendFailure_ != kSOk) throw PlatformError(appendFailure_, "cannot write " + path);
    const std::string key = Key(path);
    const auto found = files_.find(key);
    if (found == files_.end()) {
        if (folders_.count(Parent(key)) == 0) throw PlatformError(kPathNotFound, "no such folder for " + path);
        files_[key].contents = text;
        return;
    }
    if (found->second.heldByOther) throw PlatformError(kSharingViolation, "in use: " + path);
    if ((found->second.attributes & file_attribute::ReadOnly) != 0)
        throw PlatformError(kEAccessDenied, "read-only: " + path);
    found->second.contents += text;
}

void SimFileSystem::AddDrive(const std::string& root, bool ready) {
    drives_.push_back({root, ready});
    folders_.insert(Key(root + "\\"));
}

void SimFileSystem::AddFolder(const std::string& path) {
    for (std::string key = Key(path); !key.empty() && key.back() != ':'; key = Parent(key)) folders_.insert(key);
}

void SimFileSystem::AddFile(const std::string& path, const std::string& contents, std::uint32_t attributes) {
    AddFolder(Parent(Key(path)));
    files_[Key(path)] = File{contents, attributes, false};
}

void SimFileSystem::RemoveFile(const std::string& path) { files_.erase(Key(path)); }

bool SimFileSystem::FileExists(const std::string& path) const { return files_.count(Key(path)) != 0; }

std::string SimFileSystem::Contents(const std::string& path) const {
    const auto found = files_.find(Key(path));
    return found == files_.end() ? std::string() : found->second.contents;
}

void SimFileSystem::HoldByOtherProgram(const std::string& path, bool held) { ExistingFile(path).heldByOther = held; }

}  // namespace tidemark::sim
