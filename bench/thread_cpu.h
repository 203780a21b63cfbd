#pragma once

// The calling thread's own CPU time: what the program itself spends, apart
// from the browser's processes and whatever else the machine runs.

#include <time.h>

namespace tidemark::bench {

inline double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace tidemark::bench
