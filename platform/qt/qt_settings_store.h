#pragma once

#include "common/platform.h"

namespace tidemark::qt {

// The settings in QSettings' native per-user store, organisation and
// application both the application name, one group per section. Every
// write reaches the file before Set returns, so ending the process at once
// loses nothing.
class QtSettingsStore : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& application, const std::string& section,
                                   const std::string& key) override;
    void Set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
};

}  // namespace tidemark::qt
