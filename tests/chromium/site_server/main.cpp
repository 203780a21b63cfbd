// A local stand-in for the three measurement services: their pages, and the
// download, upload and ping endpoints those pages time. For tests only.

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "server_options.h"
#include "site_server.h"

int main(int argc, char** argv) {
    using namespace tidemark::site_server;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    try {
        SiteServer server(ParseServerOptions(arguments));
        std::printf("port %d\n", server.port());
        std::fflush(stdout);
        server.Run();
        return 0;
    } catch (const std::invalid_argument& error) {
        std::cerr << "tidemark_site_server: " << error.what() << "\n" << kUsage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "tidemark_site_server: " << error.what() << "\n";
        return 1;
    }
}
