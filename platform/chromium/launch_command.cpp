#include "chromium/launch_command.h"

#include "common/platform_error.h"
#include "common/text.h"

namespace tidemark::chromium {

namespace {
bool TakeOption(std::string& rest, std::string_view option) {
    if (rest.compare(0, option.size(), option) != 0) return false;
    if (rest.size() > option.size() && rest[option.size()] != ' ') return false;
    rest.erase(0, option.size());
    return true;
}
}  // namespace

LaunchCommand ParseLaunchCommand(const std::string& arguments) {
    std::string rest = TrimBlanks(arguments);
    LaunchCommand command;
    if (TakeOption(rest, "--new-window")) {
        command.newWindow = true;
    } else if (!TakeOption(rest, "--newtab")) {
        throw PlatformError(kEInvalidArg, "not a browser command line Tidemark gives: \"" + arguments + "\"");
    }
    command.address = TrimBlanks(rest);
    return command;
}

}  // namespace tidemark::chromium
