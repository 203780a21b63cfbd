#include "chromium/browser_keeper.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>

#include "chromium/child_pid_parser.h"
#include "common/platform_error.h"

namespace tidemark::chromium {

namespace {

using posix::UniqueFd;

// The descriptors Chromium's pipe mode reads requests from and writes replies to.
constexpr int kChildReplyFd = 4;
// Above every descriptor the child sets up, so moving into place clobbers nothing.
constexpr int kChildScratchFd = 10;

// What the keeper and the browser's child tell the constructor, in one atomic write each.
struct StartReport {
    enum Kind : int { BrowserPid = 1, StartErrno = 2 };
    int kind;
    int value;
};

HResult HResultFromStartErrno(int error) {
    switch (error) {
        case ENOENT: return kFileNotFound;
        case ENOTDIR: return kPathNotFound;
        case EACCES:
        case EPERM: return kEAccessDenied;
        default: return kEFail;
    }
}

void Report(int fd, StartReport::Kind kind, int value) {
    const StartReport report{kind, value};
    [[maybe_unused]] const ssize_t written = ::write(fd, &report, sizeof report);
}

void ReapOrRetry(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

long long MonotonicMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// Everything from here to exec or _exit runs in a forked copy of a program
// that may have other threads: async-signal-safe calls only, no allocation.

[[noreturn]] void RunBrowser(char* const* argv, const BrowserDescriptors& fds, int reportWrite, pid_t keeper) {
    ::setpgid(0, 0);
    // Should the keeper be killed, the kernel ends the browser, which nothing
    // else can name safely once the keeper may have reaped it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != keeper) ::_exit(127);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);

    const int report = ::fcntl(reportWrite, F_DUPFD_CLOEXEC, kChildScratchFd);
    const int sources[] = {
        ::fcntl(fds.input, F_DUPFD_CLOEXEC, kChildScratchFd), ::fcntl(fds.output, F_DUPFD_CLOEXEC, kChildScratchFd),
        ::fcntl(fds.output, F_DUPFD_CLOEXEC, kChildScratchFd), ::fcntl(fds.requests, F_DUPFD_CLOEXEC, kChildScratchFd),
        ::fcntl(fds.replies, F_DUPFD_CLOEXEC, kChildScratchFd)};
    bool ready = report >= 0;
    for (int target = 0; target <= kChildReplyFd && ready; ++target) {
        ready = sources[target] >= 0 && ::dup2(sources[target], target) == target;
    }
    if (ready) {
        // Whatever else this program had open stays out of the browser.
        ::close_range(kChildReplyFd + 1, ~0U, CLOSE_RANGE_CLOEXEC);
        ::execv(argv[0], argv);
    }
    const int error = errno;
    if (report >= 0) Report(report, StartReport::StartErrno, error);
    ::_exit(127);
}

void ReapExited(pid_t browser, bool& browserRunning) {
    for (;;) {
        int status = 0;
        const pid_t pid = ::waitpid(-1, &status, WNOHANG);
        if (pid <= 0) return;
        if (pid == browser) browserRunning = false;
    }
}

// Until the deadline, or until the browser has gone.
void WaitForBrowser(int childEvents, pid_t browser, bool& browserRunning, long long deadline) {
    while (browserRunning) {
        const long long left = deadline - MonotonicMilliseconds();
        if (left <= 0) return;
        pollfd events{childEvents, POLLIN, 0};
        if (::poll(&events, 1, static_cast<int>(left)) > 0) {
            signalfd_siginfo info;
            while (::read(childEvents, &info, sizeof info) == sizeof info) {
            }
        }
        ReapExited(browser, browserRunning);
    }
}

// The keeper has one thread (fork leaves only the caller), and a subreaper's
// adopted orphans go to one of its threads, so this one list holds every child.
// Only the keeper reaps them, never while reading, so each whole pid read
// still names its child when it is killed.
void KillAdoptedChildren() {
    const UniqueFd list(::open("/proc/thread-self/children", O_RDONLY | O_CLOEXEC));
    if (!list) return;
    const auto killChild = [](pid_t pid) { ::kill(pid, SIGKILL); };
    ChildPidParser parser;
    char text[4096];
    for (;;) {
        const ssize_t got = ::read(list.get(), text, sizeof text);
        if (got < 0 && errno == EINTR) continue;
        // A failed read is no end of the list: its last number may be cut.
        if (got < 0) return;
        if (got == 0) break;
        parser.Feed(std::string_view(text, static_cast<std::size_t>(got)), killChild);
    }
    parser.End(killChild);
}

[[noreturn]] void RunKeeper(char* const* argv, const BrowserDescriptors& fds, int reportWrite, int lifeRead) {
    // Its own group, so a terminal's Ctrl-C reaches the program, whose end the keeper then sees.
    ::setpgid(0, 0);
    ::signal(SIGPIPE, SIG_IGN);
    // An ignored SIGCHLD, inherited from the program, would reap children
    // behind waitpid's back and free their pids while the keeper still names them.
    struct sigaction childDefault {};
    childDefault.sa_handler = SIG_DFL;
    ::sigaction(SIGCHLD, &childDefault, nullptr);
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    sigset_t childExits;
    sigemptyset(&childExits);
    sigaddset(&childExits, SIGCHLD);
    ::sigprocmask(SIG_BLOCK, &childExits, nullptr);

    const pid_t keeper = ::getpid();
    const pid_t browser = ::fork();
    if (browser == 0) RunBrowser(argv, fds, reportWrite, keeper);
    if (browser < 0) {
        Report(reportWrite, StartReport::StartErrno, errno);
        ::_exit(127);
    }
    ::setpgid(browser, browser);
    Report(reportWrite, StartReport::BrowserPid, browser);
    // The program's descriptors, the browser's pipe ends among them, are not the keeper's to hold.
    if (lifeRead > 3) ::close_range(3, static_cast<unsigned>(lifeRead - 1), 0);
    ::close_range(static_cast<unsigned>(lifeRead + 1), ~0U, 0);
    const int childEvents = ::signalfd(-1, &childExits, SFD_NONBLOCK | SFD_CLOEXEC);

    bool browserRunning = true;
    bool ownerGone = false;
    while (browserRunning && !ownerGone) {
        pollfd events[2] = {{lifeRead, POLLIN, 0}, {childEvents, POLLIN, 0}};
        if (::poll(events, childEvents >= 0 ? 2 : 1, childEvents >= 0 ? -1 : 100) < 0) continue;
        ownerGone = events[0].revents != 0;
        if (childEvents >= 0 && events[1].revents != 0) {
            signalfd_siginfo info;
            while (::read(childEvents, &info, sizeof info) == sizeof info) {
            }
        }
        ReapExited(browser, browserRunning);
    }

    if (browserRunning) {
        ::kill(browser, SIGTERM);
        WaitForBrowser(childEvents, browser, browserRunning,
                       MonotonicMilliseconds() + BrowserKeeper::kExitGrace.count());
    }
    // Every helper left, in the browser's group or not (its crash handlers leave
    // it), is adopted here when its parent ends; killing the children repeatedly
    // reaches them all without naming a group whose id may be reused.
    for (;;) {
        KillAdoptedChildren();
        int status = 0;
        if (::waitpid(-1, &status, 0) < 0 && errno == ECHILD) break;
    }
    ::_exit(0);
}

}  // namespace

PipeEnds MakePipe() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw PlatformError(kEFail, std::string("cannot create a pipe for Chromium: ") + std::strerror(errno));
    }
    return {UniqueFd(fds[0]), UniqueFd(fds[1])};
}

