#pragma once

// The options that run Tidemark without anybody at the window: one run and
// out (--run-once, with --services and --file for that run only), the window
// with Start pressed (--start), and the metrics folder (--metrics, else
// TIDEMARK_METRICS_DIR). Read the same way on every platform.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/platform.h"

namespace tidemark {

enum class StartMode { Window, PressStart, RunOnce };

struct ServiceChoice {
    bool fast = false;
    bool usen = false;
    bool speed = false;
};

struct UnattendedOptions {
    StartMode mode = StartMode::Window;
    std::optional<ServiceChoice> services;
    std::optional<std::string> fileName;
    std::optional<std::string> metricsFolder;
};

// The options' values as the command line gave them, before they are checked.
struct UnattendedWords {
    bool runOnce = false;
    bool start = false;
    std::optional<std::string> services;
    std::optional<std::string> fileName;
    std::optional<std::string> metricsFolder;
};

// The options, or the reason they cannot be taken (bad usage).
using UnattendedResult = std::variant<UnattendedOptions, std::string>;

UnattendedResult CheckUnattended(const UnattendedWords& words);

// Every word of a command line that asks for no other command (Windows):
// "--services fast,usen" and "--services=fast,usen" alike; a word it does not
// know is bad usage.
UnattendedResult ReadUnattendedArguments(const std::vector<std::string>& arguments);

// "fast,usen,speed", in any order and case; nullopt when a name is unknown or none is given.
std::optional<ServiceChoice> ParseServices(const std::string& text);

// The option's folder, else TIDEMARK_METRICS_DIR's; nullopt when neither is set.
std::optional<std::string> MetricsFolder(const UnattendedOptions& options, Environment& environment);

inline constexpr const char* kMetricsVariable = "TIDEMARK_METRICS_DIR";

// The options' lines of the usage text.
std::string UnattendedUsage();

}  // namespace tidemark
