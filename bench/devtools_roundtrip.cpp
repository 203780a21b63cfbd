// The round trip of one DevTools call to a real headless Chromium over the
// pipe, and the browser's start to its first answer. Prints the median and
// the worst of many calls.
//
//   devtools_roundtrip [calls]   (default 500)

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "chromium/chromium_process.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    const int calls = argc > 1 ? std::atoi(argv[1]) : 500;
    if (calls <= 0) {
        std::fprintf(stderr, "usage: devtools_roundtrip [calls]\n");
        return 2;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "tidemark-roundtrip-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return 1;

    int code = 0;
    try {
        const Clock::time_point startOfBrowser = Clock::now();
        tidemark::chromium::ChromiumProcess browser({.profileFolder = folder, .headless = true});
        const std::string product = browser.devtools().Call("Browser.getVersion").value("product", "");
        const double firstAnswerMs = MsSince(startOfBrowser);

        std::vector<double> roundTrips;
        roundTrips.reserve(static_cast<std::size_t>(calls));
        for (int i = 0; i < calls; ++i) {
            const Clock::time_point sent = Clock::now();
            browser.devtools().Call("Browser.getVersion");
            roundTrips.push_back(MsSince(sent));
        }
        std::sort(roundTrips.begin(), roundTrips.end());
        std::printf("%s: first answer %.0f ms after start\n", product.c_str(), firstAnswerMs);
        std::printf("Browser.getVersion round trip over %d calls: median %.3f ms, worst %.3f ms\n", calls,
                    roundTrips[roundTrips.size() / 2], roundTrips.back());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "devtools_roundtrip: %s\n", error.what());
        code = 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return code;
}
