// libFuzzer target: see fuzz_checks.h.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem =
        tidemark::fuzz::CheckRunLog(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
