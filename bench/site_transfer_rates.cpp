// The rates the local measurement pages reach against tidemark_site_server:
// download, upload and ping timed by the pages' own measure.js in a real
// headless Chromium, as the pages time them. Prints one line per round.
//
//   site_transfer_rates [measure-ms] [rounds]   (default 3000 ms, 3 rounds)

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "chromium/chromium_process.h"
#include "chromium/page_snapshot.h"
#include "site_server_process.h"

namespace {

// Loads measure.js into the page and runs its three measurements one after another.
std::string MeasureScript(int measureMs) {
    const std::string ms = std::to_string(measureMs);
    return "(async () => {"
           "  const source = await (await fetch('/measure.js', {cache: 'no-store'})).text();"
           "  const measure = (0, eval)(source + '\\ntidemarkMeasure');"
           "  const down = await measure.download(" +
           ms +
           ");"
           "  const up = await measure.upload(" +
           ms +
           ");"
           "  const ping = await measure.latency(" +
           ms +
           ");"
           "  return {down: down.mbps, up: up.mbps, pingMs: ping.pingMs, pings: ping.trips.length};"
           "})()";
}

}  // namespace

int main(int argc, char* argv[]) {
    const int measureMs = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    if (measureMs <= 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: site_transfer_rates [measure-ms] [rounds]\n");
        return 2;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "tidemark-rates-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return 1;

    int code = 0;
    try {
        using namespace tidemark::chromium;
        SiteServerProcess server({"--root", TIDEMARK_SITES_ROOT});
        ChromiumProcess browser({.profileFolder = folder, .headless = true});
        DevToolsPipe& devtools = browser.devtools();
        devtools.SetTimeout(std::chrono::milliseconds(3 * measureMs + 20'000));
        const std::string target =
            devtools.Call("Target.createTarget", {{"url", "about:blank"}}).at("targetId").get<std::string>();
        const std::string session = AttachToPage(devtools, target);
        // Same origin as the endpoints; the page itself measures nothing.
        devtools.Call("Page.navigate", {{"url", server.Url("/stats")}}, session);
        devtools.Call("Runtime.evaluate",
                      {{"expression",
                        "new Promise(r => document.readyState === 'complete' ? r() : "
                        "addEventListener('load', () => r()))"},
                       {"awaitPromise", true}},
                      session);
        std::printf("measure.js in headless Chromium against tidemark_site_server, %d ms each:\n", measureMs);
        for (int round = 0; round < rounds; ++round) {
            const nlohmann::json reply = devtools.Call(
                "Runtime.evaluate",
                {{"expression", MeasureScript(measureMs)}, {"awaitPromise", true}, {"returnByValue", true}}, session);
            if (reply.contains("exceptionDetails")) throw std::runtime_error(reply.dump());
            const nlohmann::json& value = reply.at("result").at("value");
            std::printf("  download %8.0f Mbps   upload %8.0f Mbps   ping %.3f ms over %d pings\n",
                        value.at("down").get<double>(), value.at("up").get<double>(), value.at("pingMs").get<double>(),
                        value.at("pings").get<int>());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "site_transfer_rates: %s\n", error.what());
        code = 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return code;
}
