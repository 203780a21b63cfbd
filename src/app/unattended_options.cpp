#include "app/unattended_options.h"

#include "common/text.h"

namespace tidemark {

namespace {
bool TakesValue(const std::string& option) {
    return option == "--services" || option == "--file" || option == "--metrics";
}
}  // namespace

std::optional<ServiceChoice> ParseServices(const std::string& text) {
    ServiceChoice choice;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string name = LowerAscii(TrimBlanks(text.substr(start, comma - start)));
        if (name == "fast") {
            choice.fast = true;
        } else if (name == "usen") {
            choice.usen = true;
        } else if (name == "speed") {
            choice.speed = true;
        } else {
            return std::nullopt;
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return choice;
}

UnattendedResult CheckUnattended(const UnattendedWords& words) {
    UnattendedOptions options;
    if (words.runOnce && words.start) return std::string("--run-once and --start cannot be asked together.");
    if (words.runOnce) options.mode = StartMode::RunOnce;
    if (words.start) options.mode = StartMode::PressStart;
    if ((words.services || words.fileName) && !words.runOnce)
        return std::string("--services and --file go with --run-once.");
    if (words.services) {
        options.services = ParseServices(*words.services);
        if (!options.services)
            return "--services takes fast, usen and speed, separated by commas; not \"" + *words.services + "\".";
    }
    // The file name is checked as the window checks it, when the run starts.
    options.fileName = words.fileName;
    if (words.metricsFolder) {
        if (words.metricsFolder->empty()) return std::string("--metrics needs a folder.");
        options.metricsFolder = words.metricsFolder;
    }
    return options;
}

UnattendedResult ReadUnattendedArguments(const std::vector<std::string>& arguments) {
    UnattendedWords words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::optional<std::string> value;
        if (const std::size_t equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option == "--run-once" || option == "--start") {
            if (value) return "--" + option.substr(2) + " takes no value.";
            (option == "--run-once" ? words.runOnce : words.start) = true;
            continue;
        }
        if (!TakesValue(option)) return "Unknown option '" + arguments[i] + "'.";
        if (!value) {
            // An option after it is a forgotten value, not a value.
            if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--")) return option + " needs a value.";
            value = arguments[++i];
        }
        if (option == "--services") words.services = value;
        if (option == "--file") words.fileName = value;
        if (option == "--metrics") words.metricsFolder = value;
    }
    return CheckUnattended(words);
}

std::optional<std::string> MetricsFolder(const UnattendedOptions& options, Environment& environment) {
    if (options.metricsFolder) return options.metricsFolder;
    std::string folder = environment.Variable(kMetricsVariable);
    if (folder.empty()) return std::nullopt;
    return folder;
}

std::string UnattendedUsage() {
    return "  --run-once             Measure once with the saved settings, without a window, and end:\n"
           "                         0 a row of figures, 1 an error row, 2 bad usage, 3 another Tidemark runs.\n"
           "  --services LIST        With --run-once: the services for this run (fast,usen,speed).\n"
           "  --file NAME            With --run-once: the result file's name for this run.\n"
           "  --start                Open the window and press Start.\n"
           "  --metrics DIR          After every run write DIR/tidemark.prom for Prometheus\n"
           "                         (default: the folder in TIDEMARK_METRICS_DIR, if set).\n";
}

}  // namespace tidemark
