#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "common/platform.h"

namespace tidemark::sim {

// The per-user store in memory; tests read and seed it through the same calls.
class SimSettingsStore : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& application, const std::string& section,
                                   const std::string& key) override;
    void Set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;

    int setCount() const { return static_cast<int>(writtenKeys_.size()); }
    // Every key asked for and every key stored, in order, whoever asked (the test too).
    const std::vector<std::string>& readKeys() const { return readKeys_; }
    const std::vector<std::string>& writtenKeys() const { return writtenKeys_; }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    std::vector<std::string> readKeys_;
    std::vector<std::string> writtenKeys_;
};

}  // namespace tidemark::sim
