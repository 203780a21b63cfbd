#pragma once

#include <map>

#include "common/platform.h"

namespace tidemark::sim {

class SimEnvironment : public Environment {
public:
    static constexpr std::size_t kBufferLength = 260;

    // USERNAME "user", Windows in "C:\Windows".
    SimEnvironment();

    std::string Variable(const std::string& name) override;
    std::string WindowsDirectoryBuffer() override { return windowsBuffer_; }

    void SetVariable(const std::string& name, const std::string& value) { variables_[name] = value; }
    void UnsetVariable(const std::string& name) { variables_.erase(name); }
    // The directory, then `filler` up to 260 characters.
    void SetWindowsDirectory(const std::string& directory, char filler = '\0');
    // The buffer exactly as given, for odd platform answers.
    void SetWindowsDirectoryBuffer(std::string buffer) { windowsBuffer_ = std::move(buffer); }

private:
    std::map<std::string, std::string> variables_;
    std::string windowsBuffer_;
};

}  // namespace tidemark::sim
