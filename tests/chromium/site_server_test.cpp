#include <signal.h>
#include <sys/wait.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <future>
#include <thread>
#include <utility>

#include <nlohmann/json.hpp>

#include "site_server_process.h"

namespace tidemark::chromium {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using namespace std::chrono_literals;

TEST(SiteServer, ServesPagesAndMeasurementsButNothingAboveItsRoot) {
    SiteServerProcess server({"--root", TIDEMARK_SITES_ROOT, "--measure-ms", "1234", "--never-finish", "usen",
                              "--title", "speed=A \"quoted\" title"});

    const httplib::Response download = server.Get("/download?bytes=123457");
    EXPECT_EQ(download.status, 200);
    EXPECT_EQ(download.get_header_value("Content-Length"), "123457");
    EXPECT_EQ(download.get_header_value("Cache-Control"), "no-store");
    EXPECT_EQ(download.body.size(), 123457u);
    httplib::Client client = server.Client();
    const httplib::Result upload = client.Post("/upload", std::string(1000, 'u'), "application/octet-stream");
    ASSERT_TRUE(upload);
    EXPECT_EQ(upload->body, R"({"bytes":1000})");

    // A client that sends half a request holds its own worker, not the server.
    std::promise<void> headSent, release;
    std::thread stalled([&server, &headSent, held = release.get_future().share()] {
        server.Client().Post(
            "/upload", 1000,
            [&headSent, held](std::size_t, std::size_t, httplib::DataSink&) {
                headSent.set_value();
                held.wait();
                return false;
            },
            "application/octet-stream");
    });
    headSent.get_future().wait();
    EXPECT_EQ(server.Get("/ping").body, "pong");
    EXPECT_EQ(nlohmann::json::parse(server.Get("/stats").body),
              (nlohmann::json{{"downloadedBytes", 123457}, {"uploadedBytes", 1000}, {"pings", 1}}));
    const std::string config = server.Get("/config.js").body;
    release.set_value();
    stalled.join();
    EXPECT_THAT(config, HasSubstr(R"("measureMs":1234)"));
    EXPECT_THAT(config, HasSubstr(R"("neverFinish":["usen"])"));
    EXPECT_THAT(config, HasSubstr(R"("titles":{"speed":"A \"quoted\" title"})"));

    const httplib::Response page = server.Get("/fast.com/ja/");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_EQ(server.Get("/measure.js").get_header_value("Content-Type"), "text/javascript; charset=utf-8");
    const httplib::Response folder = server.Get("/fast.com/ja");
    EXPECT_EQ(folder.status, 301);
    EXPECT_EQ(folder.get_header_value("Location"), "/fast.com/ja/");

    // The root's parent folder holds this CMakeLists.txt.
    for (const char* escape : {"/../CMakeLists.txt", "/%2e%2e/CMakeLists.txt", "/fast.com/../../CMakeLists.txt"}) {
        const httplib::Response refused = server.Get(escape);
        EXPECT_EQ(refused.status, 403) << escape;
        EXPECT_THAT(refused.body, Not(HasSubstr("add_executable"))) << escape;
    }
}

TEST(SiteServer, EndsWhenItsInputClosesWhenLeftIdleAndOnSigterm) {
    const auto exitedCleanly = [](std::optional<int> status) {
        return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
    };
    SiteServerProcess closed({});
    EXPECT_TRUE(exitedCleanly(closed.CloseInputAndWait(5s)));

    SiteServerProcess idle({"--idle-exit-ms", "300"});
    EXPECT_EQ(idle.Get("/ping").status, 200);
    EXPECT_TRUE(exitedCleanly(idle.WaitForExit(5s)));

    // Mid-download: ending the server must end its connections too.
    SiteServerProcess terminated({});
    std::promise<void> arriving;
    std::thread busy([&terminated, &arriving] {
        bool first = true;
        terminated.Client().Get("/download?bytes=67108864", [&](const char*, std::size_t) {
            if (std::exchange(first, false)) arriving.set_value();
            return true;
        });
    });
    arriving.get_future().wait();
    ::kill(terminated.pid(), SIGTERM);
    EXPECT_TRUE(exitedCleanly(terminated.WaitForExit(5s)));
    busy.join();
}

}  // namespace
}  // namespace tidemark::chromium
