#include "chromium/chromium_process.h"

#include <signal.h>
#include <stdlib.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "throws_platform_error.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

class TempFolder {
public:
    TempFolder() : path_(std::string(TIDEMARK_TEST_OUTPUT_DIR) + "/chromium-XXXXXX") {
        std::filesystem::create_directories(TIDEMARK_TEST_OUTPUT_DIR);
        if (::mkdtemp(path_.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

ChromiumOptions Headless(const TempFolder& profile) {
    return {.program = TIDEMARK_CHROMIUM_PROGRAM, .profileFolder = profile.path(), .headless = true};
}

// The browser and every process under its keeper, found through /proc.
std::vector<pid_t> Family(pid_t root) {
    std::vector<pid_t> family = {root};
    for (std::size_t i = 0; i < family.size(); ++i) {
        const std::string tasks = "/proc/" + std::to_string(family[i]) + "/task";
        std::error_code ignored;
        for (const auto& task : std::filesystem::directory_iterator(tasks, ignored)) {
            std::ifstream children(task.path() / "children");
            for (pid_t child; children >> child;) family.push_back(child);
        }
    }
    return family;
}

// Each of them reaped: a zombie would still answer kill(pid, 0).
void ExpectAllReaped(const std::vector<pid_t>& family) {
    for (const pid_t pid : family) {
        errno = 0;
        EXPECT_EQ(::kill(pid, 0), -1) << "process " << pid << " is left";
        EXPECT_EQ(errno, ESRCH) << "process " << pid;
    }
}

TEST(ChromiumProcess, RealBrowserAnswersOpensAPageAndLeavesNothingBehind) {
    TempFolder profile;
    std::vector<pid_t> family;
    {
        ChromiumProcess browser(Headless(profile));
        DevToolsPipe& devtools = browser.devtools();

        EXPECT_THAT(devtools.Call("Browser.getVersion").at("product").get<std::string>(), HasSubstr("Chrome"));

        const std::string targetId =
            devtools.Call("Target.createTarget", {{"url", "about:blank"}}).at("targetId").get<std::string>();
        EXPECT_FALSE(targetId.empty());
        const json targets = devtools.Call("Target.getTargets").at("targetInfos");
        EXPECT_TRUE(std::any_of(targets.begin(), targets.end(), [&](const json& target) {
            return target.at("targetId") == targetId && target.at("type") == "page";
        })) << targets.dump();

        EXPECT_THAT([&] { devtools.Call("Target.closeTarget", {{"targetId", "no-such-target"}}); },
                    ThrowsPlatformError(kEFail));

        family = Family(browser.keeperPid());
        EXPECT_GT(family.size(), 3u) << "the keeper, the browser and its helpers";
    }
    ExpectAllReaped(family);
}

TEST(ChromiumProcess, BrowserKilledFromOutsideBreaksThePipeAndIsStillReaped) {
    TempFolder profile;
    std::vector<pid_t> family;
    {
        ChromiumProcess browser(Headless(profile));
        browser.devtools().Call("Target.createTarget", {{"url", "about:blank"}});
        family = Family(browser.keeperPid());
        ASSERT_EQ(::kill(browser.pid(), SIGKILL), 0);
        EXPECT_THAT([&] { browser.devtools().Call("Browser.getVersion"); }, ThrowsPlatformError(kBrokenPipe));
    }
    ExpectAllReaped(family);
}

TEST(ChromiumProcess, MissingProgramThrowsFileNotFoundNamingIt) {
    TempFolder profile;
    ChromiumOptions options = Headless(profile);
    options.program = profile.path() + "/no-such-chromium";
    EXPECT_THAT([&] { ChromiumProcess browser(options); },
                ThrowsPlatformError(kFileNotFound, HasSubstr(options.program)));
}

TEST(ChromiumProcess, CommandLineAndProfileFolderFollowTheUserAndTheDisplay) {
    const auto plain = ChromiumArguments("/p", false, false);
    EXPECT_THAT(plain, Contains("--remote-debugging-pipe"));
    EXPECT_THAT(plain, Contains("--user-data-dir=/p"));
    EXPECT_THAT(plain, Not(Contains("--no-sandbox")));
    EXPECT_THAT(plain, Not(Contains(HasSubstr("--headless"))));
    const auto rootHeadless = ChromiumArguments("/p", true, true);
    EXPECT_THAT(rootHeadless, Contains("--no-sandbox"));
    EXPECT_THAT(rootHeadless, Contains("--headless=new"));

    const std::string savedCache = std::getenv("XDG_CACHE_HOME") ? std::getenv("XDG_CACHE_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CACHE_HOME", "/x/cache", 1);
    EXPECT_EQ(DefaultProfileFolder(), "/x/cache/tidemark/chromium-profile");
    ::unsetenv("XDG_CACHE_HOME");
    ::setenv("HOME", "/h", 1);
    EXPECT_EQ(DefaultProfileFolder(), "/h/.cache/tidemark/chromium-profile");
    ::setenv("HOME", savedHome.c_str(), 1);
    if (!savedCache.empty()) ::setenv("XDG_CACHE_HOME", savedCache.c_str(), 1);
}

}  // namespace
}  // namespace tidemark::chromium
