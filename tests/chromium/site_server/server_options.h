#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tidemark::site_server {

// What the server was started with; the pages read the measurement part
// through /config.js.
struct ServerOptions {
    std::string root;  // empty: no static files
    int port = 0;      // 0: any free port
    int measureMs = 3000;
    std::set<std::string> neverFinish;           // "fast", "usen", "speed"
    std::map<std::string, std::string> titles;   // site -> the title its page shows instead
    std::map<std::string, std::string> dialogs;  // site -> "KIND@WHEN": the dialog its page raises
    int idleExitMs = 120'000;
};

// The command line after the program's name. Throws std::invalid_argument
// naming the flag at fault.
ServerOptions ParseServerOptions(const std::vector<std::string>& arguments);

// What --help prints.
extern const char* const kUsage;

}  // namespace tidemark::site_server
