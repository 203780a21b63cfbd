#pragma once

#include <map>
#include <tuple>

#include "common/platform.h"

namespace tidemark::sim {

// The per-user store in memory; tests read and seed it through the same calls.
class SimSettingsStore : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& application, const std::string& section,
                                   const std::string& key) override;
    void Set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;

    int setCount() const { return setCount_; }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    int setCount_ = 0;
};

}  // namespace tidemark::sim
