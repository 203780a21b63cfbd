// `Tidemark --inspect` end to end: a real headless Chromium of its own, the
// address redirected to the local pages, the printed control view and landmarks.

#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chromium/page_inspector.h"
#include "posix/unique_fd.h"
#include "scoped_variable.h"
#include "site_server_process.h"
#include "sites/site_table.h"
#include "remove_tree.h"

namespace tidemark::chromium {
namespace {

using test_support::ScopedVariable;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Inspected {
    int exitCode;
    std::string out;
    std::string err;
    std::vector<std::string> lines;  // of out
};

Inspected Inspect(const std::string& address) {
    std::ostringstream out, err;
    Inspected inspected{InspectPage(address, out, err), out.str(), err.str(), {}};
    std::istringstream text(inspected.out);
    for (std::string line; std::getline(text, line);) inspected.lines.push_back(line);
    return inspected;
}

// The landmark block: from its heading to the end.
std::vector<std::string> LandmarkLines(const Inspected& inspected, const std::string& heading) {
    auto from = std::find_if(inspected.lines.begin(), inspected.lines.end(),
                             [&](const std::string& line) { return line.starts_with(heading); });
    return {from, inspected.lines.end()};
}

// A port on 127.0.0.1 that refuses connections: bound, never listening, so no one else takes it meanwhile.
class RefusingPort {
public:
    RefusingPort() : socket_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (!socket_ || ::bind(socket_.get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::getsockname(socket_.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
            ADD_FAILURE() << "cannot bind a socket on 127.0.0.1";
        port_ = ntohs(address.sin_port);
    }
    int port() const { return port_; }

private:
    posix::UniqueFd socket_;
    int port_ = 0;
};

// Every case gets a cache folder of its own, so the inspector's profile is
// made there, and the test can see it gone afterwards.
class InspectPageTest : public ::testing::Test {
protected:
    InspectPageTest() : cache_(std::string(TIDEMARK_TEST_OUTPUT_DIR) + "/inspect-cache-XXXXXX") {
        std::filesystem::create_directories(TIDEMARK_TEST_OUTPUT_DIR);
        if (::mkdtemp(cache_.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
        cacheVariable_.emplace("XDG_CACHE_HOME", cache_);
    }
    ~InspectPageTest() override { test::RemoveTree(cache_); }

    // What the inspector left where Tidemark keeps its profiles (the browser's
    // own dconf cache beside it is not ours); nullopt when it made nothing there.
    std::optional<std::vector<std::string>> LeftByTidemark() const {
        const std::filesystem::path ours = std::filesystem::path(cache_) / "tidemark";
        if (!std::filesystem::is_directory(ours)) return std::nullopt;
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(ours)) left.push_back(entry.path().string());
        return left;
    }

    std::string cache_;
    std::optional<ScopedVariable> cacheVariable_;
};

TEST_F(InspectPageTest, FastFixtureShowsItsControlViewAndEveryLandmarkFoundThenLeavesNoProfile) {
    SiteServerProcess server({"--root", TIDEMARK_SITES_ROOT, "--measure-ms", "300"});
    const ScopedVariable sites("TIDEMARK_LOCAL_SITES", server.Url("/"));

    const Inspected inspected = Inspect(std::string(kSiteFAST.address));
    ASSERT_EQ(inspected.exitCode, 0) << inspected.err;
    EXPECT_EQ(inspected.err, "");
    ASSERT_FALSE(inspected.lines.empty());
    EXPECT_EQ(inspected.lines[0], "Document \"" + std::string(kSiteFAST.title) + "\" id=RootWebArea");
    // The icon font's glyph at the end of the button's Name shows as its code.
    EXPECT_THAT(inspected.lines, Contains(StartsWith("  Button \"日本語 \\uE313\"")));
    EXPECT_THAT(inspected.lines, Contains(StartsWith("  Text \"お使いのインターネットの速度:\"")));

    const std::vector<std::string> landmarks = LandmarkLines(inspected, "FAST landmarks");
    ASSERT_FALSE(landmarks.empty()) << inspected.out;
    EXPECT_EQ(landmarks[0], "FAST landmarks (measures on load):");
    const std::vector<std::string> expected = {
        "  found    title: \"" + std::string(kSiteFAST.title) + "\"",
        "  found    progress indicator (first Group child): class=\"speed-progress-indicator circle",
        "  found    language button: Button \"日本語 \\uE313\"",
        "  found    speed label after the language button: Text \"お使いのインターネットの速度:\"",
        "  found    figure and unit after the label: \"",
    };
    ASSERT_EQ(landmarks.size(), expected.size() + 1) << inspected.out;
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_THAT(landmarks[i + 1], StartsWith(expected[i]));
    EXPECT_THAT(landmarks.back(), HasSubstr("\"Mbps\""));

    EXPECT_EQ(LeftByTidemark(), std::vector<std::string>{});
}

TEST_F(InspectPageTest, AnAddressThatDoesNotLoadIsAnErrorWithTheBrowsersReasonAndNoOutput) {
    const RefusingPort refusing;
    const std::string refused = "http://127.0.0.1:" + std::to_string(refusing.port()) + "/";
    const Inspected nobody = Inspect(refused);
    EXPECT_EQ(nobody.exitCode, 1);
    EXPECT_EQ(nobody.err, "Tidemark: could not load " + refused + ": net::ERR_CONNECTION_REFUSED\n");
    EXPECT_EQ(nobody.out, "");

    // The service's address goes where the local sites say, and the message names the address as typed.
    {
        const ScopedVariable sites("TIDEMARK_LOCAL_SITES", refused);
        const Inspected redirected = Inspect(std::string(kSiteUSEN.address));
        EXPECT_EQ(redirected.exitCode, 1);
        EXPECT_EQ(redirected.err,
                  "Tidemark: could not load " + std::string(kSiteUSEN.address) + ": net::ERR_CONNECTION_REFUSED\n");
    }

    // Chromium will not even try port 1.
    const Inspected unsafe = Inspect("http://127.0.0.1:1/");
    EXPECT_EQ(unsafe.exitCode, 1);
    EXPECT_THAT(unsafe.err, StartsWith("Tidemark: could not load http://127.0.0.1:1/: net::ERR_"));
    EXPECT_EQ(unsafe.out, "");
    EXPECT_EQ(LeftByTidemark(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tidemark::chromium