BrowserKeeper::BrowserKeeper(char* const* argv, const BrowserDescriptors& descriptors) {
    PipeEnds reports = MakePipe();
    PipeEnds life = MakePipe();
    keeper_ = ::fork();
    if (keeper_ < 0) throw PlatformError(kEFail, std::string("cannot start Chromium: ") + std::strerror(errno));
    if (keeper_ == 0) RunKeeper(argv, descriptors, reports.write.get(), life.read.get());
    life_ = std::move(life.write);
    life.read.Reset();
    reports.write.Reset();

    // Ends when the browser has been exec'd (its copy closes on exec) and the keeper has let go.
    int startErrno = 0;
    for (;;) {
        StartReport report{};
        const ssize_t got = ::read(reports.read.get(), &report, sizeof report);
        if (got < 0 && errno == EINTR) continue;
        if (got != static_cast<ssize_t>(sizeof report)) break;
        if (report.kind == StartReport::BrowserPid) browser_ = report.value;
        if (report.kind == StartReport::StartErrno) startErrno = report.value;
    }
    if (startErrno != 0 || browser_ <= 0) {
        Stop();
        if (startErrno == 0) throw PlatformError(kEFail, std::string("cannot start Chromium ") + argv[0]);
        throw PlatformError(HResultFromStartErrno(startErrno),
                            std::string("cannot start Chromium ") + argv[0] + ": " + std::strerror(startErrno));
    }
}

BrowserKeeper::~BrowserKeeper() { Stop(); }

void BrowserKeeper::Stop() {
    if (keeper_ <= 0) return;
    life_.Reset();
    const auto giveUp = std::chrono::steady_clock::now() + kExitGrace + kKeeperGrace;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(keeper_, &status, WNOHANG);
        if (done < 0 && errno == EINTR) continue;
        // Reaped, or reaped elsewhere: its pid may be another's now.
        if (done != 0) break;
        if (std::chrono::steady_clock::now() >= giveUp) {
            // Unreaped, so still the keeper. The browser's group is not ours to
            // signal: the keeper may have reaped the browser and freed its id;
            // its parent-death signal ends it instead.
            ::kill(keeper_, SIGKILL);
            ReapOrRetry(keeper_);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    keeper_ = -1;
}

}  // namespace tidemark::chromium
