#include "server_options.h"

#include <charconv>
#include <set>
#include <stdexcept>

namespace tidemark::site_server {

namespace {

bool IsSite(const std::string& site) { return site == "fast" || site == "usen" || site == "speed"; }

int Number(const std::string& flag, const std::string& text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
        throw std::invalid_argument(flag + " wants a number from " + std::to_string(lowest) + " to " +
                                    std::to_string(highest) + ", not '" + text + "'");
    }
    return value;
}

}  // namespace

const char* const kUsage =
    "usage: tidemark_site_server [--root DIR] [--port N] [--measure-ms N] [--never-finish SITE]...\n"
    "                            [--title SITE=TEXT]... [--dialog SITE=KIND@WHEN]... [--idle-exit-ms N]\n"
    "SITE is fast, usen or speed. Prints 'port N' once listening on 127.0.0.1; ends when its\n"
    "standard input closes, after N ms without a request, or on SIGTERM or SIGINT.\n";

ServerOptions ParseServerOptions(const std::vector<std::string>& arguments) {
    ServerOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& flag = arguments[i];
        if (i + 1 >= arguments.size()) throw std::invalid_argument("unknown flag or missing value: " + flag);
        const std::string& value = arguments[++i];
        if (flag == "--root") {
            options.root = value;
        } else if (flag == "--port") {
            options.port = Number(flag, value, 0, 65535);
        } else if (flag == "--measure-ms") {
            options.measureMs = Number(flag, value, 1, 3'600'000);
        } else if (flag == "--idle-exit-ms") {
            options.idleExitMs = Number(flag, value, 1, 86'400'000);
        } else if (flag == "--never-finish") {
            if (!IsSite(value)) throw std::invalid_argument("--never-finish wants fast, usen or speed");
            options.neverFinish.insert(value);
        } else if (flag == "--title") {
            const std::size_t equals = value.find('=');
            const std::string site = value.substr(0, equals);
            if (equals == std::string::npos || !IsSite(site)) {
                throw std::invalid_argument("--title wants SITE=TEXT with SITE fast, usen or speed");
            }
            options.titles[site] = value.substr(equals + 1);
        } else if (flag == "--dialog") {
            static const std::set<std::string> kinds = {"alert", "confirm", "prompt", "beforeunload"};
            const std::size_t equals = value.find('=');
            const std::size_t at = value.find('@');
            const std::string site = value.substr(0, equals);
            if (equals == std::string::npos || at == std::string::npos || at < equals || !IsSite(site) ||
                !kinds.contains(value.substr(equals + 1, at - equals - 1)) ||
                (value.substr(at + 1) != "load" && value.substr(at + 1) != "measure")) {
                throw std::invalid_argument(
                    "--dialog wants SITE=KIND@WHEN: fast, usen or speed; alert, confirm, prompt or beforeunload; "
                    "load or measure");
            }
            options.dialogs[site] = value.substr(equals + 1);
        } else {
            throw std::invalid_argument("unknown flag: " + flag);
        }
    }
    return options;
}

}  // namespace tidemark::site_server
