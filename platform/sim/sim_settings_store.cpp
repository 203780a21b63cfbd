#include "sim/sim_settings_store.h"

namespace tidemark::sim {

std::optional<std::string> SimSettingsStore::Get(const std::string& application, const std::string& section,
                                                 const std::string& key) {
    readKeys_.push_back(key);
    const auto found = values_.find({application, section, key});
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

void SimSettingsStore::Set(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& value) {
    writtenKeys_.push_back(key);
    values_[{application, section, key}] = value;
}

}  // namespace tidemark::sim
