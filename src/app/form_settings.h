#pragma once

// The six settings the window keeps in the per-user store between starts.

#include <string>

#include "common/platform.h"

namespace tidemark {

inline constexpr const char* kSettingsSection = "Setting";

struct FormSettings {
    int chkFAST = 1;
    int chkUSEN = 1;
    int chkSPEED = 1;
    std::string txtFileName = "Tidemark";
    std::string txtInterval = "30";
    int chkCloseEdge = 1;
};

// Reads the six values in their order. Absent values take their defaults,
// and so do check-box values that are not 0 or 1 and interval texts the
// schedule could not step by; anything else is taken as stored, unvalidated.
FormSettings LoadFormSettings(SettingsStore& store, Locale& locale);

// Writes the six values in the same order: check boxes as decimal text,
// texts unchanged.
void SaveFormSettings(SettingsStore& store, const FormSettings& settings);

}  // namespace tidemark
