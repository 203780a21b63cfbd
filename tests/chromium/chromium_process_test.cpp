#include "chromium/chromium_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <stdlib.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "throws_platform_error.h"
#include "remove_tree.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

class TempFolder {
public:
    TempFolder() : path_(std::string(TIDEMARK_TEST_OUTPUT_DIR) + "/chromium-XXXXXX") {
        std::filesystem::create_directories(TIDEMARK_TEST_OUTPUT_DIR);
        if (::mkdtemp(path_.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    }
    ~TempFolder() { test::RemoveTree(path_); }
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

// Dead, whether or not whoever adopted it has reaped it yet.
bool Ended(pid_t pid) {
    if (::kill(pid, 0) != 0) return errno == ESRCH;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t state = text.rfind(')') + 2;
    return state >= text.size() || text[state] == 'Z';
}

bool AllEndWithin(const std::vector<pid_t>& pids, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!std::all_of(pids.begin(), pids.end(), Ended)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The pids a children list yields when read in these pieces.
std::vector<pid_t> ChildPids(const std::vector<std::string_view>& pieces) {
    std::vector<pid_t> pids;
    const auto found = [&](pid_t pid) { pids.push_back(pid); };
    ChildPidParser parser;
    for (const std::string_view piece : pieces) parser.Feed(piece, found);
    parser.End(found);
    return pids;
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

        EXPECT_THAT(
            [&] {
                devtools.Call("Target.closeTarget", {{"targetId", "no-such-target"}});
            },
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

TEST(ChromiumProcess, ChildListYieldsWholePidsWhereverItsReadsSplitIt) {
    const std::string kernelList = "12 345 6789 4194304 2147483647 \n";
    const std::vector<pid_t> expected = {12, 345, 6789, 4194304, 2147483647};
    EXPECT_EQ(ChildPids({kernelList}), expected);
    const std::string_view list = kernelList;
    for (std::size_t cut = 0; cut <= list.size(); ++cut) {
        EXPECT_EQ(ChildPids({list.substr(0, cut), list.substr(cut)}), expected) << "cut at " << cut;
        for (std::size_t second = cut; second <= list.size(); ++second) {
            EXPECT_EQ(ChildPids({list.substr(0, cut), list.substr(cut, second - cut), list.substr(second)}), expected)
                << "cut at " << cut << " and " << second;
        }
    }

    // A number at a read's end may go on in the next: only the list's end makes it whole.
    std::vector<pid_t> found;
    ChildPidParser parser;
    parser.Feed("12 34", [&](pid_t pid) { found.push_back(pid); });
    EXPECT_THAT(found, ElementsAre(12));
    parser.Feed("56", [&](pid_t pid) { found.push_back(pid); });
    EXPECT_THAT(found, ElementsAre(12));
    parser.End([&](pid_t pid) { found.push_back(pid); });
    EXPECT_THAT(found, ElementsAre(12, 3456));

    // Far longer than one read of the keeper's, in its reads' size and in odd ones.
    std::string longList;
    std::vector<pid_t> many;
    for (pid_t pid = 100000; pid < 103000; ++pid) {
        longList += std::to_string(pid) + " ";
        many.push_back(pid);
    }
    for (const std::size_t size : {std::size_t{4096}, std::size_t{7}, std::size_t{1}}) {
        std::vector<std::string_view> pieces;
        for (std::size_t at = 0; at < longList.size(); at += size) {
            pieces.push_back(std::string_view(longList).substr(at, size));
        }
        EXPECT_EQ(ChildPids(pieces), many) << "reads of " << size;
    }
}

TEST(ChromiumProcess, ChildListYieldsNoPidFromGarbage) {
    EXPECT_THAT(ChildPids({""}), IsEmpty());
    EXPECT_THAT(ChildPids({" \n  "}), IsEmpty());
    // Zero and negatives would signal whole groups; the rest name no child.
    const std::string garbage =
        std::string("0 -1 +7 12a a12 1x2 00 2147483648 99999999999999999999 9\t8 5") + '\0' + " 41 42\n";
    EXPECT_THAT(ChildPids({garbage}), ElementsAre(41, 42));
    const std::string_view list = garbage;
    for (std::size_t cut = 0; cut <= list.size(); ++cut) {
        EXPECT_THAT(ChildPids({list.substr(0, cut), list.substr(cut)}), ElementsAre(41, 42)) << "cut at " << cut;
    }
}

// Without its keeper the browser cannot be named safely, so it must end with it.
TEST(ChromiumProcess, KeeperKilledTakesTheBrowserWithIt) {
    TempFolder profile;
    ChromiumProcess browser(Headless(profile));
    browser.devtools().Call("Browser.getVersion");
    ASSERT_EQ(::kill(browser.keeperPid(), SIGKILL), 0);
    EXPECT_TRUE(AllEndWithin({browser.pid()}, std::chrono::seconds(10))) << "the browser outlives its keeper";
}

// Every live process whose command line names the folder: the browser, its zygotes, renderers and
// crash handlers, whoever their parent is now. A zombie's command line is empty.
int ProcessesNaming(const std::string& folder) {
    int found = 0;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        // Read plainly: a process that ends meanwhile fails the read, which a stream would throw on.
        const int fd = ::open((entry.path() / "cmdline").c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        std::string line;
        char chunk[4096];
        for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;)
            line.append(chunk, static_cast<std::size_t>(got));
        ::close(fd);
        if (line.find(folder) != std::string::npos) ++found;
    }
    return found;
}

// The condition itself, with a margin that holds on a loaded machine.
bool NoneNamingWithin(const std::string& folder, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (ProcessesNaming(folder) > 0) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// A browser mid-run: started, with a page of its own rendering.
void OpenAPage(ChromiumProcess& browser) {
    browser.devtools().Call("Target.createTarget", {{"url", "data:text/html,<title>mid-run</title><p>page</p>"}});
}

TEST(ChromiumProcess, NothingNamingTheProfileOutlivesAKilledKeeperProgramOrBrowser) {
    constexpr auto kLimit = std::chrono::seconds(15);
    {
        TempFolder profile;
        ChromiumProcess browser(Headless(profile));
        OpenAPage(browser);
        ASSERT_GT(ProcessesNaming(profile.path()), 1) << "the browser and its helpers name their profile";
        ASSERT_EQ(::kill(browser.keeperPid(), SIGKILL), 0);
        EXPECT_TRUE(NoneNamingWithin(profile.path(), kLimit)) << "after the keeper was killed";
    }
    {
        // The program itself, a process of its own here, killed mid-run.
        TempFolder profile;
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t program = ::fork();
        ASSERT_GE(program, 0);
        if (program == 0) {
            ::close(ready[0]);
            try {
                ChromiumProcess browser(Headless(profile));
                OpenAPage(browser);
                [[maybe_unused]] const ssize_t told = ::write(ready[1], "r", 1);
                for (;;) ::pause();
            } catch (...) {
            }
            ::_exit(1);
        }
        ::close(ready[1]);
        char told = 0;
        ASSERT_EQ(::read(ready[0], &told, 1), 1) << "the program did not start its browser";
        ::close(ready[0]);
        ASSERT_GT(ProcessesNaming(profile.path()), 1);
        ASSERT_EQ(::kill(program, SIGKILL), 0);
        int status = 0;
        ::waitpid(program, &status, 0);
        EXPECT_TRUE(NoneNamingWithin(profile.path(), kLimit)) << "after the program was killed";
    }
    {
        TempFolder profile;
        ChromiumProcess browser(Headless(profile));
        OpenAPage(browser);
        ASSERT_GT(ProcessesNaming(profile.path()), 1);
        ASSERT_EQ(::kill(browser.pid(), SIGKILL), 0);
        EXPECT_TRUE(NoneNamingWithin(profile.path(), kLimit)) << "after the browser alone was killed";
    }
}

// An ignored SIGCHLD reaps children unseen; the keeper must still see its browser end, and reap everything.
TEST(ChromiumProcess, KeeperSeesTheBrowserEndUnderAnIgnoredChildSignal) {
    struct IgnoredChildSignal {
        IgnoredChildSignal() {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            ::sigaction(SIGCHLD, &ignore, &saved);
        }
        ~IgnoredChildSignal() { ::sigaction(SIGCHLD, &saved, nullptr); }
        struct sigaction saved {};
    } ignored;

    TempFolder profile;
    std::vector<pid_t> family;
    {
        ChromiumProcess browser(Headless(profile));
        browser.devtools().Call("Target.createTarget", {{"url", "about:blank"}});
        family = Family(browser.keeperPid());
        ASSERT_EQ(::kill(browser.pid(), SIGKILL), 0);
        // Our ignored SIGCHLD reaps the keeper once it is done.
        EXPECT_TRUE(AllEndWithin({browser.keeperPid()}, std::chrono::seconds(10)))
            << "the keeper waits on for a browser it can no longer see";
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
