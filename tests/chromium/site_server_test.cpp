#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "loopback_http.h"
#include "site_server_process.h"

namespace tidemark::chromium {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using namespace std::chrono_literals;

std::string Request(const std::string& method, const std::string& target, const std::string& tail = "") {
    return method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + tail + "\r\n";
}

TEST(SiteServer, ServesPagesAndMeasurementsButNothingAboveItsRoot) {
    SiteServerProcess server({"--root", TIDEMARK_SITES_ROOT, "--measure-ms", "1234", "--never-finish", "usen",
                              "--title", "speed=A \"quoted\" title"});
    const int port = server.port();

    const HttpReply download = HttpGet(port, "/download?bytes=123457");
    EXPECT_EQ(download.status, 200);
    EXPECT_THAT(download.head, HasSubstr("Content-Length: 123457\r\n"));
    EXPECT_THAT(download.head, HasSubstr("Cache-Control: no-store\r\n"));
    EXPECT_EQ(download.rest.size(), 123457u);
    EXPECT_EQ(HttpExchange(port, Request("POST", "/upload", "Content-Length: 1000\r\nConnection: close\r\n") +
                                     std::string(1000, 'u')).rest,
              R"({"bytes":1000})");

    // Kept alive: both answers come on one connection, each framed by its length.
    const HttpReply twice =
        HttpExchange(port, Request("GET", "/ping") + Request("GET", "/stats", "Connection: close\r\n"));
    EXPECT_THAT(twice.rest, HasSubstr("pong"));
    const std::string stats = twice.rest.substr(twice.rest.find('{'));
    EXPECT_EQ(nlohmann::json::parse(stats),
              (nlohmann::json{{"downloadedBytes", 123457}, {"uploadedBytes", 1000}, {"pings", 1}}));

    // A client that sends half a request holds its own thread, not the server.
    const posix::UniqueFd stalled = ConnectLoopback(port);
    ::send(stalled.get(), "GET /ping HTTP/1.1\r\n", 20, MSG_NOSIGNAL);
    const HttpReply config = HttpGet(port, "/config.js");
    EXPECT_THAT(config.rest, HasSubstr(R"("measureMs":1234)"));
    EXPECT_THAT(config.rest, HasSubstr(R"("neverFinish":["usen"])"));
    EXPECT_THAT(config.rest, HasSubstr(R"("titles":{"speed":"A \"quoted\" title"})"));

    const HttpReply page = HttpGet(port, "/fast.com/ja/");
    EXPECT_EQ(page.status, 200);
    EXPECT_THAT(page.head, HasSubstr("Content-Type: text/html; charset=utf-8"));
    EXPECT_THAT(HttpGet(port, "/measure.js").head, HasSubstr("Content-Type: text/javascript; charset=utf-8"));
    EXPECT_THAT(HttpGet(port, "/fast.com/ja").head, HasSubstr("Location: /fast.com/ja/\r\n"));

    // The root's parent folder holds this CMakeLists.txt.
    for (const char* escape : {"/../CMakeLists.txt", "/%2e%2e/CMakeLists.txt", "/fast.com/../../CMakeLists.txt"}) {
        const HttpReply refused = HttpGet(port, escape);
        EXPECT_EQ(refused.status, 403) << escape;
        EXPECT_THAT(refused.rest, Not(HasSubstr("add_executable"))) << escape;
    }
}

TEST(SiteServer, EndsWhenItsInputClosesWhenLeftIdleAndOnSigterm) {
    const auto exitedCleanly = [](std::optional<int> status) {
        return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
    };
    SiteServerProcess closed({});
    EXPECT_TRUE(exitedCleanly(closed.CloseInputAndWait(5s)));

    SiteServerProcess idle({"--idle-exit-ms", "300"});
    EXPECT_EQ(HttpGet(idle.port(), "/ping").status, 200);
    EXPECT_TRUE(exitedCleanly(idle.WaitForExit(5s)));

    SiteServerProcess terminated({});
    // Mid-download: ending the server must end its connections too.
    const posix::UniqueFd busy = ConnectLoopback(terminated.port());
    const std::string request = Request("GET", "/download?bytes=67108864");
    ::send(busy.get(), request.data(), request.size(), MSG_NOSIGNAL);
    ::kill(terminated.pid(), SIGTERM);
    EXPECT_TRUE(exitedCleanly(terminated.WaitForExit(5s)));
}

}  // namespace
}  // namespace tidemark::chromium
