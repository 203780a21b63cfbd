#include "site_server_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace tidemark::chromium {

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

void MakePipe(posix::UniqueFd& read, posix::UniqueFd& write) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe2: ") + std::strerror(errno));
    read = posix::UniqueFd(fds[0]);
    write = posix::UniqueFd(fds[1]);
}

}  // namespace

SiteServerProcess::SiteServerProcess(const std::vector<std::string>& flags, std::chrono::milliseconds timeout) {
    posix::UniqueFd childInput, childOutput;
    MakePipe(childInput, input_);
    MakePipe(output_, childOutput);

    std::vector<std::string> arguments = {TIDEMARK_SITE_SERVER};
    arguments.insert(arguments.end(), flags.begin(), flags.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, childInput.get(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, childOutput.get(), STDOUT_FILENO);
    const int error = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error(std::string("cannot start the site server: ") + std::strerror(error));

    // Its end of the output pipe closed here, so the server's exit reads as end of file.
    childOutput.Reset();
    const Clock::time_point deadline = Clock::now() + timeout;
    std::string line;
    while (line.find('\n') == std::string::npos) {
        pollfd ready{output_.get(), POLLIN, 0};
        char chunk[64];
        const bool readable = ::poll(&ready, 1, MillisecondsLeft(deadline)) > 0;
        const ssize_t got = readable ? ::read(output_.get(), chunk, sizeof chunk) : 0;
        if (got <= 0) {
            CloseInputAndWait();
            throw std::runtime_error("the site server gave no port line, only '" + line + "'");
        }
        line.append(chunk, static_cast<std::size_t>(got));
    }
    if (std::sscanf(line.c_str(), "port %d", &port_) != 1 || port_ <= 0) {
        CloseInputAndWait();
        throw std::runtime_error("the site server said '" + line + "'");
    }
}

SiteServerProcess::~SiteServerProcess() { CloseInputAndWait(); }

httplib::Response SiteServerProcess::Get(const std::string& path) const {
    httplib::Result reply = Client().Get(path);
    if (!reply) throw std::runtime_error("no answer to GET " + path + ": " + httplib::to_string(reply.error()));
    return std::move(*reply);
}

std::optional<int> SiteServerProcess::CloseInputAndWait(std::chrono::milliseconds timeout) {
    input_.Reset();
    return WaitForExit(timeout);
}

std::optional<int> SiteServerProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) return std::nullopt;
    // Its output reaching end of file is its exit: nothing else holds that pipe.
    const Clock::time_point deadline = Clock::now() + timeout;
    bool ended = false;
    while (!ended) {
        pollfd ready{output_.get(), POLLIN, 0};
        if (::poll(&ready, 1, MillisecondsLeft(deadline)) <= 0) break;
        char chunk[64];
        ended = ::read(output_.get(), chunk, sizeof chunk) <= 0;
    }
    if (!ended) ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    if (!ended) return std::nullopt;
    return status;
}

}  // namespace tidemark::chromium
