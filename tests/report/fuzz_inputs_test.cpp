// The fuzz targets' checks over their checked-in seed corpora and over every
// input a fuzzer ever stopped on, in the ordinary test suite (and so under
// ASan and UBSan as well).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "fuzz_checks.h"

namespace tidemark::fuzz {
namespace {

void CheckEveryInput(const std::string& target, const std::function<std::string(std::string_view)>& check) {
    std::size_t inputs = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const std::filesystem::path place = std::filesystem::path(TIDEMARK_FUZZ_DIR) / folder / target;
        if (!std::filesystem::exists(place)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(place)) {
            std::ifstream file(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << file.rdbuf();
            EXPECT_EQ(check(bytes.str()), "") << entry.path();
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0u) << "no seed corpus for " << target;
}

TEST(FuzzInputs, TheCsvReaderHoldsOnEverySeedAndEveryPastFinding) { CheckEveryInput("csv_reader", CheckCsvReader); }

TEST(FuzzInputs, TheRunLogReaderHoldsOnEverySeedAndEveryPastFinding) { CheckEveryInput("run_log", CheckRunLog); }

TEST(FuzzInputs, ThePageHoldsOnEverySeedAndEveryPastFinding) { CheckEveryInput("report_page", CheckReportPage); }

}  // namespace
}  // namespace tidemark::fuzz
