#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

// REG_SZ values under HKEY_CURRENT_USER\Software\<application>\<section>.
class Win32SettingsStore final : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& application, const std::string& section,
                                   const std::string& key) override;
    void Set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
};

}  // namespace tidemark::win32
