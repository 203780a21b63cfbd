#pragma once

#include <sys/types.h>

#include <limits>
#include <string_view>

namespace tidemark::chromium {

// The pids in a /proc/PID/task/TID/children list that arrives in reads split
// anywhere. A number counts only once a separator or the list's end follows it,
// and only when it is all digits and a possible pid: a cut-off or garbled one
// may name another process of the user. Allocates nothing, for the keeper runs
// it in a forked copy of a program that may have other threads.
class ChildPidParser {
public:
    template <typename Found>
    void Feed(std::string_view piece, Found&& found) {
        for (const char c : piece) {
            if (c == ' ' || c == '\n') {
                Close(found);
            } else if (c >= '0' && c <= '9' && value_ <= kMaxPid) {
                value_ = value_ * 10 + (c - '0');
                digits_ = true;
            } else {
                garbled_ = true;
            }
        }
    }
    // The list has truly ended: a number running to its end is whole.
    template <typename Found>
    void End(Found&& found) {
        Close(found);
    }

private:
    static constexpr long long kMaxPid = std::numeric_limits<pid_t>::max();

    template <typename Found>
    void Close(Found& found) {
        if (digits_ && !garbled_ && value_ > 0 && value_ <= kMaxPid) found(static_cast<pid_t>(value_));
        value_ = 0;
        digits_ = false;
        garbled_ = false;
    }

    long long value_ = 0;
    bool digits_ = false;
    bool garbled_ = false;
};

}  // namespace tidemark::chromium
